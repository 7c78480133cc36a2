#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "base/TextUtil.h"
#include "convert/EditorCommands.h"
#include "convert/PopupMenus.h"
#include "convert/TavorKasanForm.h"
#include "convert/TavorRenbanForm.h"
#include "convert/TavorTikanForm.h"
#include "convert/TestCommandHost.h"
#include "ui/GridState.h"

namespace tavor {
namespace {

using Lines = std::vector<std::u16string>;
using Pos = MemoryLineEditor::Pos;

class EditorCommandsTest : public testing::Test {
protected:
    void setLines(Lines lines) { editor.setLines(std::move(lines)); }
    // The dialog closes with OK after the person typed into it.
    void answerTikan(std::u16string search, std::u16string replacement, bool ignoreCase = true) {
        platform.answerModal(ModalResult::Ok, [this, search, replacement, ignoreCase] {
            tikan.Edit1.text = search;
            tikan.Edit2.text = replacement;
            tikan.CheckBox1.checked = ignoreCase;
        });
    }
    void answerKasan(std::u16string addend) {
        platform.answerModal(ModalResult::Ok, [this, addend] { kasan.Edit1.text = addend; });
    }
    void expectNothingDone(const Lines& before) {
        EXPECT_EQ(editor.lines(), before);
        EXPECT_EQ(host.snapshotsTaken, 0);
        EXPECT_FALSE(host.running);
    }

    test::TestCommandHost host;
    MemoryLineEditor& editor = host.memoryEditor;
    test::FakePlatform& platform = host.fakePlatform;
    TTavorTikanForm tikan;
    TTavorKasanForm kasan;
    TTavorRenbanForm renban{host};
    EditorCommands commands{host, tikan, kasan, renban};
    TPopupMenu1 menu;
};

struct WholeTextCase {
    const char* name;
    std::function<void(EditorCommands&, const TPopupMenu1&)> run;
    Lines before, after;
};

class WholeTextCommandTest : public EditorCommandsTest,
                             public testing::WithParamInterface<WholeTextCase> {};

TEST_P(WholeTextCommandTest, ConvertsEveryLineAfterOneSnapshotInOneUpdate) {
    const WholeTextCase& c = GetParam();
    setLines(c.before);
    const std::u16string original = editor.text();
    c.run(commands, menu);
    EXPECT_EQ(editor.lines(), c.after);
    EXPECT_EQ(host.snapshotsTaken, 1);
    EXPECT_EQ(host.undoText, original);
    EXPECT_EQ(editor.completedUpdates(), 1);
    EXPECT_EQ(editor.updateDepth(), 0);
    EXPECT_EQ(host.armCount, 1);
    EXPECT_FALSE(host.running);
    EXPECT_FALSE(host.stopEnabled);
    EXPECT_EQ(platform.processMessagesCalls, static_cast<int>(c.before.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, WholeTextCommandTest,
    testing::Values(WholeTextCase{"N1ToFullWidth",
                                  [](auto& c, auto&) { c.N1Click(); },
                                  {u"ab 1", u"ｶﾞ"},
                                  {u"ａｂ\u3000１", u"ガ"}},
                    WholeTextCase{"N4ToHalfWidth",
                                  [](auto& c, auto&) { c.N4Click(); },
                                  {u"ＡＢ", u"ガ"},
                                  {u"AB", u"ｶﾞ"}},
                    WholeTextCase{"N28Parentheses",
                                  [](auto& c, auto&) { c.N28Click(); },
                                  {u"f(x)(y)", u"（a)"},
                                  {u"f（x）（y）", u"（a）"}},
                    WholeTextCase{"N23HanKana",
                                  [](auto& c, auto& m) { c.N23Click(m.tableRoutineOf(m.N23)); },
                                  {u"ｳﾞｶﾞﾊﾟｰｯ", u"ｱﾞ"},
                                  {u"ヴガパーッ", u"アﾞ"}},
                    WholeTextCase{"N24ZenKana",
                                  [](auto& c, auto& m) { c.N23Click(m.tableRoutineOf(m.N24)); },
                                  {u"ヴガパーッ"},
                                  {u"ｳﾞｶﾞﾊﾟｰｯ"}},
                    WholeTextCase{"N091Digits",
                                  [](auto& c, auto& m) { c.N23Click(m.tableRoutineOf(m.N091)); },
                                  {u"1.5"},
                                  {u"１.５"}},
                    WholeTextCase{"N094Numbers",
                                  [](auto& c, auto& m) { c.N23Click(m.tableRoutineOf(m.N094)); },
                                  {u"-1,000"},
                                  {u"－１，０００"}},
                    WholeTextCase{"AZ1BothCases",
                                  [](auto& c, auto& m) { c.N23Click(m.tableRoutineOf(m.AZ1)); },
                                  {u"Ab"},
                                  {u"Ａｂ"}},
                    WholeTextCase{"N27Symbols",
                                  [](auto& c, auto& m) { c.N23Click(m.tableRoutineOf(m.N27)); },
                                  {u"\" '"},
                                  {u"”\u3000’"}},
                    WholeTextCase{"N26Symbols",
                                  [](auto& c, auto& m) { c.N23Click(m.tableRoutineOf(m.N26)); },
                                  {u"￥＼"},
                                  {u"\\＼"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorCommandsTest, StopHalfWayKeepsTheRestAndTheSnapshot) {
    for (auto run :
         {std::function<void()>([this] { commands.N1Click(); }),
          std::function<void()>([this] { commands.N23Click(menu.tableRoutineOf(menu.AZ1)); })}) {
        setLines({u"a", u"b", u"c", u"d"});
        const std::u16string original = editor.text();
        platform.atProcessMessages(2, [this] { host.clickStop(); });
        run();
        EXPECT_EQ(editor.lines(), (Lines{u"ａ", u"ｂ", u"c", u"d"}));
        EXPECT_EQ(host.undoText, original);
        EXPECT_FALSE(host.stopEnabled);
    }
}

struct SelectionCase {
    const char* name;
    std::function<void(EditorCommands&)> run;
    Lines before;
    Pos from, to;
    Lines after;
};

class SelectionCommandTest : public EditorCommandsTest,
                             public testing::WithParamInterface<SelectionCase> {};

TEST_P(SelectionCommandTest, ReplacesTheSelectionWithoutItsOuterBlanks) {
    const SelectionCase& c = GetParam();
    setLines(c.before);
    editor.setSelection(c.from, c.to);
    c.run(commands);
    EXPECT_EQ(editor.lines(), c.after);
    EXPECT_EQ(host.snapshotsTaken, 1);
    EXPECT_EQ(host.undoText, joinLines(c.before));
    EXPECT_EQ(editor.completedUpdates(), 1);
    EXPECT_FALSE(host.running);
}

INSTANTIATE_TEST_SUITE_P(Table, SelectionCommandTest,
                         testing::Values(SelectionCase{"HalfWidthDropsBlanks",
                                                       [](auto& c) { c.N5Click(); },
                                                       {u"[ ＡＢ ]"},
                                                       {0, 1},
                                                       {0, 5},
                                                       {u"[AB]"}},
                                         SelectionCase{"FullWidthKeepsIdeographicSpaces",
                                                       [](auto& c) { c.N2Click(); },
                                                       {u"[ ab ]"},
                                                       {0, 1},
                                                       {0, 5},
                                                       {u"[\u3000ａｂ\u3000]"}},
                                         SelectionCase{"FinalLineBreakLost",
                                                       [](auto& c) { c.N2Click(); },
                                                       {u"ab", u"cd", u"ef"},
                                                       {0, 0},
                                                       {2, 0},
                                                       {u"ａｂ", u"ｃｄef"}},
                                         SelectionCase{"PartOfTwoLines",
                                                       [](auto& c) { c.N5Click(); },
                                                       {u"xＡＢ", u"ＣＤy"},
                                                       {0, 1},
                                                       {1, 2},
                                                       {u"xAB", u"CDy"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorCommandsTest, SelectionCommandsWithoutSelectionChangeNothing) {
    setLines({u"ab"});
    commands.N2Click();
    commands.N5Click();
    expectNothingDone({u"ab"});
    EXPECT_EQ(host.armCount, 2);
    EXPECT_FALSE(editor.canUndo());
}

TEST_F(EditorCommandsTest, ReplaceAllPrefillsAndFramesTheDialog) {
    setLines({u"xABCxabc", u"abc"});
    answerTikan(u"abc", u"Z");
    commands.N7Click();
    EXPECT_EQ(editor.lines(), (Lines{u"xZxZ", u"Z"}));
    EXPECT_EQ(host.snapshotsTaken, 1);
    EXPECT_EQ(editor.completedUpdates(), 1);
    EXPECT_EQ(platform.modalRuns, std::vector<FormId>{FormId::Tikan});
    const std::vector<std::pair<FormId, bool>> handOver{
        {FormId::Main, false}, {FormId::Tikan, true}, {FormId::Tikan, false}, {FormId::Main, true}};
    EXPECT_EQ(platform.stayOnTop, handOver);

    setLines({u"first", u"x"});
    platform.answerModal(ModalResult::Cancel);
    commands.N7Click();
    EXPECT_EQ(tikan.Edit1.text.get(), u"first");
    EXPECT_EQ(tikan.Edit2.text.get(), u"first");
}

TEST_F(EditorCommandsTest, ReplaceIsCaseExactWhenUnchecked) {
    setLines({u"xABCxabc"});
    answerTikan(u"abc", u"Z", false);
    commands.N7Click();
    EXPECT_EQ(editor.lines(), Lines{u"xABCxZ"});
}

TEST_F(EditorCommandsTest, CancelledOrEmptySearchChangesNothing) {
    setLines({u"abc"});
    platform.answerModal(ModalResult::Cancel);
    commands.N7Click();
    answerTikan(u"", u"x");
    commands.N7Click();
    editor.setSelection({0, 0}, {0, 2});
    answerTikan(u"", u"x");
    commands.N8Click();
    platform.answerModal(ModalResult::Cancel);
    commands.N8Click();
    expectNothingDone({u"abc"});
    EXPECT_EQ(host.armCount, 0);
}

TEST_F(EditorCommandsTest, ReplaceWithoutMatchStillTakesTheSnapshot) {
    setLines({u"abc"});
    answerTikan(u"zz", u"y");
    commands.N7Click();
    EXPECT_EQ(editor.lines(), Lines{u"abc"});
    EXPECT_EQ(host.snapshotsTaken, 1);
}

TEST_F(EditorCommandsTest, ReplaceInSelectionPrefillsTheFirstLineAndDropsBlanks) {
    setLines({u"  a-b", u"c-d  ", u"e-f"});
    editor.setSelection({0, 0}, {2, 0});
    platform.answerModal(ModalResult::Ok, [this] {
        EXPECT_EQ(tikan.Edit1.text.get(), u"  a-b");
        EXPECT_EQ(tikan.Edit2.text.get(), u"  a-b");
        tikan.Edit1.text = u"-";
        tikan.Edit2.text = u"";
    });
    commands.N8Click();
    EXPECT_EQ(editor.lines(), (Lines{u"ab", u"cde-f"}));
    EXPECT_EQ(host.snapshotsTaken, 1);
}

TEST_F(EditorCommandsTest, AddInAllLinesChecksStopAfterChangedLinesOnly) {
    setLines({u"W-009", u"none", u"", u"PAGE 3/12", u"X1"});
    answerKasan(u"1");
    platform.atProcessMessages(2, [this] { host.clickStop(); });
    commands.N14Click();
    EXPECT_EQ(editor.lines(), (Lines{u"W-010", u"none", u"", u"PAGE 3/13", u"X1"}));
    EXPECT_EQ(platform.processMessagesCalls, 2);
    EXPECT_EQ(host.snapshotsTaken, 1);
    EXPECT_EQ(platform.modalRuns, std::vector<FormId>{FormId::Kasan});
    EXPECT_FALSE(host.running);
}

TEST_F(EditorCommandsTest, AddUsesTheDialogsBaseAndDigits) {
    setLines({u"ADR0F", u"P017"});
    kasan.SpeedButton1Click(kasan.SpeedButton2);
    answerKasan(u"1");
    commands.N14Click();
    EXPECT_EQ(editor.lines(), (Lines{u"ADR10", u"P018"}));
}

TEST_F(EditorCommandsTest, AddendZeroOrNoIntegerTakesNoSnapshot) {
    setLines({u"A1"});
    for (const std::u16string addend : {u"0", u"abc", u""}) {
        answerKasan(addend);
        commands.N14Click();
        editor.selectAll();
        answerKasan(addend);
        commands.N15Click();
    }
    platform.answerModal(ModalResult::Cancel);
    commands.N14Click();
    expectNothingDone({u"A1"});
}

TEST_F(EditorCommandsTest, AddInSelectionDropsTheOuterBlanks) {
    setLines({u"x", u"  AB12  ", u"CD9", u"y"});
    editor.setSelection({1, 0}, {3, 0});
    answerKasan(u"1");
    commands.N15Click();
    EXPECT_EQ(editor.lines(), (Lines{u"x", u"AB13", u"CD10y"}));
    EXPECT_EQ(host.snapshotsTaken, 1);
}

TEST_F(EditorCommandsTest, NumberingAppendsWithTheDefaults) {
    setLines({u"top"});
    platform.answerModal(ModalResult::Ok, [this] { renban.Button1Click(renban.Button1); });
    commands.N17Click();
    ASSERT_EQ(editor.lineCount(), 17);
    EXPECT_EQ(editor.line(0), u"top");
    EXPECT_EQ(editor.line(1), u"00");
    EXPECT_EQ(editor.line(16), u"15");
    EXPECT_EQ(host.snapshotsTaken, 1);
    EXPECT_EQ(editor.completedUpdates(), 1);
    EXPECT_EQ(renban.modalResult.get(), ModalResult::Ok);
    EXPECT_EQ(platform.modalRuns, std::vector<FormId>{FormId::Renban});
    EXPECT_EQ(platform.stayOnTop.size(), 4u);
}

TEST_F(EditorCommandsTest, NumberingInsertsAboveTheCaretLine) {
    Lines ten;
    for (int i = 1; i <= 10; ++i)
        ten.push_back(u"L" + toU16(i));
    setLines(ten);
    editor.setCaretXY(2, 5);
    renban.Edit4.text = u"3";
    renban.Button3.enabled = false;
    platform.answerModal(ModalResult::Ok, [this] {
        EXPECT_TRUE(renban.Button3.enabled);
        renban.Button1Click(renban.Button3);
    });
    commands.N17Click();
    ASSERT_EQ(editor.lineCount(), 13);
    EXPECT_EQ(editor.line(4), u"00");
    EXPECT_EQ(editor.line(6), u"02");
    EXPECT_EQ(editor.line(7), u"L5");
}

TEST_F(EditorCommandsTest, NumberingFixedTextAndZeroCount) {
    renban.Edit1.text = u"AB";
    renban.Edit3.text = u"C";
    renban.Edit2.text = u"";
    renban.Edit4.text = u"3";
    renban.Button1Click(renban.Button1);
    EXPECT_EQ(editor.lines(), (Lines{u"ABC", u"ABC", u"ABC"}));
    renban.Edit4.text = u"0";
    renban.Button1Click(renban.Button1);
    EXPECT_EQ(editor.lineCount(), 3);
    EXPECT_EQ(host.snapshotsTaken, 2);  // a count of 0 still takes its snapshot
}

TEST_F(EditorCommandsTest, NumberingOnTheGridPageWritesTheGrid) {
    host.pageIndex = 1;
    setLines({u"kept"});
    GridState grid(3, 11, 1, 1);
    grid.setCurrent(2, 3);
    std::vector<std::pair<int, int>> journalled;
    int undoCount = 0;
    renban.setGridTarget({&grid, [&](int c, int r) { journalled.emplace_back(c, r); },
                          [&](int n) { undoCount = n; }});
    renban.Button1Click(renban.Button1);
    EXPECT_EQ(journalled.size(), 8u);
    EXPECT_EQ(undoCount, 8);
    EXPECT_EQ(grid.cell(2, 3), u"00");
    EXPECT_EQ(grid.cell(2, 10), u"07");
    EXPECT_EQ(editor.lines(), Lines{u"kept"});
    EXPECT_EQ(host.snapshotsTaken, 0);
    EXPECT_EQ(renban.modalResult.get(), ModalResult::Ok);
}

TEST_F(EditorCommandsTest, ClearCutCopyPaste) {
    commands.N20Click();  // an empty editor still takes its snapshot
    EXPECT_EQ(host.snapshotsTaken, 1);

    setLines({u"abc", u"def"});
    platform.clipboard = u"old";
    commands.N10Click();  // nothing selected: an empty clipboard text, nothing else
    EXPECT_EQ(platform.clipboard, u"");
    EXPECT_FALSE(editor.canUndo());

    editor.setSelection({0, 1}, {1, 1});
    commands.N11Click();
    EXPECT_EQ(platform.clipboard, u"bc\r\nd");
    commands.N10Click();
    EXPECT_EQ(editor.lines(), Lines{u"aef"});
    EXPECT_TRUE(editor.canUndo());
    EXPECT_EQ(host.snapshotsTaken, 1);

    platform.clipboard = u"X\r\nY";
    commands.N12Click();
    EXPECT_EQ(editor.lines(), (Lines{u"aX", u"Yef"}));
    EXPECT_EQ(host.snapshotsTaken, 2);
    EXPECT_EQ(host.undoText, u"aef");

    commands.N20Click();
    EXPECT_EQ(editor.lineCount(), 0);
    EXPECT_EQ(host.undoText, u"aX\r\nYef");
}

TEST_F(EditorCommandsTest, VersionBox) {
    commands.N25Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    const auto& m = platform.messages[0];
    EXPECT_EQ(splitLines(m.text).size(), 2u);
    EXPECT_EQ(splitLines(m.text)[0], u"Tavordesk 2.2 2024.12.26");
    EXPECT_EQ(m.kind, MessageKind::Information);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
}

TEST_F(EditorCommandsTest, MenuEnablingFollowsLinesAndSelection) {
    const std::vector<TMenuItem*> whole{&menu.N1, &menu.N4, &menu.N7, &menu.N14};
    const std::vector<TMenuItem*> selection{&menu.N2,  &menu.N5,  &menu.N8,
                                            &menu.N10, &menu.N11, &menu.N15};
    auto expect = [&](bool wholeOn, bool selectionOn) {
        commands.PopupMenu1Popup(menu);
        for (auto* i : whole)
            EXPECT_EQ(i->enabled.get(), wholeOn) << toUtf8(i->name);
        for (auto* i : selection)
            EXPECT_EQ(i->enabled.get(), selectionOn) << toUtf8(i->name);
        for (auto* i :
             {&menu.N20, &menu.N12, &menu.N28, &menu.N21, &menu.N17, &menu.N25, &menu.N19})
            EXPECT_TRUE(i->enabled) << toUtf8(i->name);
    };
    expect(false, false);
    setLines({u"abc"});
    expect(true, false);
    editor.setSelection({0, 0}, {0, 1});
    expect(true, true);
}

TEST_F(EditorCommandsTest, UnknownSubMenuSenderDoesNothing) {
    setLines({u"a"});
    commands.N23Click(menu.tableRoutineOf(menu.N7));
    expectNothingDone({u"a"});
}

TEST_F(EditorCommandsTest, BadInputNeverCrashesOrSpillsIntoOtherLines) {
    const Lines bad{u"\xD800",
                    u"a\xDC00"
                    u"1",
                    u"\x01\x02\x1F",
                    u"",
                    u"ﾞﾟ",
                    std::u16string(200000, u'9'),
                    u"\xDBFF\xDFFF(1)"};
    const std::vector<std::function<void()>> all{
        [this] { commands.N1Click(); },
        [this] { commands.N4Click(); },
        [this] { commands.N28Click(); },
        [this] {
            for (const auto& e : menu.entries)
                for (TMenuItem* item : e.submenu)
                    commands.N23Click(menu.tableRoutineOf(*item));
        },
        [this] {
            answerTikan(u"1", u"");
            commands.N7Click();
        },
        [this] {
            answerKasan(u"1");
            commands.N14Click();
        },
        [this] {
            editor.selectAll();
            commands.N5Click();
        },
    };
    for (const auto& run : all) {
        setLines(bad);
        run();
        EXPECT_LE(editor.lineCount(), static_cast<int>(bad.size()));
        EXPECT_FALSE(host.running);
    }
}

}  // namespace
}  // namespace tavor
