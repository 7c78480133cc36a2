#pragma once

#include <memory>

#include "cadlink/CadLink.h"

namespace tavor::cad::com {

// The link of the Windows program to the running CAD through COM: it initialises COM on the
// calling (GUI) thread for its lifetime, creates the application object by the CAD's class ID,
// registers the message filter and offers the Win32 desktop.
class ComCadLink final : public CadLink {
public:
    ComCadLink();
    ~ComCadLink() override;
    ComCadLink(const ComCadLink&) = delete;
    ComCadLink& operator=(const ComCadLink&) = delete;

    std::shared_ptr<Application> CreateApplication() override;
    void RegisterMessageFilter() override;
    void RevokeMessageFilter() override;
    Desktop& desktop() override;

    // The program's main window, for the hand-over around picking.
    void setProgramWindow(WindowId window);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace tavor::cad::com
