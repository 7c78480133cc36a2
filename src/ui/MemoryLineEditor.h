#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/LineEditor.h"

namespace tavor {

// A plain in-memory line editor: the headless stand-in for the Qt widget in tests, benchmarks
// and batch use. Typing and selection replacement are undoable steps; assigning lines is not.
// The text lies in one buffer, lines joined by CR LF, with where each line starts: a snapshot
// is one copy, and a conversion of every line goes through one reused line buffer into a
// second reused text buffer, so its cost does not hang on the allocator's state.
class MemoryLineEditor final : public LineEditor {
public:
    struct Pos {
        int line = 0;  // 0-based
        int col = 0;   // 0-based, in UTF-16 code units
        auto operator<=>(const Pos&) const = default;
    };

    MemoryLineEditor();

    int lineCount() const override { return static_cast<int>(starts_.size()); }
    std::u16string line(int index) const override;
    std::vector<std::u16string> lines() const override;
    void setLines(std::vector<std::u16string> lines) override;
    void setLine(int index, const std::u16string& text) override;
    void convertEachLine(const LineConversion& convert, LineHistory history) override;
    void insertLine(int index, const std::u16string& text) override;
    void addLine(const std::u16string& text) override;
    void clear() override;

    std::u16string text() const override;
    void copyTextTo(std::u16string& out) const override;
    void setText(const std::u16string& text) override;

    int caretY() const override { return caret_.line + 1; }
    int caretX() const override { return caret_.col + 1; }
    void setCaretXY(int x, int y) override;

    bool selAvail() const override { return anchor_ != caret_; }
    std::u16string selectedText() const override;
    int selectionStartLine() const override { return std::min(anchor_, caret_).line; }
    void replaceSelection(const std::u16string& text) override;
    void selectAll() override;

    bool canUndo() const override { return !history_.empty(); }
    void undo() override;

    void beginUpdate() override { ++updateDepth_; }
    void endUpdate() override;

    // For tests: select from a to b (the caret ends at b), type as a person would.
    void setSelection(Pos a, Pos b);
    void type(const std::u16string& text) { replaceSelection(text); }
    int updateDepth() const { return updateDepth_; }
    int completedUpdates() const { return completedUpdates_; }

private:
    struct State {
        std::u16string text;
        std::vector<std::size_t> starts;
        Pos anchor, caret;
    };
    std::size_t lineStart(std::size_t index) const { return starts_[index]; }
    std::size_t lineEnd(std::size_t index) const;
    std::size_t lineLength(std::size_t index) const { return lineEnd(index) - lineStart(index); }
    std::size_t offsetOf(Pos p) const {
        return starts_[static_cast<std::size_t>(p.line)] + static_cast<std::size_t>(p.col);
    }
    // Moves the starts of the lines from `first` on by a change of length at an earlier offset.
    void shiftStarts(std::size_t first, std::size_t removed, std::size_t added);
    Pos clamp(Pos p) const;
    void resetHistory() { history_.clear(); }
    std::u16string textBetween(Pos a, Pos b) const;

    std::u16string text_;              // the lines joined by CR LF
    std::vector<std::size_t> starts_;  // where each line starts in text_; none without lines
    std::u16string convertedText_;     // where a conversion writes, kept for the next one
    std::vector<std::size_t> convertedStarts_;  // and where its lines start
    std::u16string convertedLine_;              // the line a conversion is handed, kept likewise
    Pos anchor_, caret_;
    std::vector<State> history_;
    int updateDepth_ = 0;
    int completedUpdates_ = 0;
};

}  // namespace tavor
