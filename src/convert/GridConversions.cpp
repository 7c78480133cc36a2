#include "convert/GridConversions.h"

#include <algorithm>

#include "convert/Numbering.h"
#include "convert/Replace.h"
#include "convert/ZenHanUtil.h"
#include "ui/GridState.h"

namespace tavor {

namespace {

void journalCell(const CellJournal& journal, int col, int row) {
    if (journal)
        journal(col, row);
}

}  // namespace

GridRect SelectedDataCells(const GridState& grid) {
    GridRect r = grid.selection();
    r.left = std::max(r.left, grid.fixedCols());
    r.top = std::max(r.top, grid.fixedRows());
    r.right = std::min(r.right, grid.colCount() - 1);
    r.bottom = std::min(r.bottom, grid.rowCount() - 1);
    return r;
}

std::u16string FullWidthExceptSpaces(std::u16string text) {
    zenHanUtil::StrToZen(text);
    std::replace(text.begin(), text.end(), u'\u3000', u' ');
    return text;
}

std::u16string HalfWidth(std::u16string text) {
    zenHanUtil::StrToHan(text);
    return text;
}

int ConvertGridSelection(GridState& grid, const TextConversion& convert,
                         const CellJournal& journal) {
    const GridRect r = SelectedDataCells(grid);
    int count = 0;
    for (int row = r.top; row <= r.bottom; ++row)
        for (int col = r.left; col <= r.right; ++col) {
            journalCell(journal, col, row);
            grid.setCell(col, row, convert(grid.cell(col, row)));
            ++count;
        }
    return count;
}

int ReplaceInGridSelection(GridState& grid, const Replacer& replacer, const CellJournal& journal) {
    return ConvertGridSelection(
        grid,
        [&replacer](std::u16string text) {
            replacer.apply(text);
            return text;
        },
        journal);
}

int AddInGridSelection(GridState& grid, const AdditionSettings& settings,
                       const CellJournal& journal) {
    const GridRect r = SelectedDataCells(grid);
    int count = 0;
    for (int row = r.top; row <= r.bottom; ++row)
        for (int col = r.left; col <= r.right; ++col) {
            std::u16string text = grid.cell(col, row);
            if (!AddToNumber(text, settings))
                continue;
            journalCell(journal, col, row);
            grid.setCell(col, row, std::move(text));
            ++count;
        }
    return count;
}

int NumberGridColumn(GridState& grid, const NumberRun& run, const CellJournal& journal) {
    const GridRect& sel = grid.selection();
    const int col = grid.col();
    if (col < grid.fixedCols() || col >= grid.colCount())
        return 0;
    const int first = std::max(sel.top == sel.bottom ? grid.row() : sel.top, grid.fixedRows());
    const int last =
        std::min(sel.top == sel.bottom ? grid.rowCount() - 1 : sel.bottom, grid.rowCount() - 1);
    int count = 0;
    for (int k = 0; k < run.count() && first + k <= last; ++k) {
        journalCell(journal, col, first + k);
        grid.setCell(col, first + k, run.text(k));
        ++count;
    }
    return count;
}

}  // namespace tavor
