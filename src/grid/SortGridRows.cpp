#include "grid/SortGridRows.h"

#include <cmath>
#include <string>
#include <vector>

#include "base/ExchangeSortOrder.h"
#include "ui/GridState.h"
#include "ui/Platform.h"

namespace tavor {

namespace {

// Row r + 1 of the grid goes to row k + 1 for r = order[k]; one column at a time, so that only
// one column's texts are held aside.
void moveRows(GridState& grid, const std::vector<std::size_t>& order) {
    const std::size_t n = order.size();
    std::vector<std::u16string> texts(n);
    std::vector<int> links(n);
    for (int c = 0; c < grid.colCount(); ++c) {
        for (std::size_t k = 0; k < n; ++k) {
            const int from = static_cast<int>(order[k]) + 1;
            texts[k] = grid.cell(c, from);
            links[k] = grid.link(c, from);
        }
        for (std::size_t k = 0; k < n; ++k) {
            const int to = static_cast<int>(k) + 1;
            grid.setCell(c, to, std::move(texts[k]));
            grid.setLink(c, to, links[k]);
        }
    }
}

double numberOf(Platform& platform, const std::u16string& key) {
    const double value = platform.readNumber(key).value_or(0.0);
    return std::isnan(value) ? 0.0 : value;
}

}  // namespace

void SortGridRows(GridState& grid, int column, bool numeric, Platform& platform) {
    if (grid.rowCount() < 3)
        return;
    const std::size_t n = static_cast<std::size_t>(grid.rowCount() - 1);
    std::vector<std::size_t> order;
    if (numeric) {
        std::vector<double> keys(n);
        for (std::size_t i = 0; i < n; ++i)
            keys[i] = numberOf(platform, grid.cell(column, static_cast<int>(i) + 1));
        order = exchangeSortOrderByNumber(keys, false);
    } else {
        // The cells themselves are the keys; they do not move before the order is known.
        const auto key = [&](std::size_t i) -> const std::u16string& {
            return grid.cell(column, static_cast<int>(i) + 1);
        };
        order = exchangeSortOrder(n, [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    }
    moveRows(grid, order);
}

}  // namespace tavor
