#pragma once

#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <unordered_map>

#include "cadlink/com/ComPtr.h"
#include "cadlink/com/ComVariant.h"

namespace tavor::cad::com {

// One late-bound call on an object: the name is resolved with GetIDsOfNames, then invoked. The
// arguments are given in their natural order. Raises CadError on any failure.
DISPID resolveName(IDispatch& object, const std::wstring& name);
ComVariant invoke(IDispatch& object, DISPID id, WORD flags, std::initializer_list<ComVariant> args,
                  const std::wstring& name);

// Where a name of one interface lives: its dispatch id, and whether the object's plain IDispatch
// resolved it because its own interface did not.
struct DispatchMember {
    DISPID id;
    bool throughPlain;
};

// The dispatch ids of one interface, resolved once: every object of that interface shares them.
class DispatchNames {
public:
    // The cached member, resolving it on `object` the first time, and on `plain` (when given)
    // where `object` does not know the name.
    DispatchMember member(IDispatch& object, IDispatch* plain, const std::wstring& name);

private:
    std::unordered_map<std::wstring, DispatchMember> members_;
};

// An object of the CAD reached by name. Reads go out as a property get that may also be a
// method (DISPATCH_PROPERTYGET | DISPATCH_METHOD), since a server may offer "Item" either way.
// An object reached through an interface of its own (the application's) may also have its plain
// IDispatch, which answers the names that interface's type information leaves out.
class Dispatch {
public:
    Dispatch(ComPtr<IDispatch> object, std::shared_ptr<DispatchNames> names,
             ComPtr<IDispatch> plain = {});

    ComVariant get(const std::wstring& name, std::initializer_list<ComVariant> args = {});
    // A method (DISPATCH_METHOD only).
    ComVariant call(const std::wstring& name, std::initializer_list<ComVariant> args = {});
    void put(const std::wstring& name, ComVariant value);

    const ComPtr<IDispatch>& pointer() const { return object_; }

private:
    ComVariant run(const std::wstring& name, WORD flags, std::initializer_list<ComVariant> args);

    ComPtr<IDispatch> object_;
    std::shared_ptr<DispatchNames> names_;
    ComPtr<IDispatch> plain_;
};

}  // namespace tavor::cad::com
