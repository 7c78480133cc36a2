#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "cadlink/CadError.h"
#include "cadlink/com/ComError.h"
#include "cadlink/com/Dispatch.h"
#include "cadlink/com/RecordingDispatch.h"

namespace tavor::test {
namespace {

using namespace cad::com;
using namespace std::string_literals;
using cad::CadError;
using cad::Point;

// A SAFEARRAY of `type` with the given lower bound, filled from `values` (VARIANT elements get
// doubles).
ComVariant arrayOf(VARTYPE type, LONG lowerBound, std::vector<double> values) {
    SAFEARRAYBOUND bound{static_cast<ULONG>(values.size()), lowerBound};
    SAFEARRAY* array = SafeArrayCreate(type, 1, &bound);
    for (LONG i = 0; i < static_cast<LONG>(values.size()); ++i) {
        LONG index = lowerBound + i;
        if (type == VT_VARIANT) {
            ComVariant v = doubleValue(values[i]);
            SafeArrayPutElement(array, &index, const_cast<VARIANT*>(&v.get()));
        } else {
            SafeArrayPutElement(array, &index, &values[i]);
        }
    }
    ComVariant out;
    VARIANT* v = out.put();
    V_VT(v) = VT_ARRAY | type;
    V_ARRAY(v) = array;
    return out;
}

// `inner` behind VT_BYREF, as some servers pass out values.
ComVariant byReference(ComVariant& inner) {
    ComVariant out;
    VARIANT* v = out.put();
    V_VT(v) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(v) = const_cast<VARIANT*>(&inner.get());
    return out;
}

// Leaves `description` as the thread's error info, as a failed call of some object would.
void setThreadError(const wchar_t* description) {
    ComPtr<ICreateErrorInfo> create;
    ASSERT_EQ(CreateErrorInfo(create.put()), S_OK);
    create->SetDescription(const_cast<LPOLESTR>(description));
    SetErrorInfo(0, create.query<IErrorInfo>(IID_IErrorInfo).get());
}

std::u16string caught(const std::function<void()>& f, std::optional<std::int32_t>* code = nullptr) {
    try {
        f();
    } catch (const CadError& e) {
        if (code)
            *code = e.code();
        return e.message();
    }
    return u"(no error)";
}

TEST(ComValues, StringsKeepJapaneseTextAndEmbeddedNuls) {
    for (const std::u16string& text :
         {u""s, u"ＰＬＣ入力 X001 盤内配線"s, u"A\0B\0"s, u"\U0001F600"s}) {
        const ComVariant v = stringValue(text);
        ASSERT_EQ(v.type(), VT_BSTR);
        EXPECT_EQ(SysStringLen(V_BSTR(&v.get())), text.size());
        EXPECT_EQ(toString(v.get()), text);
    }
    EXPECT_NE(caught([] { toString(integerValue(3).get()); }), u"(no error)");
}

TEST(ComValues, AStringNeverSetReadsAsEmpty) {
    for (const VARTYPE type : {VT_BSTR, VT_EMPTY, VT_NULL}) {
        ComVariant unset;
        VARIANT* v = unset.put();
        V_VT(v) = type;
        V_BSTR(v) = nullptr;
        EXPECT_EQ(caught([&] { EXPECT_EQ(toString(unset.get()), u""); }), u"(no error)")
            << "type " << type;
        EXPECT_EQ(toString(byReference(unset).get()), u"") << "type " << type << " by reference";
    }
}

TEST(ComValues, APointGoesOutAsThreeDoublesFromIndexZero) {
    const ComVariant v = pointValue({1.5, -2, 3e9});
    ASSERT_EQ(v.type(), VT_ARRAY | VT_R8);
    SAFEARRAY* array = V_ARRAY(&v.get());
    LONG lower = -1, upper = -1;
    SafeArrayGetLBound(array, 1, &lower);
    SafeArrayGetUBound(array, 1, &upper);
    EXPECT_EQ(SafeArrayGetDim(array), 1u);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 2);
    EXPECT_EQ(toPoint(v.get()), (Point{1.5, -2, 3e9}));
}

TEST(ComValues, PointsAreAcceptedInEveryFormAServerMayReturn) {
    EXPECT_EQ(toPoint(arrayOf(VT_R8, 0, {1, 2, 3}).get()), (Point{1, 2, 3}));
    EXPECT_EQ(toPoint(arrayOf(VT_VARIANT, 0, {4, 5, 6}).get()), (Point{4, 5, 6}));
    EXPECT_EQ(toPoint(arrayOf(VT_R8, 1, {7, 8, 9}).get()), (Point{7, 8, 9}));
    EXPECT_EQ(toPoint(arrayOf(VT_R8, 0, {7, 8}).get()), (Point{7, 8, 0}));
    ComVariant inner = arrayOf(VT_R8, 0, {1, 1, 1});
    EXPECT_EQ(toPoint(byReference(inner).get()), (Point{1, 1, 1}));

    for (ComVariant bad : {arrayOf(VT_R8, 0, {}), arrayOf(VT_R8, 0, {1, 2, 3, 4}),
                           stringValue(u"1,2,3"), doubleValue(1)}) {
        std::optional<std::int32_t> code;
        EXPECT_NE(caught([&] { toPoint(bad.get()); }, &code), u"(no error)");
        EXPECT_EQ(code, DISP_E_TYPEMISMATCH);
    }
}

TEST(ComValues, AFilterBecomesTwoParallelArrays) {
    const FilterValues f = filterValues({{0, u"TEXT"}, {1, u"*配線*"}, {2, u"IO_COMMENT"}});
    ASSERT_EQ(f.types.type(), VT_ARRAY | VT_I2);
    ASSERT_EQ(f.data.type(), VT_ARRAY | VT_VARIANT);
    const std::vector<std::pair<SHORT, std::u16string>> expected = {
        {0, u"TEXT"}, {1, u"*配線*"}, {2, u"IO_COMMENT"}};
    for (LONG i = 0; i < 3; ++i) {
        SHORT code = -1;
        SafeArrayGetElement(V_ARRAY(&f.types.get()), &i, &code);
        ComVariant value;
        SafeArrayGetElement(V_ARRAY(&f.data.get()), &i, value.put());
        EXPECT_EQ(code, expected[i].first);
        EXPECT_EQ(value.type(), VT_BSTR);
        EXPECT_EQ(toString(value.get()), expected[i].second);
    }
    LONG upper = -1;
    SafeArrayGetUBound(V_ARRAY(&f.data.get()), 1, &upper);
    EXPECT_EQ(upper, 2);
}

TEST(ComValues, AnEmptyFilterLeavesBothArgumentsOut) {
    const FilterValues f = filterValues({});
    for (const ComVariant* v : {&f.types, &f.data}) {
        EXPECT_EQ(v->type(), VT_ERROR);
        EXPECT_EQ(V_ERROR(&v->get()), DISP_E_PARAMNOTFOUND);
    }
}

TEST(ComValues, IntegersOfEveryWidthAndBooleans) {
    ComVariant wide;
    VARIANT* w = wide.put();
    V_VT(w) = VT_I8;
    V_I8(w) = 0x1'0000'0010LL;  // a 64-bit window handle
    EXPECT_EQ(toInteger(wide.get()), 0x1'0000'0010LL);
    ComVariant small;
    VARIANT* n = small.put();
    V_VT(n) = VT_I2;
    V_I2(n) = -7;
    EXPECT_EQ(toInteger(small.get()), -7);
    EXPECT_EQ(toInteger(integerValue(123456).get()), 123456);
    EXPECT_EQ(toDouble(integerValue(5).get()), 5.0);
    EXPECT_TRUE(toBool(boolValue(true).get()));
    EXPECT_FALSE(toBool(boolValue(false).get()));
    EXPECT_EQ(V_BOOL(&boolValue(true).get()), VARIANT_TRUE);
    ComVariant inner = integerValue(9);
    EXPECT_EQ(toInteger(byReference(inner).get()), 9);
    EXPECT_NE(caught([] { toInteger(stringValue(u"9").get()); }), u"(no error)");
}

TEST(ComValues, SystemVariablesKeepTheirType) {
    EXPECT_EQ(toCadVariant(doubleValue(200).get()), cad::Variant(200.0));
    EXPECT_EQ(toCadVariant(integerValue(3).get()), cad::Variant(std::int32_t{3}));
    EXPECT_EQ(toCadVariant(stringValue(u"mm").get()), cad::Variant(u"mm"s));
    EXPECT_EQ(toCadVariant(pointValue({1, 2, 0}).get()), cad::Variant(Point{1, 2, 0}));
    EXPECT_EQ(toCadVariant(ComVariant().get()), cad::Variant());
}

// Arrays of objects: both element forms, and every reference taken is given back.
TEST(ComValues, ObjectArraysInBothFormsReleaseWhatTheyTake) {
    RecordingDispatch a, b;
    {
        SAFEARRAY* dispatches = SafeArrayCreateVector(VT_DISPATCH, 0, 2);
        SAFEARRAY* variants = SafeArrayCreateVector(VT_VARIANT, 0, 2);
        IDispatch* objects[] = {&a, &b};
        for (LONG i = 0; i < 2; ++i) {
            SafeArrayPutElement(dispatches, &i, objects[i]);
            ComVariant element;
            VARIANT* v = element.put();
            V_VT(v) = VT_DISPATCH;
            V_DISPATCH(v) = objects[i];
            objects[i]->AddRef();  // the variant owns one reference
            SafeArrayPutElement(variants, &i, v);
        }
        ComVariant first, second;
        VARIANT* f = first.put();
        V_VT(f) = VT_ARRAY | VT_DISPATCH;
        V_ARRAY(f) = dispatches;
        VARIANT* s = second.put();
        V_VT(s) = VT_ARRAY | VT_VARIANT;
        V_ARRAY(s) = variants;
        for (const ComVariant* array : {&first, &second}) {
            const auto objects = toDispatchArray(array->get());
            ASSERT_EQ(objects.size(), 2u);
            EXPECT_EQ(objects[0].get(), static_cast<IDispatch*>(&a));
            EXPECT_EQ(objects[1].get(), static_cast<IDispatch*>(&b));
        }
        EXPECT_TRUE(toDispatchArray(ComVariant().get()).empty());
        EXPECT_TRUE(toDispatchArray(arrayOf(VT_VARIANT, 0, {}).get()).empty());
    }
    EXPECT_EQ(a.references(), 1u);
    EXPECT_EQ(b.references(), 1u);
}

// An array the system refuses to read: it is locked as often as it can be.
class ExhaustedLocks {
public:
    explicit ExhaustedLocks(SAFEARRAY* array) : array_(array) {
        while (SUCCEEDED(SafeArrayLock(array_)))
            ++locks_;
    }
    ~ExhaustedLocks() {
        for (; locks_ > 0; --locks_)
            SafeArrayUnlock(array_);
    }

private:
    SAFEARRAY* array_;
    int locks_ = 0;
};

TEST(ComValues, AnElementThatCannotBeReadReleasesNothing) {
    RecordingDispatch element;
    SAFEARRAY* objects = SafeArrayCreateVector(VT_DISPATCH, 0, 1);
    LONG first = 0;
    ASSERT_EQ(SafeArrayPutElement(objects, &first, static_cast<IDispatch*>(&element)), S_OK);
    ComVariant array;
    VARIANT* a = array.put();
    V_VT(a) = VT_ARRAY | VT_DISPATCH;
    V_ARRAY(a) = objects;
    std::optional<std::int32_t> code;
    const auto read = [&] { return caught([&] { toDispatchArray(array.get()); }, &code); };
    // A good read first: the element's variant leaves the object's address on the stack, where
    // the failed read's variant will lie again.
    EXPECT_EQ(read(), u"(no error)");
    EXPECT_EQ(element.references(), 2u);  // its own and the array's
    {
        const ExhaustedLocks locked(objects);
        EXPECT_NE(read(), u"(no error)");
        EXPECT_TRUE(code && FAILED(*code));
    }
    EXPECT_EQ(element.references(), 2u);
    array = ComVariant();
    EXPECT_EQ(element.references(), 1u);
}

TEST(ComErrors, TheServersMessageAndCodeComeThroughEveryChannel) {
    EXCEPINFO info{};
    info.bstrDescription = SysAllocString(L"画層がロックされています");
    info.scode = 0x80200001;
    std::optional<std::int32_t> code;
    EXPECT_EQ(caught([&] { raiseComError(DISP_E_EXCEPTION, &info, u"x"); }, &code),
              u"画層がロックされています");
    EXPECT_EQ(code, static_cast<std::int32_t>(0x80200001));
    EXPECT_EQ(info.bstrDescription, nullptr);

    RecordingDispatch describing;
    describing.supportsErrorInfo = true;
    setThreadError(L"Entity erased");
    EXPECT_EQ(
        caught([&] { raiseComError(E_FAIL, nullptr, u"x", static_cast<IDispatch*>(&describing)); },
               &code),
        u"Entity erased");
    EXPECT_EQ(code, E_FAIL);

    // No description anywhere: the system's text for the code, or else the call and the code.
    const std::u16string plain = caught([&] { check(RPC_E_CALL_REJECTED, u"\"Item\""); }, &code);
    EXPECT_EQ(code, RPC_E_CALL_REJECTED);
    EXPECT_FALSE(plain.empty());
    EXPECT_EQ(caught([&] { check(0x80AB0001, u"\"Item\""); }), u"\"Item\" failed (0x80AB0001).");
}

// The thread's error info is read only for an object that says it sets one; any other failure
// takes it away unread, so that it cannot describe a later one either.
TEST(ComErrors, AnErrorInfoIsBelievedOnlyFromAnObjectThatSetsOne) {
    RecordingDispatch silent, describing;
    describing.supportsErrorInfo = true;
    for (IUnknown* source : {static_cast<IUnknown*>(static_cast<IDispatch*>(&silent)),
                             static_cast<IUnknown*>(nullptr)}) {
        setThreadError(L"An old, unrelated failure");
        EXPECT_NE(caught([&] { raiseComError(E_FAIL, nullptr, u"x", source); }),
                  u"An old, unrelated failure");
        EXPECT_NE(caught([&] {
                      raiseComError(E_FAIL, nullptr, u"x", static_cast<IDispatch*>(&describing));
                  }),
                  u"An old, unrelated failure");
    }
    // Through a call: the silent object's failure is not described by the stale error.
    auto names = std::make_shared<DispatchNames>();
    silent.define(L"Update", 3,
                  [](const RecordingDispatch::Call&, VARIANT*, EXCEPINFO*) { return E_FAIL; });
    Dispatch d(ComPtr<IDispatch>::share(&silent), names);
    setThreadError(L"An old, unrelated failure");
    EXPECT_NE(caught([&] { d.call(L"Update"); }), u"An old, unrelated failure");
}

class DispatchCalls : public testing::Test {
protected:
    RecordingDispatch first, second;
    std::shared_ptr<DispatchNames> names = std::make_shared<DispatchNames>();
    void SetUp() override {
        for (RecordingDispatch* d : {&first, &second}) {
            d->define(L"Count", 7, [](const RecordingDispatch::Call&, VARIANT* r, EXCEPINFO*) {
                V_VT(r) = VT_I4;
                V_I4(r) = 2;
                return S_OK;
            });
            d->define(L"TextString", 8);
            d->define(L"ZoomWindow", 9);
        }
    }
};

TEST_F(DispatchCalls, NamesAreResolvedOncePerInterface) {
    Dispatch a(ComPtr<IDispatch>::share(&first), names),
        b(ComPtr<IDispatch>::share(&second), names);
    EXPECT_EQ(toInteger(a.get(L"Count").get()), 2);
    EXPECT_EQ(toInteger(a.get(L"Count").get()), 2);
    EXPECT_EQ(toInteger(b.get(L"Count").get()), 2);
    EXPECT_EQ(first.nameLookups + second.nameLookups, 1);
    EXPECT_EQ(first.calls[0].flags, DISPATCH_PROPERTYGET | DISPATCH_METHOD);
}

TEST_F(DispatchCalls, APutNamesItsValueAndArgumentsKeepTheirOrder) {
    Dispatch d(ComPtr<IDispatch>::share(&first), names);
    d.put(L"TextString", stringValue(u"W-101"));
    d.call(L"ZoomWindow", {pointValue({1, 2, 0}), pointValue({3, 4, 0})});
    ASSERT_EQ(first.calls.size(), 2u);
    EXPECT_EQ(first.calls[0].flags, DISPATCH_PROPERTYPUT);
    EXPECT_EQ(first.calls[0].named, std::vector<DISPID>{DISPID_PROPERTYPUT});
    EXPECT_EQ(toString(first.calls[0].args.at(0).get()), u"W-101");
    EXPECT_EQ(first.calls[1].flags, DISPATCH_METHOD);
    EXPECT_EQ(toPoint(first.calls[1].args.at(0).get()), (Point{1, 2, 0}));
    EXPECT_EQ(toPoint(first.calls[1].args.at(1).get()), (Point{3, 4, 0}));
}

TEST_F(DispatchCalls, AnObjectThatNumbersANameOtherwiseIsAskedItself) {
    RecordingDispatch other;
    other.define(L"Count", 70, [](const RecordingDispatch::Call&, VARIANT* r, EXCEPINFO*) {
        V_VT(r) = VT_I2;
        V_I2(r) = 5;
        return S_OK;
    });
    Dispatch a(ComPtr<IDispatch>::share(&first), names), b(ComPtr<IDispatch>::share(&other), names);
    EXPECT_EQ(toInteger(a.get(L"Count").get()), 2);
    EXPECT_EQ(toInteger(b.get(L"Count").get()), 5);
    std::optional<std::int32_t> code;
    EXPECT_NE(caught([&] { b.get(L"Missing"); }, &code), u"(no error)");
    EXPECT_EQ(code, DISP_E_UNKNOWNNAME);
}

TEST_F(DispatchCalls, AFailedInvokeRaisesTheServersException) {
    first.define(L"Delete", 10, [](const RecordingDispatch::Call&, VARIANT*, EXCEPINFO* info) {
        info->bstrDescription = SysAllocString(L"Object was erased");
        info->scode = E_ACCESSDENIED;
        return DISP_E_EXCEPTION;
    });
    Dispatch d(ComPtr<IDispatch>::share(&first), names);
    std::optional<std::int32_t> code;
    EXPECT_EQ(caught([&] { d.call(L"Delete"); }, &code), u"Object was erased");
    EXPECT_EQ(code, E_ACCESSDENIED);
}

}  // namespace
}  // namespace tavor::test
