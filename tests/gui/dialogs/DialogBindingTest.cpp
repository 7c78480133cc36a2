#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "convert/TavorKasanForm.h"
#include "convert/TavorTikanForm.h"
#include "gui/dialogs/KasanDialog.h"
#include "gui/dialogs/TikanDialog.h"

namespace tavor::gui {
namespace {

template <class W>
W* child(QWidget& dialog, const char* name) {
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST(DialogBindingTest, AdditionDialogWidgetsAndModelFollowEachOther) {
    TTavorKasanForm form;
    KasanDialog dialog(form);

    auto* addend = child<QLineEdit>(dialog, "Edit1");
    EXPECT_EQ(addend->text(), QStringLiteral("1"));
    form.Edit1.text = u"25";
    EXPECT_EQ(addend->text(), QStringLiteral("25"));
    addend->clear();
    QTest::keyClicks(addend, QStringLiteral("-3"));
    EXPECT_EQ(form.Edit1.text.get(), u"-3");

    auto* hex = child<QToolButton>(dialog, "SpeedButton2");
    auto* digits = child<QSpinBox>(dialog, "UpDown1");
    EXPECT_FALSE(digits->isEnabled());
    hex->click();
    EXPECT_TRUE(form.SpeedButton2.checked);
    EXPECT_FALSE(child<QToolButton>(dialog, "SpeedButton1")->isChecked());
    EXPECT_EQ(child<QLabel>(dialog, "Label5")->text(), QStringLiteral("16進"));
    EXPECT_TRUE(digits->isEnabled());
    EXPECT_FALSE(child<QRadioButton>(dialog, "RadioButton1")->isEnabled());
    hex->click();  // a click on the button already down keeps it down
    EXPECT_TRUE(hex->isChecked());

    digits->setValue(5);
    EXPECT_EQ(form.UpDown1.position.get(), 5);
    EXPECT_EQ(form.settings().digitCount, 5);
    form.UpDown1.position = 7;
    EXPECT_EQ(digits->value(), 7);
}

TEST(DialogBindingTest, ReplaceDialogClosesWithTheModelsResult) {
    TTavorTikanForm form;
    TikanDialog dialog(form);
    auto* ignoreCase = child<QCheckBox>(dialog, "CheckBox1");
    EXPECT_TRUE(ignoreCase->isChecked());
    ignoreCase->click();
    EXPECT_FALSE(form.CheckBox1.checked);
    form.CheckBox1.checked = true;
    EXPECT_TRUE(ignoreCase->isChecked());

    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClicks(child<QLineEdit>(dialog, "Edit1"), QStringLiteral("abc"));
        child<QPushButton>(dialog, "Button1")->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(form.Edit1.text.get(), u"abc");
    EXPECT_EQ(form.modalResult.get(), ModalResult::Ok);

    QTimer::singleShot(0, &dialog, [&] { dialog.reject(); });  // the close box or Escape
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(form.modalResult.get(), ModalResult::Cancel);
}

}  // namespace
}  // namespace tavor::gui
