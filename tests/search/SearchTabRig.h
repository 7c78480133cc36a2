#pragma once

#include <string>
#include <vector>

#include "shell/MainFormRig.h"

namespace tavor::test {

// A headless program on the simulated CAD with the search tab shown, a layer "W" for wire
// numbers and a locked layer "LOCKED".
struct SearchTabRig : MainFormRig {
    SearchTabRig() {
        drawing().addLayer(u"W");
        drawing().addLayer(u"LOCKED", true);
        form.PageControl1.activePageIndex = 2;
        form.CheckBox3.checked = false;
        form.CheckBox4.checked = false;
        form.CheckBox4Click();
    }

    cad::sim::Drawing& drawing() { return cad.cad->drawing(); }
    cad::sim::Refusals& refusals() { return cad.cad->refusals(); }

    cad::Handle addText(const std::u16string& s, cad::Point at = {},
                        const std::u16string& layer = u"W") {
        return drawing().addText({s, at, layer});
    }

    // Types the text into Edit3 (upper-cased as the skin does while CheckBox4 is checked) and
    // presses the search button.
    void search(const std::u16string& typed) {
        form.Edit3.text = form.Edit3.upperCase ? platform.upperCase(typed) : typed;
        form.SpeedButton14Click();
    }

    // The grid's rows, top to bottom.
    std::vector<std::u16string> rows() const {
        std::vector<std::u16string> out;
        for (int r = 0; r < form.StringGrid2.rowCount(); ++r)
            out.push_back(form.StringGrid2.cell(0, r));
        return out;
    }
    std::vector<int> links() const {
        std::vector<int> out;
        for (int r = 0; r < form.StringGrid2.rowCount(); ++r)
            out.push_back(form.StringGrid2.link(0, r));
        return out;
    }

    // The string of the live TEXT with the handle; "<erased>" when it is gone.
    std::u16string textOf(const cad::Handle& h) const {
        const auto* e = cad.cad->drawing().find(h);
        return e ? e->text.string : u"<erased>";
    }

    // Edits row r as the person does: open the editor, type, leave it open.
    void edit(int row, const std::u16string& text) {
        form.StringGrid2.setCurrent(0, row);
        form.StringGrid2Click();
        form.StringGrid2GetEditText(0, row);
        form.StringGrid2.setEditorOpen(true);
        form.StringGrid2.setCell(0, row, text);
    }

    KeyCode press(KeyCode key, bool ctrl = false) {
        form.StringGrid2KeyDown(key, ShiftState{false, ctrl, false});
        return key;
    }

    // Every row drawn once, top to bottom, as a repaint does.
    void drawAll() {
        for (int r = 0; r < form.StringGrid2.rowCount(); ++r)
            form.StringGrid2DrawCell(r);
    }
};

}  // namespace tavor::test
