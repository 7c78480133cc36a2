#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cadlink/sim/SampleDrawing.h"
#include "shell/MainFormRig.h"

namespace tavor {
namespace {

// The grid tab through the headless main form: its handlers, the run gate and the menus.
struct GridForm : test::MainFormRig {
    GridForm() {
        cad::sim::loadSampleDrawing(cad.cad->drawing());
        selectGroup(u"線番,SENBAN");
    }
    void selectGroup(const std::u16string& line) {
        const auto& items = form.ComboBox2.items.get();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == line)
                form.ComboBox2.itemIndex = static_cast<int>(i);
    }
    void acquire() {
        cad.picker.pickAllNext();
        form.SpeedButton10Click();
    }
};

TEST(MainFormGridTabTest, AcquisitionSwitchesTheTextTabToAttributesAndFillsTheGrid) {
    GridForm rig;
    rig.form.Label1.caption = u"old";
    rig.form.Label2.caption = u"old";
    rig.acquire();
    EXPECT_TRUE(rig.form.ATTmode);
    EXPECT_EQ(rig.form.Label1.caption.get(), u"");
    EXPECT_EQ(rig.form.Label2.caption.get(), u"");
    EXPECT_EQ(rig.form.StringGrid1.rowCount(), 6);
    EXPECT_EQ(rig.form.StringGrid1.cell(1, 5), u"205");
    EXPECT_TRUE(rig.form.SpeedButton11.enabled);
}

TEST(MainFormGridTabTest, OnlyTheStopButtonActsWhileTheAcquisitionRuns) {
    GridForm rig;
    rig.platform.atProcessMessages(2, [&rig] {
        rig.form.SpeedButton13Click();  // refused
        rig.form.SpeedButton10Click();  // refused
        EXPECT_TRUE(rig.form.SpeedButton12.enabled);
        rig.form.SpeedButton12Click();
    });
    rig.acquire();
    EXPECT_EQ(rig.form.StringGrid1.rowCount(), 2);  // stopped while filtering
    EXPECT_EQ(rig.cad.picker.picks, 1);
    EXPECT_FALSE(rig.form.SpeedButton12.enabled);
    EXPECT_FALSE(rig.form.gate.stop.runFlag());
}

TEST(MainFormGridTabTest, MenuItemsAndButtonsSortAndUpdateThroughTheGate) {
    GridForm rig;
    rig.acquire();
    GridState& g = rig.form.StringGrid1;
    g.setCell(1, 2, u"9");
    g.setCurrent(1, 1);
    rig.form.PopupMenu2.N41.OnClick();
    EXPECT_EQ(g.cell(1, 1), u"9");
    EXPECT_EQ(g.cell(0, 1), u"2");
    rig.form.N43Click();
    EXPECT_EQ(g.cell(0, 1), u"1");
    EXPECT_EQ(rig.form.StringGrid1DrawCell(1, 2), CellChange::Changed);
    rig.form.SpeedButton11Click();
    EXPECT_EQ(rig.form.StringGrid1DrawCell(1, 2), CellChange::Unchanged);
    EXPECT_EQ(rig.form.StringGrid1DrawCell(0, 1), CellChange::Unlinked);
}

TEST(MainFormGridTabTest, TheTagListDialogEditsTheTextTabsList) {
    GridForm rig;
    rig.platform.answerModal(ModalResult::Ok, [&rig] {
        rig.app.dialogs.TavorAttForm.ListBox1.itemIndex = 0;
        rig.app.dialogs.TavorAttForm.Button3Click();
    });
    const std::size_t before = rig.form.ComboBox1.items.get().size();
    rig.form.SpeedButton9Click();
    EXPECT_EQ(rig.platform.modalRuns, std::vector<FormId>{FormId::Att});
    EXPECT_EQ(rig.form.ComboBox1.items.get().size(), before - 1);
}

}  // namespace
}  // namespace tavor
