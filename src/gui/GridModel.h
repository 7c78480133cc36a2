#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "ui/GridState.h"

namespace tavor::gui {

// Shows a grid state in a table view. The fixed row and column become the view's headers;
// an edit in the view goes to the state, which reports the change back.
class GridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int LinkRole = Qt::UserRole + 1;  // the cell link, beside the text

    explicit GridModel(GridState& state, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Grid coordinates of a model index and back.
    int gridCol(int modelCol) const { return modelCol + state_.fixedCols(); }
    int gridRow(int modelRow) const { return modelRow + state_.fixedRows(); }

private:
    GridState& state_;
    std::vector<Subscription> subs_;
};

}  // namespace tavor::gui
