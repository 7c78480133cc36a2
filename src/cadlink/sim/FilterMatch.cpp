#include "cadlink/sim/FilterMatch.h"

#include "base/TextUtil.h"
#include "cadlink/CadError.h"

namespace tavor::cad::sim {

const char16_t* entityTypeName(EntityKind kind) {
    switch (kind) {
        case EntityKind::Text:
            return u"TEXT";
        case EntityKind::Insert:
            return u"INSERT";
        case EntityKind::Attribute:
            break;
    }
    return u"ATTRIB";
}

CompiledFilter::CompiledFilter(const SelectionFilter& filter, CaseRule textRule) {
    for (const auto& c : filter) {
        switch (c.code) {
            case kFilterEntityType:
            case kFilterBlockName:
            case kFilterLayerName:
                conditions_.push_back({c.code, WildcardPattern(c.value, CaseRule::Insensitive)});
                break;
            case kFilterTextString:
                conditions_.push_back({c.code, WildcardPattern(c.value, textRule)});
                break;
            default:
                throw CadError(u"The selection filter's group code " + toU16(c.code) +
                               u" is not supported.");
        }
    }
}

bool CompiledFilter::accepts(const EntityRecord& e) const {
    for (const auto& c : conditions_) {
        switch (c.code) {
            case kFilterEntityType:
                if (!c.pattern.matches(entityTypeName(e.kind)))
                    return false;
                break;
            case kFilterTextString:
                if (e.kind == EntityKind::Insert || !c.pattern.matches(e.text.string))
                    return false;
                break;
            case kFilterBlockName:
                if (e.kind != EntityKind::Insert || !c.pattern.matches(e.blockName.str()))
                    return false;
                break;
            default:
                if (!c.pattern.matches(e.layer.str()))
                    return false;
                break;
        }
    }
    return true;
}

}  // namespace tavor::cad::sim
