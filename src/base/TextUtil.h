#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavor {

// Characters 0..32 are what the program trims; U+3000 (the full-width space) is content.
inline bool isTrimmable(char16_t c) {
    return c <= u' ';
}

std::u16string_view trimmed(std::u16string_view s);
// Blank: nothing left after trimming characters 0..32.
bool isBlank(std::u16string_view s);

// Splits at CR, LF or CR LF. Every break ends a line, so "a\r\n" gives {"a", ""} and the
// empty text gives one empty line: joinLines(splitLines(t)) == t for CR LF text.
std::vector<std::u16string> splitLines(std::u16string_view text);
std::u16string joinLines(const std::vector<std::u16string>& lines,
                         std::u16string_view sep = u"\r\n");
// The same into `out`, in the buffer it already has when that is large enough.
void joinLinesInto(std::u16string& out, const std::vector<std::u16string>& lines,
                   std::u16string_view sep = u"\r\n");

// Plain conversions between the core's UTF-16 and UTF-8 (file names, messages, tests).
// Invalid input becomes U+FFFD (and clears *valid); nothing is dropped silently.
std::u16string fromUtf8(std::string_view s, bool* valid = nullptr);
std::string toUtf8(std::u16string_view s);

// ASCII-only upper-casing (a..z to A..Z), as the numbering texts are upper-cased.
std::u16string asciiUpper(std::u16string s);

std::u16string toU16(long long value);

}  // namespace tavor
