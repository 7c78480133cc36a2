#pragma once

#include <array>
#include <cstdint>
#include <deque>

namespace tavor::width {

// A replacement of one or two UTF-16 code units, packed as first | second << 16. Zero means
// "no entry": no mapping ever produces U+0000, and a second unit of 0 means there is none.
using Replacement = std::uint32_t;

constexpr Replacement replacement(char16_t first, char16_t second = 0) {
    return static_cast<Replacement>(first) | static_cast<Replacement>(second) << 16;
}
constexpr char16_t firstUnit(Replacement r) {
    return static_cast<char16_t>(r & 0xFFFF);
}
constexpr char16_t secondUnit(Replacement r) {
    return static_cast<char16_t>(r >> 16);
}

// A sparse map from code units to replacements, looked up in two steps without a branch: the
// high byte picks a page (pages without entries share one empty page), the low byte the slot.
class CodeUnitTable {
public:
    CodeUnitTable();
    // The page pointers point into this table's own pages.
    CodeUnitTable(const CodeUnitTable&) = delete;
    CodeUnitTable& operator=(const CodeUnitTable&) = delete;

    // Keeps the first entry given for a unit, as the first table row to match wins.
    void add(char16_t from, Replacement to);

    Replacement find(char16_t c) const { return (*pageOf_[c >> 8])[c & 0xFF]; }

private:
    using Page = std::array<Replacement, 256>;
    std::deque<Page> pages_;  // a deque keeps its elements in place as it grows
    std::array<Page*, 256> pageOf_;
};

}  // namespace tavor::width
