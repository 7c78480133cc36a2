// The search tab's commands under a fault at every CAD call.
#include <gtest/gtest.h>

#include "FaultSweep.h"
#include "base/TextUtil.h"

namespace tavor::test {
namespace {

// Wire numbers on layer W, one on a locked layer, and the search tab shown.
void wireNumbers(MainFormRig& rig) {
    cad::sim::Drawing& d = rig.cad.cad->drawing();
    d.addLayer(u"W");
    d.addLayer(u"LOCKED", true);
    d.addText({u"W3", {3, 3}, u"W"});
    d.addText({u"W1", {1, 1}, u"LOCKED"});
    d.addText({u"W4", {4, 4}, u"W"});
    d.addText({u"W2", {2, 2}, u"W"});
    rig.form.PageControl1.activePageIndex = 2;
    rig.form.CheckBox3.checked = false;
    rig.form.CheckBox4.checked = false;
    rig.form.CheckBox4Click();
    rig.form.Edit3.text = u"W";
}

void searched(MainFormRig& rig) {
    wireNumbers(rig);
    rig.form.SpeedButton14Click();
}

// Edits row r as the person does: open the editor, type, leave it open.
void edit(MainFormRig& rig, int row, const std::u16string& text) {
    rig.form.StringGrid2.setCurrent(0, row);
    rig.form.StringGrid2Click();
    rig.form.StringGrid2GetEditText(0, row);
    rig.form.StringGrid2.setEditorOpen(true);
    rig.form.StringGrid2.setCell(0, row, text);
}

enum class RowRule {
    // The bulk update: a row that fails stays changed, so the TEXT holds what the hit knew or
    // what the row shows, and an unchanged row is written.
    KeptOrWritten,
    // Enter: a failure sets the row back to the last value known to be in the drawing.
    SetBack,
};

// Row r links to hit r + 1, which names a live TEXT, and the row's text follows the rule.
std::string hitLinksWrong(MainFormRig& rig, RowRule rule) {
    const GridState& grid = rig.form.StringGrid2;
    const cad::sim::Drawing& d = rig.cad.cad->drawing();
    for (int row = 0; row < grid.rowCount(); ++row) {
        const int link = grid.link(0, row);
        if (link < 1)
            continue;
        const std::string where = "row " + std::to_string(row);
        if (static_cast<std::size_t>(link) > rig.form.hitList.size())
            return where + " links past the hit list";
        const Tavor2& hit = rig.form.hitList[static_cast<std::size_t>(link - 1)];
        const auto* e = d.find(hit.sHnd);
        if (!e || d.wasErased(e->id) || e->kind != cad::sim::EntityKind::Text)
            return where + " names " + toUtf8(hit.sHnd) + ", which is no live TEXT";
        const std::u16string& cell = grid.cell(0, row);
        if (rule == RowRule::SetBack) {
            if (cell != hit.text)
                return where + " is not set back to \"" + toUtf8(hit.text) + "\"";
            continue;
        }
        if (e->text.string != hit.text && e->text.string != cell)
            return where + ": the TEXT holds \"" + toUtf8(e->text.string) +
                   "\", neither what was known nor the row";
        if (cell == hit.text && e->text.string != cell)
            return where + " shows \"" + toUtf8(cell) + "\" as unchanged, but the TEXT holds \"" +
                   toUtf8(e->text.string) + "\"";
    }
    return {};
}

std::string keptOrWritten(MainFormRig& rig) {
    return hitLinksWrong(rig, RowRule::KeptOrWritten);
}

// Without a connection nothing more happens: the edit stays, as the bulk update keeps it.
std::string setBack(MainFormRig& rig) {
    const bool connected = rig.cad.cad->refusals().failedOperation() != u"CreateApplication";
    return hitLinksWrong(rig, connected ? RowRule::SetBack : RowRule::KeptOrWritten);
}

// The update's summary counts the rows whose every step went through: the TEXTs that changed,
// less the one whose string was written when a later call of its row failed.
std::string countsTheTextsWritten(MainFormRig& rig, const EntityStates& before) {
    const EntityStates after = entityStates(rig.cad.cad->drawing());
    int changed = 0;
    for (const auto& [id, state] : before)
        changed += after.contains(id) && after.at(id) != state;
    for (const auto& m : rig.platform.messages) {
        if (m.kind != MessageKind::Information)
            continue;
        const bool fits = m.text == u"更新対象の TEXT はありません．"
                              ? changed == 0
                              : m.text.starts_with(toU16(changed) + u" / ") ||
                                    m.text.starts_with(toU16(changed - 1) + u" / ");
        return fits ? std::string()
                    : "told \"" + toUtf8(m.text) + "\" after " + std::to_string(changed) +
                          " TEXTs changed";
    }
    return {};  // the default error report ended it before the summary
}

TEST(SearchTabSweep, Search) {
    sweep({"search (SpeedButton14)", wireNumbers,
           [](MainFormRig& rig) { rig.form.SpeedButton14Click(); }, keptOrWritten});
}

TEST(SearchTabSweep, SearchByEnter) {
    sweep({"search (Enter in Edit3)", wireNumbers,
           [](MainFormRig& rig) { rig.form.Edit3KeyPress(u'\r'); }, keptOrWritten});
}

TEST(SearchTabSweep, SearchAgainOnPrefixMatch) {
    sweep({"search again (CheckBox3Click)",
           [](MainFormRig& rig) {
               searched(rig);
               rig.form.CheckBox3.checked = true;
           },
           [](MainFormRig& rig) { rig.form.CheckBox3Click(); }, keptOrWritten});
}

TEST(SearchTabSweep, SearchAgainInUpperCase) {
    sweep({"search again (CheckBox4Click)",
           [](MainFormRig& rig) {
               searched(rig);
               rig.form.CheckBox4.checked = true;
           },
           [](MainFormRig& rig) { rig.form.CheckBox4Click(); }, keptOrWritten});
}

TEST(SearchTabSweep, Update) {
    sweep({"hit update (SpeedButton15)",
           [](MainFormRig& rig) {
               searched(rig);
               edit(rig, 1, u"W2-new");
               edit(rig, 2, u"W3-new");
               edit(rig, 3, u"W4-new");
           },
           [](MainFormRig& rig) { rig.form.SpeedButton15Click(); },
           keptOrWritten,
           {},
           countsTheTextsWritten});
}

TEST(SearchTabSweep, Enter) {
    sweep({"hit Enter (StringGrid2KeyDown)",
           [](MainFormRig& rig) {
               searched(rig);
               edit(rig, 1, u"W2-new");
           },
           [](MainFormRig& rig) {
               KeyCode key = vkReturn;
               rig.form.StringGrid2KeyDown(key, ShiftState{});
           },
           setBack});
}

TEST(SearchTabSweep, RowClick) {
    sweep({"hit row click (StringGrid2Click)",
           [](MainFormRig& rig) {
               searched(rig);
               rig.form.StringGrid2.setCurrent(0, 2);
           },
           [](MainFormRig& rig) { rig.form.StringGrid2Click(); }, keptOrWritten});
}

}  // namespace
}  // namespace tavor::test
