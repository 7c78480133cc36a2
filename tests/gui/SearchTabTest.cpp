#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "WindowRig.h"
#include "gui/GridView.h"

namespace tavor::gui {
namespace {

// The real window on the search page, over a drawing with wire numbers, one on a locked layer.
struct SearchWindowRig : test::WindowRig {
    SearchWindowRig() {
        auto& d = cad.cad->drawing();
        d.addLayer(u"W");
        d.addLayer(u"LOCKED", true);
        w2 = d.addText({u"W2", {2, 2}, u"W"});
        w1 = d.addText({u"W1", {1, 1}, u"LOCKED"});
        w3 = d.addText({u"W3", {3, 3}, u"W"});
        form.PageControl1.activePageIndex = 2;
        form.CheckBox4.checked = false;
        window.resize(330, 400);
        window.show();
    }
    void search(const QString& typed) {
        auto* edit = find<QLineEdit>("Edit3");
        edit->clear();
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    GridView* grid() { return find<GridView>("StringGrid2"); }
    QRect rowRect(int row) { return grid()->visualRect(grid()->model()->index(row, 0)); }
    std::u16string drawingText(const cad::Handle& h) const {
        return cad.cad->drawing().find(h)->text.string;
    }

    cad::Handle w1, w2, w3;
};

TEST(SearchTabWindow, TheButtonReadsStopDuringASearchAndStopsIt) {
    SearchWindowRig rig;
    for (int i = 0; i < 50; ++i)
        rig.cad.cad->drawing().addText({u"X", {}, u"W"});
    auto* button = rig.find<QToolButton>("SpeedButton14");
    auto* edit = rig.find<QLineEdit>("Edit3");
    bool seen = false;
    rig.platform.atProcessMessages(3, [&] {
        EXPECT_EQ(button->text(), QStringLiteral("中止"));
        EXPECT_TRUE(button->isEnabled());
        EXPECT_FALSE(edit->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        seen = true;
    });
    rig.search(QStringLiteral("X"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(button->text(), QStringLiteral("検索"));
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_EQ(rig.grid()->model()->rowCount(), 1);
    EXPECT_TRUE(rig.form.hitList.empty());
}

// Whether any pixel of the rectangle passes the test.
template <class Test>
bool anyPixel(const QImage& image, const QRect& r, Test test) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

TEST(SearchTabWindow, LockedRowsAreSilverAndChangedRowsRed) {
    SearchWindowRig rig;
    rig.search(QString());
    ASSERT_EQ(rig.form.hitList.size(), 3u);
    rig.form.StringGrid2.setCell(0, 2, u"W3x");
    rig.form.StringGrid2.setCurrent(0, 1);
    const QImage image = rig.grid()->viewport()->grab().toImage();

    const QRect locked = rig.rowRect(0);
    EXPECT_EQ(image.pixelColor(locked.right() - 3, locked.center().y()), QColor(192, 192, 192));
    const auto red = [](const QColor& c) {
        return c.red() > 200 && c.green() < 80 && c.blue() < 80;
    };
    EXPECT_TRUE(anyPixel(image, rig.rowRect(2), red));
    EXPECT_FALSE(anyPixel(image, rig.rowRect(0), red));
    EXPECT_TRUE(rig.find<QToolButton>("SpeedButton15")->isEnabled());
    EXPECT_EQ(rig.grid()->rowHeight(0), 20);
    EXPECT_EQ(rig.grid()->columnWidth(0), rig.grid()->viewport()->width());
}

TEST(SearchTabWindow, EnterInTheCellEditorWritesTheHitAndMovesDown) {
    SearchWindowRig rig;
    rig.search(QString());
    GridView* grid = rig.grid();
    const QModelIndex row1 = grid->model()->index(1, 0);
    grid->setCurrentIndex(row1);
    grid->edit(row1);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(rig.form.StringGrid2.editorOpen());
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("W2-new"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(rig.drawingText(rig.w2), u"W2-new");
    EXPECT_EQ(rig.form.StringGrid2.row(), 2);
    EXPECT_EQ(rig.form.StatusBar1.panels[0].get(), rig.w3);

    // On the locked hit Enter puts the text back, however the editor held it.
    grid->setCurrentIndex(grid->model()->index(0, 0));
    grid->edit(grid->currentIndex());
    editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("X"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(rig.form.StringGrid2.cell(0, 0), u"W1");
    EXPECT_EQ(rig.drawingText(rig.w1), u"W1");
}

TEST(SearchTabWindow, GridKeysReachTheTabWithTheEditorClosed) {
    SearchWindowRig rig;
    rig.search(QString());
    GridView* grid = rig.grid();
    grid->setFocus();
    rig.form.StringGrid2.setSelection({0, 0, 0, 1});
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(rig.platform.clipboard, u"W1\r\nW2\r\n");
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(rig.form.StringGrid2.cell(0, 1), u"");
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rig.form.StringGrid2.cell(0, 1), u"W2");
}

TEST(SearchTabWindow, UpperCaseModeTurnsTypedLettersAndLeavesCompositionAlone) {
    SearchWindowRig rig;
    auto* edit = rig.find<QLineEdit>("Edit3");
    QTest::mouseClick(rig.find<QCheckBox>("CheckBox4"), Qt::LeftButton);
    ASSERT_TRUE(rig.form.Edit3.upperCase);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("ab"));
    edit->setCursorPosition(1);
    QTest::keyClicks(edit, QStringLiteral("x"));
    EXPECT_EQ(edit->text(), QStringLiteral("AXB"));
    EXPECT_EQ(edit->cursorPosition(), 2);

    // An input method composes, then commits kana and a Latin letter.
    QInputMethodEvent compose(QStringLiteral("でんげん"), {});
    QApplication::sendEvent(edit, &compose);
    EXPECT_EQ(edit->text(), QStringLiteral("AXB"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("電源a"));
    QApplication::sendEvent(edit, &commit);
    EXPECT_EQ(edit->text(), QStringLiteral("AX電源AB"));
    EXPECT_EQ(rig.form.Edit3.text.get(), u"AX電源AB");

    QTest::mouseClick(rig.find<QCheckBox>("CheckBox4"), Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("c"));
    EXPECT_EQ(rig.form.Edit3.text.get(), u"AX電源AcB");
}

}  // namespace
}  // namespace tavor::gui
