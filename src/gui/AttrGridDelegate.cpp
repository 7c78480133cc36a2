#include "gui/AttrGridDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include "shell/TTavorMainForm.h"

namespace tavor::gui {

namespace {
const QColor kUnlinkedBackground(192, 192, 192);
const QColor kChangedText(255, 0, 0);
}  // namespace

AttrGridDelegate::AttrGridDelegate(TTavorMainForm& form, QObject* parent)
    : QStyledItemDelegate(parent), form_(form) {}

void AttrGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const GridState& grid = form_.StringGrid1;
    const CellChange look = form_.StringGrid1DrawCell(index.column() + grid.fixedCols(),
                                                      index.row() + grid.fixedRows());
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    opt.displayAlignment = Qt::AlignLeft | Qt::AlignTop;
    if (look == CellChange::Unlinked) {
        painter->fillRect(opt.rect, kUnlinkedBackground);
        opt.backgroundBrush = kUnlinkedBackground;
    } else if (look == CellChange::Changed) {
        opt.palette.setColor(QPalette::Text, kChangedText);
        opt.palette.setColor(QPalette::HighlightedText, kChangedText);
    }
    // Drawn from the option as it stands: the base class would take the colours from the model.
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
}

QWidget* AttrGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    const GridState& grid = form_.StringGrid1;
    form_.StringGrid1GetEditText(index.column() + grid.fixedCols(), index.row() + grid.fixedRows());
    form_.StringGrid1.setEditorOpen(true);
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void AttrGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    form_.StringGrid1.setEditorOpen(false);
    QStyledItemDelegate::destroyEditor(editor, index);
}

// Enter and Ctrl+Z in the open editor belong to the grid. The editor is closed first (Enter
// keeps what was typed, so that the update sees it; Ctrl+Z drops it), so that what the key
// handler then writes into the cell (an update reverted, an undo) is not overwritten by the
// editor; the handler still sees the editor as open, as it was when the key came.
bool AttrGridDelegate::eventFilter(QObject* watched, QEvent* event) {
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
    GridState& grid = form_.StringGrid1;
    grid.setEditorOpen(true);
    KeyCode code = enter ? vkReturn : vkZ;
    form_.StringGrid1KeyDown(code, ShiftState{false, undo, false});
    grid.setEditorOpen(false);
    // A written cell is no longer red, though its text stayed the same.
    if (auto* view = qobject_cast<QAbstractItemView*>(parent()))
        view->viewport()->update();
    return true;
}

}  // namespace tavor::gui
