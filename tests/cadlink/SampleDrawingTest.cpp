#include <gtest/gtest.h>

#include <map>
#include <set>

#include "cadlink/CadError.h"
#include "cadlink/Connection.h"
#include "cadlink/SimCadRig.h"
#include "cadlink/sim/LargeDrawing.h"
#include "cadlink/sim/SampleDrawing.h"

namespace tavor::cad {
namespace {

using test::SimCadRig;

// The prompt walk the grid tab makes, over the late-bound block collection.
std::u16string promptOf(Document& doc, const std::u16string& block, const std::u16string& tag) {
    const auto blocks = doc.GetBlocks();
    for (std::int32_t k = 0; k < blocks->Count(); ++k) {
        const auto def = blocks->Item(k);
        if (def->Name() != block)
            continue;
        for (std::int32_t j = 0; j < def->Count(); ++j) {
            const auto e = def->Item(j);
            if (e->EntityName() == u"AcDbAttributeDefinition" && e->TagString() == tag)
                return e->PromptString();
        }
        break;
    }
    return {};
}

std::set<std::u16string> tagsInDrawing(Document& doc, const std::u16string& blockName) {
    std::shared_ptr<SelectionSet> set;
    GetWorkSelectionSet(doc, set);
    set->SelectByMode(kSelectAll, {}, {},
                      {{kFilterEntityType, u"INSERT"}, {kFilterBlockName, blockName}});
    std::set<std::u16string> tags;
    for (std::int32_t i = 0; i < set->GetEntityCount(); ++i)
        for (const auto& a : set->GetEntityByIndex(i)->AsBlockReference()->GetAttributes())
            tags.insert(a->TagString());
    set->DeleteSelectionSet();
    return tags;
}

TEST(SampleDrawingTest, ServesEveryBuiltInTagGroup) {
    SimCadRig rig;
    const auto doc = rig.document();
    using Tags = std::set<std::u16string>;
    EXPECT_EQ(tagsInDrawing(*doc, u"IO_COMMENT"), (Tags{u"PIN1", u"IOADRS", u"JCMNT1", u"JCMNT2"}));
    EXPECT_EQ(tagsInDrawing(*doc, u"IO_COMMENT2"),
              (Tags{u"PIN1", u"IOADRS", u"JCMNT1", u"JCMNT2"}));
    EXPECT_EQ(tagsInDrawing(*doc, u"DEVICE"), (Tags{u"NAME", u"NAME1", u"SPEC", u"TYPE"}));
    EXPECT_EQ(tagsInDrawing(*doc, u"SENBAN"), (Tags{u"SENBAN"}));
    EXPECT_EQ(tagsInDrawing(*doc, u"FRAME_KVB").size(), 14u);
    EXPECT_EQ(tagsInDrawing(*doc, u"FRAME_TTL").size(), 18u);
    EXPECT_EQ(promptOf(*doc, u"DEVICE", u"NAME"), u"機器名");
    EXPECT_EQ(promptOf(*doc, u"MOTOR", u"NAME"), u"");
    EXPECT_EQ(promptOf(*doc, u"NOSUCH", u"NAME"), u"");
}

TEST(SampleDrawingTest, HasALockedLayerWithTextsAndALookalikeThatIsNot) {
    SimCadRig rig;
    const auto layers = rig.document()->GetLayers();
    std::map<std::u16string, bool> locks;
    for (std::int32_t i = 0; i < layers->Count(); ++i)
        locks[layers->Item(i)->Name()] = layers->Item(i)->Lock();
    EXPECT_TRUE(locks.at(sim::kSampleLockedLayer));
    EXPECT_FALSE(locks.at(sim::kSampleUnlockedLookalike));
    int locked = 0;
    for (auto id : rig.cad->drawing().modelSpace())
        locked += rig.cad->drawing().live(id).layer == sim::kSampleLockedLayer;
    EXPECT_GE(locked, 3);
}

TEST(SampleDrawingTest, BlockEntitiesOtherThanAttributeDefinitionsHaveNoTag) {
    SimCadRig rig;
    const auto def = rig.document()->GetBlocks()->Item(0);
    const auto line = def->Item(0);
    EXPECT_EQ(line->EntityName(), u"AcDbLine");
    EXPECT_THROW(line->TagString(), CadError);
    EXPECT_THROW(def->Item(def->Count()), CadError);
}

TEST(LargeDrawingTest, HasTheAskedNumbersOfEntities) {
    sim::Drawing d;
    sim::generateLargeDrawing(d, 20000, 3000);
    int texts = 0, inserts = 0;
    for (auto id : d.modelSpace()) {
        const auto kind = d.live(id).kind;
        texts += kind == sim::EntityKind::Text;
        inserts += kind == sim::EntityKind::Insert;
    }
    EXPECT_EQ(texts, 20000);
    EXPECT_EQ(inserts, 3000);
}

}  // namespace
}  // namespace tavor::cad
