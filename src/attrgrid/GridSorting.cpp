// Sorting StringGrid1's rows by the current column, or back into the order of acquisition.
#include "attrgrid/GridTab.h"
#include "grid/SortGridRows.h"

namespace tavor {

void GridTab::sortByText() {
    if (g_.StringGrid1.col() > 0)
        SortGridRows(g_.StringGrid1, g_.StringGrid1.col(), false, ctx_.platform);
}

void GridTab::sortByNumber() {
    if (g_.StringGrid1.col() > 0)
        SortGridRows(g_.StringGrid1, g_.StringGrid1.col(), true, ctx_.platform);
}

// Column 0 holds each row's number of acquisition.
void GridTab::sortByAcquisition() {
    SortGridRows(g_.StringGrid1, 0, true, ctx_.platform);
}

}  // namespace tavor
