#pragma once

#include <string>
#include <vector>

namespace tavor {

class Platform;

// Replaces a literal search string: every occurrence, left to right, without overlap; the
// inserted text is not searched again. Ignoring case compares both sides upper-cased by the
// platform's locale rules. Set up once per command, then applied to each line or cell.
class Replacer {
public:
    Replacer(std::u16string search, std::u16string replacement, bool ignoreCase,
             Platform& platform);

    // Replaces in place; a text without a hit is left untouched.
    void apply(std::u16string& text) const;

private:
    const std::u16string& comparable(const std::u16string& text) const;
    bool upperUnitByUnit(const std::u16string& text) const;

    std::u16string search_, replacement_, comparableSearch_;
    bool ignoreCase_;
    Platform& platform_;
    mutable std::u16string scratch_;  // reused by every apply of one command
    mutable std::u16string upper_;    // the comparable form of the text being searched
    // The platform's upper case of each code unit, asked once per unit and command; two
    // markers stand for a unit not asked yet and for one that cannot be upper-cased alone.
    static constexpr char16_t kNotAsked = 0xFFFF, kNotAlone = 0xFFFE;
    mutable std::vector<char16_t> unitUpper_;
};

}  // namespace tavor
