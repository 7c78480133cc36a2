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
    check(hr, u"GetIDsOfNames(\"" + u16(name) + u"\")");
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
        raiseComError(hr, &info, u"\"" + u16(name) + u"\"");
    return result;
}

DISPID DispatchNames::id(IDispatch& object, const std::wstring& name) {
    if (const auto found = ids_.find(name); found != ids_.end())
        return found->second;
    const DISPID id = resolveName(object, name);
    ids_.emplace(name, id);
    return id;
}

Dispatch::Dispatch(ComPtr<IDispatch> object, std::shared_ptr<DispatchNames> names)
    : object_(std::move(object)), names_(std::move(names)) {
    if (!object_)
        throw CadError(u"The CAD returned no object.", E_POINTER);
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
    const DISPID cached = names_->id(*object_.get(), name);
    try {
        return invoke(*object_.get(), cached, flags, args, name);
    } catch (const CadError& error) {
        // An object of another class in the same role may number the name differently: ask
        // this object itself once before giving up.
        if (error.code() != DISP_E_MEMBERNOTFOUND)
            throw;
        const DISPID own = resolveName(*object_.get(), name);
        if (own == cached)
            throw;
        return invoke(*object_.get(), own, flags, args, name);
    }
}

}  // namespace tavor::cad::com
