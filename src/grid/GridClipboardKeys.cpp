#include "grid/GridClipboardKeys.h"

#include <algorithm>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "ui/GridState.h"
#include "ui/Platform.h"

namespace tavor {

namespace {

// The selection cut to the data cells, so that a stale or oversized rectangle reaches neither
// the fixed row and column nor past the grid. Empty (right < left) when nothing is left.
GridRect selectedDataCells(const GridState& grid) {
    GridRect r = grid.selection();
    r.left = std::max(r.left, grid.fixedCols());
    r.top = std::max(r.top, grid.fixedRows());
    r.right = std::min(r.right, grid.colCount() - 1);
    r.bottom = std::min(r.bottom, grid.rowCount() - 1);
    return r;
}

long long cellCount(const GridRect& r) {
    if (r.right < r.left || r.bottom < r.top)
        return 0;
    return static_cast<long long>(r.right - r.left + 1) * (r.bottom - r.top + 1);
}

int emptyCells(const GridEditTarget& target, const GridRect& r) {
    int count = 0;
    for (int row = r.top; row <= r.bottom; ++row)
        for (int col = r.left; col <= r.right; ++col) {
            target.record(col, row);
            target.grid->setCell(col, row, u"");
            ++count;
        }
    return count;
}

std::u16string selectionAsTable(const GridState& grid, const GridRect& r) {
    std::u16string text;
    for (int row = r.top; row <= r.bottom; ++row)
        for (int col = r.left; col <= r.right; ++col) {
            text += grid.cell(col, row);
            text += col == r.right ? u"\r\n" : u"\t";
        }
    return text;
}

void copyToClipboard(Platform& platform, const std::u16string& text) {
    try {
        platform.setClipboardText(text);
    } catch (const std::exception&) {
        platform.showMessage(kClipboardCopyFailed);
    }
}

// Writes one pasted field into its column at `row` and every L-th row below it down to the
// selection's bottom. Returns the cells written; cells outside the grid are skipped.
int pasteField(const GridEditTarget& target, std::u16string_view field, int col, int row, int lines,
               int bottom) {
    GridState& grid = *target.grid;
    if (col >= grid.colCount())
        return 0;
    int count = 0;
    for (long long r = row; r < grid.rowCount(); r += lines) {
        target.record(col, static_cast<int>(r));
        grid.setCell(col, static_cast<int>(r), std::u16string(field));
        ++count;
        if (r + lines > bottom)
            break;
    }
    return count;
}

int paste(const GridEditTarget& target, const std::u16string& text, const GridRect& sel) {
    const GridState& grid = *target.grid;
    // Only lines ended by CR LF count; text after the last one is ignored.
    std::vector<std::u16string_view> lines;
    const std::u16string_view all(text);
    for (std::size_t start = 0;;) {
        const std::size_t end = all.find(u"\r\n", start);
        if (end == std::u16string_view::npos)
            break;
        lines.push_back(all.substr(start, end - start));
        start = end + 2;
    }
    const int count = static_cast<int>(std::min<std::size_t>(lines.size(), 1u << 30));
    int written = 0;
    for (int i = 0; i < count && sel.top + static_cast<long long>(i) < grid.rowCount(); ++i) {
        const std::u16string_view line = lines[static_cast<std::size_t>(i)];
        long long col = sel.left;
        for (std::size_t start = 0; col < grid.colCount(); ++col) {
            const std::size_t tab = line.find(u'\t', start);
            const std::size_t end = tab == std::u16string_view::npos ? line.size() : tab;
            written += pasteField(target, line.substr(start, end - start), static_cast<int>(col),
                                  sel.top + i, count, sel.bottom);
            if (tab == std::u16string_view::npos)
                break;
            start = tab + 1;
        }
    }
    return written;
}

}  // namespace

void GridClipboardKeys(const GridEditTarget& target, Platform& platform, KeyCode& Key,
                       ShiftState Shift) {
    if (!target.grid)
        return;
    GridState& grid = *target.grid;
    const GridRect sel = selectedDataCells(grid);
    if (Key == vkDelete && cellCount(sel) > 1) {
        Key = kKeyConsumed;
        target.closeGroup(emptyCells(target, sel));
        return;
    }
    if (!Shift.ctrl)
        return;
    if (Key == vkC || Key == vkX) {
        const bool cut = Key == vkX;
        Key = kKeyConsumed;
        copyToClipboard(platform, selectionAsTable(grid, sel));
        target.closeGroup(cut ? emptyCells(target, sel) : 0);
    } else if (Key == vkV) {
        Key = kKeyConsumed;
        target.closeGroup(cellCount(sel) > 0 ? paste(target, platform.clipboardText(), sel) : 0);
    }
}

}  // namespace tavor
