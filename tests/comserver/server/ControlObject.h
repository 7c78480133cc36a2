#pragma once

#include <objbase.h>
#include <oleauto.h>

#include "comserver/server/ServerState.h"

namespace tavor::test::fakecad {

// The control object (see ControlProtocol.h), with one reference for the caller.
IDispatch* newControlObject(ServerState& state);

}  // namespace tavor::test::fakecad
