#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavor {

// Splits at every `delimiter`. Blanks neither split nor are trimmed. A field that starts with a
// double quote is read as a quoted field: it ends at the next lone quote, a doubled quote inside
// stands for one quote, and a delimiter inside does not split; what follows the closing quote up
// to the next delimiter stays part of the field, and an unclosed quote runs to the end. The
// empty text has no fields; a delimiter at the end adds one empty field.
std::vector<std::u16string> splitFields(std::u16string_view text, char16_t delimiter);

// The block-name pattern that a label carries in square brackets: the text strictly between
// the first "[" and the first "]" when that "]" comes at least two places after the "["; "*"
// (every block) otherwise.
std::u16string bracketedPattern(std::u16string_view label);

}  // namespace tavor
