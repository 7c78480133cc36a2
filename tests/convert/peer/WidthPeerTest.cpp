// Windows' own width mapping (LCMapStringW, here Wine's) against our portable one: every code
// unit of the Basic Multilingual Plane and every kana followed by a sound mark. Each difference
// must be one that this file explains.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "convert/WidthMap.h"
#include "sys/SystemWidthMap.h"

namespace tavor {
namespace {

bool isSurrogate(char32_t u) {
    return u >= 0xD800 && u <= 0xDFFF;
}

std::string hex(std::u16string_view s) {
    std::ostringstream out;
    out << std::hex << std::uppercase;
    for (const char16_t c : s)
        out << " U+" << static_cast<unsigned>(c);
    return out.str();
}

// Code units that Wine 8 maps between widths and Windows does not: the half-width box
// drawing, arrow and shape forms and their full-width counterparts.
struct WineOnlyForm {
    char16_t first, last;
    WidthForm to;
    const char* reason;
};

const WineOnlyForm kWineOnlyForms[] = {
    {u'\uFFE8', u'\uFFEE', WidthForm::Full,
     "Wine widens the half-width box, arrow and shape forms"},
    {u'\u2502', u'\u2502', WidthForm::Half, "Wine narrows the box-drawing light vertical"},
    {u'\u2190', u'\u2193', WidthForm::Half, "Wine narrows the four arrows"},
    {u'\u25A0', u'\u25A0', WidthForm::Half, "Wine narrows the black square"},
    {u'\u25CB', u'\u25CB', WidthForm::Half, "Wine narrows the white circle"},
};

const WineOnlyForm* wineOnly(char16_t c, WidthForm to) {
    for (const auto& k : kWineOnlyForms) {
        if (k.to == to && c >= k.first && c <= k.last)
            return &k;
    }
    return nullptr;
}

struct Mapped {
    std::u16string text;
    int reportedLength;
};

// The second call of the system's two-call sizing must write what the first one reported.
Mapped bySystem(std::u16string_view s, WidthForm to) {
    Mapped m{systemWidthMap(s, to == WidthForm::Full),
             systemWidthMappedLength(s, to == WidthForm::Full)};
    EXPECT_EQ(m.reportedLength, static_cast<int>(m.text.size())) << hex(s);
    return m;
}

// The same text, and the length the sizing call reported is the length of ours.
bool agree(const Mapped& system, const std::u16string& ours) {
    return system.text == ours && system.reportedLength == static_cast<int>(ours.size());
}

const char* name(WidthForm to) {
    return to == WidthForm::Full ? "full" : "half";
}

TEST(WidthPeer, EveryCodeUnitMapsAsOnWindows) {
    std::map<const WineOnlyForm*, int> used;
    std::vector<std::string> unexplained;
    for (char32_t u = 1; u <= 0xFFFF; ++u) {
        if (isSurrogate(u))
            continue;
        const std::u16string in(1, static_cast<char16_t>(u));
        for (const WidthForm to : {WidthForm::Full, WidthForm::Half}) {
            const Mapped system = bySystem(in, to);
            const std::u16string ours = portableWidthMap(in, to);
            if (agree(system, ours))
                continue;
            if (const auto* known = wineOnly(in[0], to); known != nullptr && ours == in) {
                ++used[known];
                continue;
            }
            unexplained.push_back(std::string(name(to)) + hex(in) + " -> system" +
                                  hex(system.text) + ", ours" + hex(ours));
        }
    }
    for (const auto& d : unexplained)
        ADD_FAILURE() << d;
    for (const auto& k : kWineOnlyForms)
        EXPECT_GT(used[&k], 0) << "stale entry: " << k.reason;
}

bool isVoicedMark(char16_t c) {
    return c == u'\uFF9E' || c == u'\u3099' || c == u'\u309B';
}
bool isSemiVoicedMark(char16_t c) {
    return c == u'\uFF9F' || c == u'\u309A' || c == u'\u309C';
}

bool composesWhereWineDoesNot(const std::u16string& in, WidthForm to, const Mapped& system,
                              const std::u16string& ours) {
    if (to != WidthForm::Full || (!isVoicedMark(in[1]) && !isSemiVoicedMark(in[1])))
        return false;
    const std::u16string apart = portableWidthMap(in.substr(0, 1), WidthForm::Full) +
                                 portableWidthMap(in.substr(1), WidthForm::Full);
    return system.text == apart && ours.size() == 1 && ours != apart;
}

// Differences in a kana followed by a sound mark, with the rule that recognises each.
struct PairDifference {
    const char* reason;
    bool (*explains)(const std::u16string& in, WidthForm to, const Mapped& system,
                     const std::u16string& ours);
};

const PairDifference kPairDifferences[] = {
    {"Windows composes a kana with any following voiced or semi-voiced mark in full width "
     "(は゛ becomes ば); Wine 8 composes only a half-width katakana (or ヰ, ヱ, ヽ) with a "
     "half-width mark and leaves the rest as the letter and a combining mark",
     composesWhereWineDoesNot},
};

TEST(WidthPeer, EveryKanaBeforeASoundMarkMapsAsOnWindows) {
    const char16_t marks[] = {u'\uFF9E', u'\uFF9F', u'\u3099', u'\u309A', u'\u309B', u'\u309C'};
    std::vector<char16_t> bases;
    for (char16_t c = u'\u3040'; c <= u'\u30FF'; ++c)
        bases.push_back(c);
    for (char16_t c = u'\uFF61'; c <= u'\uFF9F'; ++c)
        bases.push_back(c);
    std::map<const PairDifference*, int> used;
    for (const char16_t base : bases) {
        for (const char16_t mark : marks) {
            const std::u16string in{base, mark};
            for (const WidthForm to : {WidthForm::Full, WidthForm::Half}) {
                const Mapped system = bySystem(in, to);
                const std::u16string ours = portableWidthMap(in, to);
                if (agree(system, ours))
                    continue;
                const auto known = std::find_if(
                    std::begin(kPairDifferences), std::end(kPairDifferences),
                    [&](const PairDifference& d) { return d.explains(in, to, system, ours); });
                if (known != std::end(kPairDifferences)) {
                    ++used[known];
                    continue;
                }
                ADD_FAILURE() << name(to) << hex(in) << " -> system" << hex(system.text) << ", ours"
                              << hex(ours);
            }
        }
    }
    for (const auto& d : kPairDifferences)
        EXPECT_GT(used[&d], 0) << "stale entry: " << d.reason;
}

TEST(WidthPeer, TheWholePlaneInOneTextMapsAsOnWindows) {
    // In code order no kana stands before a mark it composes with, so the only differences are
    // the single units explained above.
    std::u16string in;
    for (char32_t u = 1; u <= 0xFFFF; ++u) {
        if (isSurrogate(u))
            continue;
        const auto c = static_cast<char16_t>(u);
        if (wineOnly(c, WidthForm::Full) == nullptr && wineOnly(c, WidthForm::Half) == nullptr)
            in.push_back(c);
    }
    for (const WidthForm to : {WidthForm::Full, WidthForm::Half}) {
        const Mapped system = bySystem(in, to);
        EXPECT_TRUE(agree(system, portableWidthMap(in, to))) << name(to);
    }
}

TEST(WidthPeer, EmptyTextGivesEmptyResult) {
    EXPECT_EQ(systemWidthMap(u"", true), u"");
    EXPECT_EQ(systemWidthMap(u"", false), u"");
}

}  // namespace
}  // namespace tavor
