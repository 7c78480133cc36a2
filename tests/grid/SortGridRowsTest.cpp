#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "base/TextUtil.h"
#include "grid/SortGridRows.h"
#include "support/FakePlatform.h"
#include "ui/GridState.h"

namespace tavor {
namespace {

// What a grid row is made of: every cell's text and link.
using Row = std::vector<std::pair<std::u16string, int>>;

std::vector<Row> rowsOf(const GridState& grid) {
    std::vector<Row> rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        Row& row = rows.emplace_back();
        for (int c = 0; c < grid.colCount(); ++c)
            row.emplace_back(grid.cell(c, r), grid.link(c, r));
    }
    return rows;
}

// The procedure as it reads: an exchange sort over rows 1..n-1 that swaps whole rows.
std::vector<Row> literalSort(std::vector<Row> rows, int column, bool numeric,
                             test::FakePlatform& platform) {
    const auto greater = [&](const std::u16string& a, const std::u16string& b) {
        if (!numeric)
            return a > b;
        return platform.readNumber(a).value_or(0) > platform.readNumber(b).value_or(0);
    };
    const std::size_t c = static_cast<std::size_t>(column);
    for (std::size_t i = 1; i + 1 < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j)
            if (greater(rows[i][c].first, rows[j][c].first))
                std::swap(rows[i], rows[j]);
    return rows;
}

std::unique_ptr<GridState> gridWithRows(const std::vector<std::vector<std::u16string>>& rows) {
    auto grid = std::make_unique<GridState>(static_cast<int>(rows.front().size()),
                                            static_cast<int>(rows.size()), 1, 1);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            grid->setCell(static_cast<int>(c), static_cast<int>(r), rows[r][c]);
            grid->setLink(static_cast<int>(c), static_cast<int>(r), static_cast<int>(r * 10 + c));
        }
    return grid;
}

TEST(SortGridRowsTest, RandomGridsWithHeavyTiesEndAsTheLiteralSortLeavesThem) {
    test::FakePlatform platform;
    std::mt19937 rng(7);
    // Few distinct keys, numbers written in several ways, texts that are no numbers (0).
    const std::vector<std::u16string> keys = {u"1",  u"01", u"1.0", u"-1",  u"abc",    u"",
                                              u"10", u"9",  u"0",   u"2.5", u"Ａ",     u"a",
                                              u"b",  u"ab", u" 3",  u"3",   u"\xD800", u"\xFF10"};
    for (int run = 0; run < 60; ++run) {
        const int rows = 3 + static_cast<int>(rng() % 150);
        std::vector<std::vector<std::u16string>> cells;
        for (int r = 0; r < rows; ++r) {
            auto& row = cells.emplace_back();
            row.push_back(toU16(r));
            for (int c = 1; c < 3; ++c)
                row.push_back(keys[rng() % (run % 2 ? 4 : keys.size())]);
        }
        for (const bool numeric : {false, true}) {
            const auto grid = gridWithRows(cells);
            const int column = 1 + run % 2;
            const auto expected = literalSort(rowsOf(*grid), column, numeric, platform);
            SortGridRows(*grid, column, numeric, platform);
            ASSERT_EQ(rowsOf(*grid), expected) << "run " << run << " numeric " << numeric;
        }
    }
}

TEST(SortGridRowsTest, NumberAndTextOrderOfTheUsualCases) {
    test::FakePlatform platform;
    auto owned = gridWithRows({{u"", u""}, {u"1", u"1"}, {u"2", u"abc"}, {u"3", u"-1"}});
    GridState& grid = *owned;
    SortGridRows(grid, 1, true, platform);
    EXPECT_EQ(grid.cell(1, 1) + u"," + grid.cell(1, 2) + u"," + grid.cell(1, 3), u"-1,abc,1");
    EXPECT_EQ(grid.cell(0, 2), u"2");  // the row moved whole
    EXPECT_EQ(grid.link(1, 2), 21);

    owned = gridWithRows({{u"", u""}, {u"1", u"9"}, {u"2", u"10"}, {u"3", u"1"}});
    GridState& texts = *owned;
    SortGridRows(texts, 1, false, platform);
    EXPECT_EQ(texts.cell(1, 1) + u"," + texts.cell(1, 2) + u"," + texts.cell(1, 3), u"1,10,9");

    // Column 0 holds the acquisition numbers: sorting it by number restores that order.
    SortGridRows(texts, 0, true, platform);
    EXPECT_EQ(texts.cell(1, 1) + u"," + texts.cell(1, 2) + u"," + texts.cell(1, 3), u"9,10,1");
}

TEST(SortGridRowsTest, OneDataRowIsLeftAlone) {
    test::FakePlatform platform;
    const auto grid = gridWithRows({{u"h", u"b"}, {u"1", u"a"}});
    SortGridRows(*grid, 1, false, platform);
    EXPECT_EQ(grid->cell(1, 0), u"b");
}

}  // namespace
}  // namespace tavor
