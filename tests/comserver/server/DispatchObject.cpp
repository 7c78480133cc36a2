#include "comserver/server/DispatchObject.h"

#include <new>

#include "base/TextUtil.h"
#include "cadlink/CadError.h"

namespace tavor::test::fakecad {

namespace {

constexpr wchar_t kSource[] = L"nanoCAD";

BSTR newBstr(std::u16string_view text) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                             static_cast<UINT>(text.size()));
}

HRESULT exceptionResult(EXCEPINFO* exception, std::u16string_view message, HRESULT code) {
    if (exception) {
        *exception = EXCEPINFO{};
        exception->bstrSource = SysAllocString(kSource);
        exception->bstrDescription = newBstr(message);
        exception->scode = code;
    }
    return DISP_E_EXCEPTION;
}

HRESULT errorInfoResult(std::u16string_view message, HRESULT code) {
    ICreateErrorInfo* create = nullptr;
    if (FAILED(CreateErrorInfo(&create)))
        return code;
    const std::wstring description(message.begin(), message.end());
    create->SetSource(const_cast<LPOLESTR>(kSource));
    create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
    create->SetGUID(IID_IDispatch);
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
        SetErrorInfo(0, info);
        info->Release();
    }
    create->Release();
    return code;
}

HRESULT injectedResult(const InjectedFailure& failure, EXCEPINFO* exception) {
    if (failure.report == FailureReport::ErrorInfo)
        return errorInfoResult(failure.message, failure.code);
    if (HRESULT_FACILITY(failure.code) == FACILITY_RPC)
        return failure.code;
    return exceptionResult(exception, failure.message, failure.code);
}

}  // namespace

DispatchObject::DispatchObject(ServerState& state, Role role) : state_(state), role_(role) {
    state_.lock();
    if (role_ == Role::Model)
        state_.objectCreated();
}

DispatchObject::~DispatchObject() {
    if (role_ == Role::Model)
        state_.objectDestroyed();
    state_.unlock();
}

HRESULT DispatchObject::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch ||
        (state_.switches.answerInterfaceIds && offers(iid)))
        *object = static_cast<IDispatch*>(this);
    else if (iid == IID_ISupportErrorInfo)
        *object = static_cast<ISupportErrorInfo*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG DispatchObject::AddRef() {
    return ++references_;
}

ULONG DispatchObject::Release() {
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info)
        *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (iid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (!names || !ids || count == 0)
        return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    const std::u16string_view wanted(reinterpret_cast<const char16_t*>(names[0]));
    for (const Member& m : members_)
        if (sameAsciiName(m.name, wanted))
            ids[0] = m.id;
    // Named parameters are not offered: only a single name can be known.
    return ids[0] != DISPID_UNKNOWN && count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT DispatchObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    SetErrorInfo(0, nullptr);
    const Member* member = find(id);
    // Every Invoke counts, whatever it asks: it is a round trip that the CAD may fail. Name
    // lookups do not, as the client keeps their answers and they do no work on the drawing.
    if (role_ == Role::Model)
        if (const auto failure = state_.failures.countCall(member ? member->name : u"?"))
            return injectedResult(*failure, exception);
    if (iid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (!member)
        return DISP_E_MEMBERNOTFOUND;
    static const DISPPARAMS noArguments{};
    const DISPPARAMS& arguments = params ? *params : noArguments;
    if (const HRESULT hr = checkCall(*member, flags, arguments); FAILED(hr))
        return hr;
    if (role_ == Role::Model)
        if (const auto failure = state_.failures.take(member->name))
            return injectedResult(*failure, exception);
    const bool isPut = flags & DISPATCH_PROPERTYPUT;
    return run(*member, isPut, arguments, result, exception, argumentError);
}

HRESULT DispatchObject::checkCall(const Member& member, WORD flags,
                                  const DISPPARAMS& params) const {
    if (flags & DISPATCH_PROPERTYPUTREF)
        return DISP_E_MEMBERNOTFOUND;
    if (flags & DISPATCH_PROPERTYPUT) {
        if (!member.set)
            return DISP_E_MEMBERNOTFOUND;
        if (params.cNamedArgs != 1 || !params.rgdispidNamedArgs ||
            params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_PARAMNOTFOUND;
        return params.cArgs == 1 ? S_OK : DISP_E_BADPARAMCOUNT;
    }
    const WORD accepted =
        member.kind == Kind::Method ? DISPATCH_METHOD : DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    if (!(flags & accepted))
        return DISP_E_MEMBERNOTFOUND;
    if (params.cNamedArgs != 0)
        return DISP_E_NONAMEDARGS;
    if (params.cArgs < member.required || params.cArgs > member.required + member.optional)
        return DISP_E_BADPARAMCOUNT;
    return S_OK;
}

HRESULT DispatchObject::run(const Member& member, bool isPut, const DISPPARAMS& params,
                            VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    try {
        const Arguments arguments(params);
        if (isPut) {
            member.set(arguments);
            return S_OK;
        }
        Value value = member.get(arguments);
        if (result)
            *result = value.release();
        return S_OK;
    } catch (const CallFault& fault) {
        if (argumentError && fault.argument < params.cArgs)
            *argumentError = static_cast<UINT>(params.cArgs - 1 - fault.argument);
        return fault.code;
    } catch (const cad::CadError& error) {
        return exceptionResult(exception, error.message(), error.code().value_or(E_FAIL));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception& error) {
        return exceptionResult(exception, fromUtf8(error.what()), E_FAIL);
    }
}

HRESULT DispatchObject::InterfaceSupportsErrorInfo(REFIID iid) {
    return iid == IID_IDispatch || offers(iid) ? S_OK : S_FALSE;
}

void DispatchObject::read(std::u16string name, Getter get, std::size_t required,
                          std::size_t optional) {
    add({std::move(name), 0, Kind::Read, required, optional, std::move(get), {}});
}

void DispatchObject::readWrite(std::u16string name, Getter get, Setter set) {
    add({std::move(name), 0, Kind::Read, 0, 0, std::move(get), std::move(set)});
}

void DispatchObject::method(std::u16string name, Getter call, std::size_t required,
                            std::size_t optional) {
    add({std::move(name), 0, Kind::Method, required, optional, std::move(call), {}});
}

void DispatchObject::add(Member member) {
    member.id = nextId_++;
    members_.push_back(std::move(member));
}

const DispatchObject::Member* DispatchObject::find(DISPID id) const {
    for (const Member& m : members_)
        if (m.id == id)
            return &m;
    return nullptr;
}

}  // namespace tavor::test::fakecad
