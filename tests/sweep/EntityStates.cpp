#include "EntityStates.h"

#include <sstream>

#include "base/TextUtil.h"

namespace tavor::test {

namespace {

std::ostream& operator<<(std::ostream& out, const cad::Point& p) {
    return out << p.x << ',' << p.y << ',' << p.z;
}

std::string describe(const cad::sim::EntityRecord& e) {
    std::ostringstream out;
    out << static_cast<int>(e.kind) << '|' << toUtf8(e.layer.str()) << '|' << toUtf8(e.text.string)
        << '|' << e.text.insertion << '|' << e.text.alignmentPoint << '|' << e.text.alignment << '|'
        << e.text.height << '|' << toUtf8(e.text.style.str()) << '|' << toUtf8(e.tag.str()) << '|'
        << toUtf8(e.blockName.str()) << '|' << e.blockInsertion;
    return out.str();
}

}  // namespace

EntityStates entityStates(const cad::sim::Drawing& drawing) {
    EntityStates states;
    for (const cad::sim::EntityId id : drawing.modelSpace()) {
        const cad::sim::EntityRecord& e = drawing.live(id);
        states[id] = describe(e);
        for (const cad::sim::EntityId a : e.attributes)
            if (const auto* attribute = drawing.find(a))
                states[a] = describe(*attribute);
    }
    return states;
}

}  // namespace tavor::test
