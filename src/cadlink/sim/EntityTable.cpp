#include "cadlink/sim/EntityTable.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace tavor::cad::sim {

EntityRecord& EntityTable::insertNew(EntityId id) {
    const std::size_t slot = occupied_.size();
    if (slot == std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("The drawing holds too many entities.");
    if (slot % kBlockSize == 0)
        blocks_.push_back(std::make_unique<EntityRecord[]>(kBlockSize));
    if (!order_.empty() && at(order_.back()).id >= id)
        ordered_ = false;
    order_.push_back(static_cast<std::uint32_t>(slot));
    occupied_.push_back(true);
    ++live_;
    EntityRecord& r = at(static_cast<std::uint32_t>(slot));
    r.id = id;
    return r;
}

EntityRecord& EntityTable::put(EntityId id) {
    const std::uint32_t* slot = slotOf(id);
    if (!slot)
        return insertNew(id);
    EntityRecord& r = at(*slot);
    if (!occupied_[*slot]) {
        occupied_[*slot] = true;
        ++live_;
    }
    return r;
}

void EntityTable::remove(EntityId id) {
    const std::uint32_t* slot = slotOf(id);
    if (!slot || !occupied_[*slot])
        return;
    occupied_[*slot] = false;
    --live_;
    at(*slot) = EntityRecord{};  // lets go of its strings
    at(*slot).id = id;
}

const EntityRecord* EntityTable::find(EntityId id) const {
    const std::uint32_t* slot = slotOf(id);
    return slot && occupied_[*slot] ? &at(*slot) : nullptr;
}

EntityRecord* EntityTable::find(EntityId id) {
    return const_cast<EntityRecord*>(std::as_const(*this).find(id));
}

EntityId EntityTable::highestId() const {
    ensureOrdered();
    return order_.empty() ? 0 : at(order_.back()).id;
}

const std::uint32_t* EntityTable::slotOf(EntityId id) const {
    ensureOrdered();
    const auto it = std::lower_bound(order_.begin(), order_.end(), id,
                                     [this](std::uint32_t s, EntityId v) { return at(s).id < v; });
    return it != order_.end() && at(*it).id == id ? &*it : nullptr;
}

void EntityTable::ensureOrdered() const {
    if (ordered_)
        return;
    std::sort(order_.begin(), order_.end(),
              [this](std::uint32_t a, std::uint32_t b) { return at(a).id < at(b).id; });
    ordered_ = true;
}

}  // namespace tavor::cad::sim
