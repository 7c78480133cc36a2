#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

#include "cadlink/CadError.h"
#include "cadlink/Connection.h"
#include "cadlink/com/ComCadLink.h"
#include "comserver/FakeCadServer.h"

namespace tavor::test {
namespace {

using cad::CadError;
using cad::Point;

std::optional<std::int32_t> errorCode(const std::function<void()>& f,
                                      std::u16string* message = nullptr) {
    try {
        f();
    } catch (const CadError& e) {
        if (message)
            *message = e.message();
        return e.code().value_or(0);
    }
    return std::nullopt;
}

// Every operation of the automation model, called by the COM client on the fake CAD in its own
// process. Each test ends with the server holding no object of the client's.
class ComRolesTest : public FakeCadServerTest {
protected:
    void TearDown() override {
        app.reset();
        if (!IsSkipped()) {
            EXPECT_EQ(server().liveObjects(), 0);
        }
    }
    std::shared_ptr<cad::Document> document() {
        if (!app)
            app = link.CreateApplication();
        return app->GetActiveDocument();
    }

    cad::com::ComCadLink link;
    std::shared_ptr<cad::Application> app;
};

TEST_F(ComRolesTest, TheApplicationAndItsWindowsInBothIntegerWidths) {
    for (const bool narrow : {false, true}) {
        server().setHwndAs32Bit(narrow);
        app = link.CreateApplication();
        EXPECT_EQ(app->GetMainWindowHandle(), server().mainWindow());
        // The view window is the document window's first child's next sibling.
        cad::Desktop& desktop = link.desktop();
        const cad::WindowId documentWindow = app->GetActiveDocument()->GetDocumentWindowHandle();
        EXPECT_EQ(desktop.nextSiblingWindow(desktop.firstChildWindow(documentWindow)),
                  server().viewWindow());
        app.reset();
    }
    EXPECT_EQ(server().liveObjects(), 0);
}

TEST_F(ComRolesTest, ViewSystemVariablesZoomAndRegenerate) {
    const auto doc = document();
    EXPECT_EQ(cad::AsDouble(doc->GetSystemVariable(u"VIEWSIZE")), 200.0);
    app->ZoomWindow({90, 40, 0}, {110, 60, 0});
    EXPECT_EQ(server().viewCentre(), (Point{100, 50, 0}));
    EXPECT_EQ(cad::AsPoint(doc->GetSystemVariable(u"VIEWCTR")), (Point{100, 50, 0}));
    doc->RegenerateDisplay(0);
    EXPECT_EQ(server().regenerations(), 1);
    EXPECT_TRUE(errorCode([&] { doc->GetSystemVariable(u"NOSUCHVAR"); }));
}

TEST_F(ComRolesTest, LayersByIndexWithTheirLocks) {
    server().addLayer(u"配線", false);
    server().addLayer(u"FRAME", true);
    const auto layers = document()->GetLayers();
    std::map<std::u16string, bool> seen;
    for (std::int32_t i = 0; i < layers->Count(); ++i)
        seen[layers->Item(i)->Name()] = layers->Item(i)->Lock();
    EXPECT_EQ(seen,
              (std::map<std::u16string, bool>{{u"0", false}, {u"配線", false}, {u"FRAME", true}}));
    EXPECT_TRUE(errorCode([&] { layers->Item(layers->Count()); }));
}

TEST_F(ComRolesTest, TheWorkingSetIsMadeReusedAndPicksThroughTheFilter) {
    const auto t1 = server().addText(u"X001", {0, 0, 0}, u"0", 0);
    const auto t2 = server().addText(u"X002", {0, 5, 0}, u"0", 0);
    server().defineBlock(u"IO", {{u"COMMENT", u"コメント"}});
    const auto insert = server().addBlockReference(u"IO", {0, 9, 0}, u"0", {{u"COMMENT", u"入力"}});
    const auto doc = document();

    std::shared_ptr<cad::SelectionSet> set;
    cad::GetWorkSelectionSet(*doc, set);
    ASSERT_TRUE(set);
    EXPECT_EQ(server().selectionSetNames(), std::vector<std::u16string>{u"SSTEMP"});

    server().pickNext({t2, insert, t1});
    set->SelectOnScreen({{cad::kFilterEntityType, u"TEXT"}});
    ASSERT_EQ(set->GetEntityCount(), 2);
    EXPECT_EQ(set->GetEntityByIndex(0)->GetHandle(), t2);
    EXPECT_EQ(set->GetEntityByIndex(1)->GetHandle(), t1);

    // Found again (by any case of its name) and cleared.
    std::shared_ptr<cad::SelectionSet> again;
    cad::GetWorkSelectionSet(*doc, again);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->GetEntityCount(), 0);
    EXPECT_EQ(server().selectionSetNames().size(), 1u);

    again->SelectByMode(cad::kSelectAll, {}, {}, {{cad::kFilterTextString, u"X00#"}});
    EXPECT_EQ(again->GetEntityCount(), 2);
    again->ClearSelectionSet();
    again->SelectByMode(cad::kSelectAll, {}, {}, {});
    EXPECT_EQ(again->GetEntityCount(), 3);
    server().cancelNextPick();
    EXPECT_TRUE(errorCode([&] { again->SelectOnScreen({}); }));
    again->DeleteSelectionSet();
    EXPECT_TRUE(server().selectionSetNames().empty());
}

TEST_F(ComRolesTest, ATextReadWrittenCopiedAndErased) {
    const auto h = server().addText(u"W-1", {1, 2, 0}, u"0", 0);
    const auto doc = document();
    const auto text = doc->GetObjectByHandle(h)->AsText();
    EXPECT_EQ(text->GetHandle(), h);
    EXPECT_EQ(text->GetLayer(), u"0");
    EXPECT_NE(text->GetObjectID(), 0);
    const std::u16string japanese = u"ＰＬＣ入力\u3000Ｘ００１";
    text->SetTextString(japanese);
    EXPECT_EQ(text->GetTextString(), japanese);
    EXPECT_EQ(server().textOf(h), japanese);
    text->SetAlignment(1);
    text->SetTextAlignmentPoint({5, 6, 0});
    EXPECT_EQ(text->GetAlignment(), 1);
    EXPECT_EQ(text->GetTextAlignmentPoint(), (Point{5, 6, 0}));
    text->SetInsertionPoint({7, 8, 1});
    EXPECT_EQ(text->GetInsertionPoint(), (Point{7, 8, 1}));
    text->UpdateEntity();
    EXPECT_EQ(server().entityUpdates(), 1);

    const auto copy = text->CopyEntity()->AsText();
    EXPECT_NE(copy->GetHandle(), h);
    EXPECT_EQ(copy->GetTextString(), japanese);
    text->DeleteObject();
    EXPECT_FALSE(server().textOf(h));
    std::u16string message;
    EXPECT_TRUE(errorCode([&] { doc->GetObjectByHandle(h); }, &message));
    EXPECT_FALSE(message.empty());
}

TEST_F(ComRolesTest, KindsAreToldByInterfaceOrByObjectName) {
    server().defineBlock(u"IO", {{u"COMMENT", u"コメント"}});
    const auto insert = server().addBlockReference(u"IO", {0, 0, 0}, u"0", {{u"COMMENT", u"v"}});
    const auto text = server().addText(u"t", {0, 0, 0}, u"0", 0);
    for (const bool answerIds : {true, false}) {
        server().setAnswerInterfaceIds(answerIds);
        const auto doc = document();
        EXPECT_TRUE(doc->GetObjectByHandle(text)->AsText());
        EXPECT_TRUE(doc->GetObjectByHandle(insert)->AsBlockReference());
        EXPECT_EQ(errorCode([&] { doc->GetObjectByHandle(text)->AsBlockReference(); }),
                  E_NOINTERFACE);
        EXPECT_EQ(errorCode([&] { doc->GetObjectByHandle(insert)->AsText(); }), E_NOINTERFACE);
        const auto attribute = doc->GetObjectByHandle(insert)->AsBlockReference()->GetAttributes();
        ASSERT_EQ(attribute.size(), 1u);
        EXPECT_TRUE(attribute[0]->AsAttributeReference());
        EXPECT_TRUE(errorCode([&] { attribute[0]->AsText(); }));
    }
}

TEST_F(ComRolesTest, BlockReferencesAndTheirAttributesInBothArrayForms) {
    server().defineBlock(u"IO", {{u"ADDR", u"アドレス"}, {u"COMMENT", u"コメント"}});
    server().defineBlock(u"PLAIN", {});
    const auto io = server().addBlockReference(u"IO", {20, 30, 0}, u"0",
                                               {{u"ADDR", u"X001"}, {u"COMMENT", u"非常停止"}});
    const auto plain = server().addBlockReference(u"PLAIN", {0, 0, 0}, u"0");
    for (const bool dispatchArray : {false, true}) {
        server().setAttributesAsDispatchArray(dispatchArray);
        const auto doc = document();
        const auto block = doc->GetObjectByHandle(io)->AsBlockReference();
        EXPECT_TRUE(block->GetHasAttributes());
        EXPECT_EQ(block->GetBlockName(), u"IO");
        EXPECT_EQ(block->GetBlockInsertionPoint(), (Point{20, 30, 0}));
        const auto attributes = block->GetAttributes();
        ASSERT_EQ(attributes.size(), 2u);
        EXPECT_EQ(attributes[0]->TagString(), u"ADDR");
        EXPECT_EQ(attributes[1]->GetAttributeText(), u"非常停止");
        EXPECT_EQ(attributes[1]->GetLayer(), u"0");
        attributes[0]->SetAttributeText(dispatchArray ? u"X002" : u"X003");
        EXPECT_EQ(doc->GetObjectByHandle(attributes[0]->GetHandle())
                      ->AsAttributeReference()
                      ->GetAttributeText(),
                  dispatchArray ? u"X002" : u"X003");
        const auto empty = doc->GetObjectByHandle(plain)->AsBlockReference();
        EXPECT_FALSE(empty->GetHasAttributes());
        EXPECT_TRUE(empty->GetAttributes().empty());
    }
}

TEST_F(ComRolesTest, TheBlockWalkFindsAPrompt) {
    server().defineBlock(u"IO", {{u"ADDR", u"アドレス"}, {u"COMMENT", u"コメント"}});
    const auto blocks = document()->GetBlocks();
    std::u16string prompt;
    for (std::int32_t i = 0; i < blocks->Count(); ++i) {
        const auto block = blocks->Item(i);
        if (block->Name() != u"IO")
            continue;
        for (std::int32_t j = 0; j < block->Count(); ++j) {
            const auto entity = block->Item(j);
            if (entity->EntityName() == u"AcDbAttributeDefinition" &&
                entity->TagString() == u"COMMENT")
                prompt = entity->PromptString();
        }
    }
    EXPECT_EQ(prompt, u"コメント");
}

TEST_F(ComRolesTest, FailuresCarryTheServersMessageAndCode) {
    const auto h = server().addText(u"t", {0, 0, 0}, u"0", 0);
    const auto text = document()->GetObjectByHandle(h)->AsText();
    std::u16string message;

    server().failNext(u"TextString", RPC_E_CALL_REJECTED, u"", 1);
    EXPECT_EQ(errorCode([&] { text->GetTextString(); }), RPC_E_CALL_REJECTED);
    EXPECT_EQ(text->GetTextString(), u"t");  // only the next call was refused

    server().failNext(u"Layer", 0x80200001, u"図面は編集中です", 1);
    EXPECT_EQ(errorCode([&] { text->GetLayer(); }, &message),
              static_cast<std::int32_t>(0x80200001));
    EXPECT_EQ(message, u"図面は編集中です");

    // Wine carries no IErrorInfo to another process: the code comes through, and the system's
    // text for it stands in for the description (which the in-process tests read).
    server().failNextViaErrorInfo(u"Handle", E_ACCESSDENIED, u"Access denied by the CAD", 1);
    EXPECT_EQ(errorCode([&] { text->GetHandle(); }, &message), E_ACCESSDENIED);
    EXPECT_FALSE(message.empty());

    // The simulated CAD's own refusal of a write to a locked layer.
    server().addLayer(u"LOCKED", true);
    const auto onLocked =
        document()->GetObjectByHandle(server().addText(u"x", {0, 0, 0}, u"LOCKED", 0))->AsText();
    EXPECT_TRUE(errorCode([&] { onLocked->SetTextString(u"y"); }, &message));
    EXPECT_FALSE(message.empty());
}

}  // namespace
}  // namespace tavor::test
