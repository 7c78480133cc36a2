#include "cadlink/sim/SimCadLink.h"

namespace tavor::cad::sim {

std::shared_ptr<Application> SimCadLink::CreateApplication() {
    cad_->enter(u"CreateApplication");
    return cad_->application();
}

}  // namespace tavor::cad::sim
