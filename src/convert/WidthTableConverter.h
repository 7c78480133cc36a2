#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "convert/WidthCodeUnitTable.h"
#include "convert/WidthForm.h"
#include "convert/WidthTables.h"

namespace tavor::zenHanUtil {

// Applies a conversion table in one pass over the text, with the result of applying its rows
// one after the other (each row replacing every occurrence left to right, without overlap and
// without searching its own insertions). The pass gives that result for tables of this unit's
// kind: no inserted text holds a character that any row looks for, and a row looking for two
// characters (a letter and its voiced mark) comes before any row looking for its first one.
class TableConverter {
public:
    // from: the column that is looked for. Strings of the columns are one or two units long.
    TableConverter(std::span<const TableRow> rows, WidthForm from);

    // eachRow runs once per table row, spread evenly over the pass, so a user interface can
    // breathe as often as under the row-by-row procedure.
    void apply(std::u16string& s, const std::function<void()>& eachRow) const;

private:
    // Writes the converted text to out (which may be in.data() when no unit grows) and returns
    // its length.
    std::size_t convert(std::u16string_view in, char16_t* out,
                        const std::function<void()>& eachRow) const;

    struct PairRule {
        char16_t second;
        width::Replacement to;
    };

    std::size_t rowCount_;
    std::size_t growth_ = 1;  // most units one unit of the text can become
    // The range of the units any rule starts with: a unit outside it needs no lookup.
    char16_t lowest_ = 0xFFFF;
    char16_t highest_ = 0;
    width::CodeUnitTable singles_;
    // The rules looking for two units, keyed by their first unit: the value is 1 + the index of
    // that unit's first rule in pairRules_, where its rules follow one another in row order.
    width::CodeUnitTable pairStarts_;
    std::vector<char16_t> pairFirsts_;
    std::vector<PairRule> pairRules_;
};

}  // namespace tavor::zenHanUtil
