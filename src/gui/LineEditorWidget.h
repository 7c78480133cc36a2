#pragma once

#include <QPlainTextEdit>
#include <functional>

#include "ui/LineEditor.h"

namespace tavor::gui {

// The text tab's line editor: a plain-text editor with line numbers in its gutter and a
// Japanese fixed-pitch font. It implements the editor port, so the commands never see Qt.
// Its own copy and cut keys are removed: Ctrl+C, Ctrl+X and Ctrl+Enter go to onCtrlKey.
class LineEditorWidget final : public QPlainTextEdit, public LineEditor {
    Q_OBJECT
public:
    explicit LineEditorWidget(QWidget* parent = nullptr);

    // Called with 3 (Ctrl+C), 24 (Ctrl+X) or 10 (Ctrl+Enter); the key is then swallowed.
    std::function<void(char16_t)> onCtrlKey;
    std::function<void()> onClick;  // a mouse click moved the caret
    std::function<void()> onKeyUp;  // a key was released
    std::function<void(QPoint)> onContextMenu;

    int lineCount() const override;
    std::u16string line(int index) const override;
    std::vector<std::u16string> lines() const override;
    void setLines(std::vector<std::u16string> lines) override;
    void setLine(int index, const std::u16string& text) override;
    void insertLine(int index, const std::u16string& text) override;
    void addLine(const std::u16string& text) override;
    void clear() override;
    std::u16string text() const override;
    void setText(const std::u16string& text) override;
    int caretY() const override;
    int caretX() const override;
    void setCaretXY(int x, int y) override;
    bool selAvail() const override;
    std::u16string selectedText() const override;
    int selectionStartLine() const override;
    void replaceSelection(const std::u16string& text) override;
    void selectAll() override;
    bool canUndo() const override;
    void undo() override;
    void beginUpdate() override;
    void endUpdate() override;

    int gutterWidth() const;
    void paintGutter(QPaintEvent* event);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateGutter(const QRect& rect, int dy);
    // Replaces the whole text; `noLines` tells no lines from one empty line, which a text
    // document cannot tell apart.
    void assign(const QString& text, bool noLines);

    QWidget* gutter_;
    int updateDepth_ = 0;
    bool noLines_ = true;
    bool assigning_ = false;
};

}  // namespace tavor::gui
