#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include "WindowRig.h"

namespace tavor::gui {
namespace {

// The real window over a headless program whose drawing holds a column of three texts.
struct TextTabWindowRig : test::WindowRig {
    TextTabWindowRig() {
        auto& d = cad.cad->drawing();
        d.addLayer(u"TEXT");
        for (const auto& [s, y] :
             {std::pair{u"A", 50.0}, std::pair{u"B", 45.0}, std::pair{u"C", 40.0}})
            handles.push_back(d.addText({s, {10, y}, u"TEXT"}));
        window.show();
    }
    void acquire() {
        cad.picker.pickNext(handles);
        QTest::mouseClick(find<QToolButton>("SpeedButton1"), Qt::LeftButton);
    }
    std::u16string drawingText(int i) const {
        return cad.cad->drawing().find(handles[static_cast<std::size_t>(i)])->text.string;
    }

    std::vector<cad::Handle> handles;
};

TEST(TextTabWindow, TheButtonsPickAndCtrlEnterWritesBack) {
    TextTabWindowRig rig;
    rig.acquire();
    EXPECT_EQ(rig.editor->toPlainText(), QStringLiteral("A\nB\nC"));
    EXPECT_TRUE(rig.find<QToolButton>("SpeedButton2")->isEnabled());

    rig.editor->setFocus();
    QTextCursor c(rig.editor->document()->findBlockByNumber(1));
    c.movePosition(QTextCursor::EndOfBlock);
    rig.editor->setTextCursor(c);
    QTest::keyClicks(rig.editor, QStringLiteral("2"));
    QTest::keyClick(rig.editor, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(rig.drawingText(1), u"B2");
    EXPECT_EQ(rig.editor->blockCount(), 3);  // the key did not reach the editor as a line break
}

TEST(TextTabWindow, AClickAndAKeyReleaseOnALineReachTheCaretTracking) {
    TextTabWindowRig rig;
    rig.acquire();
    rig.form.CheckBox9.checked = true;
    const QRect line3 =
        rig.editor->cursorRect(QTextCursor(rig.editor->document()->findBlockByNumber(2)));
    QTest::mouseClick(rig.editor->viewport(), Qt::LeftButton, {}, line3.center());
    EXPECT_EQ(rig.form.CaretY_Old, 3);
    EXPECT_EQ(rig.cad.cad->view().centre.y, 40);
    QTest::keyClick(rig.editor, Qt::Key_Up);
    EXPECT_EQ(rig.form.CaretY_Old, 2);
    EXPECT_EQ(rig.cad.cad->view().centre.y, 45);
}

TEST(TextTabWindow, EnterInDxMovesToDyAndEnterInDyAligns) {
    TextTabWindowRig rig;
    rig.acquire();
    auto* dX = rig.find<QLineEdit>("Edit1");
    auto* dY = rig.find<QLineEdit>("Edit2");
    dX->setFocus();
    QTest::keyClick(dX, Qt::Key_Return);
    EXPECT_EQ(rig.window.focusWidget(), dY);
    dY->selectAll();
    QTest::keyClicks(dY, QStringLiteral("-10"));
    QTest::keyClick(dY, Qt::Key_Return);
    EXPECT_EQ(rig.cad.cad->drawing().find(rig.handles[2])->text.insertion.y, 30);
    EXPECT_EQ(rig.window.focusWidget(), dY);
}

TEST(TextTabWindow, ZeroStepsShowRedAndOthersBlack) {
    TextTabWindowRig rig;
    auto* dX = rig.find<QLineEdit>("Edit1");
    rig.form.Edit1.textColor = clRed;
    EXPECT_EQ(dX->palette().color(QPalette::Text), QColor(255, 0, 0));
    rig.form.Edit1.textColor = clBlack;
    EXPECT_EQ(dX->palette().color(QPalette::Text), QColor(0, 0, 0));
}

TEST(TextTabWindow, DuringARunTheEditorTakesNoTypingAndOnlyStopActs) {
    TextTabWindowRig rig;
    rig.acquire();
    bool checked = false;
    rig.platform.atProcessMessages(1, [&] {
        EXPECT_TRUE(rig.editor->isReadOnly());
        rig.cad.picker.pickNext({});
        QTest::mouseClick(rig.find<QToolButton>("SpeedButton1"), Qt::LeftButton);
        EXPECT_EQ(rig.cad.picker.picks, 1);
        QTest::mouseClick(rig.find<QToolButton>("SpeedButton5"), Qt::LeftButton);
        checked = true;
    });
    rig.editor->setPlainText(QStringLiteral("x\ny\nz"));
    QTest::mouseClick(rig.find<QToolButton>("SpeedButton2"), Qt::LeftButton);
    EXPECT_TRUE(checked);
    EXPECT_EQ(rig.drawingText(0), u"x");
    EXPECT_EQ(rig.drawingText(1), u"B");  // stopped after the first entry
    EXPECT_FALSE(rig.editor->isReadOnly());
}

}  // namespace
}  // namespace tavor::gui
