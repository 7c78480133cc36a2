#include "gui/LineEditorWidget.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>

#include "base/TextUtil.h"
#include "gui/QtText.h"

namespace tavor::gui {

namespace {

class Gutter final : public QWidget {
public:
    explicit Gutter(LineEditorWidget* editor) : QWidget(editor), editor_(editor) {}
    QSize sizeHint() const override { return {editor_->gutterWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { editor_->paintGutter(event); }

private:
    LineEditorWidget* editor_;
};

// "ＭＳ ゴシック" where Windows has it, else an installed Japanese monospace font.
QFont japaneseFixedFont() {
    const QStringList families = QFontDatabase::families();
    for (const QString& name : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                                QStringLiteral("Noto Sans Mono CJK JP"),
                                QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")}) {
        if (families.contains(name)) {
            QFont f(name);
            f.setPixelSize(15);
            f.setStyleHint(QFont::Monospace);
            return f;
        }
    }
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPixelSize(15);
    return f;
}

}  // namespace

LineEditorWidget::LineEditorWidget(QWidget* parent)
    : QPlainTextEdit(parent), gutter_(new Gutter(this)) {
    setObjectName(QStringLiteral("SynEdit1"));
    setFont(japaneseFixedFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);
    connect(this, &QPlainTextEdit::blockCountChanged, this,
            [this] { setViewportMargins(gutterWidth(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, this, &LineEditorWidget::updateGutter);
    // Any change but an assignment makes the document hold at least one (maybe empty) line.
    connect(document(), &QTextDocument::contentsChange, this, [this] {
        if (!assigning_)
            noLines_ = false;
    });
    setViewportMargins(gutterWidth(), 0, 0, 0);
}

int LineEditorWidget::gutterWidth() const {
    int digits = 2;
    for (int n = std::max(1, blockCount()); n >= 10; n /= 10)
        ++digits;
    return 6 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void LineEditorWidget::updateGutter(const QRect& rect, int dy) {
    if (dy)
        gutter_->scroll(0, dy);
    else
        gutter_->update(0, rect.y(), gutter_->width(), rect.height());
}

void LineEditorWidget::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect cr = contentsRect();
    gutter_->setGeometry(QRect(cr.left(), cr.top(), gutterWidth(), cr.height()));
}

void LineEditorWidget::paintGutter(QPaintEvent* event) {
    QPainter painter(gutter_);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    // Only the visible blocks are painted.
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= event->rect().top())
            painter.drawText(0, top, gutter_->width() - 3, fontMetrics().height(), Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        block = block.next();
        top = bottom;
    }
}

void LineEditorWidget::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers().testFlag(Qt::ControlModifier) && onCtrlKey) {
        const int key = event->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return onCtrlKey(10);
        if (key == Qt::Key_C && !event->modifiers().testFlag(Qt::ShiftModifier))
            return onCtrlKey(3);
        if (key == Qt::Key_X)
            return onCtrlKey(24);
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut))
        return;  // removed bindings
    QPlainTextEdit::keyPressEvent(event);
}

void LineEditorWidget::keyReleaseEvent(QKeyEvent* event) {
    QPlainTextEdit::keyReleaseEvent(event);
    if (onKeyUp)
        onKeyUp();
}

void LineEditorWidget::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (onClick)
        onClick();
}

void LineEditorWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (onContextMenu)
        onContextMenu(event->globalPos());
    else
        QPlainTextEdit::contextMenuEvent(event);
}

int LineEditorWidget::lineCount() const {
    return noLines_ && document()->isEmpty() ? 0 : document()->blockCount();
}

std::u16string LineEditorWidget::line(int index) const {
    if (index < 0 || index >= lineCount())
        return {};
    return u16(document()->findBlockByNumber(index).text());
}

std::vector<std::u16string> LineEditorWidget::lines() const {
    // Lines are handed over as they stand, trailing blanks included: a command must never change
    // a text the user did not change.
    std::vector<std::u16string> out;
    if (lineCount() == 0)
        return out;
    out.reserve(static_cast<std::size_t>(document()->blockCount()));
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        out.push_back(u16(b.text()));
    return out;
}

void LineEditorWidget::setLines(std::vector<std::u16string> lines) {
    assign(qs(joinLines(lines, u"\n")), lines.empty());
}

void LineEditorWidget::setLine(int index, const std::u16string& text) {
    if (index < 0 || index >= lineCount())
        return;
    QTextCursor c(document()->findBlockByNumber(index));
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.insertText(qs(text));
}

void LineEditorWidget::insertLine(int index, const std::u16string& text) {
    if (index >= lineCount())
        return addLine(text);
    QTextCursor c(document()->findBlockByNumber(std::max(index, 0)));
    c.insertText(qs(text) + QLatin1Char('\n'));
}

void LineEditorWidget::addLine(const std::u16string& text) {
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    c.insertText(lineCount() == 0 ? qs(text) : QLatin1Char('\n') + qs(text));
}

void LineEditorWidget::clear() {
    setText({});
}

std::u16string LineEditorWidget::text() const {
    return joinLines(lines());
}

void LineEditorWidget::setText(const std::u16string& text) {
    QString t = qs(text);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    assign(t, text.empty());
}

void LineEditorWidget::assign(const QString& text, bool noLines) {
    assigning_ = true;
    setPlainText(text);  // a new text starts a new history
    assigning_ = false;
    noLines_ = noLines;
}

int LineEditorWidget::caretY() const {
    return textCursor().blockNumber() + 1;
}
int LineEditorWidget::caretX() const {
    return textCursor().positionInBlock() + 1;
}

void LineEditorWidget::setCaretXY(int x, int y) {
    const QTextBlock b =
        document()->findBlockByNumber(std::clamp(y - 1, 0, document()->blockCount() - 1));
    QTextCursor c(b);
    c.setPosition(b.position() + std::clamp(x - 1, 0, b.length() - 1));
    setTextCursor(c);
}

bool LineEditorWidget::selAvail() const {
    return textCursor().hasSelection();
}

std::u16string LineEditorWidget::selectedText() const {
    QString s = textCursor().selectedText();
    s.replace(QChar(QChar::ParagraphSeparator), QLatin1String("\r\n"));
    return u16(s);
}

int LineEditorWidget::selectionStartLine() const {
    return document()->findBlock(textCursor().selectionStart()).blockNumber();
}

void LineEditorWidget::replaceSelection(const std::u16string& text) {
    QString t = qs(text);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor c = textCursor();
    c.insertText(t);
    setTextCursor(c);
}

void LineEditorWidget::selectAll() {
    QPlainTextEdit::selectAll();
}
bool LineEditorWidget::canUndo() const {
    return document()->isUndoAvailable();
}
void LineEditorWidget::undo() {
    QPlainTextEdit::undo();
}

void LineEditorWidget::beginUpdate() {
    if (updateDepth_++ == 0)
        setUpdatesEnabled(false);
}

void LineEditorWidget::endUpdate() {
    if (updateDepth_ > 0 && --updateDepth_ == 0)
        setUpdatesEnabled(true);
}

}  // namespace tavor::gui
