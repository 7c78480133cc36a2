#include "attrgrid/TagGroup.h"

#include "base/FieldSplit.h"

namespace tavor {

TagGroup parseTagGroup(const std::u16string& line) {
    TagGroup group;
    group.fields = splitFields(line, u',');
    if (!group.fields.empty())
        group.blockPattern = bracketedPattern(group.fields.front());
    return group;
}

}  // namespace tavor
