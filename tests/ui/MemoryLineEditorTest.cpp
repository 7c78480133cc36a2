#include "ui/MemoryLineEditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "base/TextUtil.h"

namespace tavor {
namespace {

using Pos = MemoryLineEditor::Pos;

TEST(MemoryLineEditor, SelectionSpansLinesWithCrLf) {
    MemoryLineEditor ed;
    ed.setLines({u"abc", u"def", u"ghi"});
    ed.setSelection({0, 1}, {2, 1});
    EXPECT_TRUE(ed.selAvail());
    EXPECT_EQ(ed.selectedText(), u"bc\r\ndef\r\ng");
    EXPECT_EQ(ed.selectionStartLine(), 0);
    ed.setSelection({2, 1}, {0, 1});  // a selection made backwards reads the same
    EXPECT_EQ(ed.selectedText(), u"bc\r\ndef\r\ng");
}

TEST(MemoryLineEditor, ReplaceSelectionIsOneUndoableStep) {
    MemoryLineEditor ed;
    ed.setLines({u"abc", u"def"});
    EXPECT_FALSE(ed.canUndo());
    ed.setSelection({0, 1}, {1, 2});
    ed.replaceSelection(u"X\r\nY");
    EXPECT_EQ(ed.lines(), (std::vector<std::u16string>{u"aX", u"Yf"}));
    EXPECT_EQ(ed.caretY(), 2);
    EXPECT_EQ(ed.caretX(), 2);
    ASSERT_TRUE(ed.canUndo());
    ed.undo();
    EXPECT_EQ(ed.lines(), (std::vector<std::u16string>{u"abc", u"def"}));
    EXPECT_FALSE(ed.canUndo());
}

TEST(MemoryLineEditor, AssigningLinesStartsANewHistoryAndClampsTheCaret) {
    MemoryLineEditor ed;
    ed.setLines({u"one", u"two"});
    ed.setCaretXY(4, 2);
    ed.type(u"!");
    EXPECT_TRUE(ed.canUndo());
    ed.setLines({u"x"});
    EXPECT_FALSE(ed.canUndo());
    EXPECT_EQ(ed.caretY(), 1);
    EXPECT_EQ(ed.caretX(), 2);
}

TEST(MemoryLineEditor, TextRoundTripAndSelectAll) {
    MemoryLineEditor ed;
    ed.setText(u"a\r\nb\nc");
    EXPECT_EQ(ed.lineCount(), 3);
    EXPECT_EQ(ed.text(), u"a\r\nb\r\nc");
    ed.selectAll();
    EXPECT_EQ(ed.selectedText(), ed.text());
    ed.setText(u"");
    EXPECT_EQ(ed.lineCount(), 0);
    EXPECT_FALSE(ed.selAvail());
}

TEST(MemoryLineEditor, UpdatesNestAndCountOnlyTheOuterBracket) {
    MemoryLineEditor ed;
    {
        EditorUpdate outer(ed);
        EditorUpdate inner(ed);
        EXPECT_EQ(ed.updateDepth(), 2);
    }
    EXPECT_EQ(ed.updateDepth(), 0);
    EXPECT_EQ(ed.completedUpdates(), 1);
}

// The editor keeps one text and where its lines start. Random edits anywhere in it, each checked
// against a plain list of lines edited the same way: every line after an edit must still start
// where the text says.
TEST(MemoryLineEditor, RandomEditsAgreeWithAListOfLines) {
    std::mt19937 random(20261210);
    const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n)(random); };
    const std::u16string pieces[] = {u"", u"a", u"全角", u"W-12 ", u"\t", u"ｶﾅ"};
    const auto someLine = [&] {
        std::u16string s;
        for (int k = pick(3); k > 0; --k)
            s += pieces[pick(5)];
        return s;
    };
    const std::u16string breaks[] = {u"\r\n", u"\n", u"\r"};
    MemoryLineEditor ed;
    std::vector<std::u16string> model;
    std::vector<std::vector<std::u16string>> history;
    for (int step = 0; step < 3000; ++step) {
        const int n = static_cast<int>(model.size());
        switch (pick(7)) {
            case 0: {
                const int i = pick(n + 1) - 1;
                const std::u16string text = someLine();
                ed.setLine(i, text);
                if (i >= 0 && i < n)
                    model[static_cast<std::size_t>(i)] = text;
                break;
            }
            case 1: {
                const int i = pick(n);
                const std::u16string text = someLine();
                ed.insertLine(i, text);
                model.insert(model.begin() + i, text);
                break;
            }
            case 2: {  // a selection anywhere replaced by text with any kind of break
                const int la = pick(std::max(n - 1, 0)), lb = pick(std::max(n - 1, 0));
                const auto col = [&](int l) {
                    return n ? pick(static_cast<int>(model[static_cast<std::size_t>(l)].size()))
                             : 0;
                };
                MemoryLineEditor::Pos a{la, col(la)}, b{lb, col(lb)};
                ed.setSelection(a, b);
                std::u16string text = someLine();
                for (int k = pick(2); k > 0; --k)
                    text += breaks[pick(2)] + someLine();
                ed.replaceSelection(text);
                history.push_back(model);
                if (b < a)
                    std::swap(a, b);
                std::u16string whole = joinLines(model);
                const auto offset = [&](MemoryLineEditor::Pos p) {
                    std::size_t at = static_cast<std::size_t>(p.col);
                    for (int l = 0; l < p.line; ++l)
                        at += model[static_cast<std::size_t>(l)].size() + 2;
                    return at;
                };
                const std::size_t from = offset(a);
                whole.replace(from, offset(b) - from, joinLines(splitLines(text)));
                model = splitLines(whole);
                break;
            }
            case 3: {  // lines grow or shrink until one says stop
                const int stopAt = pick(n + 1);
                int seen = 0;
                const auto convert = [&](std::u16string& line) {
                    line = line.size() % 2 ? line.substr(1) : line + u"+";
                    return seen++ != stopAt;
                };
                ed.convertEachLine(convert, LineEditor::LineHistory::StartAfresh);
                seen = 0;
                for (std::u16string& line : model)
                    if (!convert(line))
                        break;
                history.clear();
                break;
            }
            case 4:
                ed.undo();
                if (!history.empty()) {
                    model = history.back();
                    history.pop_back();
                }
                break;
            case 5: {
                model.clear();
                for (int k = pick(4); k > 0; --k)
                    model.push_back(someLine());
                ed.setLines(model);
                history.clear();
                break;
            }
            default:
                if (pick(20) == 0) {
                    ed.clear();
                    model.clear();
                    history.clear();
                } else {
                    const std::u16string text = someLine();
                    ed.addLine(text);
                    model.push_back(text);
                }
        }
        ASSERT_EQ(ed.lines(), model) << "step " << step;
        ASSERT_EQ(ed.text(), joinLines(model)) << "step " << step;
    }
}

}  // namespace
}  // namespace tavor
