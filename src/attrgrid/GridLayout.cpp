#include "attrgrid/GridLayout.h"

#include <algorithm>

#include "ui/GridState.h"
#include "ui/Platform.h"

namespace tavor {

void ClearGrid(GridState& grid) {
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.colCount(); ++c) {
            grid.setCell(c, r, u"");
            grid.setLink(c, r, 0);
        }
}

void FitColWidths(GridState& grid, int margin, Platform& platform) {
    for (int c = 0; c < grid.colCount(); ++c) {
        int widest = 0;
        for (int r = 0; r < grid.rowCount(); ++r)
            if (!grid.cell(c, r).empty())
                widest = std::max(
                    widest, platform.textWidth(grid.cell(c, r), kGridFontFamily, kGridFontPixels));
        if (widest > 0)
            grid.setColWidth(c, widest + margin);
    }
}

}  // namespace tavor
