#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "cadlink/CadError.h"
#include "cadlink/UndoMarkScope.h"
#include "cadlink/sim/SimCad.h"

namespace tavor::test {
namespace {

using namespace cad::sim;

struct UndoRig {
    std::shared_ptr<SimCad> cad = std::make_shared<SimCad>();
    std::shared_ptr<cad::Document> doc;
    cad::Handle a, b;

    UndoRig() {
        a = cad->drawing().addText({u"A", {0, 0, 0}});
        b = cad->drawing().addText({u"B", {0, 10, 0}});
        cad->drawing().forgetChanges();
        doc = cad->application()->GetActiveDocument();
    }
    std::shared_ptr<cad::Text> text(const cad::Handle& h) {
        return doc->GetObjectByHandle(h)->AsText();
    }
    std::u16string string(const cad::Handle& h) const {
        const EntityRecord* r = cad->drawing().find(h);
        return r ? r->text.string : u"<gone>";
    }
    // A write-back: two strings changed, one text copied, one erased.
    void writeBack() {
        cad::UndoMarkScope mark(doc);
        text(a)->SetTextString(u"A2");
        text(b)->CopyEntity()->AsText()->SetTextString(u"C");
        text(b)->DeleteObject();
    }
};

TEST(UndoMark, OneUndoTakesBackAWholeWriteBackAndRedoPutsItBack) {
    UndoRig rig;
    rig.writeBack();
    EXPECT_EQ(rig.cad->drawing().modelSpace().size(), 2u);
    ASSERT_TRUE(rig.cad->drawing().undo());
    EXPECT_EQ(rig.string(rig.a), u"A");
    EXPECT_EQ(rig.string(rig.b), u"B");
    EXPECT_EQ(rig.cad->drawing().modelSpace().size(), 2u);
    EXPECT_FALSE(rig.cad->drawing().canUndo());

    ASSERT_TRUE(rig.cad->drawing().redo());
    EXPECT_EQ(rig.string(rig.a), u"A2");
    EXPECT_EQ(rig.string(rig.b), u"<gone>");
    EXPECT_THROW(rig.text(rig.b), cad::CadError);
    EXPECT_FALSE(rig.cad->drawing().canRedo());
}

TEST(UndoMark, AnErrorHalfWayStillClosesTheMark) {
    UndoRig rig;
    try {
        cad::UndoMarkScope mark(rig.doc);
        rig.text(rig.a)->SetTextString(u"A2");
        rig.text(u"FFFF")->SetTextString(u"never");  // no such handle: raises
    } catch (const cad::CadError&) {
    }
    rig.text(rig.b)->SetTextString(u"B2");  // after the mark: a step of its own
    ASSERT_TRUE(rig.cad->drawing().undo());
    EXPECT_EQ(rig.string(rig.a), u"A2");
    EXPECT_EQ(rig.string(rig.b), u"B");
    ASSERT_TRUE(rig.cad->drawing().undo());
    EXPECT_EQ(rig.string(rig.a), u"A");
    EXPECT_FALSE(rig.cad->drawing().canUndo());
}

TEST(UndoMark, NestedMarksMakeOneStepAndANewEditDropsTheRedo) {
    UndoRig rig;
    {
        cad::UndoMarkScope outer(rig.doc);
        rig.writeBack();
        rig.text(rig.a)->SetTextString(u"A3");
    }
    ASSERT_TRUE(rig.cad->drawing().undo());
    EXPECT_EQ(rig.string(rig.a), u"A");
    EXPECT_EQ(rig.string(rig.b), u"B");
    EXPECT_FALSE(rig.cad->drawing().canUndo());
    rig.text(rig.a)->SetTextString(u"A4");
    EXPECT_FALSE(rig.cad->drawing().canRedo());
    rig.doc->EndUndoMark();  // unmatched: ignored
    EXPECT_TRUE(rig.cad->drawing().canUndo());
}

TEST(UndoMark, ARefusedWriteLeavesNoStep) {
    UndoRig rig;
    rig.cad->drawing().addLayer(u"L", true);
    const cad::Handle locked = rig.cad->drawing().addText({u"L", {0, 0, 0}, u"L"});
    rig.cad->drawing().forgetChanges();
    EXPECT_THROW(rig.text(locked)->SetTextString(u"x"), cad::CadError);
    EXPECT_FALSE(rig.cad->drawing().canUndo());
}

}  // namespace
}  // namespace tavor::test
