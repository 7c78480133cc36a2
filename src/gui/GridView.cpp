#include "gui/GridView.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace tavor::gui {

GridView::GridView(GridState& state, QWidget* parent)
    : QTableView(parent), state_(state), model_(state) {
    setModel(&model_);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    subs_.push_back(state_.layoutChanged.observe([this] { applyLayout(); }));
    subs_.push_back(state_.selectionChanged.observe([this] { applySelection(); }));
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { readSelection(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { readSelection(); });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (!syncing_)
                    state_.setColWidth(model_.gridCol(section), size);
            });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int, int, int size) {
        if (!syncing_ && state_.fixedCols() > 0)
            state_.setColWidth(0, size);
    });
    applyLayout();
    applySelection();
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    if (onViewportWidth)
        onViewportWidth(viewport()->width());
}

void GridView::applyLayout() {
    syncing_ = true;
    horizontalHeader()->setVisible(state_.fixedRows() > 0);
    verticalHeader()->setVisible(state_.fixedCols() > 0);
    verticalHeader()->setDefaultSectionSize(state_.defaultRowHeight());
    verticalHeader()->setMinimumSectionSize(state_.defaultRowHeight());
    if (state_.fixedCols() > 0)
        verticalHeader()->setFixedWidth(state_.colWidth(0));
    for (int c = 0; c < model_.columnCount(); ++c)
        setColumnWidth(c, state_.colWidth(model_.gridCol(c)));
    syncing_ = false;
}

void GridView::applySelection() {
    if (syncing_)
        return;
    syncing_ = true;
    const GridRect s = state_.selection();
    const int fc = state_.fixedCols(), fr = state_.fixedRows();
    const QModelIndex current = model_.index(state_.row() - fr, state_.col() - fc);
    const QItemSelection range(model_.index(s.top - fr, s.left - fc),
                               model_.index(s.bottom - fr, s.right - fc));
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
}

void GridView::readSelection() {
    if (syncing_)
        return;
    syncing_ = true;
    const int fc = state_.fixedCols(), fr = state_.fixedRows();
    const QModelIndex cur = currentIndex();
    if (cur.isValid())
        state_.setCurrent(cur.column() + fc, cur.row() + fr);
    const QItemSelection sel = selectionModel()->selection();
    if (!sel.isEmpty()) {
        const QItemSelectionRange& r = sel.first();
        state_.setSelection({r.left() + fc, r.top() + fr, r.right() + fc, r.bottom() + fr});
    }
    syncing_ = false;
}

KeyCode gridKeyCode(const QKeyEvent& e) {
    const bool ctrl = e.modifiers().testFlag(Qt::ControlModifier);
    switch (e.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vkReturn;
        case Qt::Key_Delete:
            return vkDelete;
        case Qt::Key_Z:
            return ctrl ? vkZ : 0;
        case Qt::Key_C:
            return ctrl ? vkC : 0;
        case Qt::Key_X:
            return ctrl ? vkX : 0;
        case Qt::Key_V:
            return ctrl ? vkV : 0;
        default:
            return 0;
    }
}

}  // namespace tavor::gui
