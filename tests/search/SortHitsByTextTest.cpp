#include <gtest/gtest.h>

#include <random>

#include "search/SortHitsByText.h"
#include "support/FakePlatform.h"

namespace tavor {
namespace {

HitList hitsOf(const std::vector<std::u16string>& texts) {
    HitList hits;
    for (std::size_t i = 0; i < texts.size(); ++i)
        hits.push_back({texts[i],
                        u"H" + std::u16string(1, char16_t(u'A' + i % 26)),
                        static_cast<std::int32_t>(i),
                        {double(i), 0, 0},
                        u"0",
                        i % 3 == 0});
    return hits;
}

// The exchange sort as written out: for i < j, swap the whole records when text i > text j.
void literalExchangeSort(HitList& hits) {
    for (std::size_t i = 0; i + 1 < hits.size(); ++i)
        for (std::size_t j = i + 1; j < hits.size(); ++j)
            if (hits[i].text > hits[j].text)
                std::swap(hits[i], hits[j]);
}

std::vector<std::int32_t> indexes(const HitList& hits) {
    std::vector<std::int32_t> out;
    for (const Tavor2& h : hits)
        out.push_back(h.index);
    return out;
}

class SortHitsByTextTest : public testing::Test {
protected:
    test::FakePlatform platform;
    TLabel label{u"Label6", u"TEXT = 9"};
};

TEST_F(SortHitsByTextTest, OrdersByCodeUnitsPrefixFirstUpperBeforeLower) {
    HitList hits = hitsOf(
        {u"b", u"AB", u"a", u"A", u"", u"Ａ", u"B", u"A1", u"電源", u"\U00020B9F", u"\uFFFF"});
    SortHitsByText(hits, label, platform);
    std::vector<std::u16string> texts;
    for (const Tavor2& h : hits)
        texts.push_back(h.text);
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"", u"A", u"A1", u"AB", u"B", u"a", u"b",
                                                  u"電源", u"\U00020B9F", u"Ａ", u"\uFFFF"}));
    // Whole records move: each keeps its own handle, point and lock.
    for (const Tavor2& h : hits) {
        EXPECT_EQ(h.insPt.x, h.index);
        EXPECT_EQ(h.locked, h.index % 3 == 0);
    }
}

// Equal texts end in the order the exchange sort leaves them, which is not the input order.
TEST_F(SortHitsByTextTest, TiesEndWhereTheExchangeSortLeavesThem) {
    HitList hits = hitsOf({u"B", u"A", u"B", u"A", u"B"});
    HitList expected = hits;
    literalExchangeSort(expected);
    SortHitsByText(hits, label, platform);
    EXPECT_EQ(indexes(hits), indexes(expected));
    EXPECT_NE(indexes(hits), (std::vector<std::int32_t>{1, 3, 0, 2, 4}));
}

TEST_F(SortHitsByTextTest, MatchesTheLiteralSortOnRandomListsWithTiesAndPrefixes) {
    const std::vector<std::u16string> pieces = {u"",    u"A",  u"a",  u"AB",   u"A B", u"W1",
                                                u"W10", u"w1", u"電", u"電源", u"\t"};
    std::mt19937 random(12);
    for (int round = 0; round < 300; ++round) {
        const std::size_t n = random() % 120;
        std::vector<std::u16string> texts;
        for (std::size_t i = 0; i < n; ++i) {
            std::u16string t = pieces[random() % pieces.size()];
            if (random() % 3 == 0)
                t += pieces[random() % pieces.size()];
            texts.push_back(t);
        }
        HitList hits = hitsOf(texts);
        HitList expected = hits;
        literalExchangeSort(expected);
        SortHitsByText(hits, label, platform);
        ASSERT_EQ(indexes(hits), indexes(expected)) << "round " << round;
    }
}

TEST_F(SortHitsByTextTest, ShowsItRunsThenEmptiesTheLabel) {
    HitList hits = hitsOf({u"B", u"A", u"C"});
    std::vector<std::u16string> shown;
    platform.atProcessMessages(1, [&] { shown.push_back(label.caption); });
    SortHitsByText(hits, label, platform);
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"1 / 2"}));
    EXPECT_EQ(label.caption.get(), u"");
}

TEST_F(SortHitsByTextTest, FewerThanTwoHitsAreLeftAloneWithTheLabel) {
    HitList one = hitsOf({u"A"});
    SortHitsByText(one, label, platform);
    EXPECT_EQ(label.caption.get(), u"TEXT = 9");
    EXPECT_EQ(platform.processMessagesCalls, 0);
}

}  // namespace
}  // namespace tavor
