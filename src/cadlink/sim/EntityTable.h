#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "cadlink/sim/EntityRecord.h"

namespace tavor::cad::sim {

// The drawing's entities by handle, in handle order. A record keeps its address for as long as
// the table lives, and the table grows a block at a time, so a large drawing is never copied to
// grow. An erased entity keeps its slot (its handle is never given out again), for an undo to
// fill it again.
class EntityTable {
public:
    // A new live record under a handle that the table has never held, in the default state.
    // Handles may come in any order (a file's); the order is restored when next asked.
    EntityRecord& insertNew(EntityId id);
    // The live record under `id`: the one there, or one put in its default state.
    EntityRecord& put(EntityId id);
    // Empties the slot; nothing happens when no live record has the id.
    void remove(EntityId id);

    const EntityRecord* find(EntityId id) const;
    EntityRecord* find(EntityId id);
    std::size_t size() const { return live_; }
    // The highest handle the table has held, live or erased; 0 for an empty table.
    EntityId highestId() const;

    // Calls f(record) for every live record, in handle order.
    template <class F>
    void forEach(F f) const {
        ensureOrdered();
        for (std::uint32_t slot : order_)
            if (occupied_[slot])
                f(at(slot));
    }

private:
    static constexpr std::size_t kBlockSize = 1024;

    EntityRecord& at(std::uint32_t slot) const {
        return blocks_[slot / kBlockSize][slot % kBlockSize];
    }
    // The slot whose record has the id, live or not; nullptr when none has.
    const std::uint32_t* slotOf(EntityId id) const;
    void ensureOrdered() const;

    std::vector<std::unique_ptr<EntityRecord[]>> blocks_;
    std::vector<bool> occupied_;  // by slot; an emptied slot keeps only its record's id
    mutable std::vector<std::uint32_t> order_;  // the slots by their records' ids
    mutable bool ordered_ = true;
    std::size_t live_ = 0;
};

}  // namespace tavor::cad::sim
