#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tavor::zenHanUtil {

// One row of a conversion table: the same text in its full-width and half-width forms.
struct TableRow {
    std::u16string_view full;
    std::u16string_view half;
};

// Row order matters: the table routines apply the rows one after the other, first row first.
extern const std::array<TableRow, 10> DigitTable;
extern const std::array<TableRow, 14> NumTable;
extern const std::array<TableRow, 52> AlphaTable;
extern const std::array<TableRow, 33> SymbolTable;
extern const std::array<TableRow, 84> KanaTable;

}  // namespace tavor::zenHanUtil
