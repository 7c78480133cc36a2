#pragma once

#include <QStyledItemDelegate>

namespace tavor {
class TTavorMainForm;
}

namespace tavor::gui {

// Draws and edits StringGrid1's cells: an unlinked cell on silver, a changed one in red; opening
// the cell editor records the cell for undo, and Enter or Ctrl+Z inside the editor reach the
// grid's key handler as in the grid itself.
class AttrGridDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit AttrGridDelegate(TTavorMainForm& form, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TTavorMainForm& form_;
};

}  // namespace tavor::gui
