// The attribute grid tab's commands under a fault at every CAD call.
#include <gtest/gtest.h>

#include <algorithm>

#include "FaultSweep.h"
#include "base/TextUtil.h"
#include "cadlink/sim/SampleDrawing.h"

namespace tavor::test {
namespace {

// The sample drawing and the TAG group whose line starts with `group` chosen.
void sampleWithGroup(MainFormRig& rig, std::u16string_view group) {
    cad::sim::loadSampleDrawing(rig.cad.cad->drawing());
    const auto& items = rig.form.ComboBox2.items.get();
    const auto chosen = std::find_if(items.begin(), items.end(),
                                     [group](const auto& item) { return item.starts_with(group); });
    ASSERT_NE(chosen, items.end());
    rig.form.ComboBox2.itemIndex = static_cast<int>(chosen - items.begin());
    rig.cad.picker.pickAllNext();
}

// The wire numbers (TAG SENBAN).
void sampleWithWireNumbers(MainFormRig& rig) {
    sampleWithGroup(rig, u"線番,SENBAN");
}

void acquired(MainFormRig& rig) {
    sampleWithWireNumbers(rig);
    rig.form.SpeedButton10Click();
}

enum class CellRule {
    // The bulk update: a cell that fails keeps its text and still shows as changed, so the
    // attribute holds what was read or what the cell shows, and an unchanged cell is written.
    KeptOrWritten,
    // Enter: a failure sets the cell back to the last value known to be in the drawing.
    SetBack,
};

// Every linked cell names a live attribute, and its text follows the rule.
std::string gridLinksWrong(MainFormRig& rig, CellRule rule) {
    const GridState& grid = rig.form.StringGrid1;
    const cad::sim::Drawing& d = rig.cad.cad->drawing();
    for (int row = grid.fixedRows(); row < grid.rowCount(); ++row)
        for (int col = grid.fixedCols(); col < grid.colCount(); ++col) {
            const int link = grid.link(col, row);
            if (link < 1)
                continue;
            const std::string where = "cell " + std::to_string(col) + "," + std::to_string(row);
            if (static_cast<std::size_t>(link) > rig.form.attList.size())
                return where + " links past the attribute list";
            const nAtt& att = rig.form.attList[static_cast<std::size_t>(link - 1)];
            const auto* e = d.find(att.sHnd);
            if (!e || d.wasErased(e->id) || e->kind != cad::sim::EntityKind::Attribute)
                return where + " names " + toUtf8(att.sHnd) + ", which is no live attribute";
            const std::u16string& cell = grid.cell(col, row);
            if (rule == CellRule::SetBack) {
                if (cell != att.text)
                    return where + " is not set back to \"" + toUtf8(att.text) + "\"";
                continue;
            }
            if (e->text.string != att.text && e->text.string != cell)
                return where + ": the attribute holds \"" + toUtf8(e->text.string) +
                       "\", neither what was read nor the cell";
            if (cell == att.text && e->text.string != cell)
                return where + " shows \"" + toUtf8(cell) + "\" as unchanged, but the attribute " +
                       "holds \"" + toUtf8(e->text.string) + "\"";
        }
    return {};
}

std::string keptOrWritten(MainFormRig& rig) {
    return gridLinksWrong(rig, CellRule::KeptOrWritten);
}

// Without a connection nothing more happens: the edit stays, as the bulk update keeps it.
std::string setBack(MainFormRig& rig) {
    const bool connected = rig.cad.cad->refusals().failedOperation() != u"CreateApplication";
    return gridLinksWrong(rig, connected ? CellRule::SetBack : CellRule::KeptOrWritten);
}

TEST(GridTabSweep, Acquisition) {
    sweep({"grid acquisition (SpeedButton10)", sampleWithWireNumbers,
           [](MainFormRig& rig) { rig.form.SpeedButton10Click(); }, keptOrWritten});
}

// A group of four TAGs: four columns, block references holding some of them.
TEST(GridTabSweep, AcquisitionOfAnotherGroup) {
    sweep({"grid acquisition of the I/O group (SpeedButton10)",
           [](MainFormRig& rig) { sampleWithGroup(rig, u"I/Oコメント,"); },
           [](MainFormRig& rig) { rig.form.SpeedButton10Click(); }, keptOrWritten});
}

TEST(GridTabSweep, Update) {
    sweep({"grid update (SpeedButton11)",
           [](MainFormRig& rig) {
               acquired(rig);
               GridState& grid = rig.form.StringGrid1;
               for (int row = grid.fixedRows(); row < grid.rowCount(); ++row)
                   grid.setCell(1, row, grid.cell(1, row) + u"A");
           },
           [](MainFormRig& rig) { rig.form.SpeedButton11Click(); }, keptOrWritten});
}

TEST(GridTabSweep, Enter) {
    sweep({"grid Enter in a cell (StringGrid1KeyDown)",
           [](MainFormRig& rig) {
               acquired(rig);
               rig.form.StringGrid1.setCell(1, 2, u"999");
               rig.form.StringGrid1.setCurrent(1, 2);
           },
           [](MainFormRig& rig) {
               KeyCode key = vkReturn;
               rig.form.StringGrid1KeyDown(key, ShiftState{});
           },
           setBack});
}

TEST(GridTabSweep, CellClick) {
    sweep({"grid cell click (StringGrid1Click)",
           [](MainFormRig& rig) {
               acquired(rig);
               rig.form.CheckBox6.checked = true;
               rig.form.StringGrid1.setCurrent(1, 3);
           },
           [](MainFormRig& rig) { rig.form.StringGrid1Click(); }, keptOrWritten});
}

// What works on the grid alone (sorting, its undo, the TAG list dialog, a drag over the cells,
// a click on a column's head) never reaches the CAD, so a CAD fault cannot reach it either: a
// CAD call added to one of them has to join the sweep.
TEST(GridTabSweep, CommandsOnTheGridAloneMakeNoCadCall) {
    const auto editedAndAcquired = [](MainFormRig& rig) {
        acquired(rig);
        rig.form.StringGrid1.setCurrent(1, 2);
        rig.form.StringGrid1.setCell(1, 2, u"X");
    };
    const std::vector<std::pair<std::string, std::function<void(MainFormRig&)>>> commands = {
        {"sort as text (N40)", [](MainFormRig& rig) { rig.form.N40Click(); }},
        {"sort as numbers (N41)", [](MainFormRig& rig) { rig.form.N41Click(); }},
        {"order of acquisition (N43)",
         [](MainFormRig& rig) {
             rig.form.N41Click();
             rig.form.N43Click();
         }},
        {"undo the last group (SpeedButton13)",
         [](MainFormRig& rig) { rig.form.SpeedButton13Click(); }},
        {"TAG list dialog (SpeedButton9)", [](MainFormRig& rig) { rig.form.SpeedButton9Click(); }},
        {"column head click", [](MainFormRig& rig) { rig.form.StringGrid1FixedCellClick(1, 0); }},
        {"drag over cells",
         [](MainFormRig& rig) {
             rig.form.StringGrid1MouseDown(1, 1, true);
             rig.form.StringGrid1MouseMove(1, 3);
             rig.form.StringGrid1MouseUp();
         }},
    };
    for (const auto& [name, command] : commands) {
        const int calls = cadCallsOf({name, editedAndAcquired, command, {}});
        EXPECT_EQ(calls, 0) << name;
    }
}

}  // namespace
}  // namespace tavor::test
