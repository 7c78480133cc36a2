#include <gtest/gtest.h>

#include "cadlink/CadError.h"
#include "cadlink/com/ComObjects.h"
#include "cadlink/com/ComSession.h"
#include "cadlink/com/RecordingDispatch.h"

namespace tavor::test {
namespace {

using namespace cad::com;

// An object that reports `objectName` when asked for it.
void nameIt(RecordingDispatch& object, const wchar_t* objectName) {
    object.define(L"ObjectName", 1,
                  [objectName](const RecordingDispatch::Call&, VARIANT* r, EXCEPINFO*) {
                      V_VT(r) = VT_BSTR;
                      V_BSTR(r) = SysAllocString(objectName);
                      return S_OK;
                  });
}

std::optional<std::int32_t> castError(const std::function<void()>& cast) {
    try {
        cast();
    } catch (const cad::CadError& e) {
        return e.code();
    }
    return std::nullopt;
}

// The kind of an object in this process, where interface IDs can be asked (across processes
// Wine marshals none of them, so the fake server's objects tell their kind by name).
TEST(ComKinds, AnAnsweredInterfaceIdDecidesWithoutAskingTheName) {
    RecordingDispatch text;
    text.interfaces = {kTextIid};
    {
        const auto entity =
            makeEntity(ComPtr<IDispatch>::share(&text), std::make_shared<ComSession>());
        EXPECT_TRUE(entity->AsText());
        EXPECT_EQ(text.nameLookups, 0);
        nameIt(text, L"AcDbText");
        EXPECT_EQ(castError([&] { entity->AsBlockReference(); }), E_NOINTERFACE);
        EXPECT_EQ(castError([&] { entity->AsAttributeReference(); }), E_NOINTERFACE);
    }
    EXPECT_EQ(text.references(), 1u);
}

TEST(ComKinds, WithoutInterfaceIdsTheObjectNameDecides) {
    const std::vector<std::pair<const wchar_t*, std::vector<bool>>> table = {
        // object name: text, block reference, attribute reference
        {L"AcDbText", {true, false, false}},
        {L"AcDbMText", {false, false, false}},
        {L"AcDbBlockReference", {false, true, false}},
        {L"AcDbMInsertBlock", {false, true, false}},
        {L"AcDbAttribute", {false, false, true}},
        {L"AcDbAttributeDefinition", {false, false, false}},
    };
    for (const auto& [name, expected] : table) {
        RecordingDispatch object;
        nameIt(object, name);
        const auto entity =
            makeEntity(ComPtr<IDispatch>::share(&object), std::make_shared<ComSession>());
        const std::vector<bool> taken = {
            !castError([&] { entity->AsText(); }),
            !castError([&] { entity->AsBlockReference(); }),
            !castError([&] { entity->AsAttributeReference(); }),
        };
        EXPECT_EQ(taken, expected) << name;
    }
}

// The CAD's application answers its own interface, whose type information may leave names out:
// those are resolved through the object's plain IDispatch, and stay there.
TEST(ComApplication, NamesItsOwnInterfaceLacksGoThroughPlainDispatch) {
    RecordingDispatch typed, plain, document;
    plain.views = {{kApplicationIid, &typed}};
    typed.define(L"HWND", 1, [](const RecordingDispatch::Call&, VARIANT* r, EXCEPINFO*) {
        V_VT(r) = VT_I4;
        V_I4(r) = 0x1234;
        return S_OK;
    });
    plain.define(L"ActiveDocument", 2, [&](const RecordingDispatch::Call&, VARIANT* r, EXCEPINFO*) {
        V_VT(r) = VT_DISPATCH;
        V_DISPATCH(r) = &document;
        document.AddRef();
        return S_OK;
    });
    {
        const auto app = makeApplication(ComPtr<IUnknown>::share(static_cast<IDispatch*>(&plain)));
        EXPECT_EQ(app->GetMainWindowHandle(), 0x1234u);
        EXPECT_TRUE(app->GetActiveDocument());
        EXPECT_TRUE(app->GetActiveDocument());
        EXPECT_EQ(typed.calls.size(), 1u);
        EXPECT_EQ(plain.calls.size(), 2u);
        // "ActiveDocument" was asked of the typed interface once only.
        EXPECT_EQ(typed.nameLookups, 2);
        EXPECT_EQ(castError([&] { app->ZoomWindow({}, {}); }), DISP_E_UNKNOWNNAME);
    }
    for (const RecordingDispatch* object : {&typed, &plain, &document})
        EXPECT_EQ(object->references(), 1u);
}

TEST(ComApplication, WithoutItsOwnInterfacePlainDispatchServesAll) {
    RecordingDispatch plain;
    plain.define(L"HWND", 1, [](const RecordingDispatch::Call&, VARIANT* r, EXCEPINFO*) {
        V_VT(r) = VT_I8;
        V_I8(r) = 0x1'0000'0020LL;
        return S_OK;
    });
    const auto app = makeApplication(ComPtr<IUnknown>::share(static_cast<IDispatch*>(&plain)));
    EXPECT_EQ(app->GetMainWindowHandle(), 0x1'0000'0020u);
    EXPECT_EQ(castError([&] { app->GetActiveDocument(); }), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(plain.nameLookups, 2);
}

}  // namespace
}  // namespace tavor::test
