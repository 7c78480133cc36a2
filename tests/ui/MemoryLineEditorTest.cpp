#include "ui/MemoryLineEditor.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tavor
