#include "cadlink/sim/UndoHistory.h"

namespace tavor::cad::sim {

void UndoHistory::endMark() {
    if (depth_ == 0)
        return;
    if (--depth_ == 0)
        closeStep();
}

void UndoHistory::remember(EntityId id, const std::optional<EntityRecord>& current) {
    open_.images.try_emplace(id, current);
}

void UndoHistory::closeStep() {
    if (open_.images.empty())
        return;
    undo_.push_back(std::move(open_));
    open_ = {};
    redo_.clear();
}

std::optional<UndoStep> UndoHistory::takeUndo() {
    if (undo_.empty())
        return std::nullopt;
    UndoStep step = std::move(undo_.back());
    undo_.pop_back();
    return step;
}

std::optional<UndoStep> UndoHistory::takeRedo() {
    if (redo_.empty())
        return std::nullopt;
    UndoStep step = std::move(redo_.back());
    redo_.pop_back();
    return step;
}

void UndoHistory::clear() {
    depth_ = 0;
    open_ = {};
    undo_.clear();
    redo_.clear();
}

}  // namespace tavor::cad::sim
