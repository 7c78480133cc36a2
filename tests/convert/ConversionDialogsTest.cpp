#include <gtest/gtest.h>

#include "convert/TavorKasanForm.h"
#include "convert/TavorRenbanForm.h"
#include "convert/TavorTikanForm.h"
#include "convert/TestCommandHost.h"

namespace tavor {
namespace {

TEST(TikanFormTest, StartsAsDesigned) {
    const TTavorTikanForm f;
    EXPECT_EQ(f.caption, u"文字列置換");
    EXPECT_TRUE(f.CheckBox1.checked);
    EXPECT_EQ(f.CheckBox1.caption.get(), u"大文字/小文字を無視");
    EXPECT_EQ(f.Label1.caption.get(), u"検索文字列");
    EXPECT_EQ(f.Label2.caption.get(), u"置換文字列");
    EXPECT_EQ(f.Edit1.text.get(), u"");
    EXPECT_EQ(f.Edit2.text.get(), u"");
    EXPECT_EQ(f.Button1.caption.get(), u"実行");
    EXPECT_EQ(f.Button2.caption.get(), u"取り消し");
}

TEST(TikanFormTest, ButtonsCloseWithTheirResult) {
    TTavorTikanForm f;
    f.Button1Click();
    EXPECT_EQ(f.modalResult.get(), ModalResult::Ok);
    f.Button2Click();
    EXPECT_EQ(f.modalResult.get(), ModalResult::Cancel);
}

TEST(KasanFormTest, StartsAsDesigned) {
    const TTavorKasanForm f;
    EXPECT_EQ(f.caption, u"加算");
    EXPECT_TRUE(f.SpeedButton1.checked);
    EXPECT_FALSE(f.SpeedButton2.checked);
    EXPECT_FALSE(f.SpeedButton3.checked);
    EXPECT_EQ(f.SpeedButton1.caption.get(), u"10 進");
    EXPECT_EQ(f.SpeedButton3.caption.get(), u"8 進");
    EXPECT_EQ(f.Label5.caption.get(), u"10 進");
    EXPECT_FALSE(f.RadioButton1.checked);
    EXPECT_TRUE(f.RadioButton2.checked);
    EXPECT_EQ(f.RadioButton1.caption.get(), u"先頭から");
    EXPECT_EQ(f.RadioButton2.caption.get(), u"末尾から");
    EXPECT_FALSE(f.Label3.enabled);
    EXPECT_FALSE(f.Edit2.enabled);
    EXPECT_FALSE(f.UpDown1.enabled);
    EXPECT_EQ(f.Edit2.text.get(), u"2");
    EXPECT_EQ(f.UpDown1.position.get(), 2);
    EXPECT_EQ(f.UpDown1.maxValue.get(), 8);
    EXPECT_EQ(f.Edit1.text.get(), u"1");
    EXPECT_EQ(f.Label4.caption.get(), u"(10進表記)");
    const AdditionSettings s = f.settings();
    EXPECT_EQ(s.base, NumberBase::Decimal);
    EXPECT_EQ(s.direction, NumberSearch::Last);
    EXPECT_EQ(s.digitCount, 2);
    EXPECT_EQ(s.addend, 1);
}

TEST(KasanFormTest, BaseButtonHandlerSwitchesTheControls) {
    struct Case {
        int button;
        NumberBase base;
        std::u16string label;
    };
    for (const Case& c :
         {Case{1, NumberBase::Hexadecimal, u"16進"}, Case{2, NumberBase::Octal, u" 8進"},
          Case{0, NumberBase::Decimal, u"10進"}}) {
        TTavorKasanForm f;
        f.RadioButton1.checked = true;
        TSpeedButton* buttons[] = {&f.SpeedButton1, &f.SpeedButton2, &f.SpeedButton3};
        f.SpeedButton1Click(*buttons[c.button]);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(buttons[i]->checked.get(), i == c.button);
        const bool decimal = c.base == NumberBase::Decimal;
        EXPECT_TRUE(f.RadioButton2.checked);
        EXPECT_FALSE(f.RadioButton1.checked);
        EXPECT_EQ(f.RadioButton1.enabled.get(), decimal);
        EXPECT_EQ(f.RadioButton2.enabled.get(), decimal);
        EXPECT_EQ(f.Label3.enabled.get(), !decimal);
        EXPECT_EQ(f.Edit2.enabled.get(), !decimal);
        EXPECT_EQ(f.UpDown1.enabled.get(), !decimal);
        EXPECT_EQ(f.Label5.caption.get(), c.label);
        EXPECT_EQ(f.settings().base, c.base);
    }
}

TEST(KasanFormTest, UpDownFollowsItsEditWithinRange) {
    TTavorKasanForm f;
    f.UpDown1.position = 5;
    EXPECT_EQ(f.Edit2.text.get(), u"5");
    f.Edit2.text = u"3";
    EXPECT_EQ(f.settings().digitCount, 3);
    f.Edit2.text = u"12";
    EXPECT_EQ(f.settings().digitCount, 8);
    f.Edit2.text = u"";
    EXPECT_EQ(f.settings().digitCount, 8);  // a field being retyped keeps the last position
    f.Edit1.text = u"abc";
    EXPECT_EQ(f.settings().addend, 0);
    f.Edit1.text = u"-7";
    EXPECT_EQ(f.settings().addend, -7);
}

TEST(KasanFormTest, DirectionButtonsAreOneGroup) {
    TTavorKasanForm f;
    f.RadioButton1.checked = true;
    EXPECT_FALSE(f.RadioButton2.checked);
    EXPECT_EQ(f.settings().direction, NumberSearch::First);
}

class RenbanFormTest : public testing::Test {
protected:
    test::TestCommandHost host;
    TTavorRenbanForm form{host};
};

TEST_F(RenbanFormTest, StartsAsDesignedWithPreview) {
    EXPECT_EQ(form.caption, u"連番作成");
    EXPECT_TRUE(form.SpeedButton1.checked);
    EXPECT_EQ(form.Label5.caption.get(), u"10進");
    EXPECT_EQ(form.Edit1.text.get(), u"");
    EXPECT_EQ(form.Edit2.text.get(), u"00");
    EXPECT_EQ(form.Edit3.text.get(), u"");
    EXPECT_EQ(form.Edit5.text.get(), u"1");
    EXPECT_EQ(form.Edit4.text.get(), u"16");
    EXPECT_EQ(form.Label7.caption.get(), u"( 開始数なしで固定文字作成 )");
    EXPECT_EQ(form.Label6.caption.get(), u"アップ数");
    EXPECT_EQ(form.Label8.caption.get(), u"(10進)");
    EXPECT_EQ(form.Button3.caption.get(), u"挿入");
    EXPECT_EQ(form.Button1.caption.get(), u"追加");
    EXPECT_EQ(form.StaticText1.caption.get(), u"[ 00 ] ～ [ 15 ]");
}

TEST_F(RenbanFormTest, EveryFieldAndBaseButtonRefreshesThePreview) {
    form.Edit1.text = u"w";
    EXPECT_EQ(form.StaticText1.caption.get(), u"[ W00 ] ～ [ W15 ]");
    form.Edit3.text = u"-a";
    form.Edit4.text = u"3";
    form.Edit5.text = u"5";
    form.Edit2.text = u"001";
    EXPECT_EQ(form.StaticText1.caption.get(), u"[ W001-A ] ～ [ W011-A ]");
    form.SpeedButton1Click(form.SpeedButton2);
    EXPECT_EQ(form.Label5.caption.get(), u"16進");
    EXPECT_FALSE(form.SpeedButton1.checked);
    EXPECT_EQ(form.StaticText1.caption.get(), u"[ W001-A ] ～ [ W00B-A ]");
    form.SpeedButton1Click(form.SpeedButton3);
    EXPECT_EQ(form.Label5.caption.get(), u" 8進");
}

TEST_F(RenbanFormTest, EmptyStartDisablesTheStep) {
    form.Edit1.text = u"AB";
    form.Edit3.text = u"C";
    form.Edit4.text = u"3";
    form.Button1.enabled = false;
    form.Edit2.text = u"";
    EXPECT_FALSE(form.Label6.enabled);
    EXPECT_FALSE(form.Edit5.enabled);
    EXPECT_TRUE(form.Button1.enabled);
    EXPECT_EQ(form.StaticText1.caption.get(), u"[ ABC ] x 3");
    form.Edit2.text = u"1";
    EXPECT_TRUE(form.Label6.enabled);
    EXPECT_TRUE(form.Edit5.enabled);
}

}  // namespace
}  // namespace tavor
