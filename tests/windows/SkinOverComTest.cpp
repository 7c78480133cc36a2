#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include <memory>
#include <optional>

#include "cadlink/com/ComCadLink.h"
#include "comserver/FakeCadServer.h"
#include "gui/GridView.h"
#include "gui/LineEditorWidget.h"
#include "gui/MainWindow.h"
#include "shell/TavorApplication.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace tavor::test {
namespace {

// The Windows program's own skin (main window, editor widget, buttons) over the program on the
// COM link, against the fake CAD in a process of its own, where the server plays the person who
// picks. Each test ends with the server holding no object of the program's.
class SkinOverComTest : public FakeCadServerTest {
protected:
    struct Rig {
        Rig() {
            app.create();
            window.show();
            link.setProgramWindow(static_cast<cad::WindowId>(window.winId()));
        }

        TempDir dir;
        FakePlatform platform;
        cad::com::ComCadLink link;
        gui::LineEditorWidget* editor = new gui::LineEditorWidget;  // the window takes it
        TavorApplication app{platform, *editor, link, dir / "tavordesk.exe"};
        TTavorMainForm& form = app.form;
        gui::MainWindow window{form, *editor};
    };

    void SetUp() override {
        FakeCadServerTest::SetUp();
        if (!IsSkipped())
            rig.emplace();
    }
    void TearDown() override {
        rig.reset();
        if (!IsSkipped()) {
            EXPECT_EQ(server().liveObjects(), 0);
        }
    }

    template <class T>
    T* find(const char* name) {
        T* w = rig->window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* button) { QTest::mouseClick(find<QToolButton>(button), Qt::LeftButton); }
    // Puts the caret at the end of editor line `line` (0-based) and types `keys` there.
    void typeAtEndOfLine(int line, const QString& keys) {
        gui::LineEditorWidget* editor = rig->editor;
        editor->setFocus();
        QTextCursor c(editor->document()->findBlockByNumber(line));
        c.movePosition(QTextCursor::EndOfBlock);
        editor->setTextCursor(c);
        QTest::keyClicks(editor, keys);
    }
    void ctrlEnter() { QTest::keyClick(rig->editor, Qt::Key_Return, Qt::ControlModifier); }
    void typeInto(const char* edit, const QString& keys) {
        auto* e = find<QLineEdit>(edit);
        e->clear();
        QTest::keyClicks(e, keys);
    }
    std::optional<FakeEntity> entity(const cad::Handle& handle) {
        for (FakeEntity& e : server().entities())
            if (e.handle == handle)
                return e;
        return std::nullopt;
    }

    std::optional<Rig> rig;
};

TEST_F(SkinOverComTest, TextPickedEditedAndWrittenBackWithCtrlEnter) {
    server().addLayer(u"WIRE");
    const auto a = server().addText(u"W-101", {10, 50, 0}, u"WIRE");
    const auto b = server().addText(u"W-102", {10, 45, 0}, u"WIRE");
    const auto c = server().addText(u"W-103", {10, 40, 0}, u"WIRE");
    rig->form.CheckBox1.checked = true;  // in the order of their positions
    server().pickNext({c, a, b});
    click("SpeedButton1");
    EXPECT_EQ(rig->editor->toPlainText(), QStringLiteral("W-101\nW-102\nW-103"));
    EXPECT_TRUE(find<QToolButton>("SpeedButton2")->isEnabled());
    EXPECT_TRUE(server().selectionSetNames().empty());
    EXPECT_EQ(server().liveObjects(), 0);

    typeAtEndOfLine(1, QStringLiteral(" PLC"));
    // Japanese text arrives as the input method commits it: inserted at the caret.
    QTextCursor third(rig->editor->document()->findBlockByNumber(2));
    third.movePosition(QTextCursor::EndOfBlock);
    third.insertText(QStringLiteral("　盤内"));
    ctrlEnter();
    EXPECT_EQ(server().textOf(a), u"W-101");
    EXPECT_EQ(server().textOf(b), u"W-102 PLC");
    EXPECT_EQ(server().textOf(c), u"W-103　盤内");
    EXPECT_EQ(rig->editor->blockCount(), 3);  // Ctrl+Enter did not break the line
    EXPECT_EQ(server().regenerations(), 1);
}

TEST_F(SkinOverComTest, AttributesOfOneTagPickedEditedAndWrittenBack) {
    server().defineBlock(u"DEV", {{u"NAME", u"機器名"}, {u"SPEC", u"仕様"}});
    const auto upper = server().addBlockReference(u"DEV", {0, 20, 0}, u"0",
                                                  {{u"NAME", u"MC1"}, {u"SPEC", u"AC200V"}});
    const auto lower = server().addBlockReference(u"DEV", {0, 10, 0}, u"0",
                                                  {{u"NAME", u"MC2"}, {u"SPEC", u"AC100V"}});
    auto* tags = find<QComboBox>("ComboBox1");
    tags->setCurrentIndex(tags->findText(QStringLiteral("NAME:機器名")));
    ASSERT_EQ(rig->form.ComboBox1.text.get(), u"NAME:機器名");
    rig->form.CheckBox1.checked = true;
    server().pickNext({lower, upper});
    click("SpeedButton8");
    EXPECT_EQ(rig->editor->toPlainText(), QStringLiteral("MC1\nMC2"));

    typeAtEndOfLine(1, QStringLiteral("-B"));
    ctrlEnter();
    const auto edited = entity(lower);
    ASSERT_TRUE(edited);
    ASSERT_EQ(edited->attributes.size(), 2u);
    EXPECT_EQ(edited->attributes[0].value, u"MC2-B");
    EXPECT_EQ(edited->attributes[1].value, u"AC100V");
    EXPECT_EQ(entity(upper)->attributes[0].value, u"MC1");
}

TEST_F(SkinOverComTest, AlignmentLaysTheTextsOutAtTheTypedStep) {
    const auto a = server().addText(u"a", {10, 50, 0});
    const auto b = server().addText(u"b", {12, 47, 0});
    const auto c = server().addText(u"c", {30, 44, 0});
    rig->form.CheckBox1.checked = false;  // in the order they were picked
    server().pickNext({a, b, c});
    click("SpeedButton1");
    ASSERT_EQ(rig->editor->toPlainText(), QStringLiteral("a\nb\nc"));
    typeInto("Edit1", QStringLiteral("0"));
    typeInto("Edit2", QStringLiteral("-5"));
    click("SpeedButton6");
    const std::vector<std::pair<cad::Handle, cad::Point>> expected = {
        {a, {10, 50, 0}}, {b, {10, 45, 0}}, {c, {10, 40, 0}}};
    for (const auto& [handle, at] : expected) {
        const auto e = entity(handle);
        ASSERT_TRUE(e);
        EXPECT_EQ(e->at, at);
    }
}

TEST_F(SkinOverComTest, TheAttributeGridIsFilledAndEnterInACellWritesTheAttribute) {
    server().loadSample();
    rig->form.PageControl1.activePageIndex = 1;
    const auto& groups = rig->form.ComboBox2.items.get();
    for (std::size_t i = 0; i < groups.size(); ++i)
        if (groups[i].starts_with(u"I/O"))
            rig->form.ComboBox2.itemIndex = static_cast<int>(i);
    server().pickAllNext();
    click("SpeedButton10");
    ASSERT_GT(rig->form.StringGrid1.rowCount(), 2);
    auto* grid = find<gui::GridView>("StringGrid1");
    grid->setFocus();
    // The fixed row and column are the view's headers.
    grid->setCurrentIndex(grid->model()->index(1, 2));
    QTest::keyClick(grid, Qt::Key_F2);
    auto* cell = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(cell, nullptr);
    cell->setText(QStringLiteral("始動"));  // as an input method commits it
    QTest::keyClick(cell, Qt::Key_Return);
    QApplication::processEvents();
    const int link = rig->form.StringGrid1.link(3, 2);
    ASSERT_GT(link, 0);
    EXPECT_EQ(server().textOf(rig->form.attList[static_cast<std::size_t>(link - 1)].sHnd), u"始動");
}

TEST_F(SkinOverComTest, SearchFindsEveryTextAndEnterInTheGridWritesTheHit) {
    server().addLayer(u"W");
    server().addLayer(u"LOCKED", true);
    const auto w2 = server().addText(u"W2", {2, 2, 0}, u"W");
    const auto w1 = server().addText(u"W1", {1, 1, 0}, u"LOCKED");
    const auto w3 = server().addText(u"W3", {3, 3, 0}, u"W");
    rig->form.PageControl1.activePageIndex = 2;
    rig->form.CheckBox4.checked = false;
    auto* pattern = find<QLineEdit>("Edit3");
    pattern->clear();
    QTest::keyClicks(pattern, QStringLiteral("W*"));
    QTest::keyClick(pattern, Qt::Key_Return);
    auto* grid = find<gui::GridView>("StringGrid2");
    ASSERT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(rig->form.StringGrid2.cell(0, 0), u"W1");

    const QModelIndex second = grid->model()->index(1, 0);
    grid->setCurrentIndex(second);
    grid->edit(second);
    auto* cell = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(cell, nullptr);
    cell->selectAll();
    QTest::keyClicks(cell, QStringLiteral("W2-new"));
    QTest::keyClick(cell, Qt::Key_Return);
    EXPECT_EQ(server().textOf(w2), u"W2-new");
    EXPECT_EQ(server().textOf(w1), u"W1");
    EXPECT_EQ(server().textOf(w3), u"W3");
}

}  // namespace
}  // namespace tavor::test
