#pragma once

namespace tavor {

class GridState;
class Platform;

// The attribute grid's font, in which its texts are measured.
inline constexpr char16_t kGridFontFamily[] = u"Tahoma";
inline constexpr int kGridFontPixels = 13;
inline constexpr int kGridRowHeight = 20;

// Every cell empty, every link 0; the layout stays.
void ClearGrid(GridState& grid);

// Each column as wide as its widest text (all rows, the fixed one included) plus the margin;
// a column without any text keeps its width.
void FitColWidths(GridState& grid, int margin, Platform& platform);

}  // namespace tavor
