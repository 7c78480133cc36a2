#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cadlink/Point.h"
#include "cadlink/SelectionFilter.h"
#include "cadlink/Variant.h"
#include "cadlink/com/ComPtr.h"

namespace tavor::cad::com {

// Owns one VARIANT and clears it (freeing its string, array or reference) when it goes.
class ComVariant {
public:
    ComVariant() { VariantInit(&v_); }
    ComVariant(const ComVariant& other);
    ComVariant(ComVariant&& other) noexcept;
    ComVariant& operator=(ComVariant other) noexcept;
    ~ComVariant() { VariantClear(&v_); }

    const VARIANT& get() const { return v_; }
    // For an out parameter: clears the current value first.
    VARIANT* put();
    VARTYPE type() const { return V_VT(&v_); }

private:
    VARIANT v_;
};

// What the client passes.
ComVariant integerValue(std::int32_t value);
ComVariant doubleValue(double value);
ComVariant boolValue(bool value);
// A BSTR of exactly these code units; embedded NULs are kept.
ComVariant stringValue(std::u16string_view text);
// VT_ARRAY | VT_R8 with the bounds [0..2]: X, Y, Z.
ComVariant pointValue(const Point& point);
// An optional argument left out (VT_ERROR, DISP_E_PARAMNOTFOUND).
ComVariant missingValue();

// A selection filter as the two parallel arrays the CAD takes: the group codes as
// VT_ARRAY | VT_I2 and the values as VT_ARRAY | VT_VARIANT of strings. An empty filter is passed
// as two left-out arguments, which the CAD reads as no condition.
struct FilterValues {
    ComVariant types, data;
};
FilterValues filterValues(const SelectionFilter& filter);

// What the CAD hands back. Each accepts the forms a server may choose (any integer width, a
// value behind VT_BYREF, an array of doubles or of variants) and raises CadError for others.
std::int64_t toInteger(const VARIANT& value);
double toDouble(const VARIANT& value);
bool toBool(const VARIANT& value);
// VT_EMPTY and VT_NULL (a string property never set) read as the empty string.
std::u16string toString(const VARIANT& value);
Point toPoint(const VARIANT& value);
ComPtr<IDispatch> toDispatch(const VARIANT& value);
// An array of VT_DISPATCH or of VT_VARIANT that hold objects; VT_EMPTY and an array without
// elements are both empty.
std::vector<ComPtr<IDispatch>> toDispatchArray(const VARIANT& value);
// A system variable's value.
Variant toCadVariant(const VARIANT& value);

}  // namespace tavor::cad::com
