#include "search/SearchPattern.h"

namespace tavor {

std::u16string searchPattern(const std::u16string& typed, bool prefix) {
    if (typed.empty())
        return u"*";
    return prefix ? typed + u"*" : u"*" + typed + u"*";
}

cad::SelectionFilter searchFilter(const std::u16string& pattern) {
    return {{cad::kFilterEntityType, u"TEXT"}, {cad::kFilterTextString, pattern}};
}

}  // namespace tavor
