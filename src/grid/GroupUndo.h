#pragma once

namespace tavor {

class GridState;
class TUndoCells;

// Ctrl+Z on a grid: with a group count of 0 or less one record, otherwise the whole group, after
// which the count is 0.
void GroupUndo(TUndoCells& undoCells, GridState& grid, int& undoCount);

// The UNDO button: as many records as the group count, which stays, so that each press takes
// back another group of that size. With a count of 0 (right after an acquisition, or after
// Ctrl+Z took a group back) it takes back one record, as Ctrl+Z does then, so that the button
// never does nothing while the journal holds records.
void RepeatGroupUndo(TUndoCells& undoCells, GridState& grid, int undoCount);

}  // namespace tavor
