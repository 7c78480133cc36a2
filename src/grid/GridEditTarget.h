#pragma once

#include <functional>

namespace tavor {

class GridState;
class TUndoCells;

// Called with a cell's column and row just before the cell is written, so that the cell undo
// journal can record it.
using CellJournal = std::function<void(int col, int row)>;

// Where a multi-cell command writes: the grid, the journal that records each cell before it is
// written, and the journal's group size (sgUndoCnt) that Ctrl+Z takes back at once.
struct GridEditTarget {
    GridState* grid = nullptr;
    CellJournal journal;
    std::function<void(int)> setUndoCount;

    // A grid with its undo journal and group count, as the form holds them.
    static GridEditTarget of(GridState& grid, TUndoCells& undoCells, int& undoCount);

    void record(int col, int row) const;
    // After a walk: the group is the cells written, or 1 when none, so that an undo always takes
    // back at least one record.
    void closeGroup(int cellsWritten) const;
};

}  // namespace tavor
