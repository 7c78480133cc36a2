#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cadlink/Point.h"

namespace tavor::cad::sim {

using EntityId = std::uint64_t;  // the handle's number

enum class EntityKind { Text, Insert, Attribute };

// What a TEXT and an attribute reference have in common.
struct TextProps {
    std::u16string string;
    Point insertion;
    Point alignmentPoint;
    std::int32_t alignment = 0;
    double height = 2.5;
    std::u16string style = u"Standard";
};

struct EntityRecord {
    EntityId id = 0;
    std::int32_t objectId = 0;
    EntityKind kind = EntityKind::Text;
    std::u16string layer;
    TextProps text;                    // TEXT and attribute reference
    std::u16string tag;                // attribute reference
    EntityId owner = 0;                // attribute reference: its block reference
    std::u16string blockName;          // block reference
    Point blockInsertion;              // block reference
    std::vector<EntityId> attributes;  // block reference, in the block's order
    EntityId source = 0;  // the original that this one copies (through any copies); 0 for none

    // The point by which a text is placed: its alignment point unless the code is 0.
    const Point& referencePoint() const {
        return text.alignment == 0 ? text.insertion : text.alignmentPoint;
    }
};

}  // namespace tavor::cad::sim
