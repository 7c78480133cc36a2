#pragma once

#include <string>
#include <vector>

namespace tavor {

// One line of the grid tab's TAG list: a label, then the TAGs of the grid's columns, split at
// every comma (blanks kept, quoted fields read as such). A label may name the blocks to pick
// with a bracketed pattern ("機器[DEV*]").
struct TagGroup {
    std::vector<std::u16string> fields;  // the label, then one TAG per column 1, 2, ...
    std::u16string blockPattern = u"*";

    // Column c (c >= 1) belongs to fields[c]; column 0 holds the row numbers.
    int columnCount() const { return static_cast<int>(fields.size()); }
};

TagGroup parseTagGroup(const std::u16string& line);

}  // namespace tavor
