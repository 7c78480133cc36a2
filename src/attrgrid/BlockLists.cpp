#include "attrgrid/BlockLists.h"

#include "cadlink/PositionOrder.h"

namespace tavor {

void SortBlocksByPosition(BlkList& list) {
    cad::SortByPosition(list, 3, [](const nBlk& b) -> const cad::Point& { return b.insPt; });
}

}  // namespace tavor
