#pragma once

#include <QStyledItemDelegate>

#include "grid/GridKeys.h"
#include "ui/GridState.h"

namespace tavor::gui {

// How the form's rules want a cell drawn.
struct CellLook {
    bool silver = false;  // a cell the commands do not write
    bool red = false;     // changed and not written back yet
};

// Draws and edits the cells of one of the form's grids as its rules say: a cell on silver or in
// red; opening the cell editor tells the form (which records the cell for undo), and Enter or
// Ctrl+Z inside the editor reach the grid's key handler as in the grid itself.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    GridCellDelegate(GridState& grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The form's drawing rule for the view's cell; it may refill the cell, whose text is then
    // what is drawn.
    virtual CellLook look(const QModelIndex& index) const = 0;
    // The form's handler for the cell editor opening on the view's cell.
    virtual void editorOpening(const QModelIndex& index) const = 0;
    virtual void keyDown(KeyCode& key, ShiftState shift) = 0;

    GridState& grid_;
};

}  // namespace tavor::gui
