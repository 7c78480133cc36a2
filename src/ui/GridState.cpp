#include "ui/GridState.h"

#include <algorithm>

namespace tavor {

namespace {
constexpr int kDefaultColWidth = 64;
}

GridState::GridState(int colCount, int rowCount, int fixedCols, int fixedRows)
    : colCount_(0), rowCount_(0), fixedCols_(fixedCols), fixedRows_(fixedRows) {
    resize(colCount, rowCount);
    col_ = fixedCols_;
    row_ = fixedRows_;
    selection_ = {col_, row_, col_, row_};
}

void GridState::resize(int cols, int rows) {
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    std::vector<Cell> cells(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
    for (int r = 0; r < std::min(rows, rowCount_); ++r)
        for (int c = 0; c < std::min(cols, colCount_); ++c)
            cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) +
                  static_cast<std::size_t>(c)] = std::move(cells_[at(c, r)]);
    cells_ = std::move(cells);
    colWidths_.resize(static_cast<std::size_t>(cols), kDefaultColWidth);
    colCount_ = cols;
    rowCount_ = rows;
    layoutChanged.notify();
}

void GridState::setColCount(int count) {
    resize(count, rowCount_);
}
void GridState::setRowCount(int count) {
    resize(colCount_, count);
}

void GridState::setFixed(int cols, int rows) {
    fixedCols_ = cols;
    fixedRows_ = rows;
    layoutChanged.notify();
}

const std::u16string& GridState::cell(int col, int row) const {
    static const std::u16string empty;
    return valid(col, row) ? cells_[at(col, row)].text : empty;
}

void GridState::setCell(int col, int row, std::u16string text) {
    if (!valid(col, row) || cells_[at(col, row)].text == text)
        return;
    cells_[at(col, row)].text = std::move(text);
    cellChanged.notify(col, row);
}

int GridState::link(int col, int row) const {
    return valid(col, row) ? cells_[at(col, row)].link : 0;
}

void GridState::setLink(int col, int row, int link) {
    if (!valid(col, row) || cells_[at(col, row)].link == link)
        return;
    cells_[at(col, row)].link = link;
    cellChanged.notify(col, row);
}

int GridState::colWidth(int col) const {
    return col >= 0 && col < colCount_ ? colWidths_[static_cast<std::size_t>(col)] : 0;
}

void GridState::setColWidth(int col, int width) {
    if (col < 0 || col >= colCount_ || colWidths_[static_cast<std::size_t>(col)] == width)
        return;
    colWidths_[static_cast<std::size_t>(col)] = width;
    layoutChanged.notify();
}

void GridState::setSelection(GridRect rect) {
    if (rect == selection_)
        return;
    selection_ = rect;
    selectionChanged.notify();
}

void GridState::setCurrent(int col, int row) {
    const GridRect collapsed{col, row, col, row};
    if (col == col_ && row == row_ && selection_ == collapsed)
        return;
    col_ = col;
    row_ = row;
    selection_ = collapsed;
    selectionChanged.notify();
}

void GridState::setEditing(bool on) {
    if (editing_ == on)
        return;
    editing_ = on;
    selectionChanged.notify();
}

void GridState::setEditorOpen(bool open) {
    if (editorOpen_ == open)
        return;
    editorOpen_ = open;
    selectionChanged.notify();
}

}  // namespace tavor
