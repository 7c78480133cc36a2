// The text tab's handlers: each goes through the run gate to the tab's commands.
#include "cadlink/Connection.h"
#include "shell/TTavorMainForm.h"

namespace tavor {

namespace {

constexpr char16_t kEnter = u'\r';
constexpr char16_t kCtrlEnter = u'\n';
constexpr char16_t kCtrlC = 3;
constexpr char16_t kCtrlX = 24;

}  // namespace

void TTavorMainForm::bringProgramToFront() {
    cad::Desktop& desktop = services_.cad.desktop();
    cad::BringWindowToFront(desktop, desktop.programWindow());
}

void TTavorMainForm::SpeedButton1Click() {
    gate.run([this] { textTab_.acquireTexts(); });
}

void TTavorMainForm::SpeedButton2Click() {
    gate.run([this] { textTab_.update(); });
}

void TTavorMainForm::SpeedButton6Click() {
    gate.run([this] { textTab_.align(); });
}

void TTavorMainForm::SpeedButton8Click() {
    gate.run([this] { textTab_.acquireAttribute(); });
}

void TTavorMainForm::CaretYChanged(int caretY) {
    gate.run([this, caretY] { textTab_.followCaret(caretY); });
}

void TTavorMainForm::SpeedButton3Click() {
    gate.run([this] { SynEdit1.selectAll(); });
}

void TTavorMainForm::SpeedButton4Click() {
    gate.run([this] {
        if (SynEdit1.canUndo())
            SynEdit1.undo();
        else
            UndoMark(false);
    });
}

void TTavorMainForm::SpeedButton5Click() {
    gate.runAlways([this] {
        gate.stop.clear();
        services_.platform.processMessages();
        SpeedButton5.enabled = false;
    });
}

bool TTavorMainForm::SynEdit1KeyPress(char16_t key, bool ctrlDown) {
    if (!ctrlDown || (key != kCtrlEnter && key != kCtrlC && key != kCtrlX))
        return false;
    gate.run([this, key] {
        if (key == kCtrlEnter) {
            // Whatever the update button's state. The program comes back to the front however
            // the update ends, so that its error report is not left behind the CAD.
            try {
                textTab_.update();
            } catch (...) {
                bringProgramToFront();
                throw;
            }
            bringProgramToFront();
        } else if (key == kCtrlC) {
            editorCommands().N11Click();
        } else {
            editorCommands().N10Click();
        }
    });
    return true;
}

bool TTavorMainForm::Edit1KeyPress(char16_t key) {
    if (key != kEnter)
        return false;
    focusRequested.notify(&Edit2);
    return true;
}

bool TTavorMainForm::Edit2KeyPress(char16_t key) {
    if (key != kEnter)
        return false;
    if (!SpeedButton6.enabled)
        return true;
    gate.run([this] {
        // Back to the front however the alignment ends, as after Ctrl+Enter.
        try {
            textTab_.align();
        } catch (...) {
            bringProgramToFront();
            throw;
        }
        focusRequested.notify(&Edit2);
        bringProgramToFront();
    });
    return true;
}

}  // namespace tavor
