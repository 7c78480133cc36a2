#pragma once

#include <windows.h>

#include <utility>

namespace tavor::cad::com {

// Owns one reference of a COM interface and releases it when it goes out of scope.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr& other) : p_(other.p_) {
        if (p_)
            p_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    // Takes over a reference the caller already owns (an out parameter's).
    static ComPtr adopt(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }
    // Takes a reference of its own.
    static ComPtr share(T* p) {
        if (p)
            p->AddRef();
        return adopt(p);
    }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For an out parameter: drops the current reference first.
    T** put() {
        reset();
        return &p_;
    }
    void reset() {
        if (p_)
            std::exchange(p_, nullptr)->Release();
    }

    // The object as another interface, or empty when it does not offer it.
    template <class U>
    ComPtr<U> query(REFIID iid) const {
        ComPtr<U> result;
        if (p_ && FAILED(p_->QueryInterface(iid, reinterpret_cast<void**>(result.put()))))
            result.reset();
        return result;
    }

private:
    T* p_ = nullptr;
};

}  // namespace tavor::cad::com
