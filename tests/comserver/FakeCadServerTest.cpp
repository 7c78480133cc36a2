#include "comserver/FakeCadServer.h"

#include <gtest/gtest.h>

#include <functional>

#include "cadlink/com/ComPtr.h"
#include "comserver/Values.h"

namespace tavor::test {
namespace {

using cad::com::ComPtr;
using namespace fakecad;

constexpr WORD kRead = DISPATCH_PROPERTYGET | DISPATCH_METHOD;
constexpr HRESULT kBusy = static_cast<HRESULT>(0x80040201);

// One late-bound call as a client makes it, with what came back kept for the checks.
struct Outcome {
    HRESULT hr = E_UNEXPECTED;
    Value result;
    std::u16string source, description;
    HRESULT scode = S_OK;
    UINT argumentError = static_cast<UINT>(-1);
};

std::u16string take(BSTR& s) {
    std::u16string out = s ? std::u16string(reinterpret_cast<const char16_t*>(s), SysStringLen(s))
                           : std::u16string();
    SysFreeString(s);
    s = nullptr;
    return out;
}

template <class... V>
std::vector<Value> list(V&&... values) {
    std::vector<Value> out;
    (out.push_back(std::forward<V>(values)), ...);
    return out;
}

// The arguments in their natural order; a property put passes the value as the only one.
Outcome invoke(IDispatch* object, const wchar_t* name, WORD flags, std::vector<Value> args = {},
               bool namedPut = false) {
    Outcome out;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    out.hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(out.hr))
        return out;
    std::vector<VARIANT> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        reversed.push_back(it->get());
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), namedPut ? &put : nullptr,
                      static_cast<UINT>(reversed.size()), namedPut ? 1u : 0u};
    EXCEPINFO info{};
    out.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, out.result.put(),
                            &info, &out.argumentError);
    out.source = take(info.bstrSource);
    out.description = take(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    out.scode = info.scode;
    return out;
}

Outcome put(IDispatch* object, const wchar_t* name, Value value) {
    return invoke(object, name, DISPATCH_PROPERTYPUT, list(std::move(value)), true);
}

ComPtr<IDispatch> object(IDispatch* from, const wchar_t* name, std::vector<Value> args = {}) {
    const Outcome o = invoke(from, name, kRead, std::move(args));
    EXPECT_EQ(o.hr, S_OK) << "reading an object";
    return ComPtr<IDispatch>::adopt(asDispatch(o.result.get()).value_or(nullptr));
}

std::u16string readString(IDispatch* from, const wchar_t* name) {
    return asString(invoke(from, name, kRead).result.get()).value_or(u"(not a string)");
}

VARTYPE readType(IDispatch* from, const wchar_t* name) {
    return V_VT(&invoke(from, name, kRead).result.get());
}

// A value of `type` that `fill` writes: the forms the rig's own constructors do not make.
template <class Fill>
Value typed(VARTYPE type, Fill fill) {
    Value v;
    VARIANT* p = v.put();
    V_VT(p) = type;
    fill(p);
    return v;
}

Value omitted() {
    return typed(VT_ERROR, [](VARIANT* p) { V_ERROR(p) = DISP_E_PARAMNOTFOUND; });
}

Value byteValue(BYTE n) {
    return typed(VT_UI1, [n](VARIANT* p) { V_UI1(p) = n; });
}

Value shortValue(SHORT n) {
    return typed(VT_I2, [n](VARIANT* p) { V_I2(p) = n; });
}

Value doubles(LONG lower, ULONG count) {
    SAFEARRAYBOUND bound{count, lower};
    Value v;
    VARIANT* p = v.put();
    V_VT(p) = VT_ARRAY | VT_R8;
    V_ARRAY(p) = SafeArrayCreate(VT_R8, 1, &bound);
    return v;
}

Value longs(ULONG count) {
    Value v;
    VARIANT* p = v.put();
    V_VT(p) = VT_ARRAY | VT_I4;
    V_ARRAY(p) = SafeArrayCreateVector(VT_I4, 0, count);
    return v;
}

// A VT_BYREF | VT_VARIANT that refers to `target`, which must outlive it.
Value reference(const Value& target) {
    Value v;
    VARIANT* p = v.put();
    V_VT(p) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(p) = const_cast<VARIANT*>(&target.get());
    return v;
}

Value strings(const std::vector<std::u16string>& texts) {
    std::vector<Value> out;
    for (const auto& t : texts)
        out.push_back(stringValue(t));
    return variantArray(std::move(out));
}

// A client of the fake CAD that creates the application as the real client does, holds its
// document and one text, and proves at the end that it left no object alive in the server.
class FakeCadServerClient : public FakeCadServerTest {
protected:
    void SetUp() override {
        FakeCadServerTest::SetUp();
        if (IsSkipped())
            return;
        textHandle = server().addText(u"R101", {10, 20, 0});
        ASSERT_EQ(CoCreateInstance(kCadClassId, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                   reinterpret_cast<void**>(application.put())),
                  S_OK);
        document = object(application.get(), L"ActiveDocument");
        text = object(document.get(), L"HandleToObject", list(stringValue(textHandle)));
        ASSERT_TRUE(document && text);
    }
    void TearDown() override {
        text.reset();
        document.reset();
        application.reset();
        if (!IsSkipped()) {
            EXPECT_EQ(server().liveObjects(), 0) << "objects left alive in the server";
        }
    }

    ComPtr<IDispatch> newSelectionSet(const char16_t* name) {
        const auto sets = object(document.get(), L"SelectionSets");
        const Outcome added = invoke(sets.get(), L"Add", DISPATCH_METHOD, list(stringValue(name)));
        EXPECT_EQ(added.hr, S_OK);
        return ComPtr<IDispatch>::adopt(asDispatch(added.result.get()).value_or(nullptr));
    }

    cad::Handle textHandle;
    ComPtr<IDispatch> application, document, text;
};

TEST_F(FakeCadServerTest, ResetLeavesAnEmptyDrawingWithTheDefaultView) {
    server().addLayer(u"NOTE", true);
    server().addText(u"A", {1, 2, 0}, u"NOTE");
    server().reset();
    EXPECT_TRUE(server().entities().empty());
    EXPECT_TRUE(server().selectionSetNames().empty());
    EXPECT_EQ(server().viewCentre(), (cad::Point{0, 0, 0}));
    EXPECT_EQ(server().viewHeight(), 200);
    EXPECT_EQ(server().regenerations(), 0);
    EXPECT_EQ(server().liveObjects(), 0);
}

TEST_F(FakeCadServerTest, ReportsTextsAndInsertsInDrawingOrder) {
    server().addLayer(u"NOTE");
    const cad::Handle text = server().addText(u"R101", {10, 20, 0}, u"NOTE", 2);
    server().defineBlock(u"SENBAN", {{u"SENBAN", u"Wire"}, {u"NAME", u"Name"}});
    const cad::Handle insert =
        server().addBlockReference(u"SENBAN", {5, 6, 0}, u"0", {{u"SENBAN", u"201"}});
    const auto entities = server().entities();
    ASSERT_EQ(entities.size(), 2u);
    EXPECT_EQ(entities[0], (FakeEntity{text, u"AcDbText", u"NOTE", u"R101", {10, 20, 0}, 2, {}}));
    EXPECT_EQ(entities[1].handle, insert);
    EXPECT_EQ(entities[1].objectName, u"AcDbBlockReference");
    EXPECT_EQ(entities[1].string, u"SENBAN");
    EXPECT_EQ(entities[1].at, (cad::Point{5, 6, 0}));
    ASSERT_EQ(entities[1].attributes.size(), 2u);
    EXPECT_EQ(entities[1].attributes[0].tag, u"SENBAN");
    EXPECT_EQ(entities[1].attributes[0].value, u"201");
    EXPECT_EQ(entities[1].attributes[1].value, u"");
    EXPECT_EQ(server().textOf(entities[1].attributes[0].handle), u"201");
    EXPECT_EQ(server().textOf(insert), std::nullopt);
}

TEST_F(FakeCadServerClient, ATextReadsAndWritesThroughRawDispatchCalls) {
    const Outcome read = invoke(text.get(), L"textstring", DISPATCH_PROPERTYGET);
    ASSERT_EQ(read.hr, S_OK);
    EXPECT_EQ(asString(read.result.get()), u"R101");
    EXPECT_EQ(readString(text.get(), L"ObjectName"), u"AcDbText");
    EXPECT_EQ(readString(text.get(), L"Handle"), textHandle);

    EXPECT_EQ(put(text.get(), L"TextString", stringValue(u"R102")).hr, S_OK);
    EXPECT_EQ(server().textOf(textHandle), u"R102");
    EXPECT_EQ(invoke(text.get(), L"NoSuchName", kRead).hr, DISP_E_UNKNOWNNAME);

    const Outcome copied = invoke(text.get(), L"Copy", DISPATCH_METHOD);
    ASSERT_EQ(copied.hr, S_OK);
    const auto copy = ComPtr<IDispatch>::adopt(asDispatch(copied.result.get()).value_or(nullptr));
    ASSERT_TRUE(copy);
    const cad::Handle copyHandle = readString(copy.get(), L"Handle");
    EXPECT_NE(copyHandle, textHandle);
    EXPECT_EQ(server().textOf(copyHandle), u"R102");
}

TEST_F(FakeCadServerClient, CollectionsListLayersAndBlockDefinitions) {
    server().addLayer(u"NOTE", true);
    server().defineBlock(u"IO", {{u"PIN1", u"Pin"}});
    const auto layers = object(document.get(), L"Layers");
    EXPECT_EQ(asInteger(invoke(layers.get(), L"Count", kRead).result.get()), 2);
    const auto note = object(layers.get(), L"Item", list(int32Value(1)));
    EXPECT_EQ(readString(note.get(), L"Name"), u"NOTE");
    EXPECT_EQ(asBool(invoke(note.get(), L"Lock", kRead).result.get()), true);
    EXPECT_EQ(invoke(layers.get(), L"Item", kRead, list(int32Value(2))).hr, DISP_E_EXCEPTION);

    const auto blocks = object(document.get(), L"Blocks");
    EXPECT_EQ(asInteger(invoke(blocks.get(), L"Count", kRead).result.get()), 1);
    const auto io = object(blocks.get(), L"Item", list(int32Value(0)));
    EXPECT_EQ(readString(io.get(), L"Name"), u"IO");
    ASSERT_EQ(asInteger(invoke(io.get(), L"Count", kRead).result.get()), 5) << "4 lines, 1 TAG";
    const auto line = object(io.get(), L"Item", list(int32Value(0)));
    EXPECT_EQ(readString(line.get(), L"EntityName"), u"AcDbLine");
    EXPECT_EQ(invoke(line.get(), L"TagString", kRead).hr, DISP_E_EXCEPTION);
    const auto pin = object(io.get(), L"Item", list(int32Value(4)));
    EXPECT_EQ(readString(pin.get(), L"ObjectName"), u"AcDbAttributeDefinition");
    EXPECT_EQ(readString(pin.get(), L"TagString"), u"PIN1");
    EXPECT_EQ(readString(pin.get(), L"PromptString"), u"Pin");
}

TEST_F(FakeCadServerClient, TheViewFollowsZoomsAndReadsAsSystemVariables) {
    ASSERT_EQ(invoke(application.get(), L"ZoomWindow", DISPATCH_METHOD,
                     list(pointValue({0, 0, 0}), pointValue({80, 60, 0})))
                  .hr,
              S_OK);
    EXPECT_EQ(server().viewCentre(), (cad::Point{40, 30, 0}));
    EXPECT_EQ(server().viewHeight(), 60);
    const Outcome size =
        invoke(document.get(), L"GetVariable", kRead, list(stringValue(u"VIEWSIZE")));
    ASSERT_EQ(V_VT(&size.result.get()), VT_R8);
    EXPECT_EQ(asDouble(size.result.get()), 60);
    EXPECT_EQ(asPoint(invoke(document.get(), L"GetVariable", kRead, list(stringValue(u"VIEWCTR")))
                          .result.get()),
              (cad::Point{40, 30, 0}));
    EXPECT_EQ(invoke(document.get(), L"GetVariable", kRead, list(stringValue(u"NOSUCH"))).hr,
              DISP_E_EXCEPTION);

    EXPECT_EQ(invoke(text.get(), L"Update", DISPATCH_METHOD).hr, S_OK);
    EXPECT_EQ(server().entityUpdates(), 1);
}

TEST_F(FakeCadServerClient, CountsEveryObjectUntilItsLastRelease) {
    EXPECT_EQ(server().liveObjects(), 3);
    ComPtr<IDispatch> layers = object(document.get(), L"Layers");
    const ComPtr<IDispatch> again = text;
    EXPECT_EQ(server().liveObjects(), 4);
    layers.reset();
    EXPECT_EQ(server().liveObjects(), 3);
}

struct StrictCase {
    const char* what;
    const wchar_t* name;
    WORD flags;
    std::function<std::vector<Value>()> args;
    HRESULT expected;
    bool namedPut = false;
};

TEST_F(FakeCadServerClient, ChecksTheTextsCallsStrictly) {
    const Value point = pointValue({1, 2, 0});
    const StrictCase cases[] = {
        {"a point as a string", L"InsertionPoint", DISPATCH_PROPERTYPUT,
         [] { return list(stringValue(u"1,2,0")); }, DISP_E_TYPEMISMATCH, true},
        {"a point of bounds [1..3]", L"InsertionPoint", DISPATCH_PROPERTYPUT,
         [] { return list(doubles(1, 3)); }, DISP_E_TYPEMISMATCH, true},
        {"a point of two coordinates", L"InsertionPoint", DISPATCH_PROPERTYPUT,
         [] { return list(doubles(0, 2)); }, DISP_E_TYPEMISMATCH, true},
        {"a point behind VT_BYREF", L"InsertionPoint", DISPATCH_PROPERTYPUT,
         [&] { return list(reference(point)); }, S_OK, true},
        {"a put without DISPID_PROPERTYPUT", L"TextString", DISPATCH_PROPERTYPUT,
         [] { return list(stringValue(u"x")); }, DISP_E_PARAMNOTFOUND},
        {"a property read with an argument", L"TextString", kRead,
         [] { return list(stringValue(u"x")); }, DISP_E_BADPARAMCOUNT},
        {"a put of a read-only property", L"ObjectName", DISPATCH_PROPERTYPUT,
         [] { return list(stringValue(u"x")); }, DISP_E_MEMBERNOTFOUND, true},
        {"a method read as a property", L"Update", DISPATCH_PROPERTYGET, [] { return list(); },
         DISP_E_MEMBERNOTFOUND},
        {"a method", L"Update", DISPATCH_METHOD, [] { return list(); }, S_OK},
        {"an alignment as a double", L"Alignment", DISPATCH_PROPERTYPUT,
         [] { return list(doubleValue(2)); }, DISP_E_TYPEMISMATCH, true},
        {"an alignment as a 16-bit integer", L"Alignment", DISPATCH_PROPERTYPUT,
         [] { return list(shortValue(2)); }, S_OK, true},
    };
    for (const StrictCase& c : cases)
        EXPECT_EQ(invoke(text.get(), c.name, c.flags, c.args(), c.namedPut).hr, c.expected)
            << c.what;
    EXPECT_EQ(asPoint(invoke(text.get(), L"InsertionPoint", kRead).result.get()),
              (cad::Point{1, 2, 0}));
    EXPECT_EQ(server().entities().at(0).alignment, 2);
}

TEST_F(FakeCadServerClient, ChecksTheApplicationsAndDocumentsCallsStrictly) {
    const Value handle = stringValue(textHandle);
    const StrictCase documentCases[] = {
        {"a handle as an integer", L"HandleToObject", kRead, [] { return list(int32Value(1)); },
         DISP_E_TYPEMISMATCH},
        {"a handle behind VT_BYREF", L"HandleToObject", kRead,
         [&] { return list(reference(handle)); }, S_OK},
        {"no handle", L"HandleToObject", kRead, [] { return list(); }, DISP_E_BADPARAMCOUNT},
        {"a viewport code of 8 bits", L"Regen", DISPATCH_METHOD, [] { return list(byteValue(1)); },
         S_OK},
        {"a viewport code as a string", L"Regen", DISPATCH_METHOD,
         [] { return list(stringValue(u"1")); }, DISP_E_TYPEMISMATCH},
    };
    for (const StrictCase& c : documentCases)
        EXPECT_EQ(invoke(document.get(), c.name, c.flags, c.args()).hr, c.expected) << c.what;
    EXPECT_EQ(server().regenerations(), 1);

    const Outcome stringCorner = invoke(application.get(), L"ZoomWindow", DISPATCH_METHOD,
                                        list(stringValue(u"0,0"), pointValue({10, 10, 0})));
    EXPECT_EQ(stringCorner.hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(stringCorner.argumentError, 1u) << "DISPPARAMS lists the first argument last";
    EXPECT_EQ(invoke(application.get(), L"ZoomWindow", DISPATCH_METHOD,
                     list(pointValue({0, 0, 0}), omitted()))
                  .hr,
              DISP_E_PARAMNOTOPTIONAL);
    EXPECT_EQ(
        invoke(application.get(), L"ZoomWindow", DISPATCH_METHOD, list(pointValue({0, 0, 0}))).hr,
        DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(server().viewHeight(), 200) << "no zoom went through";
}

TEST_F(FakeCadServerClient, FilterArraysMustBeTypedParallelArrays) {
    server().addText(u"S1", {0, 0, 0});
    const auto set = newSelectionSet(u"FILTERED");
    struct Case {
        const char* what;
        std::function<std::vector<Value>()> filter;
        HRESULT expected;
        int selected;
    };
    const Case cases[] = {
        {"no filter", [] { return list(omitted(), omitted()); }, S_OK, 2},
        {"a text pattern", [] { return list(shortArray({1}), strings({u"R*"})); }, S_OK, 1},
        {"codes of 32 bits", [] { return list(longs(1), strings({u"R*"})); }, DISP_E_TYPEMISMATCH,
         0},
        {"a value that is no string",
         [] {
             std::vector<Value> values;
             values.push_back(int32Value(1));
             return list(shortArray({1}), variantArray(std::move(values)));
         },
         DISP_E_TYPEMISMATCH, 0},
        {"arrays of different lengths",
         [] {
             return list(shortArray({1, 8}), strings({u"R*"}));
         },
         DISP_E_TYPEMISMATCH, 0},
        {"codes without values", [] { return list(shortArray({1}), omitted()); },
         DISP_E_TYPEMISMATCH, 0},
        {"empty arrays", [] { return list(shortArray({}), strings({})); }, DISP_E_TYPEMISMATCH, 0},
    };
    for (const Case& c : cases) {
        std::vector<Value> args = list(int32Value(5), omitted(), omitted());
        for (Value& v : c.filter())
            args.push_back(std::move(v));
        EXPECT_EQ(invoke(set.get(), L"Select", DISPATCH_METHOD, std::move(args)).hr, c.expected)
            << c.what;
        EXPECT_EQ(asInteger(invoke(set.get(), L"Count", kRead).result.get()), c.selected) << c.what;
        EXPECT_EQ(invoke(set.get(), L"Clear", DISPATCH_METHOD).hr, S_OK);
    }
    EXPECT_EQ(invoke(set.get(), L"Delete", DISPATCH_METHOD).hr, S_OK);
}

TEST_F(FakeCadServerClient, InjectedFailuresReachTheCallerAsTheRealCadReportsThem) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
        HRESULT hr, scode;
        std::u16string description, source;
    };
    const Case cases[] = {
        {"a rejected call",
         [&] { server().failNext(u"TextString", RPC_E_CALL_REJECTED, u"ignored"); },
         RPC_E_CALL_REJECTED, S_OK, u"", u""},
        {"a failure of the CAD",
         [&] { server().failNext(u"textstring", kBusy, u"The drawing is busy."); },
         DISP_E_EXCEPTION, kBusy, u"The drawing is busy.", u"nanoCAD"},
    };
    for (const Case& c : cases) {
        c.arrange();
        const Outcome failed = invoke(text.get(), L"TextString", kRead);
        EXPECT_EQ(failed.hr, c.hr) << c.what;
        EXPECT_EQ(failed.scode, c.scode) << c.what;
        EXPECT_EQ(failed.description, c.description) << c.what;
        EXPECT_EQ(failed.source, c.source) << c.what;
        EXPECT_EQ(invoke(text.get(), L"TextString", kRead).hr, S_OK) << c.what << ", once only";
    }

    server().failNext(u"", E_FAIL, u"Any call.", 2);
    EXPECT_EQ(invoke(text.get(), L"Handle", kRead).hr, DISP_E_EXCEPTION);
    EXPECT_EQ(server().textOf(textHandle), u"R101") << "the control object never fails";
    EXPECT_EQ(invoke(document.get(), L"HWND", kRead).hr, DISP_E_EXCEPTION);
    EXPECT_EQ(invoke(text.get(), L"Handle", kRead).hr, S_OK);
}

TEST_F(FakeCadServerClient, ANumberedCallFailsWhateverItsMemberAndObject) {
    server().failCall(3, E_FAIL, u"Third call.");
    EXPECT_EQ(server().calls(), 0) << "arming counts from 0 again";
    EXPECT_EQ(invoke(text.get(), L"Handle", kRead).hr, S_OK);
    EXPECT_EQ(server().textOf(textHandle), u"R101") << "the control object's calls do not count";
    EXPECT_EQ(invoke(document.get(), L"HWND", kRead).hr, S_OK);
    EXPECT_EQ(server().failedMember(), u"");
    const Outcome failed = invoke(text.get(), L"InsertionPoint", kRead);
    EXPECT_EQ(failed.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(failed.description, u"Third call.");
    EXPECT_EQ(server().failedMember(), u"InsertionPoint");
    EXPECT_EQ(invoke(text.get(), L"InsertionPoint", kRead).hr, S_OK) << "once only";
    EXPECT_EQ(server().calls(), 4);

    server().failCall(1, RPC_E_DISCONNECTED, u"ignored");
    EXPECT_EQ(invoke(document.get(), L"HWND", kRead).hr, RPC_E_DISCONNECTED);
    EXPECT_EQ(server().failedMember(), u"HWND");
    server().reset();
    EXPECT_EQ(server().calls(), 0);
    EXPECT_EQ(server().failedMember(), u"");
}

TEST_F(FakeCadServerClient, AFailureReportedThroughErrorInfoReturnsItsOwnCode) {
    server().failNextViaErrorInfo(u"TextString", kBusy, u"Regenerating.");
    const Outcome failed = invoke(text.get(), L"TextString", kRead);
    EXPECT_EQ(failed.hr, kBusy);
    EXPECT_EQ(failed.description, u"") << "no EXCEPINFO";
    const auto support = text.query<ISupportErrorInfo>(IID_ISupportErrorInfo);
    ASSERT_TRUE(support);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IDispatch), S_OK);
    // Wine 8 does not carry the error object to another process; where COM does, it must be
    // the server's.
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) == S_OK && info) {
        BSTR description = nullptr;
        ASSERT_EQ(info->GetDescription(&description), S_OK);
        EXPECT_EQ(take(description), u"Regenerating.");
    }
}

TEST_F(FakeCadServerClient, ErrorsOfTheSimulatedCadBecomeExceptions) {
    struct Case {
        const char* what;
        std::function<Outcome()> call;
        std::u16string description;
    };
    server().addLayer(u"LOCKED", true);
    const auto locked = object(document.get(), L"HandleToObject",
                               list(stringValue(server().addText(u"L1", {0, 0, 0}, u"LOCKED"))));
    const Case cases[] = {
        {"an unknown handle",
         [&] {
             return invoke(document.get(), L"HandleToObject", kRead, list(stringValue(u"FFFFF")));
         },
         u"No object has the handle FFFFF."},
        {"a refused role",
         [&] {
             server().refuseNext(u"GetTextString");
             return invoke(text.get(), L"TextString", kRead);
         },
         u"The CAD refused the call GetTextString."},
        {"a write on a locked layer",
         [&] { return put(locked.get(), L"TextString", stringValue(u"L2")); },
         u"The object " + server().entities().at(1).handle + u" is on a locked layer."},
        {"an erased entity",
         [&] {
             invoke(text.get(), L"Delete", DISPATCH_METHOD);
             return invoke(text.get(), L"ObjectName", kRead);
         },
         u"The object " + textHandle + u" has been erased."},
    };
    for (const Case& c : cases) {
        const Outcome o = c.call();
        EXPECT_EQ(o.hr, DISP_E_EXCEPTION) << c.what;
        EXPECT_EQ(o.scode, E_FAIL) << c.what;
        EXPECT_EQ(o.description, c.description) << c.what;
    }
    server().setLockedLayersRefuseWrites(false);
    EXPECT_EQ(put(locked.get(), L"TextString", stringValue(u"L2")).hr, S_OK);
}

TEST_F(FakeCadServerClient, WindowsAreFoundAsTheClientWalksThem) {
    const auto mainWindow = reinterpret_cast<std::uintptr_t>(FindWindowW(nullptr, L"nanoCAD 5"));
    ASSERT_NE(mainWindow, 0u);
    EXPECT_EQ(server().mainWindow(), mainWindow);
    const Outcome main = invoke(application.get(), L"HWND", kRead);
    ASSERT_EQ(V_VT(&main.result.get()), VT_I8);
    EXPECT_EQ(static_cast<std::uintptr_t>(*asInteger(main.result.get())), mainWindow);

    const HWND documentWindow = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(
        *asInteger(invoke(document.get(), L"HWND", kRead).result.get())));
    const HWND view = GetWindow(GetWindow(documentWindow, GW_CHILD), GW_HWNDNEXT);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(view), server().viewWindow());
    RECT r{};
    ASSERT_TRUE(GetWindowRect(view, &r));
    EXPECT_EQ(r.right - r.left, 800);
    EXPECT_EQ(r.bottom - r.top, 618);

    EXPECT_EQ(readType(text.get(), L"ObjectID"), VT_I8);
    server().setHwndAs32Bit(true);
    EXPECT_EQ(readType(application.get(), L"HWND"), VT_I4);
    EXPECT_EQ(readType(document.get(), L"HWND"), VT_I4);
    EXPECT_EQ(readType(text.get(), L"ObjectID"), VT_I4);
}

TEST_F(FakeCadServerClient, PicksFollowTheScript) {
    const auto set = newSelectionSet(u"PICK");
    server().pickNext({textHandle});
    EXPECT_EQ(invoke(set.get(), L"SelectOnScreen", DISPATCH_METHOD).hr, S_OK);
    EXPECT_EQ(asInteger(invoke(set.get(), L"Count", kRead).result.get()), 1);
    EXPECT_EQ(readString(object(set.get(), L"Item", list(int64Value(0))).get(), L"Handle"),
              textHandle);

    server().cancelNextPick();
    const Outcome cancelled = invoke(set.get(), L"SelectOnScreen", DISPATCH_METHOD);
    EXPECT_EQ(cancelled.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(cancelled.description, u"The pick was cancelled.");

    const auto sets = object(document.get(), L"SelectionSets");
    EXPECT_EQ(readString(object(sets.get(), L"Item", list(stringValue(u"pick"))).get(), L"Name"),
              u"PICK");
    EXPECT_EQ(server().selectionSetNames(), std::vector<std::u16string>{u"PICK"});
}

// The objects of the array that GetAttributes gave, checked to be of `form`. Each element is
// taken over as SafeArrayGetElement hands it out: with a reference of its own on Windows, and
// under Wine 8 with the array's own reference, since the array that Wine unmarshals lacks
// FADF_DISPATCH and so neither adds references nor releases its elements.
std::vector<ComPtr<IDispatch>> attributesIn(const Value& attributes, VARTYPE form) {
    std::vector<ComPtr<IDispatch>> out;
    EXPECT_EQ(V_VT(&attributes.get()), VT_ARRAY | form);
    if (V_VT(&attributes.get()) != (VT_ARRAY | form))
        return out;
    SAFEARRAY* array = V_ARRAY(&attributes.get());
    LONG lower = 0, upper = -1;
    SafeArrayGetLBound(array, 1, &lower);
    SafeArrayGetUBound(array, 1, &upper);
    for (LONG i = lower; i <= upper; ++i) {
        if (form == VT_DISPATCH) {
            SafeArrayGetElement(array, &i, out.emplace_back().put());
        } else {
            Value element;
            SafeArrayGetElement(array, &i, element.put());
            out.push_back(ComPtr<IDispatch>::adopt(asDispatch(element.get()).value_or(nullptr)));
        }
    }
    return out;
}

class FakeCadServerAttributes : public FakeCadServerClient {
protected:
    void SetUp() override {
        FakeCadServerClient::SetUp();
        if (IsSkipped())
            return;
        server().defineBlock(u"IO", {{u"PIN1", u"Pin"}, {u"IOADRS", u"Address"}});
        insert = object(document.get(), L"HandleToObject",
                        list(stringValue(server().addBlockReference(u"IO", {0, 0, 0}, u"0",
                                                                    {{u"PIN1", u"X0"}}))));
    }
    void TearDown() override {
        insert.reset();
        FakeCadServerClient::TearDown();
    }

    void expectPinAndAddress(const std::vector<ComPtr<IDispatch>>& attributes) {
        ASSERT_EQ(attributes.size(), 2u);
        ASSERT_TRUE(attributes[0] && attributes[1]);
        EXPECT_EQ(readString(attributes[0].get(), L"TagString"), u"PIN1");
        EXPECT_EQ(readString(attributes[0].get(), L"TextString"), u"X0");
        EXPECT_EQ(readString(attributes[0].get(), L"ObjectName"), u"AcDbAttribute");
        EXPECT_EQ(readString(attributes[1].get(), L"TagString"), u"IOADRS");
    }

    ComPtr<IDispatch> insert;
};

TEST_F(FakeCadServerAttributes, ComeAsVariantsThatHoldObjects) {
    expectPinAndAddress(
        attributesIn(invoke(insert.get(), L"GetAttributes", DISPATCH_METHOD).result, VT_VARIANT));

    server().defineBlock(u"MARK", {});
    const auto mark = object(document.get(), L"HandleToObject",
                             list(stringValue(server().addBlockReference(u"MARK", {0, 0, 0}))));
    EXPECT_EQ(asBool(invoke(mark.get(), L"HasAttributes", kRead).result.get()), false);
    EXPECT_TRUE(
        attributesIn(invoke(mark.get(), L"GetAttributes", DISPATCH_METHOD).result, VT_VARIANT)
            .empty());
}

TEST_F(FakeCadServerAttributes, ComeAsAnArrayOfObjectsBySwitch) {
    server().setAttributesAsDispatchArray(true);
    expectPinAndAddress(
        attributesIn(invoke(insert.get(), L"GetAttributes", DISPATCH_METHOD).result, VT_DISPATCH));
}

}  // namespace
}  // namespace tavor::test
