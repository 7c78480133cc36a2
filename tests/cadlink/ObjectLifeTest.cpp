#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "base/TextUtil.h"
#include "cadlink/CadError.h"
#include "cadlink/SimCadRig.h"
#include "cadlink/sim/SampleDrawing.h"

namespace tavor::cad {
namespace {

using test::SimCadRig;

class ObjectLifeTest : public testing::Test {
protected:
    ObjectLifeTest() {
        sim::defineSampleBlocks(rig.cad->drawing());
        rig.cad->drawing().addLayer(u"LOCKED", true);
        textHandle = rig.cad->drawing().addText({u"R101", {10, 20, 0}, u"0", 0, 3.5, u"JIS"});
        insertHandle = rig.cad->drawing().addInsert(
            {u"SENBAN",
             {5, 5, 0},
             u"0",
             rig.cad->drawing().attributesOf(u"SENBAN", {{u"SENBAN", u"201"}})});
        lockedHandle = rig.cad->drawing().addText({u"固定", {0, 0, 0}, u"LOCKED"});
        doc = rig.document();
    }

    std::shared_ptr<Text> text(const Handle& h) { return doc->GetObjectByHandle(h)->AsText(); }

    SimCadRig rig{SimCadRig::Content::Empty};
    Handle textHandle, insertHandle, lockedHandle;
    std::shared_ptr<Document> doc;
};

TEST_F(ObjectLifeTest, HandlesAreUniqueHexadecimalAndFoundInEitherCase) {
    const std::set<Handle> handles{textHandle, insertHandle, lockedHandle};
    EXPECT_EQ(handles.size(), 3u);
    for (const Handle& h : handles)
        EXPECT_EQ(h.find_first_not_of(u"0123456789ABCDEF"), Handle::npos);
    Handle lower = textHandle;
    for (auto& c : lower)
        c = static_cast<char16_t>(std::tolower(c));
    EXPECT_EQ(doc->GetObjectByHandle(lower)->GetHandle(), textHandle);
    EXPECT_NE(doc->GetObjectByHandle(textHandle)->GetObjectID(),
              doc->GetObjectByHandle(insertHandle)->GetObjectID());
}

TEST_F(ObjectLifeTest, CopyDuplicatesWithANewHandleInTheSameSpace) {
    const auto original = text(textHandle);
    original->SetAlignment(2);
    original->SetTextAlignmentPoint({11, 21, 0});
    const auto copy = original->CopyEntity()->AsText();
    EXPECT_NE(copy->GetHandle(), textHandle);
    EXPECT_EQ(copy->GetTextString(), u"R101");
    EXPECT_EQ(copy->GetLayer(), u"0");
    EXPECT_EQ(copy->GetAlignment(), 2);
    EXPECT_EQ(copy->GetTextAlignmentPoint(), (Point{11, 21, 0}));
    const auto* record = rig.cad->drawing().find(copy->GetHandle());
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->text.height, 3.5);
    EXPECT_EQ(record->text.style, u"JIS");
    copy->SetTextString(u"R102");
    EXPECT_EQ(original->GetTextString(), u"R101");
}

TEST_F(ObjectLifeTest, CopiedBlockReferenceHasAttributesOfItsOwn) {
    const auto copy = doc->GetObjectByHandle(insertHandle)->AsBlockReference()->CopyEntity();
    const auto copied = copy->AsBlockReference()->GetAttributes();
    const auto original = doc->GetObjectByHandle(insertHandle)->AsBlockReference()->GetAttributes();
    ASSERT_EQ(copied.size(), 1u);
    EXPECT_NE(copied[0]->GetHandle(), original[0]->GetHandle());
    copied[0]->SetAttributeText(u"999");
    EXPECT_EQ(original[0]->GetAttributeText(), u"201");
}

TEST_F(ObjectLifeTest, ErasedEntityIsGoneForGoodAndItsHandleNeverComesBack) {
    const auto t = text(textHandle);
    t->DeleteObject();
    EXPECT_THROW(doc->GetObjectByHandle(textHandle), CadError);
    EXPECT_THROW(t->GetTextString(), CadError);
    EXPECT_THROW(t->SetTextString(u"x"), CadError);
    EXPECT_THROW(t->DeleteObject(), CadError);
    const Handle next = rig.cad->drawing().addText({u"new", {}, u"0"});
    EXPECT_NE(next, textHandle);
    EXPECT_EQ(rig.cad->drawing().find(textHandle), nullptr);
}

TEST_F(ObjectLifeTest, ErasingABlockReferenceErasesItsAttributes) {
    const auto block = doc->GetObjectByHandle(insertHandle)->AsBlockReference();
    const Handle attribute = block->GetAttributes()[0]->GetHandle();
    EXPECT_THROW(doc->GetObjectByHandle(attribute)->DeleteObject(), CadError);
    block->DeleteObject();
    EXPECT_THROW(doc->GetObjectByHandle(attribute), CadError);
}

TEST_F(ObjectLifeTest, TakingAnObjectAsAnotherKindRaises) {
    const auto insert = doc->GetObjectByHandle(insertHandle);
    EXPECT_THROW(insert->AsText(), CadError);
    EXPECT_THROW(insert->AsAttributeReference(), CadError);
    EXPECT_NO_THROW(insert->AsBlockReference());
    const auto attribute = insert->AsBlockReference()->GetAttributes()[0];
    EXPECT_THROW(doc->GetObjectByHandle(attribute->GetHandle())->AsText(), CadError);
    EXPECT_EQ(doc->GetObjectByHandle(attribute->GetHandle())->AsAttributeReference()->TagString(),
              u"SENBAN");
    EXPECT_THROW(doc->GetObjectByHandle(textHandle)->AsBlockReference(), CadError);
}

TEST_F(ObjectLifeTest, UnknownHandlesRaise) {
    for (const Handle& h : {Handle(u""), Handle(u"FFFFFF"), Handle(u"XYZ"), Handle(u"1 2")})
        EXPECT_THROW(doc->GetObjectByHandle(h), CadError) << toUtf8(h);
}

TEST_F(ObjectLifeTest, WritesOnALockedLayerAreRefusedAndChangeNothing) {
    const auto t = text(lockedHandle);
    EXPECT_THROW(t->SetTextString(u"changed"), CadError);
    EXPECT_THROW(t->SetInsertionPoint({1, 1, 0}), CadError);
    EXPECT_THROW(t->DeleteObject(), CadError);
    EXPECT_EQ(t->GetTextString(), u"固定");
    EXPECT_EQ(t->GetInsertionPoint(), (Point{0, 0, 0}));
    rig.cad->refusals().lockedLayersRefuseWrites = false;
    t->SetTextString(u"changed");
    EXPECT_EQ(t->GetTextString(), u"changed");
}

TEST_F(ObjectLifeTest, RefusedCallsFailAsOftenAsAskedWithTheCadsCode) {
    const auto t = text(textHandle);
    rig.cad->refusals().refuseNext(u"SetTextString", 2);
    for (int i = 0; i < 2; ++i) {
        try {
            t->SetTextString(u"x");
            ADD_FAILURE() << "not refused";
        } catch (const CadError& e) {
            EXPECT_TRUE(e.code().has_value());
            EXPECT_NE(e.message().find(u"SetTextString"), std::u16string::npos);
        }
    }
    EXPECT_EQ(t->GetTextString(), u"R101");
    t->SetTextString(u"x");
    EXPECT_EQ(t->GetTextString(), u"x");

    rig.cad->refusals().refuseNext(u"", 1);
    EXPECT_THROW(t->GetLayer(), CadError);
    EXPECT_NO_THROW(t->GetLayer());

    rig.cad->refusals().refuseAlways(u"GetObjectByHandle");
    EXPECT_THROW(doc->GetObjectByHandle(textHandle), CadError);
    EXPECT_THROW(doc->GetObjectByHandle(textHandle), CadError);
    rig.cad->refusals().clear();
    EXPECT_NO_THROW(doc->GetObjectByHandle(textHandle));
}

TEST_F(ObjectLifeTest, UpdateAndRegenerateTellTheView) {
    int changes = 0;
    const auto s = rig.cad->drawing().changed.observe([&] { ++changes; });
    text(textHandle)->UpdateEntity();
    doc->RegenerateDisplay(0);
    EXPECT_EQ(rig.cad->entityUpdates(), 1);
    EXPECT_EQ(rig.cad->regenerations(), 1);
    EXPECT_EQ(changes, 2);
}

TEST_F(ObjectLifeTest, SystemVariables) {
    rig.cad->setView({50, 60, 0}, 120);
    EXPECT_EQ(AsDouble(doc->GetSystemVariable(u"VIEWSIZE")), 120);
    EXPECT_EQ(AsPoint(doc->GetSystemVariable(u"viewctr")), (Point{50, 60, 0}));
    EXPECT_THROW(doc->GetSystemVariable(u"NOSUCHVAR"), CadError);
    EXPECT_THROW(AsPoint(doc->GetSystemVariable(u"VIEWSIZE")), CadError);
}

}  // namespace
}  // namespace tavor::cad
