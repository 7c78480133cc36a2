#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "grid/GridClipboardKeys.h"
#include "grid/GroupUndo.h"
#include "grid/TUndoCells.h"
#include "support/FakePlatform.h"
#include "ui/GridState.h"

namespace tavor {
namespace {

constexpr ShiftState kCtrl{.ctrl = true};

// A 4-column, 7-row grid (fixed row and column) whose data cells read "r<row>c<col>".
class GridClipboardKeysTest : public testing::Test {
protected:
    GridClipboardKeysTest() {
        for (int r = 0; r < grid.rowCount(); ++r)
            for (int c = 0; c < grid.colCount(); ++c)
                grid.setCell(c, r, u"r" + toU16(r) + u"c" + toU16(c));
    }

    KeyCode press(KeyCode key, ShiftState shift = {}) {
        GridClipboardKeys(GridEditTarget::of(grid, cells, undoCount), platform, key, shift);
        return key;
    }
    void select(int left, int top, int right, int bottom) {
        grid.setCurrent(left, top);
        grid.setSelection({left, top, right, bottom});
    }
    std::vector<std::u16string> column(int col) const {
        std::vector<std::u16string> out;
        for (int r = 1; r < grid.rowCount(); ++r)
            out.push_back(grid.cell(col, r));
        return out;
    }

    GridState grid{4, 7, 1, 1};
    TUndoCells cells;
    int undoCount = 0;
    test::FakePlatform platform;
};

TEST_F(GridClipboardKeysTest, CopyWritesATableOfTheSelectionAndSetsTheGroupToOne) {
    select(1, 2, 2, 4);
    undoCount = 9;
    EXPECT_EQ(press(vkC, kCtrl), kKeyConsumed);
    EXPECT_EQ(platform.clipboard, u"r2c1\tr2c2\r\nr3c1\tr3c2\r\nr4c1\tr4c2\r\n");
    EXPECT_EQ(undoCount, 1);
    EXPECT_EQ(cells.Count(), 0);
    EXPECT_EQ(grid.cell(1, 2), u"r2c1");
}

TEST_F(GridClipboardKeysTest, CutEmptiesTheCellsEvenWhenTheClipboardFails) {
    platform.clipboardFails = true;
    select(2, 1, 3, 1);
    EXPECT_EQ(press(vkX, kCtrl), kKeyConsumed);
    EXPECT_EQ(platform.lastMessageText(), kClipboardCopyFailed);
    EXPECT_EQ(grid.cell(2, 1), u"");
    EXPECT_EQ(grid.cell(3, 1), u"");
    EXPECT_EQ(undoCount, 2);
    GroupUndo(cells, grid, undoCount);
    EXPECT_EQ(grid.cell(2, 1), u"r1c2");
    EXPECT_EQ(grid.cell(3, 1), u"r1c3");
}

TEST_F(GridClipboardKeysTest, DeleteEmptiesARangeButLeavesOneCellToTheEditor) {
    select(2, 2, 2, 2);
    EXPECT_EQ(press(vkDelete), vkDelete);
    EXPECT_EQ(grid.cell(2, 2), u"r2c2");
    EXPECT_EQ(cells.Count(), 0);

    select(1, 2, 3, 2);
    EXPECT_EQ(press(vkDelete), kKeyConsumed);
    EXPECT_EQ(grid.cell(1, 2) + grid.cell(2, 2) + grid.cell(3, 2), u"");
    EXPECT_EQ(undoCount, 3);
    GroupUndo(cells, grid, undoCount);
    EXPECT_EQ(grid.cell(1, 2) + grid.cell(2, 2) + grid.cell(3, 2), u"r2c1r2c2r2c3");
}

TEST_F(GridClipboardKeysTest, PasteRepeatsItsLinesDownToTheSelectionsBottom) {
    struct Case {
        const char* name;
        std::u16string clipboard;
        GridRect selection;
        std::vector<std::u16string> column1, column2;
        int group, records;
    };
    const std::vector<Case> cases = {
        {"one line into four rows",
         u"a\tb\r\n",
         {1, 2, 1, 5},
         {u"r1c1", u"a", u"a", u"a", u"a", u"r6c1"},
         {u"r1c2", u"b", u"b", u"b", u"b", u"r6c2"},
         8,
         8},
        {"two lines into five rows",
         u"a\r\nb\r\n",
         {1, 1, 2, 5},
         {u"a", u"b", u"a", u"b", u"a", u"r6c1"},
         {u"r1c2", u"r2c2", u"r3c2", u"r4c2", u"r5c2", u"r6c2"},
         5,
         5},
        {"a block wider and taller than the selection",
         u"a\tb\tc\td\r\ne\tf\r\ng\r\n",
         {2, 5, 2, 5},
         {u"r1c1", u"r2c1", u"r3c1", u"r4c1", u"r5c1", u"r6c1"},
         {u"r1c2", u"r2c2", u"r3c2", u"r4c2", u"a", u"e"},
         // a, b (c and d fall outside) in row 5, e and f in row 6, g below the grid
         4,
         4},
        {"text after the last CR LF is dropped",
         u"a\r\nb",
         {1, 1, 1, 1},
         {u"a", u"r2c1", u"r3c1", u"r4c1", u"r5c1", u"r6c1"},
         {u"r1c2", u"r2c2", u"r3c2", u"r4c2", u"r5c2", u"r6c2"},
         1,
         1},
        {"no CR LF pastes nothing",
         u"a\tb",
         {1, 1, 2, 3},
         {u"r1c1", u"r2c1", u"r3c1", u"r4c1", u"r5c1", u"r6c1"},
         {u"r1c2", u"r2c2", u"r3c2", u"r4c2", u"r5c2", u"r6c2"},
         1,
         0},
        {"NULs, lone surrogates and empty fields are cell text like any other",
         std::u16string(u"\0x\t\xD800\t\r\n", 7),
         {1, 6, 1, 6},
         {u"r1c1", u"r2c1", u"r3c1", u"r4c1", u"r5c1", std::u16string(u"\0x", 2)},
         {u"r1c2", u"r2c2", u"r3c2", u"r4c2", u"r5c2", u"\xD800"},
         3,
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int row = 0; row < grid.rowCount(); ++row)
            for (int col = 0; col < grid.colCount(); ++col)
                grid.setCell(col, row, u"r" + toU16(row) + u"c" + toU16(col));
        cells.Clear();
        undoCount = 0;
        platform.clipboard = c.clipboard;
        select(c.selection.left, c.selection.top, c.selection.right, c.selection.bottom);
        EXPECT_EQ(press(vkV, kCtrl), kKeyConsumed);
        EXPECT_EQ(column(1), c.column1);
        EXPECT_EQ(column(2), c.column2);
        EXPECT_EQ(undoCount, c.group);
        EXPECT_EQ(cells.Count(), c.records);
    }
}

TEST_F(GridClipboardKeysTest, AHugePasteWritesOnlyTheGridsCellsAndUndoesAsOneGroup) {
    std::u16string text;
    for (int i = 0; i < 100000; ++i)
        text += u"v" + toU16(i) + u"\tw\tx\ty\tz\r\n";
    platform.clipboard = text;
    select(1, 1, 1, 1);
    press(vkV, kCtrl);
    EXPECT_EQ(undoCount, 18);  // 6 rows × columns 1..3
    EXPECT_EQ(column(1).back(), u"v5");
    GroupUndo(cells, grid, undoCount);
    EXPECT_EQ(column(1).back(), u"r6c1");
    EXPECT_EQ(cells.Count(), 0);
}

TEST_F(GridClipboardKeysTest, FixedCellsAreNeverTouchedAndOtherKeysPass) {
    grid.setSelection({0, 0, 1, 1});       // as a stale rectangle could
    EXPECT_EQ(press(vkDelete), vkDelete);  // only one data cell is left
    platform.clipboard = u"a\tb\r\n";
    press(vkV, kCtrl);
    EXPECT_EQ(grid.cell(0, 0), u"r0c0");
    EXPECT_EQ(grid.cell(1, 1), u"a");
    EXPECT_EQ(press(vkV), vkV);
    EXPECT_EQ(press(vkZ, kCtrl), vkZ);
}

}  // namespace
}  // namespace tavor
