#include "comserver/server/ClassFactory.h"

#include <new>

namespace tavor::test::fakecad {

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    IDispatch* made = nullptr;
    try {
        made = make_(state_);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    const HRESULT hr = made->QueryInterface(iid, object);
    made->Release();
    return hr;
}

HRESULT ClassFactory::LockServer(BOOL lock) {
    if (lock)
        state_.lock();
    else
        state_.unlock();
    return S_OK;
}

}  // namespace tavor::test::fakecad
