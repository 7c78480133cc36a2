#include <gtest/gtest.h>

#include <stdexcept>

#include "MainFormRig.h"
#include "base/TextUtil.h"

namespace tavor {
namespace {

using test::MainFormRig;
using Items = std::vector<std::u16string>;

TEST(MainFormStart, ControlsHaveTheirCaptionsAndStates) {
    MainFormRig rig;
    TTavorMainForm& f = rig.form;
    EXPECT_EQ(f.Caption.get(), u"Tavordesk 2.2 [ nanoCAD 5 ]");
    EXPECT_EQ(f.PageControl1.activePageIndex.get(), 0);
    struct Expect {
        const Control& c;
        const char16_t* caption;
        bool enabled;
    };
    for (const Expect& e :
         {Expect{f.SpeedButton1, u"TEXT", true}, Expect{f.SpeedButton2, u"更新(Ctrl+Enter)", false},
          Expect{f.SpeedButton6, u"整列", false}, Expect{f.SpeedButton7, u"CAD", false},
          Expect{f.SpeedButton5, u"中止", false}, Expect{f.SpeedButton4, u"Undo", false},
          Expect{f.SpeedButton3, u"すべて選択", true}, Expect{f.SpeedButton8, u"ATTR", true},
          Expect{f.SpeedButton12, u"中止", false}, Expect{f.SpeedButton11, u"更新", false},
          Expect{f.SpeedButton13, u"UNDO", true}, Expect{f.SpeedButton15, u"更新", false},
          Expect{f.SpeedButton14, u"検索", true}, Expect{f.TabSheet2, u" 属性編集", true}}) {
        EXPECT_EQ(e.c.caption.get(), e.caption) << toUtf8(e.c.name);
        EXPECT_EQ(e.c.enabled.get(), e.enabled) << toUtf8(e.c.name);
    }
    EXPECT_TRUE(f.Edit1.text.get().empty());
    EXPECT_TRUE(f.Label1.caption.get().empty());
    EXPECT_EQ(f.StringGrid1.colWidth(0), 30);
    EXPECT_TRUE(f.Edit3.upperCase.get());  // CheckBox4 "a->A" is on by default
}

TEST(MainFormStart, WithoutSettingsTheDefaultsApply) {
    MainFormRig rig;
    TTavorMainForm& f = rig.form;
    EXPECT_EQ(f.Left.get(), (1920 - 330) / 2);
    EXPECT_EQ(f.Top.get(), (1080 - 320) / 2);
    for (const Control* c :
         {&f.CheckBox1, &f.CheckBox2, &f.CheckBox4, &f.CheckBox5, &f.CheckBox7, &f.CheckBox8})
        EXPECT_TRUE(c->checked.get()) << toUtf8(c->name);
    for (const Control* c : {&f.CheckBox3, &f.CheckBox6, &f.CheckBox9})
        EXPECT_FALSE(c->checked.get()) << toUtf8(c->name);
    EXPECT_EQ(f.ComboBox1.items.get(), (Items{u"JCMNT1:コメント１", u"JCMNT2:コメント２",
                                              u"NAME:機器名", u"NAME1:機器名１", u"SENBAN:線番"}));
    EXPECT_EQ(f.ComboBox1.text.get(), u"JCMNT1:コメント１");
    EXPECT_EQ(f.ComboBox2.items.get().size(), 5u);
    EXPECT_EQ(f.ComboBox2.itemIndex.get(), 0);
}

TEST(MainFormStart, TheScreenDefaultTruncatesTowardZero) {
    MainFormRig rig(false);
    rig.platform.screen = {200, 101};  // smaller than the window
    rig.app.create();
    EXPECT_EQ(rig.form.Left.get(), -65);
    EXPECT_EQ(rig.form.Top.get(), -109);
}

TEST(MainFormStart, RegistersTheMessageFilterAtCreateAndRevokesItAtDestroy) {
    MainFormRig rig(false);
    EXPECT_EQ(rig.link.registered, 0);
    rig.app.create();
    EXPECT_EQ(rig.link.registered, 1);
    EXPECT_EQ(rig.link.revoked, 0);
    rig.app.destroy();
    EXPECT_EQ(rig.link.revoked, 1);
}

// Every dialog button goes through the run gate: an error it raises is reported, never thrown
// into the window system, and the gate is free again afterwards.
TEST(MainFormStart, DialogHandlersRunThroughTheGate) {
    MainFormRig rig;
    for (ModalForm* dialog : std::initializer_list<ModalForm*>{
             &rig.app.dialogs.TavorTikanForm, &rig.app.dialogs.TavorKasanForm,
             &rig.app.dialogs.TavorRenbanForm, &rig.app.dialogs.TavorAttForm}) {
        rig.platform.messages.clear();
        EXPECT_NO_THROW(dialog->handle([] { throw std::runtime_error("broken handler"); }));
        ASSERT_EQ(rig.platform.messages.size(), 1u);
        EXPECT_EQ(rig.platform.messages[0].text, u"broken handler");
        EXPECT_FALSE(rig.form.gate.busy());
    }
}

TEST(MainFormStart, PageChangeEmptiesTheStatusPanels) {
    MainFormRig rig;
    rig.form.StatusBar1.panels[0] = u"Row = 1";
    rig.form.StatusBar1.panels[1] = u"selRows = 0";
    rig.form.PageControl1Change();
    EXPECT_TRUE(rig.form.StatusBar1.panels[0].get().empty());
    EXPECT_TRUE(rig.form.StatusBar1.panels[1].get().empty());
}

TEST(MainFormStart, ResizeKeepsTheSearchGridsColumnAsWideAsTheGrid) {
    MainFormRig rig;
    rig.form.StringGrid2Width = 287;
    rig.form.FormResize();
    EXPECT_EQ(rig.form.StringGrid2.colWidth(0), 287);
}

}  // namespace
}  // namespace tavor
