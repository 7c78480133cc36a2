#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "WindowRig.h"

namespace tavor::gui {
namespace {

using test::WindowRig;

TEST(MainWindow, ShowsTheFormsCaptionsAndTabs) {
    WindowRig rig;
    EXPECT_EQ(rig.window.windowTitle(), QStringLiteral("Tavordesk 2.2 [ nanoCAD 5 ]"));
    EXPECT_TRUE(rig.window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(rig.window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    ASSERT_EQ(rig.window.tabs()->count(), 3);
    EXPECT_EQ(rig.window.tabs()->tabText(0), QStringLiteral("TEXT, 属性編集"));
    EXPECT_EQ(rig.window.tabs()->tabText(1), QStringLiteral(" 属性編集"));
    EXPECT_EQ(rig.window.tabs()->tabText(2), QStringLiteral("TEXT 検索・編集"));
    EXPECT_EQ(rig.find<QToolButton>("SpeedButton2")->text(), QStringLiteral("更新(Ctrl+Enter)"));
    EXPECT_FALSE(rig.find<QToolButton>("SpeedButton2")->isEnabled());
    EXPECT_EQ(rig.find<QComboBox>("ComboBox1")->currentText(), QStringLiteral("JCMNT1:コメント１"));
}

TEST(MainWindow, AClickOnACheckBoxReachesTheFormAndAFormChangeReachesTheWidget) {
    WindowRig rig;
    rig.window.show();
    auto* box = rig.find<QCheckBox>("CheckBox1");
    ASSERT_TRUE(rig.form.CheckBox1.checked.get());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_FALSE(rig.form.CheckBox1.checked.get());

    rig.form.CheckBox1.checked = true;
    EXPECT_TRUE(box->isChecked());
    rig.form.SpeedButton5.enabled = true;
    EXPECT_TRUE(rig.find<QToolButton>("SpeedButton5")->isEnabled());
    rig.form.Label2.caption = u"3 / 10";
    EXPECT_EQ(rig.find<QLabel>("Label2")->text(), QStringLiteral("3 / 10"));
}

TEST(MainWindow, TypingInAStepFieldAndPickingAComboItemWriteTheForm) {
    WindowRig rig;
    rig.window.show();
    auto* dx = rig.find<QLineEdit>("Edit1");
    QTest::keyClicks(dx, QStringLiteral("-5.00"));
    EXPECT_EQ(rig.form.Edit1.text.get(), u"-5.00");
    rig.form.Edit2.text = u"2.50";
    EXPECT_EQ(rig.find<QLineEdit>("Edit2")->text(), QStringLiteral("2.50"));

    auto* combo = rig.find<QComboBox>("ComboBox2");
    combo->setCurrentIndex(3);
    EXPECT_EQ(rig.form.ComboBox2.itemIndex.get(), 3);
    rig.form.ComboBox2.itemIndex = 1;
    EXPECT_EQ(combo->currentIndex(), 1);
}

TEST(MainWindow, TheTimerColoursTheEditorAndTheTabSwitchReachesTheForm) {
    WindowRig rig;
    rig.editor->setLines({u"a", u"b"});
    rig.form.Timer1Timer();  // no acquired entity on the caret line
    EXPECT_EQ(rig.editor->palette().color(QPalette::Base), QColor(0xDD, 0xFF, 0xFD));
    rig.form.StatusBar1.panels[0] = u"Row = 1";
    rig.window.tabs()->setCurrentIndex(2);
    EXPECT_EQ(rig.form.PageControl1.activePageIndex.get(), 2);
    EXPECT_TRUE(rig.form.StatusBar1.panels[0].get().empty());
}

TEST(MainWindow, TheEditorsPopupMenuFollowsItsItemsAndRunsTheirCommands) {
    WindowRig rig;
    QMenu* menu = rig.window.popupMenu1();
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* a : menu->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(captions.first(), QStringLiteral("クリア"));
    EXPECT_EQ(captions.last(), QStringLiteral("取り消し"));
    EXPECT_EQ(captions.size(), 29);

    rig.editor->setLines({u"ab"});
    rig.form.PopupMenu1Popup();
    auto* half = menu->findChild<QAction*>(QStringLiteral("N5"));
    ASSERT_NE(half, nullptr);
    EXPECT_FALSE(half->isEnabled());  // nothing is selected
    auto* all = menu->findChild<QAction*>(QStringLiteral("N1"));
    ASSERT_NE(all, nullptr);
    all->trigger();
    EXPECT_EQ(rig.editor->lines(), std::vector<std::u16string>{u"ａｂ"});
    EXPECT_TRUE(rig.form.undoFlag);
}

TEST(MainWindow, TheEditorsCopyKeyRunsTheCopyCommandOnly) {
    WindowRig rig;
    rig.window.show();
    rig.editor->setLines({u"W-001"});
    rig.editor->selectAll();
    QTest::keyClick(rig.editor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(rig.platform.clipboard, u"W-001");
    QTest::keyClick(rig.editor, Qt::Key_X, Qt::ControlModifier);
    // Cut leaves one empty line, as the in-memory editor does.
    EXPECT_EQ(rig.editor->lines(), std::vector<std::u16string>{u""});
    EXPECT_EQ(rig.platform.clipboard, u"W-001");
}

TEST(MainWindow, ClosingItWritesTheSettingsAndEndsTheProgram) {
    WindowRig rig;
    rig.window.show();
    QSignalSpy closed(&rig.window, &MainWindow::closed);
    rig.window.close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(std::filesystem::exists(rig.dir / "tavordesk.ini"));
}

TEST(MainWindow, ALongTagLineDoesNotWidenTheGridTabsListPastTheBox) {
    WindowRig rig;
    rig.form.ComboBox2.items = {std::u16string(400, u'長') + u",A"};
    rig.form.PageControl1.activePageIndex = 1;
    rig.window.show();
    auto* combo = rig.find<QComboBox>("ComboBox2");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&rig.window));
    combo->showPopup();
    QWidget* popup = combo->view()->window();
    EXPECT_LE(popup->width(), combo->width());
    combo->hidePopup();
}

}  // namespace
}  // namespace tavor::gui
