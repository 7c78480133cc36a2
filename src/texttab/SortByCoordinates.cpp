#include "texttab/SortByCoordinates.h"

#include <algorithm>

#include "ui/ExchangeSortOrder.h"

namespace tavor {

namespace {

int automaticMode(const TextList& list) {
    const auto [minX, maxX] =
        std::minmax_element(list.begin(), list.end(),
                            [](const Tavor& a, const Tavor& b) { return a.insPt.x < b.insPt.x; });
    const auto [minY, maxY] =
        std::minmax_element(list.begin(), list.end(),
                            [](const Tavor& a, const Tavor& b) { return a.insPt.y < b.insPt.y; });
    return maxY->insPt.y - minY->insPt.y >= maxX->insPt.x - minX->insPt.x ? 1 : 0;
}

}  // namespace

void SortByCoordinates(TextList& list, int mode) {
    if (list.size() < 2)
        return;
    if (mode >= 3)
        mode = automaticMode(list);
    if (mode == 0)
        exchangeSort(list, [](const Tavor& a, const Tavor& b) { return a.insPt.x < b.insPt.x; });
    else if (mode == 1)
        exchangeSort(list, [](const Tavor& a, const Tavor& b) { return a.insPt.y > b.insPt.y; });
}

}  // namespace tavor
