#pragma once

#include <memory>

#include "cadlink/CadLink.h"
#include "cadlink/sim/SimCad.h"

namespace tavor::cad::sim {

// The link of builds without a real CAD client: the application object is the simulated CAD's,
// and there is no message filter to register.
class SimCadLink : public CadLink {
public:
    SimCadLink(std::shared_ptr<SimCad> cad, Desktop& desktop)
        : cad_(std::move(cad)), desktop_(desktop) {}

    std::shared_ptr<Application> CreateApplication() override;
    void RegisterMessageFilter() override {}
    void RevokeMessageFilter() override {}
    Desktop& desktop() override { return desktop_; }

private:
    std::shared_ptr<SimCad> cad_;
    Desktop& desktop_;
};

}  // namespace tavor::cad::sim
