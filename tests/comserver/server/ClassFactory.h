#pragma once

#include <objbase.h>

#include "comserver/server/ServerState.h"

namespace tavor::test::fakecad {

// The class object registered for one class: makes its objects, and lets clients lock the
// server. It lives as long as the server's loop; COM's references do not own it.
class ClassFactory : public IClassFactory {
public:
    using Maker = IDispatch* (*)(ServerState&);
    ClassFactory(ServerState& state, Maker make) : state_(state), make_(make) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ServerState& state_;
    Maker make_;
};

}  // namespace tavor::test::fakecad
