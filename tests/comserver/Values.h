#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cadlink/Point.h"

// The fake server's own reading and writing of VARIANTs, kept apart from the client's so that a
// fault in one is not hidden by the same fault in the other.
namespace tavor::test::fakecad {

// Owns a VARIANT and clears it when it goes.
class Value {
public:
    Value() { VariantInit(&v_); }
    Value(const Value&) = delete;
    Value& operator=(const Value&) = delete;
    Value(Value&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
    Value& operator=(Value&& other) noexcept;
    ~Value() { VariantClear(&v_); }

    const VARIANT& get() const { return v_; }
    VARIANT* put();
    // Hands the VARIANT over to the caller, who then clears it; this one is left empty.
    VARIANT release();

private:
    VARIANT v_;
};

Value int32Value(std::int32_t value);
Value int64Value(std::int64_t value);
Value doubleValue(double value);
Value boolValue(bool value);
Value stringValue(std::u16string_view text);
// VT_ARRAY | VT_R8, bounds [0..2].
Value pointValue(const cad::Point& point);
// Takes over one reference of the object.
Value dispatchValue(IDispatch* object);
// VT_ARRAY | VT_VARIANT, bounds from 0; the elements are moved in.
Value variantArray(std::vector<Value> elements);
// VT_ARRAY | VT_DISPATCH, bounds from 0; takes over one reference of each object.
Value dispatchArray(const std::vector<IDispatch*>& objects);
// VT_ARRAY | VT_I2, bounds from 0.
Value shortArray(const std::vector<std::int16_t>& values);

// The value itself when it is passed by reference (not owned: it lives as long as `value`).
VARIANT direct(const VARIANT& value);
// An optional argument that the caller left out.
bool isOmitted(const VARIANT& value);

// Each reads one form only, after following VT_BYREF, and gives nullopt for any other.
// Any signed or unsigned integer width.
std::optional<std::int64_t> asInteger(const VARIANT& value);
// VT_R8 or VT_R4.
std::optional<double> asDouble(const VARIANT& value);
// VT_BOOL holding VARIANT_TRUE or VARIANT_FALSE.
std::optional<bool> asBool(const VARIANT& value);
// VT_BSTR; a null BSTR is the empty string.
std::optional<std::u16string> asString(const VARIANT& value);
// VT_ARRAY | VT_R8 of one dimension, bounds [0..2].
std::optional<cad::Point> asPoint(const VARIANT& value);
// VT_DISPATCH, not null; the caller gets a reference of its own.
std::optional<IDispatch*> asDispatch(const VARIANT& value);
// One-dimensional VT_ARRAY | VT_I2.
std::optional<std::vector<std::int16_t>> asShortArray(const VARIANT& value);
// One-dimensional VT_ARRAY | VT_VARIANT whose elements are all VT_BSTR.
std::optional<std::vector<std::u16string>> asStringArray(const VARIANT& value);

// The elements of a one-dimensional VT_ARRAY | VT_VARIANT, valid while the view lives.
class VariantArrayView {
public:
    // Empty (and !valid()) for anything else.
    explicit VariantArrayView(const VARIANT& value);
    VariantArrayView(const VariantArrayView&) = delete;
    VariantArrayView& operator=(const VariantArrayView&) = delete;
    ~VariantArrayView();

    bool valid() const { return array_ != nullptr; }
    std::size_t size() const { return size_; }
    const VARIANT& operator[](std::size_t i) const { return data_[i]; }

private:
    SAFEARRAY* array_ = nullptr;
    const VARIANT* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace tavor::test::fakecad
