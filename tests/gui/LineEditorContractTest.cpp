// One suite for both implementations of the editor port: the Qt widget the user types in and the
// in-memory editor the core's tests use must answer every call alike.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QTextDocument>

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

// Every line through one conversion, stopping where it says so: a whole-text replacement
// starts a new history, writing line by line keeps the edit made before.
TYPED_TEST(LineEditorContract, EachLineConvertedUntilTheConversionStops) {
    LineEditor& ed = this->port;
    const auto upTo = [](std::u16string last) {
        return [last](std::u16string& line) {
            const bool going = line != last;
            line += u"!";
            return going;
        };
    };
    for (const auto history :
         {LineEditor::LineHistory::StartAfresh, LineEditor::LineHistory::Keep}) {
        ed.setLines({u"abc", u"de", u"", u"f"});
        ed.setCaretXY(1, 1);
        ed.selectAll();
        ed.replaceSelection(u"a\r\nb\r\nc\r\nd");
        ASSERT_TRUE(ed.canUndo());
        ed.convertEachLine(upTo(u"b"), history);
        EXPECT_EQ(ed.lines(), (Lines{u"a!", u"b!", u"c", u"d"}));
        EXPECT_EQ(ed.canUndo(), history == LineEditor::LineHistory::Keep);
    }
    ed.clear();
    ed.convertEachLine(upTo(u""), LineEditor::LineHistory::StartAfresh);
    EXPECT_EQ(ed.lineCount(), 0);
}

// Writing line by line, the widget leaves a line the conversion did not change as it is: no
// edit of it joins the widget's own undo history.
TEST(LineEditorWidget, ALineTheConversionLeavesAloneIsNotWrittenAgain) {
    gui::LineEditorWidget widget;
    LineEditor& ed = widget;
    ed.setLines({u"W-1", u"W-2"});
    const int before = widget.document()->availableUndoSteps();
    const auto renumber = [](std::u16string from, std::u16string to) {
        return [from, to](std::u16string& line) {
            if (line == from)
                line = to;
            return true;
        };
    };
    ed.convertEachLine(renumber(u"W-9", u"W-0"), LineEditor::LineHistory::Keep);
    EXPECT_EQ(widget.document()->availableUndoSteps(), before);
    ed.convertEachLine(renumber(u"W-2", u"W-3"), LineEditor::LineHistory::Keep);
    EXPECT_EQ(ed.lines(), (Lines{u"W-1", u"W-3"}));
    EXPECT_GT(widget.document()->availableUndoSteps(), before);
}

// A snapshot copied into a buffer that held a longer one is the text, not a mix of both.
TYPED_TEST(LineEditorContract, TextCopiedIntoAUsedBufferIsTheText) {
    LineEditor& ed = this->port;
    std::u16string snapshot = u"an earlier, longer snapshot of the editor's text";
    ed.setLines({u"ab", u"", u"全角"});
    ed.copyTextTo(snapshot);
    EXPECT_EQ(snapshot, u"ab\r\n\r\n全角");
    ed.clear();
    ed.copyTextTo(snapshot);
    EXPECT_EQ(snapshot, u"");
}

}  // namespace
}  // namespace tavor::test
