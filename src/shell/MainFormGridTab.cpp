// The grid tab's handlers: each goes through the run gate to the tab's commands.
#include "shell/TTavorMainForm.h"

namespace tavor {

void TTavorMainForm::SpeedButton10Click() {
    gate.run([this] { gridTab_.acquire(); });
}

void TTavorMainForm::SpeedButton11Click() {
    gate.run([this] { gridTab_.update(); });
}

void TTavorMainForm::SpeedButton12Click() {
    gate.runAlways([this] { gridTab_.stop(); });
}

void TTavorMainForm::SpeedButton13Click() {
    gate.run([this] { gridTab_.undoButton(); });
}

void TTavorMainForm::StringGrid1Click() {
    gate.run([this] { gridTab_.cellClick(); });
}

void TTavorMainForm::StringGrid1FixedCellClick(int col, int row) {
    gate.run([this, col, row] { gridTab_.fixedCellClick(col, row); });
}

void TTavorMainForm::StringGrid1MouseDown(int col, int row, bool leftButton) {
    gate.run([this, col, row, leftButton] { gridTab_.mouseDown(col, row, leftButton); });
}

void TTavorMainForm::StringGrid1MouseMove(int col, int row) {
    gate.run([this, col, row] { gridTab_.mouseMove(col, row); });
}

// Never refused: a drag must end however it was started.
void TTavorMainForm::StringGrid1MouseUp() {
    gate.runAlways([this] { gridTab_.mouseUp(); });
}

void TTavorMainForm::StringGrid1GetEditText(int col, int row) {
    gate.run([this, col, row] { gridTab_.editorOpening(col, row); });
}

void TTavorMainForm::StringGrid1KeyDown(KeyCode& key, ShiftState shift) {
    gate.run([this, &key, shift] { gridTab_.keyDown(key, shift); });
}

// Painting is never refused: it only reads the grid and attList.
CellChange TTavorMainForm::StringGrid1DrawCell(int col, int row) const {
    return gridTab_.cellChange(col, row);
}

void TTavorMainForm::N40Click() {
    gate.run([this] { gridTab_.sortByText(); });
}

void TTavorMainForm::N41Click() {
    gate.run([this] { gridTab_.sortByNumber(); });
}

void TTavorMainForm::N43Click() {
    gate.run([this] { gridTab_.sortByAcquisition(); });
}

void TTavorMainForm::SpeedButton9Click() {
    gate.run([this] {
        if (attForm_)
            attForm_->editItemsOf(ComboBox1);
    });
}

}  // namespace tavor
