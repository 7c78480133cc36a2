#include "convert/WidthMapData.h"

#include <array>

namespace tavor::width {

namespace {

// U+2502, U+2190..U+2193, U+25A0 and U+25CB have half-width forms (U+FFE8..U+FFEE) in Unicode,
// but Windows maps neither way between them, so they are not here.
constexpr std::array<FormRange, 16> kFormRanges{{
    {u'\u0020', u'\u3000', 1},     // space and ideographic space
    {u'\u0021', u'\uFF01', 0x3B},  // ! .. [
    {u'\u005D', u'\uFF3D', 0x22},  // ] .. ~ (Windows leaves the reverse solidus alone)
    {u'\u00A2', u'\uFFE0', 2},     // cent, pound
    {u'\u00A5', u'\uFFE5', 1},     // yen
    {u'\u00A6', u'\uFFE4', 1},     // broken bar
    {u'\u00AC', u'\uFFE2', 1},     // not sign
    {u'\u00AF', u'\uFFE3', 1},     // macron
    {u'\u20A9', u'\uFFE6', 1},     // won
    {u'\u2985', u'\uFF5F', 2},     // white parentheses
    {u'\uFFA0', u'\u3164', 1},     // Hangul filler
    {u'\uFFA1', u'\u3131', 0x1E},  // Hangul consonants
    {u'\uFFC2', u'\u314F', 6},     // Hangul vowels, in the half-width block's groups
    {u'\uFFCA', u'\u3155', 6},
    {u'\uFFD2', u'\u315B', 6},
    {u'\uFFDA', u'\u3161', 3},
}};

constexpr std::u16string_view kHalfwidthKatakanaForms =
    u"。「」、・ヲァィゥェォャュョッー"
    u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン"
    u"\u3099\u309A";
static_assert(kHalfwidthKatakanaForms.size() == 0xFF9F - 0xFF61 + 1);

// The spacing sound marks become the combining ones in full width, as on Windows.
constexpr std::array<OneWay, 2> kToFullOnly{{
    {u'\u309B', u'\u3099'},
    {u'\u309C', u'\u309A'},
}};

// Curly quotes have no full-width form of their own, yet Windows narrows them to ASCII.
constexpr std::array<OneWay, 6> kToHalfOnly{{
    {u'\u2018', u'\''},
    {u'\u2019', u'\''},
    {u'\u201C', u'"'},
    {u'\u201D', u'"'},
    {u'\u309B', u'\uFF9E'},
    {u'\u309C', u'\uFF9F'},
}};

constexpr std::u16string_view kVoicedPairs =
    u"うゔかがきぎくぐけげこごさざしじすずせぜそぞただちぢつづてでとどはばひびふぶへべほぼゝゞ"
    u"ウヴカガキギクグケゲコゴサザシジスズセゼソゾタダチヂツヅテデトドハバヒビフブヘベホボ"
    u"ワヷヰヸヱヹヲヺヽヾ";
constexpr std::u16string_view kSemiVoicedPairs = u"はぱひぴふぷへぺほぽハパヒピフプヘペホポ";
static_assert(kVoicedPairs.size() % 2 == 0 && kSemiVoicedPairs.size() % 2 == 0);

}  // namespace

std::span<const FormRange> formRanges() {
    return kFormRanges;
}
std::u16string_view halfwidthKatakanaForms() {
    return kHalfwidthKatakanaForms;
}
std::span<const OneWay> toFullOnly() {
    return kToFullOnly;
}
std::span<const OneWay> toHalfOnly() {
    return kToHalfOnly;
}
std::u16string_view voicedPairs() {
    return kVoicedPairs;
}
std::u16string_view semiVoicedPairs() {
    return kSemiVoicedPairs;
}

}  // namespace tavor::width
