#include "ui/MemoryLineEditor.h"

#include <algorithm>

#include "base/TextUtil.h"

namespace tavor {

MemoryLineEditor::MemoryLineEditor() = default;

std::u16string MemoryLineEditor::line(int index) const {
    if (index < 0 || index >= lineCount())
        return {};
    return lines_[static_cast<std::size_t>(index)];
}

void MemoryLineEditor::setLines(std::vector<std::u16string> lines) {
    lines_ = std::move(lines);
    anchor_ = caret_ = clamp(caret_);
    resetHistory();
}

void MemoryLineEditor::setLine(int index, const std::u16string& text) {
    if (index < 0 || index >= lineCount())
        return;
    lines_[static_cast<std::size_t>(index)] = text;
    anchor_ = clamp(anchor_);
    caret_ = clamp(caret_);
}

void MemoryLineEditor::convertEachLine(const LineConversion& convert, LineHistory history) {
    for (std::u16string& line : lines_)
        if (!convert(line))
            break;
    if (history == LineHistory::StartAfresh) {
        anchor_ = caret_ = clamp(caret_);
        resetHistory();
    } else {
        anchor_ = clamp(anchor_);
        caret_ = clamp(caret_);
    }
}

void MemoryLineEditor::insertLine(int index, const std::u16string& text) {
    index = std::clamp(index, 0, lineCount());
    lines_.insert(lines_.begin() + index, text);
}

void MemoryLineEditor::addLine(const std::u16string& text) {
    lines_.push_back(text);
}

void MemoryLineEditor::clear() {
    setLines({});
}

std::u16string MemoryLineEditor::text() const {
    return joinLines(lines_);
}

void MemoryLineEditor::copyTextTo(std::u16string& out) const {
    joinLinesInto(out, lines_);
}

void MemoryLineEditor::setText(const std::u16string& text) {
    setLines(text.empty() ? std::vector<std::u16string>{} : splitLines(text));
}

void MemoryLineEditor::setCaretXY(int x, int y) {
    caret_ = anchor_ = clamp({y - 1, x - 1});
}

MemoryLineEditor::Pos MemoryLineEditor::clamp(Pos p) const {
    if (lines_.empty())
        return {};
    p.line = std::clamp(p.line, 0, lineCount() - 1);
    p.col = std::clamp(p.col, 0, static_cast<int>(lines_[static_cast<std::size_t>(p.line)].size()));
    return p;
}

std::u16string MemoryLineEditor::textBetween(Pos a, Pos b) const {
    if (lines_.empty() || a == b)
        return {};
    if (a.line == b.line)
        return lines_[static_cast<std::size_t>(a.line)].substr(
            static_cast<std::size_t>(a.col), static_cast<std::size_t>(b.col - a.col));
    std::u16string out =
        lines_[static_cast<std::size_t>(a.line)].substr(static_cast<std::size_t>(a.col));
    for (int l = a.line + 1; l < b.line; ++l) {
        out += u"\r\n";
        out += lines_[static_cast<std::size_t>(l)];
    }
    out += u"\r\n";
    out += lines_[static_cast<std::size_t>(b.line)].substr(0, static_cast<std::size_t>(b.col));
    return out;
}

std::u16string MemoryLineEditor::selectedText() const {
    return textBetween(std::min(anchor_, caret_), std::max(anchor_, caret_));
}

void MemoryLineEditor::replaceSelection(const std::u16string& text) {
    history_.push_back({lines_, anchor_, caret_});
    if (lines_.empty())
        lines_.emplace_back();
    const Pos a = std::min(anchor_, caret_), b = std::max(anchor_, caret_);
    const std::u16string head =
        lines_[static_cast<std::size_t>(a.line)].substr(0, static_cast<std::size_t>(a.col));
    const std::u16string tail =
        lines_[static_cast<std::size_t>(b.line)].substr(static_cast<std::size_t>(b.col));
    std::vector<std::u16string> inserted = splitLines(text);
    const Pos end{a.line + static_cast<int>(inserted.size()) - 1,
                  static_cast<int>(inserted.back().size()) + (inserted.size() == 1 ? a.col : 0)};
    inserted.front() = head + inserted.front();
    inserted.back() += tail;
    lines_.erase(lines_.begin() + a.line, lines_.begin() + b.line + 1);
    lines_.insert(lines_.begin() + a.line, inserted.begin(), inserted.end());
    anchor_ = caret_ = end;
}

void MemoryLineEditor::selectAll() {
    anchor_ = {};
    caret_ = lines_.empty() ? Pos{} : Pos{lineCount() - 1, static_cast<int>(lines_.back().size())};
}

void MemoryLineEditor::undo() {
    if (history_.empty())
        return;
    State s = std::move(history_.back());
    history_.pop_back();
    lines_ = std::move(s.lines);
    anchor_ = s.anchor;
    caret_ = s.caret;
}

void MemoryLineEditor::endUpdate() {
    if (updateDepth_ > 0 && --updateDepth_ == 0)
        ++completedUpdates_;
}

void MemoryLineEditor::setSelection(Pos a, Pos b) {
    anchor_ = clamp(a);
    caret_ = clamp(b);
}

}  // namespace tavor
