#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavor::cad {

// Group codes of the selection filter that the program uses.
inline constexpr std::int16_t kFilterEntityType = 0;
inline constexpr std::int16_t kFilterTextString = 1;
inline constexpr std::int16_t kFilterBlockName = 2;
inline constexpr std::int16_t kFilterLayerName = 8;

// One condition of a selection filter: a group code and its wildcard pattern. Over COM the
// conditions become the two parallel arrays (16-bit codes, variant values).
struct FilterCondition {
    std::int16_t code = 0;
    std::u16string value;
    bool operator==(const FilterCondition&) const = default;
};

// Only entities that meet every condition are selected; an empty filter selects all.
using SelectionFilter = std::vector<FilterCondition>;

}  // namespace tavor::cad
