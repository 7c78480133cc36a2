#include "gui/GridCellDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

namespace tavor::gui {

namespace {
const QColor kSilver(192, 192, 192);
const QColor kRed(255, 0, 0);
}  // namespace

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const CellLook cell = look(index);
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    opt.displayAlignment = Qt::AlignLeft | Qt::AlignTop;
    if (cell.silver) {
        painter->fillRect(opt.rect, kSilver);
        opt.backgroundBrush = kSilver;
    }
    if (cell.red) {
        opt.palette.setColor(QPalette::Text, kRed);
        opt.palette.setColor(QPalette::HighlightedText, kRed);
    }
    // Drawn from the option as it stands: the base class would take the colours from the model.
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    editorOpening(index);
    grid_.setEditorOpen(true);
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void GridCellDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    grid_.setEditorOpen(false);
    QStyledItemDelegate::destroyEditor(editor, index);
}

// Enter and Ctrl+Z in the open editor belong to the grid. The editor is closed first (Enter
// keeps what was typed, so that the update sees it; Ctrl+Z drops it), so that what the key
// handler then writes into the cell (an update reverted, an undo) is not overwritten by the
// editor; the handler still sees the editor as open, as it was when the key came.
bool GridCellDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (!editor || event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool undo = key->key() == Qt::Key_Z && key->modifiers() == Qt::ControlModifier;
    if (!enter && !undo)
        return QStyledItemDelegate::eventFilter(watched, event);
    if (enter)
        emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    grid_.setEditorOpen(true);
    KeyCode code = enter ? vkReturn : vkZ;
    keyDown(code, ShiftState{false, undo, false});
    grid_.setEditorOpen(false);
    // A written cell is no longer red, though its text stayed the same.
    if (auto* view = qobject_cast<QAbstractItemView*>(parent()))
        view->viewport()->update();
    return true;
}

}  // namespace tavor::gui
