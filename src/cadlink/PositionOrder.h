#pragma once

#include <algorithm>
#include <vector>

#include "base/ExchangeSortOrder.h"
#include "cadlink/Point.h"

namespace tavor::cad {

// Coordinate order of acquired records: mode 0 by X ascending, 1 by Y descending (top to
// bottom), 3 or more picks the axis of the larger spread (Y when the spreads are equal). Other
// modes leave the list. Ties end up as the plain exchange sort leaves them. `pointOf` gives a
// record's reference point.
template <class Record, class PointOf>
void SortByPosition(std::vector<Record>& list, int mode, PointOf pointOf) {
    if (list.size() < 2)
        return;
    if (mode >= 3) {
        const auto byX = [&](const Record& a, const Record& b) {
            return pointOf(a).x < pointOf(b).x;
        };
        const auto byY = [&](const Record& a, const Record& b) {
            return pointOf(a).y < pointOf(b).y;
        };
        const auto [minX, maxX] = std::minmax_element(list.begin(), list.end(), byX);
        const auto [minY, maxY] = std::minmax_element(list.begin(), list.end(), byY);
        mode = pointOf(*maxY).y - pointOf(*minY).y >= pointOf(*maxX).x - pointOf(*minX).x ? 1 : 0;
    }
    if (mode == 0)
        exchangeSortByNumber(
            list, [&](const Record& r) { return pointOf(r).x; }, false);
    else if (mode == 1)
        exchangeSortByNumber(
            list, [&](const Record& r) { return pointOf(r).y; }, true);
}

}  // namespace tavor::cad
