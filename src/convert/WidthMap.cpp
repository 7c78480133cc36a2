#include "convert/WidthMap.h"

#include <algorithm>
#include <map>

#include "convert/WidthCodeUnitTable.h"
#include "convert/WidthMapData.h"

namespace tavor {

namespace {

using width::CodeUnitTable;
using width::Replacement;
using width::replacement;

bool isKatakana(char16_t c) {
    return c >= u'\u30A0' && c <= u'\u30FF';
}

struct WidthTables {
    CodeUnitTable toFull;
    CodeUnitTable toHalf;
    // Full-width kana to their voiced letter (first unit) and semi-voiced letter (second unit).
    CodeUnitTable compose;

    WidthTables() {
        for (const auto& r : width::formRanges()) {
            for (char16_t k = 0; k < r.count; ++k) {
                const auto narrow = static_cast<char16_t>(r.narrow + k);
                const auto wide = static_cast<char16_t>(r.wide + k);
                toFull.add(narrow, replacement(wide));
                toHalf.add(wide, replacement(narrow));
            }
        }
        const std::u16string_view kana = width::halfwidthKatakanaForms();
        for (std::size_t k = 0; k < kana.size(); ++k) {
            const auto half = static_cast<char16_t>(u'\uFF61' + k);
            toFull.add(half, replacement(kana[k]));
            toHalf.add(kana[k], replacement(half));
        }
        for (const auto& m : width::toFullOnly())
            toFull.add(m.from, replacement(m.to));
        for (const auto& m : width::toHalfOnly())
            toHalf.add(m.from, replacement(m.to));

        std::map<char16_t, Replacement> composed;
        addCompositions(width::voicedPairs(), width::halfwidthVoiced, 0, composed);
        addCompositions(width::semiVoicedPairs(), width::halfwidthSemiVoiced, 16, composed);
        for (const auto& [base, letters] : composed)
            compose.add(base, letters);
    }

    // A composed katakana narrows to its letter and a half-width mark; a composed hiragana,
    // which has no half-width form, stays, as it does under LCMapStringW.
    void addCompositions(std::u16string_view pairs, char16_t halfMark, int shift,
                         std::map<char16_t, Replacement>& composed) {
        for (std::size_t k = 0; k + 1 < pairs.size(); k += 2) {
            const char16_t base = pairs[k], letter = pairs[k + 1];
            composed[base] |= static_cast<Replacement>(letter) << shift;
            if (!isKatakana(base))
                continue;
            const Replacement narrowBase = toHalf.find(base);
            toHalf.add(letter,
                       replacement(narrowBase ? width::firstUnit(narrowBase) : base, halfMark));
        }
    }
};

const WidthTables& tables() {
    static const WidthTables instance;
    return instance;
}

char16_t mapped(const CodeUnitTable& table, char16_t c) {
    const Replacement r = table.find(c);
    return r ? width::firstUnit(r) : c;
}

// Full width never lengthens a text, and each step writes no further than it has read.
void toFullWidthInPlace(std::u16string& s, const WidthTables& t) {
    const std::size_t n = s.size();
    char16_t* const text = s.data();
    std::size_t o = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t wide = mapped(t.toFull, text[i]);
        if (const Replacement letters = t.compose.find(wide); letters != 0 && i + 1 < n) {
            const char16_t mark = mapped(t.toFull, text[i + 1]);
            const char16_t letter = mark == width::combiningVoiced ? width::firstUnit(letters)
                                    : mark == width::combiningSemiVoiced
                                        ? width::secondUnit(letters)
                                        : u'\0';
            if (letter != 0) {
                text[o++] = letter;
                ++i;
                continue;
            }
        }
        text[o++] = wide;
    }
    s.resize(o);
}

// Writes the half-width form of in from o on, which has room for two units per unit of in,
// and returns the end of what it wrote.
char16_t* writeHalfWidth(std::u16string_view in, char16_t* o, const WidthTables& t) {
    for (const char16_t c : in) {
        const Replacement r = t.toHalf.find(c);
        if (r == 0) {
            *o++ = c;
            continue;
        }
        *o++ = width::firstUnit(r);
        if (const char16_t second = width::secondUnit(r))
            *o++ = second;
    }
    return o;
}

// In place up to the first composed katakana, which becomes two units; from there on into one
// new buffer with room for the text to double.
void toHalfWidthInPlace(std::u16string& s, const WidthTables& t) {
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Replacement r = t.toHalf.find(s[i]);
        if (r == 0)
            continue;
        if (width::secondUnit(r) == 0) {
            s[i] = width::firstUnit(r);
            continue;
        }
        std::u16string out(i + 2 * (n - i), u'\0');
        std::copy_n(s.data(), i, out.data());
        const char16_t* end = writeHalfWidth(std::u16string_view(s).substr(i), out.data() + i, t);
        out.resize(static_cast<std::size_t>(end - out.data()));
        s = std::move(out);
        return;
    }
}

}  // namespace

void portableWidthMapInPlace(std::u16string& s, WidthForm to) {
    const WidthTables& t = tables();
    if (to == WidthForm::Full) {
        toFullWidthInPlace(s, t);
    } else {
        toHalfWidthInPlace(s, t);
    }
}

std::u16string portableWidthMap(std::u16string_view s, WidthForm to) {
    std::u16string out(s);
    portableWidthMapInPlace(out, to);
    return out;
}

}  // namespace tavor
