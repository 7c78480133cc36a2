#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "WindowRig.h"
#include "cadlink/sim/SampleDrawing.h"
#include "gui/GridView.h"

namespace tavor::gui {
namespace {

// The real window on the grid page over the sample drawing, with the I/O comments acquired:
// five rows of PIN1, IOADRS, JCMNT1, JCMNT2.
struct GridWindowRig : test::WindowRig {
    GridWindowRig() {
        cad::sim::loadSampleDrawing(cad.cad->drawing());
        form.PageControl1.activePageIndex = 1;
        window.resize(330, 420);
        window.show();
        const auto& items = form.ComboBox2.items.get();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].starts_with(u"I/O"))
                form.ComboBox2.itemIndex = static_cast<int>(i);
        cad.picker.pickAllNext();
        QTest::mouseClick(find<QToolButton>("SpeedButton10"), Qt::LeftButton);
    }
    GridView* grid() { return find<GridView>("StringGrid1"); }
    // Model index of a grid cell (the fixed row and column are the headers).
    QModelIndex at(int col, int row) { return grid()->model()->index(row - 1, col - 1); }
    QRect cellRect(int col, int row) { return grid()->visualRect(at(col, row)); }
    std::u16string drawingValue(int col, int row) {
        const nAtt* a = form.attList.data() + form.StringGrid1.link(col, row) - 1;
        return cad.cad->drawing().find(a->sHnd)->text.string;
    }
};

template <class Test>
bool anyPixel(const QImage& image, const QRect& r, Test test) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

TEST(GridTabWindow, UnlinkedCellsAreSilverAndChangedCellsRed) {
    GridWindowRig rig;
    ASSERT_EQ(rig.grid()->model()->rowCount(), 5);
    rig.form.StringGrid1.setRowCount(7);  // an empty row: no links
    rig.form.StringGrid1.setCell(3, 2, u"変更");
    rig.form.StringGrid1.setCurrent(1, 1);
    const QImage image = rig.grid()->viewport()->grab().toImage();
    const auto red = [](const QColor& c) {
        return c.red() > 200 && c.green() < 80 && c.blue() < 80;
    };
    const QRect unlinked = rig.cellRect(2, 6);
    EXPECT_EQ(image.pixelColor(unlinked.center()), QColor(192, 192, 192));
    EXPECT_TRUE(anyPixel(image, rig.cellRect(3, 2), red));
    EXPECT_FALSE(anyPixel(image, rig.cellRect(3, 3), red));
    EXPECT_NE(image.pixelColor(rig.cellRect(3, 3).center()), QColor(192, 192, 192));
    EXPECT_EQ(rig.grid()->rowHeight(0), 20);
    EXPECT_EQ(rig.grid()->horizontalHeader()->model()->headerData(0, Qt::Horizontal).toString(),
              QStringLiteral("ピン番号"));
}

TEST(GridTabWindow, TheCellEditorRecordsTheCellAndEnterWritesItBack) {
    GridWindowRig rig;
    GridView* grid = rig.grid();
    grid->setFocus();
    grid->setCurrentIndex(rig.at(3, 2));
    ASSERT_TRUE(rig.form.StringGrid1.editing());
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(rig.form.FUndoCells.Count(), 1);
    EXPECT_EQ(rig.form.sgUndoCnt, 1);
    editor->setText(QStringLiteral("始動"));  // as an input method commits it
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(rig.drawingValue(3, 2), u"始動");
    EXPECT_EQ(rig.form.StringGrid1.row(), 3);  // Enter=[ ↓ ]
    EXPECT_FALSE(rig.form.StringGrid1.editorOpen());

    // Ctrl+Z in the grid takes the cell back; the drawing keeps what was written.
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rig.form.StringGrid1.cell(3, 2), u"運転");
    EXPECT_EQ(rig.form.StringGrid1.row(), 2);
}

TEST(GridTabWindow, HeaderClicksSelectAColumnARowOrEverything) {
    GridWindowRig rig;
    GridView* grid = rig.grid();
    QHeaderView* top = grid->horizontalHeader();
    QTest::mouseClick(top->viewport(), Qt::LeftButton, {},
                      QPoint(top->sectionViewportPosition(2) + 5, top->height() / 2));
    EXPECT_EQ(rig.form.StringGrid1.selection(), (GridRect{3, 1, 3, 5}));
    QHeaderView* left = grid->verticalHeader();
    QTest::mouseClick(left->viewport(), Qt::LeftButton, {},
                      QPoint(left->width() / 2, left->sectionViewportPosition(1) + 5));
    EXPECT_EQ(rig.form.StringGrid1.selection(), (GridRect{1, 2, 4, 2}));
    auto* corner = grid->findChild<QAbstractButton*>();
    ASSERT_NE(corner, nullptr);
    QTest::mouseClick(corner, Qt::LeftButton);
    EXPECT_EQ(rig.form.StringGrid1.selection(), (GridRect{1, 1, 4, 5}));
}

TEST(GridTabWindow, DraggingSelectsThroughTheFormAndAPasteFillsTheSelection) {
    GridWindowRig rig;
    GridView* grid = rig.grid();
    QWidget* vp = grid->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, rig.cellRect(3, 1).center());
    QMouseEvent move(QEvent::MouseMove, rig.cellRect(4, 4).center(),
                     vp->mapToGlobal(rig.cellRect(4, 4).center()), Qt::NoButton, Qt::LeftButton,
                     {});
    QApplication::sendEvent(vp, &move);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, rig.cellRect(4, 4).center());
    EXPECT_EQ(rig.form.StringGrid1.selection(), (GridRect{3, 1, 4, 4}));
    EXPECT_EQ(rig.form.startCol, -1);

    rig.platform.clipboard = u"a\tb\r\n";
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rig.form.StringGrid1.cell(4, 4), u"b");
    EXPECT_EQ(rig.form.sgUndoCnt, 8);
    QTest::mouseClick(rig.find<QToolButton>("SpeedButton13"), Qt::LeftButton);  // UNDO
    EXPECT_EQ(rig.form.StringGrid1.cell(4, 4), u"ＴＨＲ");
}

TEST(GridTabWindow, TheStopButtonWorksInsideTheAcquisition) {
    GridWindowRig rig;
    auto* stop = rig.find<QToolButton>("SpeedButton12");
    EXPECT_FALSE(stop->isEnabled());
    bool clicked = false;
    rig.platform.atProcessMessages(2, [&] {
        EXPECT_TRUE(stop->isEnabled());
        QTest::mouseClick(stop, Qt::LeftButton);
        clicked = true;
    });
    rig.cad.picker.pickAllNext();
    QTest::mouseClick(rig.find<QToolButton>("SpeedButton10"), Qt::LeftButton);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(rig.grid()->model()->rowCount(), 1);
    EXPECT_FALSE(stop->isEnabled());
}

}  // namespace
}  // namespace tavor::gui
