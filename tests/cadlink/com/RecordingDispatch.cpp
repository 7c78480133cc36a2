#include "cadlink/com/RecordingDispatch.h"

#include <algorithm>

namespace tavor::test {

void RecordingDispatch::define(const std::wstring& name, DISPID id, Answer answer) {
    ids_[name] = id;
    answers_[id] = std::move(answer);
}

HRESULT RecordingDispatch::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IDispatch ||
        std::find(interfaces.begin(), interfaces.end(), iid) != interfaces.end()) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    if (iid == IID_ISupportErrorInfo && supportsErrorInfo) {
        *object = static_cast<ISupportErrorInfo*>(this);
        AddRef();
        return S_OK;
    }
    for (const auto& [viewIid, view] : views)
        if (iid == viewIid)
            return view->QueryInterface(IID_IDispatch, object);
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT RecordingDispatch::InterfaceSupportsErrorInfo(REFIID iid) {
    return iid == IID_IDispatch ? S_OK : S_FALSE;
}

HRESULT RecordingDispatch::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT RecordingDispatch::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT RecordingDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    ++nameLookups;
    for (UINT i = 0; i < count; ++i) {
        const auto found = ids_.find(names[i]);
        if (found == ids_.end())
            return DISP_E_UNKNOWNNAME;
        ids[i] = found->second;
    }
    return S_OK;
}

HRESULT RecordingDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                  VARIANT* result, EXCEPINFO* info, UINT*) {
    const auto answer = answers_.find(id);
    if (answer == answers_.end())
        return DISP_E_MEMBERNOTFOUND;
    Call call{id, flags, {}, {}};
    for (UINT i = params->cArgs; i-- > 0;) {
        cad::com::ComVariant copy;
        VariantCopy(copy.put(), &params->rgvarg[i]);
        call.args.push_back(std::move(copy));
    }
    call.named.assign(params->rgdispidNamedArgs, params->rgdispidNamedArgs + params->cNamedArgs);
    calls.push_back(std::move(call));
    return answer->second ? answer->second(calls.back(), result, info) : S_OK;
}

}  // namespace tavor::test
