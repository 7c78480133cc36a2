#pragma once

#include <span>
#include <string_view>

namespace tavor::width {

// Code units narrow .. narrow + count - 1 and wide .. wide + count - 1 are the half-width and
// full-width forms of one another.
struct FormRange {
    char16_t narrow;
    char16_t wide;
    char16_t count;
};

// A mapping in one direction only.
struct OneWay {
    char16_t from;
    char16_t to;
};

std::span<const FormRange> formRanges();

// The full-width forms of the half-width katakana block U+FF61..U+FF9F, in code order.
std::u16string_view halfwidthKatakanaForms();

std::span<const OneWay> toFullOnly();
std::span<const OneWay> toHalfOnly();

// Pairs of a full-width kana and its voiced (semi-voiced) letter, base first.
std::u16string_view voicedPairs();
std::u16string_view semiVoicedPairs();

// The combining marks that the full-width forms end with.
inline constexpr char16_t combiningVoiced = u'\u3099';
inline constexpr char16_t combiningSemiVoiced = u'\u309A';
inline constexpr char16_t halfwidthVoiced = u'\uFF9E';
inline constexpr char16_t halfwidthSemiVoiced = u'\uFF9F';

}  // namespace tavor::width
