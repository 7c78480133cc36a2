#include "grid/TUndoCells.h"

#include <iterator>
#include <stdexcept>

#include "ui/GridState.h"

namespace tavor {

int TUndoCell::UndoLevel() const {
    return static_cast<int>(serial_ - lane_->records.front()->serial_);
}

const TUndoCell& TUndoCells::Add(GridState* aGrid, int ACol, int ARow) {
    TUndoCell::Lane& lane = lanes_[aGrid];
    std::u16string text = aGrid ? aGrid->cell(ACol, ARow) : std::u16string();
    if (undoLevels_ > 0 && static_cast<int>(lane.records.size()) > undoLevels_ - 1)
        RemoveOldest(aGrid);
    const std::int64_t serial = lane.records.empty() ? 0 : lane.records.back()->serial_ + 1;
    list_.push_back(TUndoCell(aGrid, std::move(text), ACol, ARow, &lane, serial));
    lane.records.push_back(std::prev(list_.end()));
    return list_.back();
}

void TUndoCells::Undo(GridState* aGrid) {
    const auto found = lanes_.find(aGrid);
    if (found == lanes_.end() || found->second.records.empty())
        return;
    const auto newest = found->second.records.back();
    found->second.records.pop_back();
    if (aGrid && newest->x_ >= 0 && newest->y_ >= 0 && newest->x_ < aGrid->colCount() &&
        newest->y_ < aGrid->rowCount()) {
        aGrid->setCell(newest->x_, newest->y_, newest->text_);
        aGrid->setCurrent(newest->x_, aGrid->row());
        aGrid->setCurrent(newest->x_, newest->y_);
    }
    list_.erase(newest);
}

void TUndoCells::Clear() {
    lanes_.clear();
    list_.clear();
}

const TUndoCell* TUndoCells::FindNewest(const GridState* grid) const {
    const auto found = lanes_.find(grid);
    if (found == lanes_.end() || found->second.records.empty())
        return nullptr;
    return &*found->second.records.back();
}

const TUndoCell* TUndoCells::FindOldest(const GridState* grid) const {
    const auto found = lanes_.find(grid);
    if (found == lanes_.end() || found->second.records.empty())
        return nullptr;
    return &*found->second.records.front();
}

int TUndoCells::RemoveOldest(const GridState* grid) {
    const auto found = lanes_.find(grid);
    if (found == lanes_.end() || found->second.records.empty())
        return 0;
    auto& records = found->second.records;
    list_.erase(records.front());
    records.pop_front();
    return static_cast<int>(records.size());
}

const TUndoCell& TUndoCells::GetItem(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("TUndoCells::GetItem");
    return *std::next(list_.begin(), index);
}

}  // namespace tavor
