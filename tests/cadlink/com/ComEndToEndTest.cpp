#include <gtest/gtest.h>

#include "cadlink/com/ComCadLink.h"
#include "comserver/FakeCadServer.h"
#include "shell/TavorApplication.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/MemoryLineEditor.h"

namespace tavor::test {
namespace {

using V = std::vector<std::u16string>;

// The headless program on the COM link, driving the fake CAD in its own process: the texts
// are picked, edited and written back through real cross-process calls.
class ComEndToEndTest : public FakeCadServerTest {
protected:
    void SetUp() override {
        FakeCadServerTest::SetUp();
        if (IsSkipped())
            return;
        program = CreateWindowExW(0, L"STATIC", L"Tavordesk", WS_OVERLAPPEDWINDOW, 0, 0, 330, 320,
                                  nullptr, nullptr, nullptr, nullptr);
        link.setProgramWindow(reinterpret_cast<cad::WindowId>(program));
        app.create();
        server().addLayer(u"WIRE", false);
        server().addLayer(u"FRAME", true);
        a = server().addText(u"W-101", {10, 50, 0}, u"WIRE", 0);
        b = server().addText(u"W-102", {10, 45, 0}, u"WIRE", 0);
        c = server().addText(u"W-103", {10, 40, 0}, u"WIRE", 0);
        locked = server().addText(u"図番", {10, 35, 0}, u"FRAME", 0);
        form.CheckBox1.checked = true;
    }
    void TearDown() override {
        if (program)
            DestroyWindow(program);
    }

    std::u16string textOf(const cad::Handle& h) { return server().textOf(h).value_or(u"(erased)"); }

    TempDir dir;
    FakePlatform platform;
    MemoryLineEditor editor;
    cad::com::ComCadLink link;
    TavorApplication app{platform, editor, link, dir / "tavordesk.exe"};
    TTavorMainForm& form = app.form;
    HWND program = nullptr;
    cad::Handle a, b, c, locked;
};

TEST_F(ComEndToEndTest, PickEditAndWriteBackThroughTheServer) {
    server().pickNext({c, locked, a, b});
    form.SpeedButton1Click();
    EXPECT_EQ(editor.lines(), (V{u"W-101", u"W-102", u"W-103"}));
    EXPECT_EQ(platform.lastMessageText(), u"ロック画層のTEXT 1 個を除外しました.");
    ASSERT_EQ(form.textList.size(), 3u);
    EXPECT_EQ(form.textList[0].sHnd, a);
    EXPECT_EQ(form.textList[2].insPt, (cad::Point{10, 40, 0}));
    EXPECT_EQ(form.Edit2.text.get(), u"-5.00");
    // The working set is deleted again and the command let go of every object.
    EXPECT_TRUE(server().selectionSetNames().empty());
    EXPECT_EQ(server().liveObjects(), 0);

    editor.setLines({u"W-101", u"Ｗ－１０２ 盤内", u"", u"W-104"});
    form.SpeedButton2Click();
    EXPECT_EQ(textOf(a), u"W-101");
    EXPECT_EQ(textOf(b), u"Ｗ－１０２ 盤内");
    EXPECT_EQ(textOf(c), u"(erased)");
    EXPECT_EQ(textOf(locked), u"図番");
    ASSERT_EQ(form.textList.size(), 4u);
    const cad::Handle added = form.textList[3].sHnd;
    EXPECT_EQ(textOf(added), u"W-104");
    EXPECT_EQ(form.textList[3].insPt, (cad::Point{10, 35, 0}));
    EXPECT_EQ(server().regenerations(), 1);
    EXPECT_EQ(server().liveObjects(), 0);
}

TEST_F(ComEndToEndTest, TheCadViewFollowsTheCaretAtTheSameHeight) {
    server().pickNext({a, b, c});
    form.SpeedButton1Click();
    form.CheckBox9.checked = true;
    form.CaretYChanged(2);
    EXPECT_EQ(server().viewCentre(), (cad::Point{10, 45, 0}));
    EXPECT_EQ(server().viewHeight(), 200.0);
    form.CaretYChanged(3);
    EXPECT_EQ(server().viewCentre(), (cad::Point{10, 40, 0}));
    EXPECT_EQ(server().liveObjects(), 0);
}

TEST_F(ComEndToEndTest, ARejectedCallFailsOnlyItsOwnEntry) {
    server().pickNext({a, b, c});
    form.SpeedButton1Click();
    ASSERT_EQ(form.textList.size(), 3u);

    // The first text call of the update (reading A's string) is rejected.
    server().failNext(u"TextString", RPC_E_CALL_REJECTED, u"", 1);
    editor.setLines({u"A1", u"B1", u"C1"});
    form.SpeedButton2Click();
    EXPECT_EQ(textOf(a), u"W-101");
    EXPECT_EQ(textOf(b), u"B1");
    EXPECT_EQ(textOf(c), u"C1");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(server().liveObjects(), 0);
}

TEST_F(ComEndToEndTest, WithoutTheCadsWindowNothingHappens) {
    // A CAD window under another title counts as no CAD.
    const auto cadWindow = reinterpret_cast<HWND>(server().mainWindow());
    SetWindowTextW(cadWindow, L"nanoCAD 5 - closing");
    server().pickNext({a});
    form.SpeedButton1Click();
    SetWindowTextW(cadWindow, L"nanoCAD 5");
    EXPECT_TRUE(form.textList.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(server().liveObjects(), 0);
}

}  // namespace
}  // namespace tavor::test
