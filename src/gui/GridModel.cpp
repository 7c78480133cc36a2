#include "gui/GridModel.h"

#include "gui/QtText.h"

namespace tavor::gui {

GridModel::GridModel(GridState& state, QObject* parent)
    : QAbstractTableModel(parent), state_(state) {
    subs_.push_back(state_.layoutChanged.observe([this] {
        beginResetModel();
        endResetModel();
    }));
    subs_.push_back(state_.cellChanged.observe([this](const int& col, const int& row) {
        const int c = col - state_.fixedCols(), r = row - state_.fixedRows();
        if (c >= 0 && r >= 0) {
            emit dataChanged(index(r, c), index(r, c));
        } else if (r < 0 && c >= 0) {
            emit headerDataChanged(Qt::Horizontal, c, c);
        } else if (c < 0 && r >= 0) {
            emit headerDataChanged(Qt::Vertical, r, r);
        }
    }));
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, state_.rowCount() - state_.fixedRows());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, state_.colCount() - state_.fixedCols());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int c = gridCol(index.column()), r = gridRow(index.row());
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return qs(state_.cell(c, r));
    if (role == LinkRole)
        return state_.link(c, r);
    return {};
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    state_.setCell(gridCol(index.column()), gridRow(index.row()), u16(value.toString()));
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (state_.editing())
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return state_.fixedRows() > 0 ? qs(state_.cell(gridCol(section), 0)) : QVariant();
    return state_.fixedCols() > 0 ? qs(state_.cell(0, gridRow(section))) : QVariant();
}

}  // namespace tavor::gui
