#pragma once

#include <string>
#include <vector>

#include "base/Property.h"

namespace tavor {

// A rectangle of cells, inclusive on every side, in grid coordinates (column, row).
struct GridRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const GridRect&) const = default;
    bool contains(int col, int row) const {
        return col >= left && col <= right && row >= top && row <= bottom;
    }
};

// The state of a string grid: cells with their texts and integer links (k >= 1: the 1-based
// index of the record behind the cell, 0: none), the layout, the selection and the editing
// state. The Qt model and view only show and edit this state.
class GridState {
public:
    GridState(int colCount, int rowCount, int fixedCols, int fixedRows);

    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    int fixedCols() const { return fixedCols_; }
    int fixedRows() const { return fixedRows_; }
    void setColCount(int count);
    void setRowCount(int count);
    void setFixed(int cols, int rows);

    const std::u16string& cell(int col, int row) const;
    void setCell(int col, int row, std::u16string text);
    int link(int col, int row) const;
    void setLink(int col, int row, int link);

    int colWidth(int col) const;
    void setColWidth(int col, int width);
    int defaultRowHeight() const { return defaultRowHeight_; }
    void setDefaultRowHeight(int height) { defaultRowHeight_ = height; }

    const GridRect& selection() const { return selection_; }
    void setSelection(GridRect rect);
    int col() const { return col_; }  // current cell
    int row() const { return row_; }
    // Moves the current cell and collapses the selection onto it.
    void setCurrent(int col, int row);

    bool editing() const { return editing_; }  // cells may be edited at all
    void setEditing(bool on);
    bool editorOpen() const { return editorOpen_; }  // a cell editor is open now
    void setEditorOpen(bool open);

    Signal<int, int> cellChanged;  // (col, row): text or link
    Signal<> layoutChanged;        // counts, fixed cells, widths, a wholesale change
    Signal<> selectionChanged;     // selection, current cell, editing state

private:
    std::size_t at(int col, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(colCount_) +
               static_cast<std::size_t>(col);
    }
    bool valid(int col, int row) const {
        return col >= 0 && row >= 0 && col < colCount_ && row < rowCount_;
    }
    void resize(int cols, int rows);

    struct Cell {
        std::u16string text;
        int link = 0;
    };
    int colCount_, rowCount_, fixedCols_, fixedRows_;
    std::vector<Cell> cells_;
    std::vector<int> colWidths_;
    int defaultRowHeight_ = 24;
    GridRect selection_;
    int col_ = 0, row_ = 0;
    bool editing_ = false, editorOpen_ = false;
};

}  // namespace tavor
