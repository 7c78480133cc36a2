#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/TextUtil.h"
#include "convert/GridConversions.h"
#include "convert/Numbering.h"
#include "convert/Replace.h"
#include "support/FakePlatform.h"
#include "ui/GridState.h"

namespace tavor {
namespace {

// The group size that the edit target hands the journal after a walk.
int groupAfter(int cellsWritten) {
    int group = 0;
    GridEditTarget{nullptr, {}, [&group](int n) { group = n; }}.closeGroup(cellsWritten);
    return group;
}

class GridConversionsTest : public testing::Test {
protected:
    GridConversionsTest() {
        for (int r = 0; r < grid.rowCount(); ++r)
            for (int c = 0; c < grid.colCount(); ++c)
                grid.setCell(c, r, toU16(r) + u"c" + toU16(c));
    }
    CellJournal journal() {
        return [this](int c, int r) {
            // Journalled before it is written: the journal sees the old text.
            oldTexts.push_back(grid.cell(c, r));
            cells.emplace_back(c, r);
        };
    }

    GridState grid{4, 11, 1, 1};
    std::vector<std::pair<int, int>> cells;
    std::vector<std::u16string> oldTexts;
};

TEST_F(GridConversionsTest, EveryCellOfTheRectangleIsJournalledRowByRow) {
    grid.setSelection({1, 2, 3, 3});
    const int n = ConvertGridSelection(
        grid, [](const std::u16string& s) { return s; }, journal());
    EXPECT_EQ(n, 6);
    EXPECT_EQ(groupAfter(n), 6);
    const std::vector<std::pair<int, int>> order{{1, 2}, {2, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}};
    EXPECT_EQ(cells, order);
    EXPECT_EQ(oldTexts[0], u"2c1");
}

TEST_F(GridConversionsTest, WidthConversionsOfTheGridMenu) {
    grid.setCell(1, 1, u"A\u3000B c");
    grid.setCell(2, 1, u"ＡＢ　ガ");
    grid.setSelection({1, 1, 2, 1});
    ConvertGridSelection(grid, FullWidthExceptSpaces, journal());
    EXPECT_EQ(grid.cell(1, 1), u"Ａ Ｂ ｃ");
    grid.setSelection({2, 1, 2, 1});
    ConvertGridSelection(grid, HalfWidth, journal());
    EXPECT_EQ(grid.cell(2, 1), u"AB ｶﾞ");
}

TEST_F(GridConversionsTest, ReplaceCountsCellsWithoutHits) {
    test::FakePlatform platform;
    grid.setCell(1, 1, u"xABx");
    grid.setSelection({1, 1, 2, 2});
    const Replacer replacer(u"ab", u"-", true, platform);
    const int n = ReplaceInGridSelection(grid, replacer, journal());
    EXPECT_EQ(n, 4);
    EXPECT_EQ(grid.cell(1, 1), u"x-x");
    EXPECT_EQ(grid.cell(2, 2), u"2c2");
}

TEST_F(GridConversionsTest, AdditionJournalsOnlyCellsWithANumber) {
    grid.setCell(1, 1, u"A9");
    grid.setCell(2, 1, u"none");
    grid.setCell(1, 2, u"  ");
    grid.setCell(2, 2, u"B-1");
    grid.setSelection({1, 1, 2, 2});
    const AdditionSettings plusOne{NumberBase::Decimal, NumberSearch::Last, 2, 1};
    EXPECT_EQ(AddInGridSelection(grid, plusOne, journal()), 2);
    EXPECT_EQ(grid.cell(1, 1), u"A10");
    EXPECT_EQ(grid.cell(2, 2), u"B-2");
    EXPECT_EQ(grid.cell(2, 1), u"none");
    const std::vector<std::pair<int, int>> order{{1, 1}, {2, 2}};
    EXPECT_EQ(cells, order);

    grid.setSelection({2, 1, 2, 1});
    const int none = AddInGridSelection(grid, plusOne, journal());
    EXPECT_EQ(none, 0);
    EXPECT_EQ(groupAfter(none), 1);
}

TEST_F(GridConversionsTest, NumberingRunsDownTheCurrentColumn) {
    const NumberRun sixteen(NumberingFields{NumberBase::Decimal, u"", u"00", u"", u"1", u"16"});
    grid.setCurrent(2, 3);
    EXPECT_EQ(NumberGridColumn(grid, sixteen, journal()), 8);  // rows 3 to 10
    EXPECT_EQ(grid.cell(2, 10), u"07");

    cells.clear();
    grid.setSelection({2, 2, 2, 4});
    EXPECT_EQ(NumberGridColumn(grid, sixteen, journal()), 3);
    const std::vector<std::pair<int, int>> rows{{2, 2}, {2, 3}, {2, 4}};
    EXPECT_EQ(cells, rows);
    EXPECT_EQ(grid.cell(2, 4), u"02");
    EXPECT_EQ(grid.cell(2, 1), u"1c2");

    const NumberRun two(NumberingFields{NumberBase::Decimal, u"", u"1", u"", u"1", u"2"});
    grid.setSelection({2, 2, 2, 6});
    EXPECT_EQ(NumberGridColumn(grid, two, journal()), 2);
    EXPECT_EQ(grid.cell(2, 4), u"02");  // unchanged: the run was over
}

TEST_F(GridConversionsTest, StaleSelectionBeyondTheGridIsCut) {
    grid.setSelection({2, 9, 9, 20});
    EXPECT_EQ(ConvertGridSelection(grid, HalfWidth, journal()), 4);  // columns 2-3, rows 9-10
}

}  // namespace
}  // namespace tavor
