#pragma once

#include <memory>

#include "cadlink/Desktop.h"
#include "cadlink/Document.h"

namespace tavor::cad {

// What a build offers the main form for reaching the CAD: the COM client of the real CAD on
// Windows, the simulated CAD elsewhere and in tests.
class CadLink {
public:
    virtual ~CadLink() = default;

    // The application object of the running CAD; raises CadError when it cannot be had.
    virtual std::shared_ptr<Application> CreateApplication() = 0;
    // The message filter that makes calls rejected by a busy CAD wait and retry; registered at
    // the main window's creation and revoked at its destruction.
    virtual void RegisterMessageFilter() = 0;
    virtual void RevokeMessageFilter() = 0;

    virtual Desktop& desktop() = 0;
};

}  // namespace tavor::cad
