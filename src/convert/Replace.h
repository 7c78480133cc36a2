#pragma once

#include <string>

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
    std::u16string comparable(const std::u16string& text) const;

    std::u16string search_, replacement_, comparableSearch_;
    bool ignoreCase_;
    Platform& platform_;
    mutable std::u16string scratch_;  // reused by every apply of one command
};

}  // namespace tavor
