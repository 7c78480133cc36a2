#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/InternedString.h"
#include "cadlink/Point.h"

namespace tavor::cad::sim {

using EntityId = std::uint64_t;  // the handle's number

enum class EntityKind : std::uint8_t { Text, Insert, Attribute };

// The style a text has unless it names another; shared, as most texts have it.
inline const InternedString& standardStyle() {
    static const InternedString standard = u"Standard";
    return standard;
}

// What a TEXT and an attribute reference have in common.
struct TextProps {
    std::u16string string;
    Point insertion;
    Point alignmentPoint;
    std::int32_t alignment = 0;
    double height = 2.5;
    InternedString style = standardStyle();
};

// A large drawing holds hundreds of thousands: names are interned, the fields packed.
struct EntityRecord {
    EntityId id = 0;
    std::int32_t objectId = 0;
    EntityKind kind = EntityKind::Text;
    InternedString layer;
    TextProps text;                    // TEXT and attribute reference
    InternedString tag;                // attribute reference
    EntityId owner = 0;                // attribute reference: its block reference
    InternedString blockName;          // block reference
    Point blockInsertion;              // block reference
    std::vector<EntityId> attributes;  // block reference, in the block's order
    EntityId source = 0;  // the original that this one copies (through any copies); 0 for none

    // The point by which a text is placed: its alignment point unless the code is 0.
    const Point& referencePoint() const {
        return text.alignment == 0 ? text.insertion : text.alignmentPoint;
    }
};

}  // namespace tavor::cad::sim
