#include "ui/MemoryLineEditor.h"

#include <algorithm>
#include <cstddef>

#include "base/TextUtil.h"

namespace tavor {

namespace {

constexpr std::u16string_view kBreak = u"\r\n";

}  // namespace

MemoryLineEditor::MemoryLineEditor() = default;

std::size_t MemoryLineEditor::lineEnd(std::size_t index) const {
    return index + 1 < starts_.size() ? starts_[index + 1] - kBreak.size() : text_.size();
}

void MemoryLineEditor::shiftStarts(std::size_t first, std::size_t removed, std::size_t added) {
    for (std::size_t i = first; i < starts_.size(); ++i)
        starts_[i] = starts_[i] - removed + added;
}

std::u16string MemoryLineEditor::line(int index) const {
    if (index < 0 || index >= lineCount())
        return {};
    const auto i = static_cast<std::size_t>(index);
    return text_.substr(lineStart(i), lineLength(i));
}

std::vector<std::u16string> MemoryLineEditor::lines() const {
    std::vector<std::u16string> out;
    out.reserve(starts_.size());
    for (std::size_t i = 0; i < starts_.size(); ++i)
        out.emplace_back(text_, lineStart(i), lineLength(i));
    return out;
}

void MemoryLineEditor::setLines(std::vector<std::u16string> lines) {
    joinLinesInto(text_, lines);
    starts_.resize(lines.size());
    std::size_t at = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        starts_[i] = at;
        at += lines[i].size() + kBreak.size();
    }
    anchor_ = caret_ = clamp(caret_);
    resetHistory();
}

void MemoryLineEditor::setLine(int index, const std::u16string& text) {
    if (index < 0 || index >= lineCount())
        return;
    const auto i = static_cast<std::size_t>(index);
    const std::size_t start = lineStart(i), length = lineLength(i);
    text_.replace(start, length, text);
    shiftStarts(i + 1, length, text.size());
    anchor_ = clamp(anchor_);
    caret_ = clamp(caret_);
}

// Each line is copied into convertedLine_, converted there and appended to convertedText_;
// once the conversion says stop, the rest of the text follows in one piece. The editor's own
// text and starts are swapped in only at the end, whole.
void MemoryLineEditor::convertEachLine(const LineConversion& convert, LineHistory history) {
    const std::size_t count = starts_.size();
    convertedText_.clear();
    convertedText_.reserve(text_.size());
    convertedStarts_.resize(count);
    std::size_t i = 0;
    bool going = true;
    while (going && i < count) {
        convertedLine_.assign(text_, lineStart(i), lineLength(i));
        going = convert(convertedLine_);
        convertedStarts_[i] = convertedText_.size();
        convertedText_ += convertedLine_;
        if (++i < count)
            convertedText_ += kBreak;
    }
    if (i < count) {
        const std::size_t restStart = lineStart(i);
        for (std::size_t k = i; k < count; ++k)
            convertedStarts_[k] = starts_[k] - restStart + convertedText_.size();
        convertedText_.append(text_, restStart);
    }
    starts_.swap(convertedStarts_);
    text_.swap(convertedText_);
    if (history == LineHistory::StartAfresh) {
        anchor_ = caret_ = clamp(caret_);
        resetHistory();
    } else {
        anchor_ = clamp(anchor_);
        caret_ = clamp(caret_);
    }
}

void MemoryLineEditor::insertLine(int index, const std::u16string& text) {
    const auto i = static_cast<std::size_t>(std::clamp(index, 0, lineCount()));
    if (starts_.empty()) {
        text_ = text;
        starts_.push_back(0);
        return;
    }
    if (i == starts_.size()) {
        text_ += kBreak;
        starts_.push_back(text_.size());
        text_ += text;
        return;
    }
    const std::size_t start = lineStart(i);
    text_.insert(start, kBreak);
    text_.insert(start, text);
    shiftStarts(i, 0, text.size() + kBreak.size());
    starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(i), start);
}

void MemoryLineEditor::addLine(const std::u16string& text) {
    insertLine(lineCount(), text);
}

void MemoryLineEditor::clear() {
    setLines({});
}

std::u16string MemoryLineEditor::text() const {
    return text_;
}

void MemoryLineEditor::copyTextTo(std::u16string& out) const {
    out.assign(text_);
}

void MemoryLineEditor::setText(const std::u16string& text) {
    setLines(text.empty() ? std::vector<std::u16string>{} : splitLines(text));
}

void MemoryLineEditor::setCaretXY(int x, int y) {
    caret_ = anchor_ = clamp({y - 1, x - 1});
}

MemoryLineEditor::Pos MemoryLineEditor::clamp(Pos p) const {
    if (starts_.empty())
        return {};
    p.line = std::clamp(p.line, 0, lineCount() - 1);
    p.col = std::clamp(p.col, 0, static_cast<int>(lineLength(static_cast<std::size_t>(p.line))));
    return p;
}

// The lines are joined by CR LF already, so the text between two places is one piece of it.
std::u16string MemoryLineEditor::textBetween(Pos a, Pos b) const {
    if (starts_.empty() || a == b)
        return {};
    return text_.substr(offsetOf(a), offsetOf(b) - offsetOf(a));
}

std::u16string MemoryLineEditor::selectedText() const {
    return textBetween(std::min(anchor_, caret_), std::max(anchor_, caret_));
}

// Every kind of line break in the replacement becomes CR LF, as the lines are joined.
void MemoryLineEditor::replaceSelection(const std::u16string& text) {
    history_.push_back({text_, starts_, anchor_, caret_});
    if (starts_.empty())
        starts_.push_back(0);
    const Pos a = std::min(anchor_, caret_), b = std::max(anchor_, caret_);
    const std::vector<std::u16string> inserted = splitLines(text);
    const std::u16string joined = joinLines(inserted);
    const std::size_t from = offsetOf(a), removed = offsetOf(b) - from;
    text_.replace(from, removed, joined);
    const auto first = static_cast<std::size_t>(a.line) + 1;
    const auto last = static_cast<std::size_t>(b.line) + 1;
    shiftStarts(last, removed, joined.size());
    std::vector<std::size_t> insertedStarts;
    std::size_t at = from;
    for (std::size_t k = 0; k + 1 < inserted.size(); ++k) {
        at += inserted[k].size() + kBreak.size();
        insertedStarts.push_back(at);
    }
    starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(first),
                  starts_.begin() + static_cast<std::ptrdiff_t>(last));
    starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(first), insertedStarts.begin(),
                   insertedStarts.end());
    anchor_ =
        caret_ = {a.line + static_cast<int>(inserted.size()) - 1,
                  static_cast<int>(inserted.back().size()) + (inserted.size() == 1 ? a.col : 0)};
}

void MemoryLineEditor::selectAll() {
    anchor_ = {};
    caret_ = starts_.empty()
                 ? Pos{}
                 : Pos{lineCount() - 1, static_cast<int>(lineLength(starts_.size() - 1))};
}

void MemoryLineEditor::undo() {
    if (history_.empty())
        return;
    State s = std::move(history_.back());
    history_.pop_back();
    text_ = std::move(s.text);
    starts_ = std::move(s.starts);
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
