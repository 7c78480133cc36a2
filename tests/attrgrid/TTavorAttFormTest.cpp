#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "attrgrid/TTavorAttForm.h"
#include "support/FakePlatform.h"

namespace tavor {
namespace {

using Items = std::vector<std::u16string>;

struct AttFormFixture : testing::Test {
    AttFormFixture() { combo.items = Items{u"NAME:機器名", u"JCMNT1:コメント１"}; }
    // Opens the dialog; `inside` is what the person does before OK.
    ModalResult edit(std::function<void()> inside, ModalResult closedWith = ModalResult::Ok) {
        platform.answerModal(closedWith, std::move(inside));
        return form.editItemsOf(combo);
    }
    test::FakePlatform platform;
    TTavorAttForm form{platform};
    TComboBox combo{u"ComboBox1"};
};

TEST_F(AttFormFixture, TheListIsACopyThatReachesTheComboOnlyOnOk) {
    edit(
        [this] {
            EXPECT_EQ(form.ListBox1.items.get(), (Items{u"JCMNT1:コメント１", u"NAME:機器名"}));
            form.Edit1.text = u"SENBAN";
            form.Edit2.text = u"線番";
            form.Button2Click();
        },
        ModalResult::Cancel);
    EXPECT_EQ(combo.items.get(), (Items{u"NAME:機器名", u"JCMNT1:コメント１"}));

    edit([this] {
        form.Edit1.text = u"SENBAN";
        form.Edit2.text = u"線番";
        form.Button2Click();
    });
    EXPECT_EQ(combo.items.get(), (Items{u"JCMNT1:コメント１", u"NAME:機器名", u"SENBAN:線番"}));
    // The main window gives the always-on-top state to the dialog and takes it back.
    EXPECT_EQ(platform.stayOnTop, (std::vector<std::pair<FormId, bool>>{{FormId::Main, false},
                                                                        {FormId::Att, true},
                                                                        {FormId::Att, false},
                                                                        {FormId::Main, true},
                                                                        {FormId::Main, false},
                                                                        {FormId::Att, true},
                                                                        {FormId::Att, false},
                                                                        {FormId::Main, true}}));
    EXPECT_FALSE(form.SpeedButton1.enabled);
}

TEST_F(AttFormFixture, AClickSplitsTheEntryAtColons) {
    struct Case {
        std::u16string entry, tag, prompt;
    };
    const std::vector<Case> cases = {
        {u"A:B:C", u"A", u"B"},       {u"NOCOLON", u"NOCOLON", u""}, {u"", u"", u""},
        {u" A : B ", u" A ", u" B "}, {u"\"X:Y\":Z", u"X:Y", u"Z"},
    };
    for (const Case& c : cases) {
        form.ListBox1.items = Items{c.entry};
        form.ListBox1.itemIndex = -1;  // nothing selected: the first entry is
        form.Edit1.text = u"old";
        form.ListBox1Click();
        EXPECT_EQ(form.ListBox1.itemIndex.get(), 0);
        EXPECT_EQ(form.Edit1.text.get(), c.tag);
        EXPECT_EQ(form.Edit2.text.get(), c.prompt);
    }
}

TEST_F(AttFormFixture, UpdateReplacesInPlaceAndDropsAThirdPart) {
    form.ListBox1.items = Items{u"A:B:C", u"Z:1"};
    form.ListBox1.itemIndex = 0;
    form.ListBox1Click();
    form.Button1Click();
    EXPECT_EQ(form.ListBox1.items.get(), (Items{u"A:B", u"Z:1"}));
    form.Edit1.text = u"ZZ";
    form.Button1Click();  // in place, not re-sorted
    EXPECT_EQ(form.ListBox1.items.get(), (Items{u"ZZ:B", u"Z:1"}));
}

TEST_F(AttFormFixture, DeleteSelectsTheNextOrTheLastEntry) {
    form.ListBox1.items = Items{u"A:1", u"B:2", u"C:3"};
    form.ListBox1.itemIndex = 2;
    form.Button3Click();
    EXPECT_EQ(form.ListBox1.itemIndex.get(), 1);
    EXPECT_EQ(form.Edit1.text.get(), u"B");
    form.ListBox1.itemIndex = 0;
    form.Button3Click();
    EXPECT_EQ(form.ListBox1.items.get(), Items{u"B:2"});
    EXPECT_EQ(form.Edit2.text.get(), u"2");
    form.Button3Click();
    EXPECT_TRUE(form.ListBox1.items.get().empty());
    EXPECT_EQ(form.ListBox1.itemIndex.get(), -1);
    EXPECT_EQ(form.Edit1.text.get(), u"");
}

TEST_F(AttFormFixture, WithNothingSelectedNothingIsLostOrMadeUp) {
    form.ListBox1.items = Items{};
    form.ListBox1.itemIndex = -1;
    form.Edit1.text = u"T";
    form.Button1Click();
    form.Button3Click();
    form.ListBox1Click();
    EXPECT_TRUE(form.ListBox1.items.get().empty());
    EXPECT_EQ(form.Edit1.text.get(), u"");
    form.Edit1.text = u"T";
    form.Button2Click();  // adding needs no selection
    EXPECT_EQ(form.ListBox1.items.get(), Items{u"T:"});
}

TEST_F(AttFormFixture, AddKeepsTheSelectionOnItsEntry) {
    form.ListBox1.items = Items{u"B:2", u"D:4"};
    form.ListBox1.itemIndex = 1;
    form.Edit1.text = u"A";
    form.Edit2.text = u"1";
    form.Button2Click();
    EXPECT_EQ(form.ListBox1.items.get(), (Items{u"A:1", u"B:2", u"D:4"}));
    EXPECT_EQ(form.ListBox1.itemIndex.get(), 2);
}

}  // namespace
}  // namespace tavor
