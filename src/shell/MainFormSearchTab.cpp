// The search tab's handlers: each goes through the run gate to the tab's commands.
#include "shell/TTavorMainForm.h"

namespace tavor {

namespace {
constexpr char16_t kEnter = u'\r';
}

void TTavorMainForm::SpeedButton14Click() {
    if (searchTab_.searching())
        gate.runAlways([this] { searchTab_.startOrStop(); });
    else
        gate.run([this] { searchTab_.startOrStop(); });
}

void TTavorMainForm::SpeedButton15Click() {
    gate.run([this] { searchTab_.updateAll(); });
}

bool TTavorMainForm::Edit3KeyPress(char16_t key) {
    if (key != kEnter)
        return false;
    SpeedButton14Click();
    return true;
}

void TTavorMainForm::CheckBox3Click() {
    if (searchTab_.optionChangeSearches(PageControl1.activePageIndex))
        SpeedButton14Click();
}

void TTavorMainForm::CheckBox4Click() {
    searchTab_.applyUpperCase();
    CheckBox3Click();
}

void TTavorMainForm::StringGrid2Click() {
    gate.run([this] { searchTab_.selectRow(); });
}

// Painting is never refused: the rules only read the hits and refill an emptied cell.
HitRowLook TTavorMainForm::StringGrid2DrawCell(int row) {
    return searchTab_.drawRow(row);
}

void TTavorMainForm::StringGrid2GetEditText(int col, int row) {
    gate.run([this, col, row] { searchTab_.editorOpened(col, row); });
}

void TTavorMainForm::StringGrid2KeyDown(KeyCode& key, ShiftState shift) {
    gate.run([this, &key, shift] { searchTab_.keyDown(key, shift); });
}

}  // namespace tavor
