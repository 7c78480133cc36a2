#include "cadlink/sim/EntityTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavor::cad::sim {
namespace {

std::vector<EntityId> idsInOrder(const EntityTable& t) {
    std::vector<EntityId> out;
    t.forEach([&](const EntityRecord& r) { out.push_back(r.id); });
    return out;
}

// A file's handles come in any order, and more of them than one block holds.
TEST(EntityTable, HandlesInAnyOrderAreFoundAndWalkedInHandleOrderAtFixedAddresses) {
    EntityTable t;
    std::vector<EntityRecord*> addresses;
    for (EntityId k = 0; k < 3000; ++k) {
        const EntityId id = (k * 7919) % 3000 + 1;  // every handle 1..3000 once, out of order
        EntityRecord& r = t.insertNew(id);
        r.text.string = u"T" + std::u16string(1, static_cast<char16_t>(u'0' + id % 10));
        addresses.push_back(&r);
    }
    EXPECT_EQ(t.size(), 3000u);
    EXPECT_EQ(t.highestId(), 3000u);
    const auto ids = idsInOrder(t);
    ASSERT_EQ(ids.size(), 3000u);
    for (std::size_t k = 0; k < ids.size(); ++k)
        ASSERT_EQ(ids[k], k + 1);
    for (EntityRecord* r : addresses)
        ASSERT_EQ(t.find(r->id), r);
    EXPECT_EQ(t.find(0), nullptr);
    EXPECT_EQ(t.find(3001), nullptr);
}

TEST(EntityTable, AnEmptiedSlotIsSkippedAndPutBackInItsDefaultState) {
    EntityTable t;
    for (EntityId id : {0x30, 0x10, 0x20})
        t.insertNew(id).layer = u"WIRE";
    EntityRecord* const second = t.find(0x20);

    t.remove(0x20);
    t.remove(0x20);  // twice, or an unknown id: nothing happens
    t.remove(0x99);
    EXPECT_EQ(t.size(), 2u);
    EXPECT_EQ(t.find(0x20), nullptr);
    EXPECT_EQ(idsInOrder(t), (std::vector<EntityId>{0x10, 0x30}));
    EXPECT_EQ(t.highestId(), 0x30u);

    EntityRecord& back = t.put(0x20);
    EXPECT_EQ(&back, second);
    EXPECT_EQ(back.id, 0x20u);
    EXPECT_TRUE(back.layer.empty());
    EXPECT_EQ(t.size(), 3u);
    EXPECT_EQ(&t.put(0x10), t.find(0x10));  // a live one stays as it is
    EXPECT_EQ(t.find(0x10)->layer, u"WIRE");

    t.remove(0x30);
    EXPECT_EQ(t.highestId(), 0x30u);  // an erased handle is never given out again
    t.put(0x40);
    EXPECT_EQ(idsInOrder(t), (std::vector<EntityId>{0x10, 0x20, 0x40}));
}

}  // namespace
}  // namespace tavor::cad::sim
