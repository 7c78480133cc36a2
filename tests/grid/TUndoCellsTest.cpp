#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "grid/GroupUndo.h"
#include "grid/TUndoCells.h"
#include "ui/GridState.h"

namespace tavor {
namespace {

// The journal exactly as its procedures read, scans and all: the reference for the fast one.
class LiteralJournal {
public:
    struct Record {
        GridState* grid;
        std::u16string text;
        int x, y, level;
    };

    int findNewest(const GridState* grid) const {
        int best = -1;
        for (int i = 0; i < static_cast<int>(list.size()); ++i)
            if (list[i].grid == grid && (best < 0 || list[i].level > list[best].level))
                best = i;
        return best;
    }
    int findOldest(const GridState* grid) const {
        for (int i = 0; i < static_cast<int>(list.size()); ++i)
            if (list[i].grid == grid)
                return i;
        return -1;
    }
    int removeOldest(const GridState* grid) {
        const int oldest = findOldest(grid);
        if (oldest < 0)
            return 0;
        list.erase(list.begin() + oldest);
        int level = 0;
        for (Record& r : list)
            if (r.grid == grid)
                r.level = level++;
        return level;
    }
    void add(GridState* grid, int col, int row) {
        Record r{grid, grid->cell(col, row), col, row, 0};
        const int newest = findNewest(grid);
        if (newest >= 0) {
            r.level = list[newest].level + 1;
            if (undoLevels > 0 && r.level > undoLevels - 1)
                r.level = removeOldest(grid);
        }
        list.push_back(r);
    }
    void undo(GridState* grid) {
        const int newest = findNewest(grid);
        if (newest < 0)
            return;
        const Record r = list[newest];
        grid->setCell(r.x, r.y, r.text);
        grid->setCurrent(r.x, grid->row());
        grid->setCurrent(r.x, r.y);
        list.erase(list.begin() + newest);
    }

    std::vector<Record> list;
    int undoLevels = 0;
};

GridState makeGrid() {
    return GridState(4, 6, 1, 1);
}

TEST(TUndoCellsTest, RandomRunsGiveTheLiteralJournalsResults) {
    std::mt19937 rng(20261209);
    for (int run = 0; run < 40; ++run) {
        std::array<GridState, 3> fastGrids{makeGrid(), makeGrid(), makeGrid()};
        std::array<GridState, 3> literalGrids{makeGrid(), makeGrid(), makeGrid()};
        TUndoCells fast;
        LiteralJournal literal;
        const int levels = std::array{0, 0, 1, 3, 5}[run % 5];
        fast.setUndoLevels(levels);
        literal.undoLevels = levels;
        for (int step = 0; step < 400; ++step) {
            const int g = static_cast<int>(rng() % 3);
            const int col = 1 + static_cast<int>(rng() % 3), row = 1 + static_cast<int>(rng() % 5);
            const int op = static_cast<int>(rng() % 100);
            if (op < 50) {
                fast.Add(&fastGrids[g], col, row);
                literal.add(&literalGrids[g], col, row);
                const std::u16string text = u"s" + toU16(step);
                fastGrids[g].setCell(col, row, text);
                literalGrids[g].setCell(col, row, text);
            } else if (op < 85) {
                fast.Undo(&fastGrids[g]);
                literal.undo(&literalGrids[g]);
            } else if (op < 97) {
                ASSERT_EQ(fast.RemoveOldest(&fastGrids[g]), literal.removeOldest(&literalGrids[g]));
            } else if (op < 98) {
                fast.Clear();
                literal.list.clear();
            } else {
                // A limit set later, below what a grid already holds, as UndoLevels may be.
                const int later = static_cast<int>(rng() % 4);
                fast.setUndoLevels(later);
                literal.undoLevels = later;
            }
            ASSERT_EQ(fast.Count(), static_cast<int>(literal.list.size())) << "step " << step;
            for (int i = 0; i < fast.Count(); ++i) {
                const TUndoCell& f = fast.GetItem(i);
                const LiteralJournal::Record& l = literal.list[static_cast<std::size_t>(i)];
                ASSERT_EQ(f.Grid() - fastGrids.data(), l.grid - literalGrids.data());
                ASSERT_EQ(f.Text(), l.text);
                ASSERT_EQ(f.X(), l.x);
                ASSERT_EQ(f.Y(), l.y);
                ASSERT_EQ(f.UndoLevel(), l.level) << "step " << step << " item " << i;
            }
            for (int k = 0; k < 3; ++k) {
                const TUndoCell* newest = fast.FindNewest(&fastGrids[k]);
                const int lit = literal.findNewest(&literalGrids[k]);
                ASSERT_EQ(newest != nullptr, lit >= 0);
                if (newest) {
                    ASSERT_EQ(newest, &fast.GetItem(lit));
                }
                const TUndoCell* oldest = fast.FindOldest(&fastGrids[k]);
                const int litOldest = literal.findOldest(&literalGrids[k]);
                ASSERT_EQ(oldest != nullptr, litOldest >= 0);
                if (oldest) {
                    ASSERT_EQ(oldest, &fast.GetItem(litOldest));
                }
                for (int r = 0; r < 6; ++r)
                    for (int c = 0; c < 4; ++c)
                        ASSERT_EQ(fastGrids[k].cell(c, r), literalGrids[k].cell(c, r));
                ASSERT_EQ(fastGrids[k].col(), literalGrids[k].col());
                ASSERT_EQ(fastGrids[k].row(), literalGrids[k].row());
            }
        }
    }
}

TEST(TUndoCellsTest, UndoRestoresOnlyTheGivenGridsNewestRecordAndMakesItCurrent) {
    GridState one = makeGrid(), two = makeGrid();
    TUndoCells cells;
    one.setCell(1, 1, u"a");
    one.setCell(2, 3, u"b");
    two.setCell(1, 1, u"x");
    cells.Add(&one, 1, 1);
    cells.Add(&two, 1, 1);
    cells.Add(&one, 2, 3);
    one.setCell(1, 1, u"A");
    one.setCell(2, 3, u"B");
    two.setCell(1, 1, u"X");
    one.setLink(2, 3, 7);

    cells.Undo(&one);
    EXPECT_EQ(one.cell(2, 3), u"b");
    EXPECT_EQ(one.link(2, 3), 7);  // the link is not the journal's
    EXPECT_EQ(one.cell(1, 1), u"A");
    EXPECT_EQ(two.cell(1, 1), u"X");
    EXPECT_EQ(one.col(), 2);
    EXPECT_EQ(one.row(), 3);
    EXPECT_EQ(cells.Count(), 2);

    cells.Undo(&one);
    cells.Undo(&one);  // nothing left for this grid
    EXPECT_EQ(one.cell(1, 1), u"a");
    EXPECT_EQ(cells.Count(), 1);
    EXPECT_EQ(cells.FindNewest(&one), nullptr);
    EXPECT_EQ(cells.FindOldest(&two)->Text(), u"x");
}

TEST(TUndoCellsTest, UndoLevelsKeepsTheNewestRecordsOfEachGrid) {
    GridState one = makeGrid(), two = makeGrid();
    TUndoCells cells;
    cells.setUndoLevels(2);
    for (int i = 0; i < 4; ++i) {
        one.setCell(1, 1, toU16(i));
        cells.Add(&one, 1, 1);
        cells.Add(&two, 1, 1);
    }
    ASSERT_EQ(cells.Count(), 4);
    EXPECT_EQ(cells.FindOldest(&one)->Text(), u"2");
    EXPECT_EQ(cells.FindOldest(&one)->UndoLevel(), 0);
    EXPECT_EQ(cells.FindNewest(&one)->Text(), u"3");
    EXPECT_EQ(cells.FindNewest(&one)->UndoLevel(), 1);
    EXPECT_EQ(cells.RemoveOldest(&one), 1);
    EXPECT_EQ(cells.FindOldest(&one)->UndoLevel(), 0);
    EXPECT_EQ(cells.RemoveOldest(&one), 0);
    EXPECT_EQ(cells.RemoveOldest(&one), 0);
}

TEST(TUndoCellsTest, ACellOutsideTheGridIsUsedUpWithoutWriting) {
    GridState grid = makeGrid();
    TUndoCells cells;
    cells.Add(&grid, 3, 5);
    grid.setRowCount(2);
    grid.setCurrent(1, 1);
    cells.Undo(&grid);
    EXPECT_EQ(cells.Count(), 0);
    EXPECT_EQ(grid.row(), 1);
}

// A group of six cells written as a paste writes them, then the group count is six.
struct GroupFixture {
    GroupFixture() {
        for (int round = 0; round < 2; ++round)
            for (int r = 1; r <= 3; ++r)
                for (int c = 1; c <= 2; ++c) {
                    cells.Add(&grid, c, r);
                    grid.setCell(c, r, u"p" + toU16(round));
                }
        undoCount = 6;
    }
    GridState grid = makeGrid();
    TUndoCells cells;
    int undoCount = 0;
};

TEST(GroupUndoTest, CtrlZTakesBackTheGroupThenOneRecordAtATime) {
    GroupFixture f;
    GroupUndo(f.cells, f.grid, f.undoCount);
    EXPECT_EQ(f.undoCount, 0);
    EXPECT_EQ(f.cells.Count(), 6);
    EXPECT_EQ(f.grid.cell(1, 1), u"p0");
    EXPECT_EQ(f.grid.cell(2, 3), u"p0");
    GroupUndo(f.cells, f.grid, f.undoCount);
    EXPECT_EQ(f.cells.Count(), 5);
    EXPECT_EQ(f.grid.cell(2, 3), u"");
    EXPECT_EQ(f.grid.cell(1, 3), u"p0");
}

TEST(GroupUndoTest, TheUndoButtonRepeatsTheGroupAndTakesOneWhenTheCountIsZero) {
    GroupFixture f;
    RepeatGroupUndo(f.cells, f.grid, f.undoCount);
    RepeatGroupUndo(f.cells, f.grid, f.undoCount);
    EXPECT_EQ(f.undoCount, 6);
    EXPECT_EQ(f.cells.Count(), 0);
    EXPECT_EQ(f.grid.cell(1, 1), u"");

    GroupFixture g;
    g.undoCount = 0;
    RepeatGroupUndo(g.cells, g.grid, g.undoCount);
    EXPECT_EQ(g.cells.Count(), 11);
    EXPECT_EQ(g.grid.cell(2, 3), u"p0");
}

}  // namespace
}  // namespace tavor
