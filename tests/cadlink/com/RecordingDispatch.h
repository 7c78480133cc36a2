#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cadlink/com/ComVariant.h"

namespace tavor::test {

// An in-process IDispatch whose names, results and failures a test sets; it records every call
// (with copies of its arguments in natural order) and counts its own references.
class RecordingDispatch final : public IDispatch, public ISupportErrorInfo {
public:
    struct Call {
        DISPID id;
        WORD flags;
        std::vector<cad::com::ComVariant> args;
        std::vector<DISPID> named;
    };
    using Answer = std::function<HRESULT(const Call&, VARIANT* result, EXCEPINFO* info)>;

    // `name` answers to `id`; each call runs `answer` (by default: S_OK, no result).
    void define(const std::wstring& name, DISPID id, Answer answer = {});

    std::vector<Call> calls;
    int nameLookups = 0;
    // Interfaces answered besides IUnknown and IDispatch (as this same object).
    std::vector<IID> interfaces;
    // Interfaces answered by another object, as a typed view of this one.
    std::vector<std::pair<IID, IDispatch*>> views;
    // Whether it answers ISupportErrorInfo, and that it sets the thread's error info for
    // IDispatch.
    bool supportsErrorInfo = false;
    ULONG references() const { return references_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    // Lives on the test's stack: the count only records.
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, UINT* badArg) override;
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

private:
    std::map<std::wstring, DISPID> ids_;
    std::map<DISPID, Answer> answers_;
    ULONG references_ = 1;
};

}  // namespace tavor::test
