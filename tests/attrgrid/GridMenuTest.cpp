#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/TextUtil.h"
#include "cadlink/sim/SampleDrawing.h"
#include "shell/MainFormRig.h"

namespace tavor {
namespace {

using Cell = std::pair<int, int>;  // column, row
using Cells = std::map<Cell, std::u16string>;

// The grid's popup menu through the headless form, on the sample drawing's I/O comments:
// rows 1-5 hold PIN1, IOADRS, JCMNT1, JCMNT2 (row 2: 2, X001, 運転, 押釦).
struct GridMenuForm : test::MainFormRig {
    GridMenuForm() {
        cad::sim::loadSampleDrawing(cad.cad->drawing());
        const auto& items = form.ComboBox2.items.get();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].starts_with(u"I/O"))
                form.ComboBox2.itemIndex = static_cast<int>(i);
        form.PageControl1.activePageIndex = 1;
        cad.picker.pickAllNext();
        form.SpeedButton10Click();
    }
    GridState& grid() { return form.StringGrid1; }
    TavorDialogs& dialogs() { return app.dialogs; }

    // Every cell, fixed ones included.
    Cells cells() {
        Cells out;
        for (int r = 0; r < grid().rowCount(); ++r)
            for (int c = 0; c < grid().colCount(); ++c)
                out[{c, r}] = grid().cell(c, r);
        return out;
    }
    // Selects the rectangle with the current cell at its top left.
    void select(GridRect r) {
        grid().setCurrent(r.left, r.top);
        grid().setSelection(r);
    }
    void ctrlZ() {
        KeyCode key = vkZ;
        form.StringGrid1KeyDown(key, {false, true, false});
    }
    std::map<std::u16string, std::u16string> drawingValues() {
        std::map<std::u16string, std::u16string> out;
        const auto& d = cad.cad->drawing();
        for (const auto id : d.modelSpace())
            for (const auto a : d.live(id).attributes)
                out[cad::sim::formatHandle(a)] = d.live(a).text.string;
        return out;
    }
};

TEST(GridMenuTest, ItemsAndTheirStatesAsTheFormHasThem) {
    enum Kind { Command, Separator, DisabledSeparator, Inert };
    const std::vector<std::pair<std::u16string, Kind>> table{
        {u"N32", Command}, {u"N33", Command},   {u"N34", Separator}, {u"N35", Command},
        {u"N36", Command}, {u"N37", Separator}, {u"N31", Command},   {u"N39", DisabledSeparator},
        {u"N44", Inert},   {u"N45", Separator}, {u"N40", Command},   {u"N41", Command},
        {u"N43", Command}, {u"N38", Separator}, {u"AG1", Command},   {u"AG2", Command}};
    GridMenuForm rig;
    const auto& entries = rig.form.PopupMenu2.entries;
    ASSERT_EQ(entries.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const TMenuItem& item = *entries[i].item;
        const auto [name, kind] = table[i];
        SCOPED_TRACE(toUtf8(name));
        EXPECT_EQ(item.name, name);
        EXPECT_TRUE(entries[i].submenu.empty());
        EXPECT_EQ(item.caption.get() == u"-", kind == Separator || kind == DisabledSeparator);
        EXPECT_EQ(item.enabled.get(), kind == Command || kind == Separator);
        EXPECT_EQ(static_cast<bool>(item.OnClick), kind == Command);
    }
}

TEST(GridMenuTest, N44NeverRuns) {
    GridMenuForm rig;
    rig.select({1, 1, 4, 5});
    const Cells before = rig.cells();
    TMenuItem& n44 = rig.form.PopupMenu2.N44;
    n44.click();
    n44.enabled = true;  // even if something enabled it, it has no command
    n44.click();
    EXPECT_EQ(rig.cells(), before);
    EXPECT_EQ(rig.form.FUndoCells.Count(), 0);
    EXPECT_TRUE(rig.platform.modalRuns.empty());
}

// One cell command on rows 2-4 of IOADRS and JCMNT1, with what the person does in its dialog.
struct CommandCase {
    const char* name;
    TMenuItem TPopupMenu2::*item;
    std::function<void(GridMenuForm&)> prepare;  // before the command: cells, dialog answers
    Cells written;                               // what differs afterwards
    int journalled;
};

std::vector<CommandCase> commandCases() {
    return {
        {"N32FullWidthKeepsSpacesHalf",
         &TPopupMenu2::N32,
         [](GridMenuForm& rig) { rig.grid().setCell(3, 3, u"a\u3000b c"); },
         {{{2, 2}, u"Ｘ００１"},
          {{2, 3}, u"Ｘ００２"},
          {{3, 3}, u"ａ ｂ ｃ"},
          {{2, 4}, u"Ｘ００３"}},
         6},
        {"N33HalfWidth",
         &TPopupMenu2::N33,
         [](GridMenuForm& rig) { rig.grid().setCell(2, 3, u"ＡＢ\u3000ガ"); },
         {{{2, 3}, u"AB ｶﾞ"}},
         6},
        {"N35ReplaceIgnoringCase",
         &TPopupMenu2::N35,
         [](GridMenuForm& rig) {
             TTavorTikanForm& tikan = rig.dialogs().TavorTikanForm;
             rig.platform.answerModal(ModalResult::Ok, [&tikan] {
                 EXPECT_EQ(tikan.Edit1.text.get(), u"X001");  // the top left cell
                 tikan.Edit1.text = u"x00";
                 tikan.Edit2.text = u"Y-";
                 tikan.CheckBox1.checked = true;
             });
         },
         {{{2, 2}, u"Y-1"}, {{2, 3}, u"Y-2"}, {{2, 4}, u"Y-3"}},
         6},
        {"N36AddsWhereThereIsANumber",
         &TPopupMenu2::N36,
         [](GridMenuForm& rig) {
             rig.platform.answerModal(ModalResult::Ok,
                                      [&rig] { rig.dialogs().TavorKasanForm.Edit1.text = u"10"; });
         },
         {{{2, 2}, u"X011"}, {{2, 3}, u"X012"}, {{2, 4}, u"X013"}},
         3},
        {"N31NumbersTheSelectedRowsOfTheCurrentColumn",
         &TPopupMenu2::N31,
         [](GridMenuForm& rig) {
             TTavorRenbanForm& renban = rig.dialogs().TavorRenbanForm;
             rig.platform.answerModal(ModalResult::Ok, [&renban] {
                 EXPECT_FALSE(renban.Button3.enabled);
                 EXPECT_EQ(renban.Button1.caption.get(), u"上書き");
                 renban.Edit1.text = u"p";
                 renban.Edit2.text = u"01";
                 renban.Button1Click(renban.Button1);
             });
         },
         {{{2, 2}, u"P01"}, {{2, 3}, u"P02"}, {{2, 4}, u"P03"}},
         3},
    };
}

class GridMenuCommandTest : public testing::TestWithParam<CommandCase> {};

TEST_P(GridMenuCommandTest, DoCheckCtrlZCheck) {
    const CommandCase& c = GetParam();
    GridMenuForm rig;
    rig.select({2, 2, 3, 4});
    c.prepare(rig);
    const Cells before = rig.cells();
    const auto drawing = rig.drawingValues();
    (rig.form.PopupMenu2.*c.item).click();

    Cells expected = before;
    for (const auto& [at, text] : c.written)
        expected[at] = text;
    EXPECT_EQ(rig.cells(), expected);
    EXPECT_EQ(rig.form.FUndoCells.Count(), c.journalled);
    EXPECT_EQ(rig.form.sgUndoCnt, c.journalled);
    for (const auto& [at, text] : c.written) {
        EXPECT_EQ(rig.form.StringGrid1DrawCell(at.first, at.second), CellChange::Changed);
        EXPECT_GE(rig.grid().link(at.first, at.second), 1);
    }
    EXPECT_EQ(rig.drawingValues(), drawing);  // only 更新 writes the drawing

    rig.ctrlZ();
    EXPECT_EQ(rig.cells(), before);
    EXPECT_EQ(rig.form.FUndoCells.Count(), 0);
    EXPECT_EQ(rig.form.sgUndoCnt, 0);
}

INSTANTIATE_TEST_SUITE_P(Items, GridMenuCommandTest, testing::ValuesIn(commandCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GridMenuTest, UndoTwiceTakesBackTwoGroupsOfTheLastSize) {
    GridMenuForm rig;
    rig.select({3, 1, 4, 3});
    const Cells original = rig.cells();
    rig.form.PopupMenu2.N32.click();
    const Cells afterFirst = rig.cells();
    rig.select({1, 1, 2, 3});
    rig.form.PopupMenu2.N32.click();
    EXPECT_EQ(rig.form.sgUndoCnt, 6);
    rig.form.SpeedButton13Click();
    EXPECT_EQ(rig.cells(), afterFirst);
    rig.form.SpeedButton13Click();
    EXPECT_EQ(rig.cells(), original);
    EXPECT_EQ(rig.form.sgUndoCnt, 6);  // the button leaves the group size
    EXPECT_EQ(rig.form.FUndoCells.Count(), 0);
}

TEST(GridMenuTest, AConvertedCellShowsRedUntilWrittenBack) {
    GridMenuForm rig;
    rig.grid().setRowCount(7);  // row 6: no attribute behind it
    rig.grid().setCell(2, 6, u"abc");
    rig.select({2, 5, 2, 6});
    rig.form.PopupMenu2.N32.click();
    EXPECT_EQ(rig.grid().cell(2, 6), u"ａｂｃ");  // unlinked cells are converted too
    EXPECT_EQ(rig.form.StringGrid1DrawCell(2, 6), CellChange::Unlinked);
    EXPECT_EQ(rig.form.StringGrid1DrawCell(2, 5), CellChange::Changed);
    EXPECT_EQ(rig.form.sgUndoCnt, 2);
    rig.form.SpeedButton11Click();
    EXPECT_EQ(rig.form.StringGrid1DrawCell(2, 5), CellChange::Unchanged);
    const nAtt& written = rig.form.attList.at(static_cast<std::size_t>(rig.grid().link(2, 5) - 1));
    EXPECT_EQ(rig.cad.cad->drawing().find(written.sHnd)->text.string, u"Ｘ００４");
}

TEST(GridMenuTest, CancelledOrEmptyDialogsWriteAndRecordNothing) {
    struct Case {
        const char* name;
        TMenuItem TPopupMenu2::*item;
        ModalResult answer;
        std::function<void(TavorDialogs&)> input;
    };
    const std::vector<Case> cases{
        {"replace cancelled", &TPopupMenu2::N35, ModalResult::Cancel, {}},
        {"replace without search string", &TPopupMenu2::N35, ModalResult::Ok,
         [](TavorDialogs& d) { d.TavorTikanForm.Edit1.text = u""; }},
        {"addition cancelled", &TPopupMenu2::N36, ModalResult::Cancel, {}},
        {"addition of 0", &TPopupMenu2::N36, ModalResult::Ok,
         [](TavorDialogs& d) { d.TavorKasanForm.Edit1.text = u"abc"; }},
        {"numbering cancelled", &TPopupMenu2::N31, ModalResult::Cancel,
         [](TavorDialogs& d) { d.TavorRenbanForm.Button2Click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridMenuForm rig;
        rig.select({1, 1, 4, 5});
        rig.form.sgUndoCnt = 7;
        const Cells before = rig.cells();
        rig.platform.answerModal(c.answer, [&rig, &c] {
            if (c.input)
                c.input(rig.dialogs());
        });
        (rig.form.PopupMenu2.*c.item).click();
        EXPECT_EQ(rig.cells(), before);
        EXPECT_EQ(rig.form.FUndoCells.Count(), 0);
        EXPECT_EQ(rig.form.sgUndoCnt, 7);
        EXPECT_TRUE(rig.dialogs().TavorRenbanForm.Button3.enabled);
        EXPECT_EQ(rig.dialogs().TavorRenbanForm.Button1.caption.get(), u"追加");
    }
}

TEST(GridMenuTest, NumberingFromOneRowRunsToTheLastRowAndNoFurther) {
    GridMenuForm rig;
    rig.select({4, 3, 4, 3});
    rig.platform.answerModal(ModalResult::Ok, [&rig] {
        TTavorRenbanForm& renban = rig.dialogs().TavorRenbanForm;
        renban.Edit4.text = u"2000000000";
        renban.Button1Click(renban.Button1);
    });
    const Cells before = rig.cells();
    rig.form.PopupMenu2.N31.click();
    EXPECT_EQ(rig.form.sgUndoCnt, 3);  // rows 3 to 5
    EXPECT_EQ(rig.grid().cell(4, 5), u"02");
    EXPECT_EQ(rig.grid().rowCount(), 6);
    rig.ctrlZ();
    EXPECT_EQ(rig.cells(), before);

    // The editor's use of the same dialog finds its buttons as they were.
    rig.form.PageControl1.activePageIndex = 0;
    rig.platform.answerModal(ModalResult::Cancel, [&rig] {
        EXPECT_TRUE(rig.dialogs().TavorRenbanForm.Button3.enabled);
    });
    rig.form.PopupMenu1.N17.click();
    EXPECT_EQ(rig.platform.modalRuns.size(), 2u);
}

// Selections the commands must survive without writing outside the grid's data cells.
TEST(GridMenuTest, OddSelectionsAndCellsStayInsideTheDataCells) {
    struct Case {
        const char* name;
        std::function<void(GridMenuForm&)> arrange;
        int journalled;  // by N33
    };
    const std::u16string odd = std::u16string(u"a\0b", 3) + u"\xD800ｶ\xDC00";
    const std::u16string long100k(100000, u'ﾊ');
    const std::vector<Case> cases{
        {"selection over the fixed row and column",
         [](GridMenuForm& rig) {
             rig.grid().setSelection({0, 0, 4, 5});
         },
         20},
        {"stale selection past the grid",
         [](GridMenuForm& rig) {
             rig.grid().setSelection({3, 4, 40, 90});
         },
         4},
        {"grid of one data row",
         [](GridMenuForm& rig) {
             rig.grid().setRowCount(2);
             rig.grid().setSelection({1, 1, 4, 1});
         },
         4},
        {"grid without data rows",
         [](GridMenuForm& rig) {
             rig.grid().setRowCount(1);
             rig.grid().setSelection({1, 1, 4, 1});
         },
         0},
        {"unpaired surrogates, NULs and 100,000 characters",
         [&odd, &long100k](GridMenuForm& rig) {
             rig.grid().setCell(1, 1, odd);
             rig.grid().setCell(2, 1, long100k);
             rig.select({1, 1, 2, 1});
         },
         2},
    };
    for (const Case& c : cases)
        for (TMenuItem TPopupMenu2::*item : {&TPopupMenu2::N32, &TPopupMenu2::N33}) {
            GridMenuForm rig;
            SCOPED_TRACE(toUtf8((rig.form.PopupMenu2.*item).name) + ", " + c.name);
            c.arrange(rig);
            const Cells before = rig.cells();
            (rig.form.PopupMenu2.*item).click();
            EXPECT_EQ(rig.form.FUndoCells.Count(), c.journalled);
            EXPECT_EQ(rig.form.sgUndoCnt, std::max(c.journalled, 1));
            for (int col = 0; col < rig.grid().colCount(); ++col)
                EXPECT_EQ(rig.grid().cell(col, 0), before.at({col, 0}));
            for (int row = 0; row < rig.grid().rowCount(); ++row)
                EXPECT_EQ(rig.grid().cell(0, row), before.at({0, row}));
            rig.ctrlZ();
            EXPECT_EQ(rig.cells(), before);
        }
}

TEST(GridMenuTest, SortingLeavesTheJournalSoUndoRestoresByPosition) {
    GridMenuForm rig;
    rig.select({3, 1, 3, 5});
    rig.form.PopupMenu2.N32.click();
    const int records = rig.form.FUndoCells.Count();
    rig.grid().setCurrent(2, 1);
    rig.form.PopupMenu2.N40.click();  // IOADRS as text: the order stays
    rig.grid().setCurrent(3, 1);
    rig.form.PopupMenu2.N40.click();  // JCMNT1 as text: rows move
    EXPECT_NE(rig.grid().cell(0, 1), u"1");
    EXPECT_EQ(rig.form.FUndoCells.Count(), records);
    rig.form.PopupMenu2.N43.click();
    EXPECT_EQ(rig.grid().cell(0, 1), u"1");
    rig.grid().setCurrent(1, 1);
    rig.form.PopupMenu2.N41.click();
    EXPECT_EQ(rig.grid().cell(1, 5), u"5");
    rig.ctrlZ();
    EXPECT_EQ(rig.grid().cell(3, 2), u"運転");
}

}  // namespace
}  // namespace tavor
