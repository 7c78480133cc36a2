#include "cadlink/com/Dispatch.h"

#include <cstring>
#include <vector>

#include "cadlink/CadError.h"
#include "cadlink/com/ComError.h"

namespace tavor::cad::com {

namespace {

std::u16string u16(const std::wstring& s) {
    return std::u16string(s.begin(), s.end());
}

}  // namespace

DISPID resolveName(IDispatch& object, const std::wstring& name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
    const HRESULT hr = object.GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    check(hr, u"GetIDsOfNames(\"" + u16(name) + u"\")", &object);
    return id;
}

ComVariant invoke(IDispatch& object, DISPID id, WORD flags, std::initializer_list<ComVariant> args,
                  const std::wstring& name) {
    // DISPPARAMS lists the arguments last first. The copies are shallow: the callee only reads
    // them and the caller's variants still own what they hold.
    std::vector<VARIANT> reversed(args.size());
    std::size_t i = args.size();
    for (const ComVariant& arg : args)
        std::memcpy(&reversed[--i], &arg.get(), sizeof(VARIANT));
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    ComVariant result;
    EXCEPINFO info{};
    UINT badArgument = 0;
    const bool wantsResult = !(flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF));
    const HRESULT hr = object.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                     wantsResult ? result.put() : nullptr, &info, &badArgument);
    if (FAILED(hr))
        raiseComError(hr, &info, u"\"" + u16(name) + u"\"", &object);
    return result;
}

DispatchMember DispatchNames::member(IDispatch& object, IDispatch* plain,
                                     const std::wstring& name) {
    if (const auto found = members_.find(name); found != members_.end())
        return found->second;
    DispatchMember resolved{};
    try {
        resolved = {resolveName(object, name), false};
    } catch (const CadError& error) {
        if (!plain || error.code() != DISP_E_UNKNOWNNAME)
            throw;
        resolved = {resolveName(*plain, name), true};
    }
    members_.emplace(name, resolved);
    return resolved;
}

Dispatch::Dispatch(ComPtr<IDispatch> object, std::shared_ptr<DispatchNames> names,
                   ComPtr<IDispatch> plain)
    : object_(std::move(object)), names_(std::move(names)) {
    if (!object_)
        throw CadError(u"The CAD returned no object.", E_POINTER);
    if (plain.get() != object_.get())
        plain_ = std::move(plain);
}

ComVariant Dispatch::get(const std::wstring& name, std::initializer_list<ComVariant> args) {
    return run(name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args);
}

ComVariant Dispatch::call(const std::wstring& name, std::initializer_list<ComVariant> args) {
    return run(name, DISPATCH_METHOD, args);
}

void Dispatch::put(const std::wstring& name, ComVariant value) {
    run(name, DISPATCH_PROPERTYPUT, {std::move(value)});
}

ComVariant Dispatch::run(const std::wstring& name, WORD flags,
                         std::initializer_list<ComVariant> args) {
    const DispatchMember cached = names_->member(*object_.get(), plain_.get(), name);
    IDispatch& target = cached.throughPlain ? *plain_.get() : *object_.get();
    try {
        return invoke(target, cached.id, flags, args, name);
    } catch (const CadError& error) {
        // An object of another class in the same role may number the name differently: ask
        // this object itself once before giving up.
        if (error.code() != DISP_E_MEMBERNOTFOUND)
            throw;
        const DISPID own = resolveName(target, name);
        if (own == cached.id)
            throw;
        return invoke(target, own, flags, args, name);
    }
}

}  // namespace tavor::cad::com
