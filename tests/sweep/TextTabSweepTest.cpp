// The text tab's commands under a fault at every CAD call.
#include <gtest/gtest.h>

#include "FaultSweep.h"
#include "base/TextUtil.h"

namespace tavor::test {
namespace {

// What the update and the alignment show when an error ends their walk.
constexpr char16_t kUpdateStopped[] = u"エラーのため、更新を中止しました．";
constexpr char16_t kAlignmentStopped[] = u"エラーのため、更新処理を中止しました．";

struct Handles {
    cad::Handle a, b, c, locked;
};

// Three texts in a column and one on a locked layer.
Handles addTexts(MainFormRig& rig) {
    cad::sim::Drawing& d = rig.cad.cad->drawing();
    d.addLayer(u"TEXT");
    d.addLayer(u"LOCKED", true);
    return {d.addText({u"A", {10, 50}, u"TEXT"}), d.addText({u"B", {10, 45}, u"TEXT"}),
            d.addText({u"C", {10, 40}, u"TEXT", 1}), d.addText({u"L", {10, 35}, u"LOCKED"})};
}

void acquireTexts(MainFormRig& rig) {
    const Handles h = addTexts(rig);
    rig.form.CheckBox1.checked = true;
    rig.cad.picker.pickNext({h.a, h.b, h.c, h.locked});
    rig.form.SpeedButton1Click();
}

// Block references with attributes NAME (and SPEC), and the TAG NAME chosen.
void acquireAttributes(MainFormRig& rig) {
    cad::sim::Drawing& d = rig.cad.cad->drawing();
    d.addLayer(u"DEVICE");
    d.defineBlock({u"DEV", {}, {}});
    const auto a = d.addInsert({u"DEV",
                                {0, 100},
                                u"DEVICE",
                                {{u"NAME", u"P-1", {}, u"", 0}, {u"SPEC", u"x", {}, u"", 0}}});
    const auto b = d.addInsert({u"DEV", {0, 80}, u"DEVICE", {{u"NAME", u"P-2", {}, u"", 0}}});
    rig.form.ComboBox1.text = u"NAME:機器名";
    rig.cad.picker.pickNext({a, b});
    rig.form.SpeedButton8Click();
}

// Every listed entity is live and of the kind the list says; and the list never claims a text
// that its entity does not hold for a line that says the same, which the next update would then
// take as written and skip.
std::string textListWrong(MainFormRig& rig) {
    const cad::sim::Drawing& d = rig.cad.cad->drawing();
    const std::vector<std::u16string> lines = rig.editor.lines();
    for (std::size_t i = 0; i < rig.form.textList.size(); ++i) {
        const Tavor& t = rig.form.textList[i];
        if (t.sHnd.empty())
            continue;
        const auto* e = d.find(t.sHnd);
        if (!e || d.wasErased(e->id))
            return "the list names " + toUtf8(t.sHnd) + ", which is gone";
        const bool attribute = t.parentType == u"INSERT";
        if (e->kind != (attribute ? cad::sim::EntityKind::Attribute : cad::sim::EntityKind::Text) ||
            (attribute && cad::sim::formatHandle(e->owner) != t.parentHnd))
            return "the list names " + toUtf8(t.sHnd) + " as another kind of entity";
        if (i < lines.size() && lines[i] == t.text && e->text.string != t.text)
            return "entry " + std::to_string(i) + " claims \"" + toUtf8(t.text) + "\" for " +
                   toUtf8(t.sHnd) + ", which holds \"" + toUtf8(e->text.string) + "\"";
    }
    return {};
}

void editLines(MainFormRig& rig, std::vector<std::u16string> lines) {
    rig.editor.setLines(std::move(lines));
}

TEST(TextTabSweep, Acquisition) {
    sweep({"acquire texts (SpeedButton1)",
           [](MainFormRig& rig) {
               const Handles h = addTexts(rig);
               rig.form.CheckBox1.checked = true;
               rig.cad.picker.pickNext({h.a, h.b, h.c, h.locked});
           },
           [](MainFormRig& rig) { rig.form.SpeedButton1Click(); }, textListWrong});
}

TEST(TextTabSweep, Update) {
    sweep({"update (SpeedButton2)",
           [](MainFormRig& rig) {
               acquireTexts(rig);
               editLines(rig, {u"A2", u" ", u"C", u"L2"});
           },
           [](MainFormRig& rig) { rig.form.SpeedButton2Click(); },
           textListWrong,
           {kUpdateStopped}});
}

TEST(TextTabSweep, UpdateByCtrlEnter) {
    sweep({"update (Ctrl+Enter)",
           [](MainFormRig& rig) {
               acquireTexts(rig);
               editLines(rig, {u"A", u"B2", u"C2", u"L"});
           },
           [](MainFormRig& rig) { rig.form.SynEdit1KeyPress(u'\n', true); },
           textListWrong,
           {kUpdateStopped}});
}

TEST(TextTabSweep, Alignment) {
    sweep({"align (SpeedButton6)",
           [](MainFormRig& rig) {
               acquireTexts(rig);
               rig.form.Edit1.text = u"0";
               rig.form.Edit2.text = u"-5";
               editLines(rig, {u"A", u"B2", u"C", u"L", u"E"});
           },
           [](MainFormRig& rig) { rig.form.SpeedButton6Click(); },
           textListWrong,
           {kAlignmentStopped}});
}

TEST(TextTabSweep, AlignmentByEnterInDy) {
    sweep({"align (Enter in Edit2)",
           [](MainFormRig& rig) {
               acquireTexts(rig);
               rig.form.Edit1.text = u"2";
               rig.form.Edit2.text = u"-4";
               editLines(rig, {u"A", u"B", u"C2", u"L", u"", u"F"});
           },
           [](MainFormRig& rig) { rig.form.Edit2KeyPress(u'\r'); },
           textListWrong,
           {kAlignmentStopped}});
}

TEST(TextTabSweep, AttributeAcquisition) {
    sweep({"acquire attribute values (SpeedButton8)",
           [](MainFormRig& rig) {
               cad::sim::Drawing& d = rig.cad.cad->drawing();
               d.addLayer(u"DEVICE");
               d.defineBlock({u"DEV", {}, {}});
               const auto a =
                   d.addInsert({u"DEV", {0, 100}, u"DEVICE", {{u"NAME", u"P-1", {}, u"", 0}}});
               const auto b =
                   d.addInsert({u"DEV", {0, 80}, u"DEVICE", {{u"NAME", u"P-2", {}, u"", 0}}});
               rig.form.ComboBox1.text = u"NAME:機器名";
               rig.cad.picker.pickNext({a, b});
           },
           [](MainFormRig& rig) { rig.form.SpeedButton8Click(); }, textListWrong});
}

TEST(TextTabSweep, AttributeUpdate) {
    sweep({"update attribute values (SpeedButton2)",
           [](MainFormRig& rig) {
               acquireAttributes(rig);
               editLines(rig, {u"P-10", u"P-20"});
           },
           [](MainFormRig& rig) { rig.form.SpeedButton2Click(); },
           textListWrong,
           {kUpdateStopped}});
}

TEST(TextTabSweep, CaretFollowing) {
    sweep({"caret follows a line (CaretYChanged)",
           [](MainFormRig& rig) {
               acquireTexts(rig);
               rig.form.CheckBox9.checked = true;
           },
           [](MainFormRig& rig) { rig.form.CaretYChanged(2); }, textListWrong});
}

// The editor's undo and the status timer work on the program alone.
TEST(TextTabSweep, UndoAndTimerMakeNoCadCall) {
    const auto acquiredAndEdited = [](MainFormRig& rig) {
        acquireTexts(rig);
        rig.form.UndoMark(true);
        editLines(rig, {u"A2", u"B", u"C", u"L"});
    };
    EXPECT_EQ(cadCallsOf({"undo (SpeedButton4)",
                          acquiredAndEdited,
                          [](MainFormRig& rig) { rig.form.SpeedButton4Click(); },
                          {}}),
              0);
    EXPECT_EQ(cadCallsOf({"status timer (Timer1)",
                          acquiredAndEdited,
                          [](MainFormRig& rig) { rig.form.Timer1Timer(); },
                          {}}),
              0);
}

}  // namespace
}  // namespace tavor::test
