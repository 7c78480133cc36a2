#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavor {

// The line editor of the text tab as the commands see it. Lines are 0-based; the caret's
// line and column are 1-based, as the status bar shows them.
class LineEditor {
public:
    virtual ~LineEditor() = default;

    virtual int lineCount() const = 0;
    virtual std::u16string line(int index) const = 0;
    virtual std::vector<std::u16string> lines() const = 0;
    // Replaces every line at once; like assigning the editor's text, this starts a new history.
    virtual void setLines(std::vector<std::u16string> lines) = 0;
    virtual void setLine(int index, const std::u16string& text) = 0;
    // What converting every line does to the editor's own history: a whole-text replacement
    // starts a new one (as setLines); writing each line back as it goes keeps it (as setLine).
    enum class LineHistory { StartAfresh, Keep };
    using LineConversion = std::function<bool(std::u16string&)>;
    // Rewrites every line through `convert`, first to last; once `convert` returns false the
    // remaining lines are kept as they are. An editor that holds its lines as strings converts
    // them where they lie.
    virtual void convertEachLine(const LineConversion& convert, LineHistory history);
    virtual void insertLine(int index, const std::u16string& text) = 0;
    virtual void addLine(const std::u16string& text) = 0;
    virtual void clear() = 0;

    // The whole text, lines joined by CR LF.
    virtual std::u16string text() const = 0;
    // The same into `out`, reusing its buffer: a snapshot taken again and again over a long
    // text then does not ask the allocator for megabytes each time.
    virtual void copyTextTo(std::u16string& out) const { out = text(); }
    virtual void setText(const std::u16string& text) = 0;

    virtual int caretY() const = 0;  // 1-based line
    virtual int caretX() const = 0;  // 1-based column
    virtual void setCaretXY(int x, int y) = 0;

    virtual bool selAvail() const = 0;
    virtual std::u16string selectedText() const = 0;  // line breaks as CR LF
    virtual int selectionStartLine() const = 0;       // 0-based; the caret line without selection
    // Replaces the selection (or inserts at the caret) as one step of the editor's own history.
    virtual void replaceSelection(const std::u16string& text) = 0;
    virtual void selectAll() = 0;

    virtual bool canUndo() const = 0;
    virtual void undo() = 0;

    // Brackets a batch of changes so that the editor is rebuilt and repainted once.
    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;
};

// Holds a batch open for the lifetime of a scope, so that an exception cannot leave it open.
class EditorUpdate {
public:
    explicit EditorUpdate(LineEditor& editor) : editor_(editor) { editor_.beginUpdate(); }
    ~EditorUpdate() { editor_.endUpdate(); }
    EditorUpdate(const EditorUpdate&) = delete;
    EditorUpdate& operator=(const EditorUpdate&) = delete;

private:
    LineEditor& editor_;
};

}  // namespace tavor
