#pragma once

#include <string>
#include <string_view>

namespace tavor::cad::sim {

// UTF-16 to code points; a lone surrogate stays one code point of its own.
std::u32string toCodePoints(std::u16string_view text);

// Simple upper-case folding for Latin, Greek, Cyrillic and full-width Latin letters, as table
// names are compared without regard to case.
char32_t foldCase(char32_t c);

bool isDigit(char32_t c);
// Letters of the scripts the drawings use: Latin (also full-width), Greek, Cyrillic, kana and
// CJK ideographs.
bool isLetter(char32_t c);

}  // namespace tavor::cad::sim
