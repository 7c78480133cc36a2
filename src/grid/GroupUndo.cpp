#include "grid/GroupUndo.h"

#include <algorithm>

#include "grid/TUndoCells.h"

namespace tavor {

void GroupUndo(TUndoCells& undoCells, GridState& grid, int& undoCount) {
    if (undoCount <= 0) {
        undoCells.Undo(&grid);
        return;
    }
    for (int i = 0; i < undoCount && undoCells.FindNewest(&grid); ++i)
        undoCells.Undo(&grid);
    undoCount = 0;
}

void RepeatGroupUndo(TUndoCells& undoCells, GridState& grid, int undoCount) {
    for (int i = 0; i < std::max(undoCount, 1) && undoCells.FindNewest(&grid); ++i)
        undoCells.Undo(&grid);
}

}  // namespace tavor
