#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "WindowRig.h"
#include "cadlink/sim/SampleDrawing.h"
#include "gui/GridView.h"

namespace tavor::gui {
namespace {

// The grid page over the sample drawing's I/O comments; row 2 holds 2, X001, 運転, 押釦.
struct GridMenuWindowRig : test::WindowRig {
    GridMenuWindowRig() {
        cad::sim::loadSampleDrawing(cad.cad->drawing());
        form.PageControl1.activePageIndex = 1;
        window.resize(330, 420);
        window.show();
        const auto& items = form.ComboBox2.items.get();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].starts_with(u"I/O"))
                form.ComboBox2.itemIndex = static_cast<int>(i);
        cad.picker.pickAllNext();
        form.SpeedButton10Click();
    }
};

// A right click on the grid opens its popup menu; the person clicks "選択範囲を半角に" there.
TEST(GridMenuWindow, TheMenuOpensOnTheGridAndItsItemReachesTheCore) {
    GridMenuWindowRig rig;
    rig.form.StringGrid1.setCell(2, 2, u"ＡＢ");
    rig.form.StringGrid1.setCell(2, 3, u"ｘ\u3000ｙ");
    rig.form.StringGrid1.setCurrent(2, 2);
    rig.form.StringGrid1.setSelection({2, 2, 2, 3});
    auto* grid = rig.find<GridView>("StringGrid1");
    ASSERT_NE(grid, nullptr);

    QMenu* shown = nullptr;
    bool n44Enabled = true;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!shown)
            return;
        n44Enabled = shown->findChild<QAction*>(QStringLiteral("N44"))->isEnabled();
        QAction* half = shown->findChild<QAction*>(QStringLiteral("N33"));
        QTest::mouseClick(shown, Qt::LeftButton, {}, shown->actionGeometry(half).center());
    });
    const QPoint at = grid->visualRect(grid->model()->index(1, 1)).center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &rightClick);

    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown, rig.window.popupMenu2());
    EXPECT_FALSE(n44Enabled);
    EXPECT_EQ(rig.form.StringGrid1.cell(2, 2), u"AB");
    EXPECT_EQ(rig.form.StringGrid1.cell(2, 3), u"x y");
    EXPECT_EQ(rig.form.sgUndoCnt, 2);
    EXPECT_EQ(grid->model()->index(2, 1).data().toString(), QStringLiteral("x y"));
}

}  // namespace
}  // namespace tavor::gui
