#pragma once

#include <array>
#include <cstdint>
#include <memory>
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
    // Fills hits_ with where the search string starts, left to right without overlap; false
    // when there is none.
    bool findHits(const std::u16string& text) const;
    bool findHitsUnitByUnit(const std::u16string& text) const;
    const std::u16string& comparable(const std::u16string& text) const;
    bool upperUnitByUnit(const std::u16string& text) const;
    char16_t upperOf(char16_t unit) const;
    char16_t askUpper(char16_t unit) const;

    std::u16string search_, replacement_, comparableSearch_;
    bool ignoreCase_;
    Platform& platform_;
    mutable std::vector<std::size_t> hits_;  // reused by every apply of one command
    mutable std::u16string upper_;           // the comparable form of a text, where needed
    // The buffers that longer results took the place of, let go together with the replacer at
    // the command's end: freed one by one between the allocations of the next results, they
    // cost the allocator more than the replacing itself.
    mutable std::vector<std::u16string> retired_;
    // The platform's upper case of each code unit, asked once per unit and command; two
    // markers stand for a unit not asked yet and for one that cannot be upper-cased alone. In
    // pages of 256 units made on first use: a command over a few scripts touches a few pages,
    // and no command asks the allocator for a table of every unit. Pages not made yet read as
    // the page of units not asked.
    static constexpr char16_t kNotAsked = 0xFFFF, kNotAlone = 0xFFFE;
    using UpperPage = std::array<char16_t, 256>;
    static const UpperPage kNoneAsked;
    mutable std::array<const UpperPage*, 256> pages_;
    mutable std::array<std::unique_ptr<UpperPage>, 256> ownPages_;
    // One bit per code unit, cleared once the unit is known to upper-case alone to something
    // other than the search string's first unit: most units of a text are passed over on one
    // bit test.
    mutable std::array<std::uint64_t, 0x10000 / 64> mayStart_;
};

}  // namespace tavor
