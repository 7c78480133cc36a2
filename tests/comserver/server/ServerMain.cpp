#include <objbase.h>

#include "comserver/FakeCadIds.h"
#include "comserver/server/CadWindows.h"
#include "comserver/server/ClassFactory.h"
#include "comserver/server/ControlObject.h"
#include "comserver/server/ModelObjects.h"
#include "comserver/server/ServerState.h"

namespace {

using namespace tavor::test::fakecad;

// Registers both classes and serves calls until the last object is released.
int serve(ServerState& state) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    ClassFactory cadFactory(state, newApplicationObject);
    ClassFactory controlFactory(state, newControlObject);
    DWORD cadCookie = 0, controlCookie = 0;
    int exitCode = 0;
    if (FAILED(CoRegisterClassObject(kCadClassId, &cadFactory, CLSCTX_LOCAL_SERVER,
                                     REGCLS_MULTIPLEUSE, &cadCookie)) ||
        FAILED(CoRegisterClassObject(kControlClassId, &controlFactory, CLSCTX_LOCAL_SERVER,
                                     REGCLS_MULTIPLEUSE, &controlCookie))) {
        exitCode = 3;
    } else {
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (cadCookie)
        CoRevokeClassObject(cadCookie);
    if (controlCookie)
        CoRevokeClassObject(controlCookie);
    CoUninitialize();
    return exitCode;
}

}  // namespace

// The fake CAD's automation server, started by COM (LocalServer32). It serves one simulated
// drawing through the CAD's class and the control class, and ends when the last object that
// clients hold is released.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const CadWindows windows = openCadWindows(instance);
    if (!windows.main)
        return 2;
    // The state outlives the apartment: objects that clients leave behind are released while
    // the apartment shuts down.
    ServerState state(windows);
    const int exitCode = serve(state);
    closeCadWindows(windows);
    return exitCode;
}
