#include "cadlink/com/TMessageFilter.h"

#include "cadlink/com/ComError.h"

namespace tavor::cad::com {

namespace {

constexpr DWORD kRetryAfterMilliseconds = 1000;
constexpr DWORD kCancelCall = static_cast<DWORD>(-1);

}  // namespace

ComPtr<TMessageFilter> TMessageFilter::Create() {
    return ComPtr<TMessageFilter>::adopt(new TMessageFilter);
}

void TMessageFilter::RegisterFilter() {
    IMessageFilter* previous = nullptr;
    check(CoRegisterMessageFilter(this, &previous), u"CoRegisterMessageFilter");
    FOldFilter = ComPtr<IMessageFilter>::adopt(previous);
}

void TMessageFilter::RevokeFilter() {
    IMessageFilter* replaced = nullptr;
    // Revoked while the main window goes away: a refusal leaves nothing to do.
    if (SUCCEEDED(CoRegisterMessageFilter(FOldFilter.get(), &replaced)) && replaced)
        replaced->Release();
}

HRESULT STDMETHODCALLTYPE TMessageFilter::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMessageFilter)) {
        *object = static_cast<IMessageFilter*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE TMessageFilter::AddRef() {
    return ++references_;
}

ULONG STDMETHODCALLTYPE TMessageFilter::Release() {
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

DWORD STDMETHODCALLTYPE TMessageFilter::HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) {
    return SERVERCALL_ISHANDLED;
}

DWORD STDMETHODCALLTYPE TMessageFilter::RetryRejectedCall(HTASK, DWORD, DWORD rejectType) {
    return rejectType == SERVERCALL_RETRYLATER ? kRetryAfterMilliseconds : kCancelCall;
}

DWORD STDMETHODCALLTYPE TMessageFilter::MessagePending(HTASK, DWORD, DWORD) {
    return PENDINGMSG_WAITNOPROCESS;
}

}  // namespace tavor::cad::com
