#include <gtest/gtest.h>

#include <algorithm>

#include "base/TextUtil.h"
#include "search/SearchTabRig.h"

namespace tavor::test {
namespace {

using V = std::vector<std::u16string>;

class SearchTest : public testing::Test {
protected:
    SearchTabRig rig;
    TTavorMainForm& form = rig.form;

    int escapes() const {
        const auto& calls = rig.cad.desktop.calls;
        return static_cast<int>(std::count(calls.begin(), calls.end(), "escape down"));
    }
};

TEST_F(SearchTest, EmptyPatternListsEveryTextSortedAndShowsTheFirst) {
    const auto w2 = rig.addText(u"W2", {20, 5});
    const auto w1 = rig.addText(u"W1", {10, 5});
    rig.addText(u"L1", {30, 5}, u"LOCKED");
    rig.drawing().defineBlock({u"B", {}});
    rig.drawing().addInsert({u"B", {}, u"W", {}});
    form.StatusBar1.panels[1] = u"old";
    rig.search(u"");

    EXPECT_EQ(rig.rows(), (V{u"L1", u"W1", u"W2"}));
    EXPECT_EQ(rig.links(), (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(form.hitList.size(), 3u);
    EXPECT_EQ(form.hitList[1].sHnd, w1);
    EXPECT_EQ(form.hitList[1].index, 1);  // its place in the selection set
    EXPECT_EQ(form.hitList[1].insPt, (cad::Point{10, 5, 0}));
    EXPECT_EQ(form.hitList[1].lay, u"W");
    EXPECT_EQ(form.hitList[2].sHnd, w2);
    EXPECT_EQ(form.Label7.caption.get(), u"[*] (部分一致)");
    // The first row is selected: its handle and point, and the CAD view centred on it.
    EXPECT_EQ(form.StringGrid2.row(), 0);
    EXPECT_EQ(form.StatusBar1.panels[0].get(), form.hitList[0].sHnd);
    EXPECT_EQ(form.StatusBar1.panels[1].get(), u"30.000, 5.000");
    EXPECT_EQ(form.Label6.caption.get(), u"1 / 3");
    EXPECT_EQ(rig.cad.cad->view().centre.x, 30);
    EXPECT_EQ(form.SpeedButton14.caption.get(), u"検索");
    EXPECT_TRUE(form.SpeedButton14.enabled);
    EXPECT_TRUE(form.Edit3.enabled);
    EXPECT_FALSE(form.SpeedButton15.enabled);
    // The CAD came forward with an Escape before and after; the program is back in front.
    EXPECT_EQ(escapes(), 2);
    EXPECT_EQ(rig.cad.desktop.foreground, FakeDesktop::kProgram);
    EXPECT_TRUE(rig.drawing().selectionSets().empty());
    EXPECT_TRUE(rig.platform.messages.empty());
}

struct PatternCase {
    const char* name;
    std::u16string typed;
    bool prefix, upperCase;
    V rows;
};

// Texts: "AB1", "xAB", "ab2", "A*B", "電源AB", "Ｗ１".
const PatternCase kPatternCases[] = {
    {"SubstringAnywhere", u"AB", false, false, {u"AB1", u"xAB", u"電源AB"}},
    {"PrefixOnlyAtTheStart", u"AB", true, false, {u"AB1"}},
    {"CaseMatters", u"ab", false, false, {u"ab2"}},
    {"UpperCasedTyping", u"ab", false, true, {u"AB1", u"xAB", u"電源AB"}},
    {"WildcardInTheText", u"A?", true, false, {u"A*B", u"AB1"}},
    {"EscapedStar", u"A`*", false, false, {u"A*B"}},
    {"Japanese", u"電源", true, false, {u"電源AB"}},
    {"FullWidth", u"Ｗ", false, false, {u"Ｗ１"}},
    {"NothingFound", u"ZZ", false, false, {u""}},
};

class SearchPatternRowsTest : public SearchTest, public testing::WithParamInterface<PatternCase> {};

TEST_P(SearchPatternRowsTest, ListsWhatThePatternFinds) {
    for (const auto* t : {u"AB1", u"xAB", u"ab2", u"A*B", u"電源AB", u"Ｗ１"})
        rig.addText(t);
    const PatternCase& c = GetParam();
    form.CheckBox3.checked = c.prefix;
    form.CheckBox4.checked = c.upperCase;
    form.CheckBox4Click();
    rig.search(c.typed);
    EXPECT_EQ(rig.rows(), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Patterns, SearchPatternRowsTest, testing::ValuesIn(kPatternCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchTest, UpperCaseBoxTurnsTheTypedTextAndTheSettingApplies) {
    form.Edit3.text = u"w1";
    form.CheckBox4.checked = true;
    form.CheckBox4Click();
    EXPECT_TRUE(form.Edit3.upperCase);
    EXPECT_EQ(form.Edit3.text.get(), u"W1");
    EXPECT_EQ(form.Label7.caption.get(), u"[*W1*] (部分一致)");  // and it searched again
    form.CheckBox4.checked = false;
    form.CheckBox4Click();
    EXPECT_FALSE(form.Edit3.upperCase);
    EXPECT_EQ(form.Edit3.text.get(), u"W1");
}

TEST_F(SearchTest, LowerCaseTextsFollowTheCadsCaseRule) {
    rig.addText(u"w1");
    rig.addText(u"W1");
    form.CheckBox4.checked = true;
    form.CheckBox4Click();
    rig.search(u"W");
    EXPECT_EQ(rig.rows(), (V{u"W1"}));
    rig.cad.cad->setTextFilterCase(cad::sim::CaseRule::Insensitive);
    rig.search(u"W");
    EXPECT_EQ(rig.rows(), (V{u"W1", u"w1"}));
}

TEST_F(SearchTest, OptionBoxesSearchAgainOnlyOnTheSearchPageWithText) {
    rig.addText(u"AB");
    rig.addText(u"xAB");
    rig.search(u"AB");
    form.CheckBox3.checked = true;
    form.CheckBox3Click();
    EXPECT_EQ(rig.rows(), (V{u"AB"}));

    form.PageControl1.activePageIndex = 0;
    form.CheckBox3.checked = false;
    form.CheckBox3Click();
    EXPECT_EQ(rig.rows(), (V{u"AB"}));

    form.PageControl1.activePageIndex = 2;
    form.Edit3.text = u"";
    form.CheckBox3Click();
    EXPECT_EQ(rig.rows(), (V{u"AB"}));
}

TEST_F(SearchTest, EnterInThePatternSearchesAndOtherKeysGoToTheEdit) {
    rig.addText(u"AB");
    form.Edit3.text = u"A";
    EXPECT_FALSE(form.Edit3KeyPress(u'A'));
    EXPECT_EQ(rig.rows(), (V{u""}));
    EXPECT_TRUE(form.Edit3KeyPress(u'\r'));
    EXPECT_EQ(rig.rows(), (V{u"AB"}));
}

// Texts that hold wildcards, brackets, control characters; very long and Japanese patterns.
TEST_F(SearchTest, AwkwardPatternsNeverFailAndFindOnlyMatches) {
    const auto every = rig.addText(u"#@.*?~[],`");
    rig.addText(u"A\tB");
    rig.addText(u"電源");
    rig.addText(std::u16string(10000, u'Q'));
    struct Case {
        std::u16string typed;
        bool prefix;
        std::size_t hits;
    };
    const Case cases[] = {
        {u"`#`@`.`*`?`~`[`]`,``", false, 1},  // every wildcard, each taken literally
        {u"#@.*?~[],`", false, 0},            // the same unescaped: an unclosed set
        {u"[", false, 0},
        {u"[~", true, 0},
        {u"~", false, 1},  // a "~" inside a pattern is literal
        {u"~", true, 0},   // at the start it negates "*", which matches nothing
        {u"?\t", false, 1},
        {u"\x01", false, 0},
        {u"源", false, 1},
        {std::u16string(10000, u'Q'), true, 1},
        {std::u16string(10000, u'?'), false, 1},
        {std::u16string(10001, u'Q'), false, 0},
    };
    for (const Case& c : cases) {
        form.CheckBox3.checked = c.prefix;
        rig.search(c.typed);
        EXPECT_EQ(form.hitList.size(), c.hits)
            << c.typed.size() << " " << toUtf8(c.typed.substr(0, 8));
        EXPECT_EQ(form.SpeedButton14.caption.get(), u"検索");
        EXPECT_TRUE(rig.drawing().selectionSets().empty());
    }
    form.CheckBox3.checked = false;
    rig.search(u"`#`@`.`*`?`~`[`]`,``");
    EXPECT_EQ(form.StatusBar1.panels[0].get(), every);
}

TEST_F(SearchTest, LockedMarkingComparesLayerNamesWithCase) {
    rig.addText(u"A1", {}, u"LOCKED");
    rig.addText(u"A2", {}, u"locked");  // the same layer, named in another case
    rig.addText(u"A3", {}, u"W");
    rig.search(u"A");
    ASSERT_EQ(form.hitList.size(), 3u);
    EXPECT_TRUE(form.hitList[0].locked);
    EXPECT_FALSE(form.hitList[1].locked);
    EXPECT_FALSE(form.hitList[2].locked);
}

TEST_F(SearchTest, ALayerListOfBlanksMarksNothing) {
    rig.drawing().addLayer(u" ", true);
    rig.drawing().setLayerLocked(u"LOCKED", false);
    rig.addText(u"A1", {}, u" ");
    rig.search(u"A");
    ASSERT_EQ(form.hitList.size(), 1u);
    EXPECT_FALSE(form.hitList[0].locked);
}

TEST_F(SearchTest, StopDuringReadingLeavesAnEmptyListAndNoSet) {
    for (int i = 0; i < 300; ++i)
        rig.addText(u"T" + std::u16string(1, char16_t(u'0' + i % 10)));
    rig.search(u"");
    ASSERT_EQ(form.hitList.size(), 300u);
    form.StringGrid2.setCell(0, 0, u"edited");

    std::vector<std::u16string> progress;
    rig.platform.atProcessMessages(4, [&] {
        progress.push_back(form.Label6.caption);
        EXPECT_EQ(form.SpeedButton14.caption.get(), u"中止");
        EXPECT_FALSE(form.Edit3.enabled);
        EXPECT_TRUE(form.gate.busy());
        form.SpeedButton14Click();  // the stop: let through although a command runs
        EXPECT_EQ(form.SpeedButton14.caption.get(), u"検索");
    });
    rig.search(u"T");

    EXPECT_EQ(progress, (V{u"4 / 300"}));
    EXPECT_TRUE(form.hitList.empty());
    EXPECT_EQ(rig.rows(), (V{u""}));
    EXPECT_EQ(rig.links(), (std::vector<int>{0}));
    EXPECT_EQ(form.Label7.caption.get(), u"検索 (部分一致)");
    EXPECT_FALSE(form.gate.stop.runFlag());
    EXPECT_EQ(form.SpeedButton14.caption.get(), u"検索");
    EXPECT_TRUE(form.SpeedButton14.enabled);
    EXPECT_TRUE(form.Edit3.enabled);
    EXPECT_TRUE(rig.drawing().selectionSets().empty());
    EXPECT_EQ(rig.cad.desktop.foreground, FakeDesktop::kProgram);
}

TEST_F(SearchTest, ChangingAnOptionDuringASearchStopsIt) {
    for (int i = 0; i < 20; ++i)
        rig.addText(u"T");
    rig.platform.atProcessMessages(2, [&] {
        form.CheckBox3.checked = true;
        form.CheckBox3Click();
    });
    rig.search(u"T");
    EXPECT_TRUE(form.hitList.empty());
    EXPECT_EQ(form.Label7.caption.get(), u"検索 (部分一致)");
    rig.search(u"T");
    EXPECT_EQ(form.hitList.size(), 20u);
    EXPECT_EQ(form.Label7.caption.get(), u"[T*] (部分一致)");
}

TEST_F(SearchTest, ProgressCountsEveryHundredthEntity) {
    for (int i = 0; i < 250; ++i)
        rig.addText(u"T");
    std::vector<std::u16string> shown;
    for (int call : {1, 2, 3, 5})
        rig.platform.atProcessMessages(call, [&] { shown.push_back(form.Label6.caption); });
    rig.search(u"");
    // Every entity lets messages run; the label moves on every second one (250 div 100).
    EXPECT_EQ(shown, (V{u"1 / 250", u"1 / 250", u"3 / 250", u"5 / 250"}));
}

TEST_F(SearchTest, WithoutACadTheListStays) {
    rig.addText(u"W1");
    rig.search(u"");
    rig.cad.closeCadWindow();
    rig.search(u"X");
    EXPECT_EQ(rig.rows(), (V{u"W1"}));
    EXPECT_EQ(form.hitList.size(), 1u);
    EXPECT_EQ(form.SpeedButton14.caption.get(), u"検索");
    EXPECT_TRUE(form.Edit3.enabled);
    EXPECT_TRUE(rig.platform.messages.empty());
}

TEST_F(SearchTest, NothingFoundShowsOneEmptyRowAndClearsTheStatus) {
    rig.addText(u"W1");
    rig.search(u"");
    form.StringGrid2GetEditText(0, 0);
    rig.search(u"nothing");
    EXPECT_EQ(rig.rows(), (V{u""}));
    EXPECT_EQ(rig.links(), (std::vector<int>{0}));
    EXPECT_EQ(form.StatusBar1.panels[0].get(), u"");
    EXPECT_EQ(form.Label6.caption.get(), u"");
    EXPECT_EQ(form.FUndoCells2.Count(), 0);
    EXPECT_EQ(form.sgUndoCnt2, 0);
}

// One entity that cannot be read as a text must not spoil the search.
TEST_F(SearchTest, AnUnreadableHitIsSkippedAndCounted) {
    rig.addText(u"W1");
    rig.addText(u"W2");
    rig.addText(u"W3");
    rig.refusals().refuseNext(u"GetTextString");
    rig.search(u"W");
    EXPECT_EQ(rig.rows(), (V{u"W2", u"W3"}));
    EXPECT_EQ(form.Label6.caption.get(), u"1 / 2（読めない図形 1 個を除外）");
    EXPECT_TRUE(rig.platform.messages.empty());
}

// A CAD that refuses any one call: the error is reported once, the set is gone, the button idle.
TEST_F(SearchTest, ARefusedCallNeverLeavesTheSetOrABusyButton) {
    rig.addText(u"W1", {}, u"LOCKED");
    rig.addText(u"W2");
    for (const auto* call : {u"GetActiveDocument", u"GetLayers", u"Lock", u"Name",
                             u"GetSelectionSets", u"AddSelectionSet", u"ClearSelectionSet",
                             u"SelectByMode", u"GetEntityCount", u"GetEntityByIndex", u"GetHandle",
                             u"GetInsertionPoint", u"GetLayer", u"DeleteSelectionSet"}) {
        rig.platform.messages.clear();
        rig.refusals().refuseNext(call);
        rig.search(u"W");
        EXPECT_LE(rig.platform.messages.size(), 1u) << toUtf8(call);
        EXPECT_TRUE(rig.drawing().selectionSets().empty() ||
                    std::u16string(call) == u"DeleteSelectionSet")
            << toUtf8(call);
        EXPECT_EQ(form.SpeedButton14.caption.get(), u"検索");
        EXPECT_TRUE(form.Edit3.enabled);
        EXPECT_FALSE(form.gate.busy());
        EXPECT_EQ(rig.cad.desktop.foreground, FakeDesktop::kProgram) << toUtf8(call);
        rig.refusals().clear();
    }
    rig.search(u"W");
    EXPECT_EQ(rig.rows(), (V{u"W1", u"W2"}));
}

TEST_F(SearchTest, ASearchWaitsForAnotherTabsCommand) {
    rig.addText(u"W1");
    form.gate.run([&] {
        rig.search(u"W");
        EXPECT_EQ(rig.rows(), (V{u""}));
        EXPECT_EQ(form.SpeedButton14.caption.get(), u"検索");
    });
    rig.search(u"W");
    EXPECT_EQ(rig.rows(), (V{u"W1"}));
}

}  // namespace
}  // namespace tavor::test

namespace tavor::test {
namespace {

TEST(SearchTabStart, Edit3TakesTheUpperCaseModeFromTheSetting) {
    MainFormRig upper;
    EXPECT_TRUE(upper.form.Edit3.upperCase);

    MainFormRig normal(false);
    normal.dir.write("tavordesk.ini", "[TavorEdit]\r\nUpperCase=0\r\n");
    normal.app.create();
    EXPECT_FALSE(normal.form.Edit3.upperCase);
    EXPECT_FALSE(normal.form.SpeedButton15.enabled);
    EXPECT_EQ(normal.form.SpeedButton14.caption.get(), u"検索");
}

}  // namespace
}  // namespace tavor::test
