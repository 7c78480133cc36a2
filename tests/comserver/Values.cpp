#include "comserver/Values.h"

#include <algorithm>
#include <new>
#include <utility>

namespace tavor::test::fakecad {

namespace {

SAFEARRAY* newVector(VARTYPE type, std::size_t size) {
    SAFEARRAY* array = SafeArrayCreateVector(type, 0, static_cast<ULONG>(size));
    if (!array)
        throw std::bad_alloc();
    return array;
}

Value arrayValue(VARTYPE type, SAFEARRAY* array) {
    Value out;
    VARIANT* v = out.put();
    V_VT(v) = VT_ARRAY | type;
    V_ARRAY(v) = array;
    return out;
}

// The one dimension's element count when the array is one-dimensional with elements of `type`.
std::optional<std::size_t> vectorSize(const VARIANT& value, VARTYPE type, bool fromZero) {
    const VARIANT v = direct(value);
    if (V_VT(&v) != (VT_ARRAY | type) || !V_ARRAY(&v) || SafeArrayGetDim(V_ARRAY(&v)) != 1)
        return std::nullopt;
    LONG lower = 0, upper = -1;
    if (FAILED(SafeArrayGetLBound(V_ARRAY(&v), 1, &lower)) ||
        FAILED(SafeArrayGetUBound(V_ARRAY(&v), 1, &upper)) || (fromZero && lower != 0))
        return std::nullopt;
    return static_cast<std::size_t>(upper - lower + 1);
}

template <class T>
std::optional<std::vector<T>> elements(const VARIANT& value, VARTYPE type) {
    const auto size = vectorSize(value, type, false);
    if (!size)
        return std::nullopt;
    const VARIANT v = direct(value);
    SAFEARRAY* array = V_ARRAY(&v);
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, &data)))
        return std::nullopt;
    const T* first = static_cast<const T*>(data);
    std::vector<T> out(first, first + *size);
    SafeArrayUnaccessData(array);
    return out;
}

}  // namespace

Value& Value::operator=(Value&& other) noexcept {
    if (this != &other) {
        VariantClear(&v_);
        v_ = other.v_;
        VariantInit(&other.v_);
    }
    return *this;
}

VARIANT* Value::put() {
    VariantClear(&v_);
    return &v_;
}

VARIANT Value::release() {
    VARIANT out = v_;
    VariantInit(&v_);
    return out;
}

Value int32Value(std::int32_t value) {
    Value out;
    VARIANT* v = out.put();
    V_VT(v) = VT_I4;
    V_I4(v) = value;
    return out;
}

Value int64Value(std::int64_t value) {
    Value out;
    VARIANT* v = out.put();
    V_VT(v) = VT_I8;
    V_I8(v) = value;
    return out;
}

Value doubleValue(double value) {
    Value out;
    VARIANT* v = out.put();
    V_VT(v) = VT_R8;
    V_R8(v) = value;
    return out;
}

Value boolValue(bool value) {
    Value out;
    VARIANT* v = out.put();
    V_VT(v) = VT_BOOL;
    V_BOOL(v) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return out;
}

Value stringValue(std::u16string_view text) {
    BSTR s = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                               static_cast<UINT>(text.size()));
    if (!s)
        throw std::bad_alloc();
    Value out;
    VARIANT* v = out.put();
    V_VT(v) = VT_BSTR;
    V_BSTR(v) = s;
    return out;
}

Value pointValue(const cad::Point& point) {
    SAFEARRAY* array = newVector(VT_R8, 3);
    double* data = nullptr;
    SafeArrayAccessData(array, reinterpret_cast<void**>(&data));
    data[0] = point.x;
    data[1] = point.y;
    data[2] = point.z;
    SafeArrayUnaccessData(array);
    return arrayValue(VT_R8, array);
}

Value dispatchValue(IDispatch* object) {
    Value out;
    VARIANT* v = out.put();
    V_VT(v) = VT_DISPATCH;
    V_DISPATCH(v) = object;
    return out;
}

Value variantArray(std::vector<Value> elements) {
    SAFEARRAY* array = newVector(VT_VARIANT, elements.size());
    VARIANT* data = nullptr;
    SafeArrayAccessData(array, reinterpret_cast<void**>(&data));
    for (std::size_t i = 0; i < elements.size(); ++i)
        data[i] = elements[i].release();
    SafeArrayUnaccessData(array);
    return arrayValue(VT_VARIANT, array);
}

Value dispatchArray(const std::vector<IDispatch*>& objects) {
    SAFEARRAY* array = newVector(VT_DISPATCH, objects.size());
    IDispatch** data = nullptr;
    SafeArrayAccessData(array, reinterpret_cast<void**>(&data));
    for (std::size_t i = 0; i < objects.size(); ++i)
        data[i] = objects[i];
    SafeArrayUnaccessData(array);
    return arrayValue(VT_DISPATCH, array);
}

Value shortArray(const std::vector<std::int16_t>& values) {
    SAFEARRAY* array = newVector(VT_I2, values.size());
    std::int16_t* data = nullptr;
    SafeArrayAccessData(array, reinterpret_cast<void**>(&data));
    std::copy(values.begin(), values.end(), data);
    SafeArrayUnaccessData(array);
    return arrayValue(VT_I2, array);
}

VARIANT direct(const VARIANT& value) {
    if (!(V_VT(&value) & VT_BYREF))
        return value;
    const VARTYPE type = V_VT(&value) & ~VT_BYREF;
    if (type == VT_VARIANT)
        return V_VARIANTREF(&value) ? direct(*V_VARIANTREF(&value)) : VARIANT{};
    VARIANT out;
    VariantInit(&out);
    if (!V_BYREF(&value))
        return out;
    V_VT(&out) = type;
    if (type & VT_ARRAY) {
        V_ARRAY(&out) = *V_ARRAYREF(&value);
        return out;
    }
    switch (type) {
        case VT_I1:
        case VT_UI1:
            V_UI1(&out) = *V_UI1REF(&value);
            break;
        case VT_I2:
        case VT_UI2:
        case VT_BOOL:
            V_UI2(&out) = *V_UI2REF(&value);
            break;
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_ERROR:
        case VT_R4:
            V_UI4(&out) = *V_UI4REF(&value);
            break;
        case VT_I8:
        case VT_UI8:
        case VT_R8:
            V_UI8(&out) = *V_UI8REF(&value);
            break;
        case VT_BSTR:
            V_BSTR(&out) = *V_BSTRREF(&value);
            break;
        case VT_DISPATCH:
            V_DISPATCH(&out) = *V_DISPATCHREF(&value);
            break;
        default:
            V_VT(&out) = VT_EMPTY;
    }
    return out;
}

bool isOmitted(const VARIANT& value) {
    const VARIANT v = direct(value);
    return V_VT(&v) == VT_ERROR && V_ERROR(&v) == DISP_E_PARAMNOTFOUND;
}

std::optional<std::int64_t> asInteger(const VARIANT& value) {
    const VARIANT v = direct(value);
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
            if (V_UI8(&v) > static_cast<ULONGLONG>(INT64_MAX))
                return std::nullopt;
            return static_cast<std::int64_t>(V_UI8(&v));
        default:
            return std::nullopt;
    }
}

std::optional<double> asDouble(const VARIANT& value) {
    const VARIANT v = direct(value);
    if (V_VT(&v) == VT_R8)
        return V_R8(&v);
    if (V_VT(&v) == VT_R4)
        return V_R4(&v);
    return std::nullopt;
}

std::optional<bool> asBool(const VARIANT& value) {
    const VARIANT v = direct(value);
    if (V_VT(&v) != VT_BOOL || (V_BOOL(&v) != VARIANT_TRUE && V_BOOL(&v) != VARIANT_FALSE))
        return std::nullopt;
    return V_BOOL(&v) == VARIANT_TRUE;
}

std::optional<std::u16string> asString(const VARIANT& value) {
    const VARIANT v = direct(value);
    if (V_VT(&v) != VT_BSTR)
        return std::nullopt;
    const BSTR s = V_BSTR(&v);
    if (!s)
        return std::u16string();
    return std::u16string(reinterpret_cast<const char16_t*>(s), SysStringLen(s));
}

std::optional<cad::Point> asPoint(const VARIANT& value) {
    if (vectorSize(value, VT_R8, true) != 3u)
        return std::nullopt;
    const auto xyz = elements<double>(value, VT_R8);
    if (!xyz)
        return std::nullopt;
    return cad::Point{(*xyz)[0], (*xyz)[1], (*xyz)[2]};
}

std::optional<IDispatch*> asDispatch(const VARIANT& value) {
    const VARIANT v = direct(value);
    if (V_VT(&v) != VT_DISPATCH || !V_DISPATCH(&v))
        return std::nullopt;
    V_DISPATCH(&v)->AddRef();
    return V_DISPATCH(&v);
}

std::optional<std::vector<std::int16_t>> asShortArray(const VARIANT& value) {
    return elements<std::int16_t>(value, VT_I2);
}

std::optional<std::vector<std::u16string>> asStringArray(const VARIANT& value) {
    const VariantArrayView view(value);
    if (!view.valid())
        return std::nullopt;
    std::vector<std::u16string> out;
    for (std::size_t i = 0; i < view.size(); ++i) {
        if (V_VT(&view[i]) != VT_BSTR)
            return std::nullopt;
        out.push_back(*asString(view[i]));
    }
    return out;
}

VariantArrayView::VariantArrayView(const VARIANT& value) {
    const auto size = vectorSize(value, VT_VARIANT, false);
    if (!size)
        return;
    const VARIANT v = direct(value);
    SAFEARRAY* array = V_ARRAY(&v);
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, &data)))
        return;
    array_ = array;
    data_ = static_cast<const VARIANT*>(data);
    size_ = *size;
}

VariantArrayView::~VariantArrayView() {
    if (array_)
        SafeArrayUnaccessData(array_);
}

}  // namespace tavor::test::fakecad
