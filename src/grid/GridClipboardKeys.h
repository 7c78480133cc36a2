#pragma once

#include "grid/GridEditTarget.h"
#include "grid/GridKeys.h"

namespace tavor {

class Platform;

inline constexpr char16_t kClipboardCopyFailed[] = u"クリップボードへのコピーに失敗しました．";

// The clipboard keys that both grids share, on the target's grid, journal and group count:
// Delete over more than one selected cell empties them; Ctrl+C copies the selection as a table
// (cells separated by TAB, every row ended by CR LF); Ctrl+X copies, then empties; Ctrl+V
// pastes such a table at the selection's top left corner, repeating its lines downward to the
// selection's bottom. Every written cell is journalled just before it is written, and the group
// count becomes the cells written (at least 1). A handled key is set to kKeyConsumed; any other
// key is left for the grid. Only data cells are touched: the selection is cut to them.
void GridClipboardKeys(const GridEditTarget& target, Platform& platform, KeyCode& Key,
                       ShiftState Shift);

}  // namespace tavor
