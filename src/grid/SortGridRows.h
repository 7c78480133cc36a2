#pragma once

namespace tavor {

class GridState;
class Platform;

// Orders the rows below row 0 by the cells of `column`, exactly as the plain exchange sort over
// rows 1..RowCount-1 does (equal keys never swap), in O(n log n). Text order compares UTF-16
// code units (a proper prefix first); number order reads each key with the platform's number
// reading, a key that is not a number (or not a real one) counting as 0. Whole rows move: every
// text and every link, column 0 included. Grids with fewer than two data rows stay as they are.
void SortGridRows(GridState& grid, int column, bool numeric, Platform& platform);

}  // namespace tavor
