#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cadlink/Point.h"

namespace tavor {

// One acquired entity of the text tab; editor line i belongs to textList entry i.
struct Tavor {
    std::u16string sHnd;  // handle of the entity; empty when the line has no entity (yet)
    std::u16string text;  // the entity's text as read
    cad::Point insPt{};   // reference point: insertion point, or alignment point when txtAli != 0
    std::int32_t txtAli = 0;    // alignment code
    std::u16string lay;         // layer name
    std::int32_t index = 0;     // position when acquired, in pick order
    std::u16string parentType;  // "INSERT" for attribute values, empty for TEXT
    std::u16string parentHnd;   // handle of the owning block reference
    std::int64_t parentId = 0;  // object id of the owner
    std::u16string parentName;
    bool locked = false;
};

using TextList = std::vector<Tavor>;

inline const cad::Point& referencePoint(const Tavor& t) {
    return t.insPt;
}

}  // namespace tavor
