#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavor {

enum class NumberBase { Decimal, Hexadecimal, Octal };

// A text cut around one run of the ASCII digits '0'..'9'; the parts view the text that was
// split. number is empty when the text holds no digit.
struct NumberSplit {
    std::u16string_view prefix, number, suffix;
};

enum class NumberSearch { First, Last };

// Strips characters 0..32 from both ends, then cuts around the first or the last digit run.
NumberSplit SplitNumber(std::u16string_view text, NumberSearch direction);

// Both are true for the empty text.
bool IsHexDigits(std::u16string_view text);
bool IsOctDigits(std::u16string_view text);

// Each character's decimal digit value times its power of 8, so "8" and "9" pass as 8 and 9;
// nullopt for any other character, for the empty text and for a value beyond 32 bits.
std::optional<std::int32_t> OctStrToInt(std::u16string_view text);

// Octal digits of value, '0' put in front up to width; 0 gives only the padding zeros. Below
// zero the text is a minus sign before the padded digits of the magnitude.
std::u16string IntToOctStr(std::int32_t value, int width);

// A value as the conversions write it, padded with '0' to at least width characters:
// decimal with a minus sign before the padded magnitude; hexadecimal in upper case as an
// unsigned 32-bit number (so -1 is FFFFFFFF); octal as IntToOctStr.
std::u16string FormatNumber(std::int32_t value, NumberBase base, int width);

// A decimal integer as the dialogs' fields hold it: blanks around, an optional sign, digits,
// within 32 bits; nullopt otherwise.
std::optional<std::int32_t> ParseDecimalInt(std::u16string_view text);

// A run of hexadecimal digits (either case) as an unsigned 32-bit pattern; nullopt for the
// empty text, another character or more than 32 bits of value.
std::optional<std::uint32_t> ParseHexDigits(std::u16string_view text);

}  // namespace tavor
