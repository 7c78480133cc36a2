#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "comserver/Values.h"
#include "comserver/server/Arguments.h"
#include "comserver/server/ServerState.h"

namespace tavor::test::fakecad {

// An automation object of the fake CAD: IDispatch over a table of names of its own, checked as
// strictly as the real CAD checks (count, types, flags, DISPID_PROPERTYPUT). A failed call of the
// simulated CAD becomes DISP_E_EXCEPTION with the CadError's message and code (else E_FAIL).
class DispatchObject : public IDispatch, public ISupportErrorInfo {
public:
    // Model objects count as live and take the injected failures; the control object does not.
    enum class Role { Model, Control };

    DispatchObject(ServerState& state, Role role);
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;
    virtual ~DispatchObject();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override;

    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

protected:
    using Getter = std::function<Value(const Arguments&)>;
    // Takes the new value as argument 0.
    using Setter = std::function<void(const Arguments&)>;

    // Members are numbered in the order they are added, from `first` on.
    void numberFrom(DISPID first) { nextId_ = first; }
    // A read (a property or a method without side effects): DISPATCH_PROPERTYGET, DISPATCH_METHOD
    // or both.
    void read(std::u16string name, Getter get, std::size_t required = 0, std::size_t optional = 0);
    // A read that DISPATCH_PROPERTYPUT also writes.
    void readWrite(std::u16string name, Getter get, Setter set);
    // A method that changes something; needs DISPATCH_METHOD. It may give a value.
    void method(std::u16string name, Getter call, std::size_t required = 0,
                std::size_t optional = 0);

    // The model interface ids the object answers besides IUnknown and IDispatch.
    virtual bool offers(REFIID) const { return false; }

    ServerState& state() const { return state_; }

private:
    enum class Kind { Read, Method };
    struct Member {
        std::u16string name;
        DISPID id;
        Kind kind;
        std::size_t required, optional;
        Getter get;
        Setter set;
    };

    void add(Member member);
    const Member* find(DISPID id) const;
    HRESULT checkCall(const Member& member, WORD flags, const DISPPARAMS& params) const;
    HRESULT run(const Member& member, bool isPut, const DISPPARAMS& params, VARIANT* result,
                EXCEPINFO* exception, UINT* argumentError);

    ServerState& state_;
    Role role_;
    std::atomic<ULONG> references_{1};
    std::vector<Member> members_;
    DISPID nextId_ = 1;
};

// A new object of type T, as the value that holds its first reference.
template <class T, class... Args>
Value newObject(Args&&... args) {
    return dispatchValue(new T(std::forward<Args>(args)...));
}

}  // namespace tavor::test::fakecad
