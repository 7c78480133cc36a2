#include "cadlink/com/ComCadLink.h"

#include "cadlink/CadError.h"
#include "cadlink/com/ComError.h"
#include "cadlink/com/ComObjects.h"
#include "cadlink/com/TMessageFilter.h"
#include "cadlink/com/WinDesktop.h"

namespace tavor::cad::com {

namespace {

// The CAD's application class: {449354E9-CDD8-4A11-BD82-0D4A3C21E7D2}.
constexpr CLSID kApplicationClsid = {
    0x449354E9, 0xCDD8, 0x4A11, {0xBD, 0x82, 0x0D, 0x4A, 0x3C, 0x21, 0xE7, 0xD2}};

}  // namespace

struct ComCadLink::Parts {
    bool uninitialize = false;
    WinDesktop desktop;
    ComPtr<TMessageFilter> filter;
};

ComCadLink::ComCadLink() : parts_(std::make_unique<Parts>()) {
    // S_FALSE (already initialised on this thread) must be balanced too; a thread already in
    // another apartment model is used as it is.
    parts_->uninitialize = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

ComCadLink::~ComCadLink() {
    if (parts_->filter)
        RevokeMessageFilter();
    const bool uninitialize = parts_->uninitialize;
    parts_.reset();
    if (uninitialize)
        CoUninitialize();
}

std::shared_ptr<Application> ComCadLink::CreateApplication() {
    ComPtr<IUnknown> created;
    check(CoCreateInstance(kApplicationClsid, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER,
                           IID_IUnknown, reinterpret_cast<void**>(created.put())),
          u"Creating the CAD's application object");
    return makeApplication(created);
}

void ComCadLink::RegisterMessageFilter() {
    if (parts_->filter)
        return;
    auto filter = TMessageFilter::Create();
    try {
        filter->RegisterFilter();
    } catch (const CadError&) {
        // A thread outside a single-threaded apartment can have no message filter. The program
        // still works then; only a busy CAD fails its calls instead of making them wait.
        return;
    }
    parts_->filter = std::move(filter);
}

void ComCadLink::RevokeMessageFilter() {
    if (!parts_->filter)
        return;
    parts_->filter->RevokeFilter();
    parts_->filter.reset();
}

Desktop& ComCadLink::desktop() {
    return parts_->desktop;
}

void ComCadLink::setProgramWindow(WindowId window) {
    parts_->desktop.setProgramWindow(window);
}

}  // namespace tavor::cad::com
