#include "cadlink/com/ComVariant.h"

#include <cstdio>
#include <cstring>

#include "cadlink/CadError.h"

namespace tavor::cad::com {

namespace {

[[noreturn]] void wrongForm(const char16_t* expected, const VARIANT& value) {
    char type[8];
    std::snprintf(type, sizeof type, "0x%04X", static_cast<unsigned>(V_VT(&value)));
    throw CadError(u"The CAD returned a value of type " +
                       std::u16string(type, type + std::char_traits<char>::length(type)) +
                       u" where " + expected + u" was expected.",
                   DISP_E_TYPEMISMATCH);
}

// The value itself when it is passed by reference.
const VARIANT& direct(const VARIANT& value, ComVariant& holder) {
    if (!(V_VT(&value) & VT_BYREF))
        return value;
    if (FAILED(VariantCopyInd(holder.put(), const_cast<VARIANT*>(&value))))
        wrongForm(u"a value", value);
    return holder.get();
}

// A one-dimensional array's element count, or -1 for another shape.
long elementCount(SAFEARRAY* array) {
    if (array == nullptr)
        return 0;
    if (SafeArrayGetDim(array) != 1)
        return -1;
    LONG lower = 0, upper = -1;
    if (FAILED(SafeArrayGetLBound(array, 1, &lower)) ||
        FAILED(SafeArrayGetUBound(array, 1, &upper)))
        return -1;
    return upper - lower + 1;
}

// Reads element i (0-based, from the array's lower bound) into a variant of its own. The
// variant gets its type only once the element is in it, so that a failed read leaves nothing
// for its destructor to free.
ComVariant element(SAFEARRAY* array, VARTYPE elementType, long i) {
    LONG lower = 0;
    HRESULT hr = SafeArrayGetLBound(array, 1, &lower);
    LONG index = lower + i;
    ComVariant out;
    VARIANT* v = out.put();
    if (SUCCEEDED(hr)) {
        switch (elementType) {
            case VT_VARIANT:
                hr = SafeArrayGetElement(array, &index, v);
                break;
            case VT_R8: {
                double d = 0;
                hr = SafeArrayGetElement(array, &index, &d);
                if (SUCCEEDED(hr)) {
                    V_VT(v) = VT_R8;
                    V_R8(v) = d;
                }
                break;
            }
            case VT_R4: {
                float f = 0;
                hr = SafeArrayGetElement(array, &index, &f);
                if (SUCCEEDED(hr)) {
                    V_VT(v) = VT_R4;
                    V_R4(v) = f;
                }
                break;
            }
            case VT_DISPATCH: {
                IDispatch* object = nullptr;
                hr = SafeArrayGetElement(array, &index, &object);
                if (SUCCEEDED(hr)) {
                    V_VT(v) = VT_DISPATCH;
                    V_DISPATCH(v) = object;
                }
                break;
            }
            default:
                hr = DISP_E_TYPEMISMATCH;
        }
    }
    if (FAILED(hr))
        throw CadError(u"An array element could not be read.", hr);
    return out;
}

// A new variant of `type`; `fill` writes its value.
template <class Fill>
ComVariant made(VARTYPE type, Fill fill) {
    ComVariant out;
    VARIANT* v = out.put();
    V_VT(v) = type;
    fill(v);
    return out;
}

}  // namespace

ComVariant::ComVariant(const ComVariant& other) {
    VariantInit(&v_);
    const HRESULT hr = VariantCopy(&v_, const_cast<VARIANT*>(&other.v_));
    if (FAILED(hr))
        throw CadError(u"A value could not be copied.", hr);
}

ComVariant::ComVariant(ComVariant&& other) noexcept {
    std::memcpy(&v_, &other.v_, sizeof v_);
    VariantInit(&other.v_);
}

ComVariant& ComVariant::operator=(ComVariant other) noexcept {
    VARIANT mine;
    std::memcpy(&mine, &v_, sizeof v_);
    std::memcpy(&v_, &other.v_, sizeof v_);
    std::memcpy(&other.v_, &mine, sizeof v_);
    return *this;
}

VARIANT* ComVariant::put() {
    VariantClear(&v_);
    return &v_;
}

ComVariant integerValue(std::int32_t value) {
    return made(VT_I4, [value](VARIANT* v) { V_I4(v) = value; });
}

ComVariant doubleValue(double value) {
    return made(VT_R8, [value](VARIANT* v) { V_R8(v) = value; });
}

ComVariant boolValue(bool value) {
    return made(VT_BOOL, [value](VARIANT* v) { V_BOOL(v) = value ? VARIANT_TRUE : VARIANT_FALSE; });
}

ComVariant stringValue(std::u16string_view text) {
    BSTR s = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                               static_cast<UINT>(text.size()));
    if (s == nullptr)
        throw CadError(u"Out of memory for a string.", E_OUTOFMEMORY);
    return made(VT_BSTR, [s](VARIANT* v) { V_BSTR(v) = s; });
}

ComVariant pointValue(const Point& point) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_R8, 0, 3);
    if (array == nullptr)
        throw CadError(u"Out of memory for a point.", E_OUTOFMEMORY);
    // Owned by the variant from here on, so that a failure below frees it.
    ComVariant out = made(VT_ARRAY | VT_R8, [array](VARIANT* v) { V_ARRAY(v) = array; });
    double* data = nullptr;
    const HRESULT hr = SafeArrayAccessData(array, reinterpret_cast<void**>(&data));
    if (FAILED(hr))
        throw CadError(u"A point could not be written.", hr);
    data[0] = point.x;
    data[1] = point.y;
    data[2] = point.z;
    SafeArrayUnaccessData(array);
    return out;
}

ComVariant missingValue() {
    return made(VT_ERROR, [](VARIANT* v) { V_ERROR(v) = DISP_E_PARAMNOTFOUND; });
}

FilterValues filterValues(const SelectionFilter& filter) {
    if (filter.empty())
        return {missingValue(), missingValue()};
    const auto count = static_cast<ULONG>(filter.size());
    FilterValues out;
    SAFEARRAY* types = SafeArrayCreateVector(VT_I2, 0, count);
    if (types == nullptr)
        throw CadError(u"Out of memory for a filter.", E_OUTOFMEMORY);
    // Owned by the variant from here on, so that a failure below frees it.
    out.types = made(VT_ARRAY | VT_I2, [types](VARIANT* v) { V_ARRAY(v) = types; });
    SAFEARRAY* data = SafeArrayCreateVector(VT_VARIANT, 0, count);
    if (data == nullptr)
        throw CadError(u"Out of memory for a filter.", E_OUTOFMEMORY);
    out.data = made(VT_ARRAY | VT_VARIANT, [data](VARIANT* v) { V_ARRAY(v) = data; });
    for (LONG i = 0; i < static_cast<LONG>(count); ++i) {
        SHORT code = filter[i].code;
        HRESULT hr = SafeArrayPutElement(types, &i, &code);
        ComVariant value = stringValue(filter[i].value);
        // Copies the variant (and its string) into the array.
        if (SUCCEEDED(hr))
            hr = SafeArrayPutElement(data, &i, const_cast<VARIANT*>(&value.get()));
        if (FAILED(hr))
            throw CadError(u"A filter value could not be stored.", hr);
    }
    return out;
}

std::int64_t toInteger(const VARIANT& value) {
    ComVariant holder;
    const VARIANT& v = direct(value, holder);
    switch (V_VT(&v)) {
        case VT_I1:
            return V_I1(&v);
        case VT_UI1:
            return V_UI1(&v);
        case VT_I2:
            return V_I2(&v);
        case VT_UI2:
            return V_UI2(&v);
        case VT_I4:
            return V_I4(&v);
        case VT_UI4:
            return V_UI4(&v);
        case VT_INT:
            return V_INT(&v);
        case VT_UINT:
            return V_UINT(&v);
        case VT_I8:
            return V_I8(&v);
        case VT_UI8:
            return static_cast<std::int64_t>(V_UI8(&v));
        case VT_BOOL:
            return V_BOOL(&v) != VARIANT_FALSE ? -1 : 0;
        default:
            wrongForm(u"an integer", v);
    }
}

double toDouble(const VARIANT& value) {
    ComVariant holder;
    const VARIANT& v = direct(value, holder);
    switch (V_VT(&v)) {
        case VT_R8:
            return V_R8(&v);
        case VT_R4:
            return V_R4(&v);
        default:
            return static_cast<double>(toInteger(v));
    }
}

bool toBool(const VARIANT& value) {
    return toInteger(value) != 0;
}

std::u16string toString(const VARIANT& value) {
    ComVariant holder;
    const VARIANT& v = direct(value, holder);
    // A property never set may come back empty or null: it reads as no text.
    if (V_VT(&v) == VT_EMPTY || V_VT(&v) == VT_NULL)
        return {};
    if (V_VT(&v) != VT_BSTR)
        wrongForm(u"a string", v);
    const BSTR s = V_BSTR(&v);
    // A null BSTR is the empty string.
    return s ? std::u16string(reinterpret_cast<const char16_t*>(s), SysStringLen(s))
             : std::u16string();
}

Point toPoint(const VARIANT& value) {
    ComVariant holder;
    const VARIANT& v = direct(value, holder);
    const VARTYPE type = V_VT(&v);
    const VARTYPE elementType = type & VT_TYPEMASK;
    if (!(type & VT_ARRAY) ||
        (elementType != VT_R8 && elementType != VT_R4 && elementType != VT_VARIANT))
        wrongForm(u"a point", v);
    SAFEARRAY* array = V_ARRAY(&v);
    const long count = elementCount(array);
    // A 2D point has no Z; it lies at Z = 0.
    if (count != 2 && count != 3)
        wrongForm(u"a point of two or three coordinates", v);
    double c[3] = {0, 0, 0};
    for (long i = 0; i < count; ++i)
        c[i] = toDouble(element(array, elementType, i).get());
    return {c[0], c[1], c[2]};
}

ComPtr<IDispatch> toDispatch(const VARIANT& value) {
    ComVariant holder;
    const VARIANT& v = direct(value, holder);
    ComPtr<IDispatch> out;
    if (V_VT(&v) == VT_DISPATCH)
        out = ComPtr<IDispatch>::share(V_DISPATCH(&v));
    else if (V_VT(&v) == VT_UNKNOWN && V_UNKNOWN(&v))
        out = ComPtr<IUnknown>::share(V_UNKNOWN(&v)).query<IDispatch>(IID_IDispatch);
    else
        wrongForm(u"an object", v);
    if (!out)
        throw CadError(u"The CAD returned no object.", E_POINTER);
    return out;
}

std::vector<ComPtr<IDispatch>> toDispatchArray(const VARIANT& value) {
    ComVariant holder;
    const VARIANT& v = direct(value, holder);
    if (V_VT(&v) == VT_EMPTY)
        return {};
    const VARTYPE elementType = V_VT(&v) & VT_TYPEMASK;
    if (!(V_VT(&v) & VT_ARRAY) || (elementType != VT_DISPATCH && elementType != VT_VARIANT))
        wrongForm(u"an array of objects", v);
    SAFEARRAY* array = V_ARRAY(&v);
    const long count = elementCount(array);
    if (count < 0)
        wrongForm(u"a one-dimensional array of objects", v);
    std::vector<ComPtr<IDispatch>> out;
    out.reserve(static_cast<std::size_t>(count));
    for (long i = 0; i < count; ++i)
        out.push_back(toDispatch(element(array, elementType, i).get()));
    return out;
}

Variant toCadVariant(const VARIANT& value) {
    ComVariant holder;
    const VARIANT& v = direct(value, holder);
    switch (V_VT(&v)) {
        case VT_EMPTY:
        case VT_NULL:
            return std::monostate{};
        case VT_R8:
        case VT_R4:
            return toDouble(v);
        case VT_BSTR:
            return toString(v);
        default:
            break;
    }
    if (V_VT(&v) & VT_ARRAY)
        return toPoint(v);
    const std::int64_t i = toInteger(v);
    if (i < INT32_MIN || i > INT32_MAX)
        return static_cast<double>(i);
    return static_cast<std::int32_t>(i);
}

}  // namespace tavor::cad::com
