#pragma once

#include <map>
#include <optional>
#include <vector>

#include "cadlink/sim/EntityRecord.h"

namespace tavor::cad::sim {

// One step of the drawing's undo history: the entities it touched, each with the state it had
// on the other side of the step (nullopt: it did not exist there). Undoing or redoing a step
// swaps those states with the drawing's, so the same step serves both ways.
struct UndoStep {
    std::map<EntityId, std::optional<EntityRecord>> images;
};

// The simulated CAD's own undo history. Marks nest; the outermost pair makes one step of
// everything remembered between them (the drawing brackets each change of its own in a mark,
// so a change made outside the caller's marks is a step of its own).
class UndoHistory {
public:
    void startMark() { ++depth_; }
    // Ignored without an open mark, as the CAD ignores an unmatched end mark.
    void endMark();
    bool marking() const { return depth_ > 0; }

    // Called inside a mark before the entity changes; `current` is its state now (nullopt: not yet
    // created).
    void remember(EntityId id, const std::optional<EntityRecord>& current);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The step to apply, moved to the other stack; nullopt when there is none.
    std::optional<UndoStep> takeUndo();
    std::optional<UndoStep> takeRedo();
    void pushRedo(UndoStep step) { redo_.push_back(std::move(step)); }
    void pushUndo(UndoStep step) { undo_.push_back(std::move(step)); }
    void clear();

private:
    void closeStep();

    int depth_ = 0;
    UndoStep open_;
    std::vector<UndoStep> undo_, redo_;
};

}  // namespace tavor::cad::sim
