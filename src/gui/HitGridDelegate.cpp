#include "gui/HitGridDelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include "shell/TTavorMainForm.h"

namespace tavor::gui {

namespace {
const QColor kLockedBackground(192, 192, 192);
const QColor kChangedText(255, 0, 0);
}  // namespace

HitGridDelegate::HitGridDelegate(TTavorMainForm& form, QObject* parent)
    : QStyledItemDelegate(parent), form_(form) {}

void HitGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    // The rules first: they may refill the cell, whose text is then what is drawn.
    const HitRowLook look = form_.StringGrid2DrawCell(index.row());
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    opt.displayAlignment = Qt::AlignLeft | Qt::AlignTop;
    if (look.locked) {
        painter->fillRect(opt.rect, kLockedBackground);
        opt.backgroundBrush = kLockedBackground;
    }
    if (look.changed) {
        opt.palette.setColor(QPalette::Text, kChangedText);
        opt.palette.setColor(QPalette::HighlightedText, kChangedText);
    }
    // Drawn from the option as it stands: the base class would take the colours from the model.
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
}

QWidget* HitGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    form_.StringGrid2GetEditText(index.column(), index.row());
    form_.StringGrid2.setEditorOpen(true);
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void HitGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    form_.StringGrid2.setEditorOpen(false);
    QStyledItemDelegate::destroyEditor(editor, index);
}

// Enter and Ctrl+Z in the open editor belong to the grid. The editor is closed first (Enter
// keeps what was typed, Ctrl+Z drops it), so that what the key handler then writes into the cell
// (an update reverted, an undo) is not overwritten by the editor; the handler still sees the
// editor as open, as it was when the key came.
bool HitGridDelegate::eventFilter(QObject* watched, QEvent* event) {
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
    GridState& grid = form_.StringGrid2;
    grid.setEditorOpen(true);
    KeyCode code = enter ? vkReturn : vkZ;
    form_.StringGrid2KeyDown(code, ShiftState{false, undo, false});
    grid.setEditorOpen(false);
    return true;
}

}  // namespace tavor::gui
