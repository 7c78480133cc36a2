#include "ui/GridState.h"

#include <gtest/gtest.h>

namespace tavor {
namespace {

TEST(GridState, ResizingKeepsCellsAndLinksThatStillFit) {
    GridState g(3, 3, 1, 1);
    g.setCell(1, 1, u"W-001");
    g.setLink(1, 1, 7);
    g.setCell(2, 2, u"lost");
    g.setColCount(2);
    g.setRowCount(5);
    EXPECT_EQ(g.cell(1, 1), u"W-001");
    EXPECT_EQ(g.link(1, 1), 7);
    EXPECT_EQ(g.cell(2, 2), u"");
    EXPECT_EQ(g.cell(1, 4), u"");
    EXPECT_EQ(g.cell(-1, 0), u"");  // outside the grid reads as empty
}

TEST(GridState, TellsCellAndSelectionChanges) {
    GridState g(2, 2, 0, 0);
    int cells = 0, selections = 0;
    auto s1 = g.cellChanged.observe([&](const int&, const int&) { ++cells; });
    auto s2 = g.selectionChanged.observe([&] { ++selections; });
    g.setCell(0, 0, u"a");
    g.setCell(0, 0, u"a");
    g.setCell(5, 5, u"outside");
    g.setSelection({0, 0, 1, 1});
    g.setCurrent(1, 1);
    EXPECT_EQ(cells, 1);
    EXPECT_EQ(selections, 2);
    EXPECT_EQ(g.selection(), (GridRect{1, 1, 1, 1}));
}

}  // namespace
}  // namespace tavor
