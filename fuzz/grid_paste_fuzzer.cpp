// The clipboard table pasted into a grid: whatever the clipboard holds, only data cells of the
// selection's columns and rows are written, each journalled before it is written, and the group
// count is the cells written; a selection copied and pasted back gives the same cells.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <vector>

#include "ClipboardOnlyPlatform.h"
#include "FuzzText.h"
#include "grid/GridClipboardKeys.h"
#include "ui/GridState.h"

using namespace tavor;
using tavor::fuzz::require;

namespace {

struct Journal {
    std::vector<std::pair<int, int>> cells;
    int undoCount = -1;
};

GridEditTarget targetOf(GridState& grid, Journal& journal) {
    GridEditTarget target;
    target.grid = &grid;
    target.journal = [&journal](int col, int row) { journal.cells.emplace_back(col, row); };
    target.setUndoCount = [&journal](int count) { journal.undoCount = count; };
    return target;
}

std::vector<std::u16string> cellsOf(const GridState& grid) {
    std::vector<std::u16string> cells;
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int col = 0; col < grid.colCount(); ++col)
            cells.push_back(grid.cell(col, row));
    return cells;
}

void pressCtrl(const GridEditTarget& target, fuzz::ClipboardOnlyPlatform& platform, KeyCode key) {
    KeyCode k = key;
    GridClipboardKeys(target, platform, k, ShiftState{false, true, false});
    require(k == kKeyConsumed, "Ctrl+C and Ctrl+V are always handled");
}

// Row r of a paste of `lines` lines at the selection: the line's own row, or a repeat of it no
// lower than the selection's bottom.
bool pastedRowAllowed(int row, const GridRect& sel, int lines) {
    return row >= sel.top && (row <= sel.bottom || row < sel.top + lines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const int cols = data.ConsumeIntegralInRange(1, 8), rows = data.ConsumeIntegralInRange(1, 12);
    GridState grid(cols, rows, data.ConsumeIntegralInRange(0, 1),
                   data.ConsumeIntegralInRange(0, 1));
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col)
            grid.setCell(col, row,
                         u"r" + std::u16string(1, u'0' + row) + std::u16string(1, u'a' + col));
    GridRect sel;
    sel.left = data.ConsumeIntegralInRange(-1, cols);
    sel.top = data.ConsumeIntegralInRange(-1, rows);
    sel.right = data.ConsumeIntegralInRange(-1, cols + 1);
    sel.bottom = data.ConsumeIntegralInRange(-1, rows + 1);
    grid.setSelection(sel);
    GridRect used = grid.selection();  // cut to the data cells, as the keys cut it
    used.left = std::max(used.left, grid.fixedCols());
    used.top = std::max(used.top, grid.fixedRows());
    used.right = std::min(used.right, cols - 1);
    used.bottom = std::min(used.bottom, rows - 1);
    fuzz::ClipboardOnlyPlatform platform;
    platform.clipboard = tavor::fuzz::takeText(data, 400);
    const bool paste = data.ConsumeBool();

    const std::vector<std::u16string> before = cellsOf(grid);
    Journal journal;
    const GridEditTarget target = targetOf(grid, journal);
    pressCtrl(target, platform, paste ? vkV : vkC);
    require(journal.undoCount == std::max<int>(1, static_cast<int>(journal.cells.size())),
            "the group is the cells written, at least one");
    const std::u16string& table = platform.clipboard;
    const int lines = static_cast<int>(std::count(table.begin(), table.end(), u'\n'));
    std::vector<bool> written(before.size(), false);
    for (const auto& [col, row] : journal.cells) {
        require(col >= grid.fixedCols() && row >= grid.fixedRows() && col < cols && row < rows,
                "only data cells are written");
        require(col >= used.left && pastedRowAllowed(row, used, lines),
                "only the selection's columns and rows are written");
        written[static_cast<std::size_t>(row * cols + col)] = true;
    }
    const std::vector<std::u16string> after = cellsOf(grid);
    for (std::size_t i = 0; i < after.size(); ++i)
        require(written[i] || after[i] == before[i], "a cell not journalled is unchanged");
    if (paste)
        return 0;

    // What was copied pastes back over an emptied grid as it was.
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col)
            grid.setCell(col, row, u"");
    Journal again;
    pressCtrl(targetOf(grid, again), platform, vkV);
    const std::vector<std::u16string> restored = cellsOf(grid);
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            const auto i = static_cast<std::size_t>(row * cols + col);
            const bool copied = used.contains(col, row);
            require(restored[i] == (copied ? before[i] : u""), "a copied selection pastes back");
        }
    return 0;
}
