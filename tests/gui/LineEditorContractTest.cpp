// One suite for both implementations of the editor port: the Qt widget the user types in and the
// in-memory editor the core's tests use must answer every call alike.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/LineEditorWidget.h"
#include "ui/MemoryLineEditor.h"

namespace tavor::test {
namespace {

using Lines = std::vector<std::u16string>;

template <class Editor>
class LineEditorContract : public testing::Test {
protected:
    Editor editor;
    LineEditor& port = editor;
};

using Editors = testing::Types<MemoryLineEditor, gui::LineEditorWidget>;
TYPED_TEST_SUITE(LineEditorContract, Editors);

TYPED_TEST(LineEditorContract, NoLinesIsNotOneEmptyLine) {
    LineEditor& ed = this->port;
    EXPECT_EQ(ed.lineCount(), 0);
    EXPECT_EQ(ed.lines(), Lines{});
    ed.setLines({u""});
    EXPECT_EQ(ed.lineCount(), 1);
    EXPECT_EQ(ed.lines(), Lines{u""});
    ed.addLine(u"x");
    EXPECT_EQ(ed.lines(), (Lines{u"", u"x"}));
    ed.clear();
    EXPECT_EQ(ed.lineCount(), 0);
    ed.addLine(u"y");
    EXPECT_EQ(ed.lines(), Lines{u"y"});
    ed.setText(u"");
    EXPECT_EQ(ed.lineCount(), 0);
}

TYPED_TEST(LineEditorContract, LinesComeBackAsTheyStandTrailingBlanksIncluded) {
    LineEditor& ed = this->port;
    const Lines lines{u"ABC ", u"\tx\t", u"　全角 ", u"", u"end"};
    ed.setLines(lines);
    EXPECT_EQ(ed.lines(), lines);
    EXPECT_EQ(ed.line(0), u"ABC ");
    EXPECT_EQ(ed.line(1), u"\tx\t");
    EXPECT_EQ(ed.line(5), u"");  // past the end
    EXPECT_EQ(ed.text(), u"ABC \r\n\tx\t\r\n　全角 \r\n\r\nend");
}

TYPED_TEST(LineEditorContract, TextSplitsAtEveryKindOfBreak) {
    LineEditor& ed = this->port;
    ed.setText(u"a\r\nb\rc\nd");
    EXPECT_EQ(ed.lines(), (Lines{u"a", u"b", u"c", u"d"}));
    ed.setText(u"a\r\n");
    EXPECT_EQ(ed.lines(), (Lines{u"a", u""}));
}

TYPED_TEST(LineEditorContract, LineEditsInPlace) {
    LineEditor& ed = this->port;
    ed.setLines({u"a", u"b"});
    ed.setLine(1, u"B ");
    ed.setLine(7, u"nowhere");
    ed.insertLine(0, u"first");
    ed.insertLine(9, u"last");
    EXPECT_EQ(ed.lines(), (Lines{u"first", u"a", u"B ", u"last"}));
}

TYPED_TEST(LineEditorContract, CaretSelectionAndOneStepUndo) {
    LineEditor& ed = this->port;
    ed.setLines({u"abc", u"def"});
    EXPECT_FALSE(ed.canUndo());
    ed.setCaretXY(3, 2);
    EXPECT_EQ(ed.caretY(), 2);
    EXPECT_EQ(ed.caretX(), 3);
    EXPECT_FALSE(ed.selAvail());
    EXPECT_EQ(ed.selectionStartLine(), 1);
    ed.selectAll();
    EXPECT_TRUE(ed.selAvail());
    EXPECT_EQ(ed.selectedText(), u"abc\r\ndef");
    EXPECT_EQ(ed.selectionStartLine(), 0);
    ed.replaceSelection(u"X\r\nY");
    EXPECT_EQ(ed.lines(), (Lines{u"X", u"Y"}));
    ASSERT_TRUE(ed.canUndo());
    ed.undo();
    EXPECT_EQ(ed.lines(), (Lines{u"abc", u"def"}));
}

}  // namespace
}  // namespace tavor::test
