#pragma once

#include <vector>

#include "cadlink/SelectionFilter.h"
#include "cadlink/sim/Drawing.h"
#include "cadlink/sim/Wildcard.h"

namespace tavor::cad::sim {

// A selection filter compiled for matching many entities. Entity type (0), block name (2) and
// layer (8) are table names and match without regard to case; the text string (1) matches by
// the given rule. An entity without a value for a code does not meet that condition.
class CompiledFilter {
public:
    // Raises CadError for a group code the CAD does not filter by here.
    CompiledFilter(const SelectionFilter& filter, CaseRule textRule);

    bool accepts(const EntityRecord& entity) const;

private:
    struct Condition {
        std::int16_t code;
        WildcardPattern pattern;
    };
    std::vector<Condition> conditions_;
};

// The entity type as the filter's group code 0 names it ("TEXT", "INSERT", "ATTRIB").
const char16_t* entityTypeName(EntityKind kind);

}  // namespace tavor::cad::sim
