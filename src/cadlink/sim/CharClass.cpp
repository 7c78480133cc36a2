#include "cadlink/sim/CharClass.h"

namespace tavor::cad::sim {

std::u32string toCodePoints(std::u16string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            out.push_back(0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

char32_t foldCase(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2)
        return c - 0x20;
    if (c == 0x3C2)
        return 0x3A3;
    if (c >= 0x430 && c <= 0x44F)
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50;
    if (c >= 0xFF41 && c <= 0xFF5A)
        return c - 0x20;
    return c;
}

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

bool isLetter(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'))
        return true;
    if (c >= 0xC0 && c <= 0x24F)
        return c != 0xD7 && c != 0xF7;
    if (c >= 0x370 && c <= 0x52F)
        return true;  // Greek, Cyrillic
    if (c >= 0x3041 && c <= 0x30FF)
        return c != 0x30FB;  // kana, not the middle dot
    if (c >= 0x3400 && c <= 0x9FFF)
        return true;  // CJK ideographs
    if ((c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A))
        return true;
    return c >= 0xFF66 && c <= 0xFF9D;  // half-width kana
}

}  // namespace tavor::cad::sim
