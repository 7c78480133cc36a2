#pragma once

#include <cstdint>
#include <string>

#include "convert/NumberText.h"

namespace tavor {

// What the addition dialog chose.
struct AdditionSettings {
    NumberBase base = NumberBase::Decimal;
    NumberSearch direction = NumberSearch::Last;  // decimal only
    int digitCount = 2;                           // hexadecimal and octal: trailing characters
    std::int32_t addend = 1;
};

// Adds the addend to the text's number in place; false, with the text untouched, when there is
// nothing to add to: a blank text, no number, not the base's digits, or a result that would
// not be a true 32-bit value (a decimal run beyond 2147483647, or a decimal or octal sum
// beyond 32 bits). Hexadecimal wraps modulo 2^32 by design, so it never overflows.
bool AddToNumber(std::u16string& text, const AdditionSettings& settings);

}  // namespace tavor
