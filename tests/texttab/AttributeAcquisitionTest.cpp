#include <gtest/gtest.h>

#include "texttab/TextTab.h"
#include "texttab/TextTabRig.h"

namespace tavor::test {
namespace {

using V = std::vector<std::u16string>;

TEST(TagChoiceTest, TagAndBlockPatternComeFromTheComboText) {
    struct Case {
        const char16_t* text;
        const char16_t* tag;
        const char16_t* pattern;
    };
    for (const Case& c : {
             Case{u"JCMNT1:コメント１[IO*]", u"JCMNT1", u"IO*"},
             Case{u"NAME", u"NAME", u"*"},
             Case{u"NAME :x", u"NAME ", u"*"},
             Case{u"NAME:機器名[]", u"NAME", u"*"},
             Case{u"NAME:機器名]x[", u"NAME", u"*"},
             Case{u"NAME:機器名[AB]", u"NAME", u"AB"},
             Case{u"NAME[AB]", u"NAME[AB]", u"*"},
             Case{u"", u"", u"*"},
         }) {
        const TagChoice choice = parseTagChoice(c.text);
        EXPECT_EQ(choice.tag, c.tag) << toUtf8(c.text);
        EXPECT_EQ(choice.blockPattern, c.pattern) << toUtf8(c.text);
    }
}

cad::sim::AttributeSpec attribute(const std::u16string& tag, const std::u16string& value) {
    return {tag, value, {}, u"", 0};
}

class AttributeAcquisitionTest : public testing::Test {
protected:
    AttributeAcquisitionTest() {
        auto& d = rig.drawing();
        d.addLayer(u"DEVICE");
        d.defineBlock({u"DEV", {}, {}});
        d.defineBlock({u"AB", {}, {}});
        blockA = d.addInsert(
            {u"DEV", {0, 100}, u"DEVICE", {attribute(u"NAME", u"P-1"), attribute(u"SPEC", u"x")}});
        blockB = d.addInsert({u"AB", {0, 80}, u"DEVICE", {attribute(u"NAME", u"P-2")}});
        blockC = d.addInsert({u"DEV", {0, 60}, u"DEVICE", {}});
    }
    void acquire(const std::u16string& combo, std::vector<cad::Handle> picked) {
        form.ComboBox1.text = combo;
        rig.cad.picker.pickNext(std::move(picked));
        form.SpeedButton8Click();
    }

    TextTabRig rig;
    TTavorMainForm& form = rig.form;
    cad::Handle blockA, blockB, blockC;
};

TEST_F(AttributeAcquisitionTest, TheWorkedExampleThenAnUpdateWritesTheValues) {
    acquire(u"NAME:機器名", {blockC, blockB, blockA});
    EXPECT_EQ(rig.editor.lines(), (V{u"P-1", u"P-2"}));
    ASSERT_EQ(form.textList.size(), 2u);
    EXPECT_EQ(form.textList[0].index, 1);
    EXPECT_EQ(form.textList[0].parentType, u"INSERT");
    EXPECT_EQ(form.textList[0].parentHnd, blockA);
    EXPECT_EQ(form.textList[0].lay, u"DEVICE");
    EXPECT_EQ(form.textList[0].insPt, (cad::Point{0, 100, 0}));
    EXPECT_EQ(form.textList[0].parentId, rig.entity(blockA)->objectId);
    EXPECT_EQ(form.Label2.caption.get(), u"NAME = 2 / 3");
    EXPECT_EQ(form.Edit1.text.get(), u"0.00");
    EXPECT_EQ(form.Edit2.text.get(), u"-20.00");
    EXPECT_EQ(form.Edit2.textColor.get(), clBlack);
    EXPECT_TRUE(form.ATTmode);
    EXPECT_TRUE(form.SpeedButton2.enabled);
    EXPECT_FALSE(form.SpeedButton6.enabled);
    EXPECT_EQ(rig.cad.desktop.foreground, FakeDesktop::kProgram);

    // Blank lines are written, extra lines are ignored, the list keeps its length.
    rig.editor.setLines({u"", u"P-9", u"extra"});
    form.SpeedButton2Click();
    const auto& a = *rig.entity(form.textList[0].sHnd);
    const auto& b = *rig.entity(form.textList[1].sHnd);
    EXPECT_EQ(a.text.string, u"");
    EXPECT_EQ(b.text.string, u"P-9");
    EXPECT_EQ(form.textList.size(), 2u);
    EXPECT_EQ(rig.textsInDrawing().size(), 0u);
}

TEST_F(AttributeAcquisitionTest, TheTagMatchesExactlyAndThePatternFiltersTheBlocks) {
    acquire(u"name", {blockA, blockB});
    EXPECT_TRUE(form.textList.empty());
    EXPECT_EQ(rig.editor.lineCount(), 0);
    EXPECT_EQ(form.Edit1.textColor.get(), clRed);
    EXPECT_FALSE(form.SpeedButton2.enabled);
    EXPECT_TRUE(rig.platform.messages.empty());

    acquire(u"NAME:機器名[AB]", {});
    rig.cad.picker.pickAllNext();
    form.SpeedButton8Click();
    EXPECT_EQ(rig.editor.lines(), (V{u"P-2"}));
}

TEST_F(AttributeAcquisitionTest, NothingPickedKeepsTheListButSetsAttributeMode) {
    rig.acquire({rig.addText(u"t", {0, 0})});
    acquire(u"NAME", {});
    EXPECT_TRUE(form.ATTmode);
    EXPECT_EQ(form.Label2.caption.get(), u"INSERT=0");
    EXPECT_EQ(rig.editor.lines(), (V{u"t"}));
}

TEST_F(AttributeAcquisitionTest, AnErrorKeepsTheOldListAndRestoresTheWindow) {
    rig.acquire({rig.addText(u"t", {0, 0})});
    rig.refusals().refuseNext(u"GetBlockInsertionPoint");
    acquire(u"NAME", {blockA, blockB});
    EXPECT_EQ(rig.platform.messages.back().kind, MessageKind::Error);
    EXPECT_EQ(rig.editor.lines(), (V{u"t"}));
    EXPECT_EQ(form.textList.size(), 1u);
    EXPECT_EQ(rig.cad.desktop.foreground, FakeDesktop::kProgram);
    EXPECT_TRUE(rig.drawing().selectionSets().empty());
}

}  // namespace
}  // namespace tavor::test
