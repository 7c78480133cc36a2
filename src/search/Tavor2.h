#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cadlink/Point.h"

namespace tavor {

// One hit of the text search; row r of StringGrid2 links to hit r + 1 (1-based).
struct Tavor2 {
    std::u16string text;     // the TEXT's string as last known to be in the drawing
    std::u16string sHnd;     // handle of the TEXT
    std::int32_t index = 0;  // position in the selection set when found
    cad::Point insPt{};      // insertion point
    std::u16string lay;      // layer name
    bool locked = false;     // on a locked layer when found; never written
};

using HitList = std::vector<Tavor2>;

}  // namespace tavor
