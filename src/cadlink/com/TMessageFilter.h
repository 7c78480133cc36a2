#pragma once

#include <windows.h>

#include <atomic>

#include "cadlink/com/ComPtr.h"

namespace tavor::cad::com {

// The thread's COM message filter while the program talks to the CAD: a CAD busy with a command
// rejects calls with SERVERCALL_RETRYLATER, and the filter has them retried once a second for as
// long as it takes instead of failing them. Needs a single-threaded apartment.
class TMessageFilter final : public IMessageFilter {
public:
    // A new filter, not registered yet; it holds no previous filter.
    static ComPtr<TMessageFilter> Create();

    // Makes this the thread's filter and keeps the one it replaces. Raises CadError with the
    // HRESULT when the system refuses.
    void RegisterFilter();
    // Makes the kept filter the thread's filter again (none when there was none) and drops the
    // one it replaces.
    void RevokeFilter();

    // The filter that was current when this one was registered.
    const ComPtr<IMessageFilter>& oldFilter() const { return FOldFilter; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // SERVERCALL_ISHANDLED for every call.
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD callType, HTASK caller, DWORD tickCount,
                                               LPINTERFACEINFO info) override;
    // 1000 (retry after 1000 ms) for SERVERCALL_RETRYLATER, however long the call has waited;
    // (DWORD)-1 (cancel the call) for any other rejection.
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK callee, DWORD tickCount,
                                              DWORD rejectType) override;
    // PENDINGMSG_WAITNOPROCESS: window messages wait until the call returns.
    DWORD STDMETHODCALLTYPE MessagePending(HTASK callee, DWORD tickCount,
                                           DWORD pendingType) override;

private:
    TMessageFilter() = default;
    ~TMessageFilter() = default;

    std::atomic<ULONG> references_{1};
    ComPtr<IMessageFilter> FOldFilter;
};

}  // namespace tavor::cad::com
