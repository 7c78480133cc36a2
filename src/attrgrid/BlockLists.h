#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cadlink/Objects.h"
#include "cadlink/Point.h"

namespace tavor {

// A picked block reference that carries at least one attribute of the TAG group.
struct nBlk {
    cad::Handle sHnd;
    cad::Point insPt;
    std::u16string lay;
    std::int32_t index = 0;  // part of the record; the grid does not use it
    std::u16string blkName;
};

// An attribute reference shown in the grid. `text` is the value as last read from or written to
// the drawing: a cell that differs from it is changed.
struct nAtt {
    cad::Handle sHnd;
    std::u16string text;
    cad::Point insPt;  // where a click on its cell shows the drawing
    std::u16string lay;
};

using BlkList = std::vector<nBlk>;
// Grid cells link to it 1-based: link k is element k - 1.
using AttList = std::vector<nAtt>;

// Orders the block references by insertion point: top to bottom when their Y spread is at
// least their X spread, else left to right; ties as the plain exchange sort leaves them.
void SortBlocksByPosition(BlkList& list);

}  // namespace tavor
