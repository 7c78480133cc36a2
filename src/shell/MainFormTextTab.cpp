// The text tab's handlers: each forwards to the tab's commands while no other command runs.
#include <exception>
#include <optional>

#include "base/TextUtil.h"
#include "cadlink/CadError.h"
#include "cadlink/Connection.h"
#include "shell/TTavorMainForm.h"

namespace tavor {

namespace {

constexpr char16_t kEnter = u'\r';
constexpr char16_t kCtrlEnter = u'\n';
constexpr char16_t kCtrlC = 3;
constexpr char16_t kCtrlX = 24;

// Marks a command as running for its whole scope, however it ends.
class RunningCommand {
public:
    explicit RunningCommand(Property<bool>& running) : running_(running) { running_ = true; }
    ~RunningCommand() { running_ = false; }
    RunningCommand(const RunningCommand&) = delete;
    RunningCommand& operator=(const RunningCommand&) = delete;

private:
    Property<bool>& running_;
};

}  // namespace

template <class Command>
void TTavorMainForm::runCommand(Command command) {
    if (commandRefused())
        return;
    std::optional<std::u16string> error;
    {
        const RunningCommand running(commandRunning);
        try {
            command();
        } catch (const cad::CadError& e) {
            error = e.message();
        } catch (const std::exception& e) {
            // Nothing may cross into the window system's event loop; the user sees what failed.
            error = fromUtf8(e.what());
        }
    }
    // Reported once the run has ended, so that the message box does not count as part of it.
    if (error)
        services_.platform.showError(*error);
}

void TTavorMainForm::bringProgramToFront() {
    cad::Desktop& desktop = services_.cad.desktop();
    cad::BringWindowToFront(desktop, desktop.programWindow());
}

void TTavorMainForm::SpeedButton1Click() {
    runCommand([this] { textTab_.SpeedButton1Click(); });
}

void TTavorMainForm::SpeedButton2Click() {
    runCommand([this] { textTab_.SpeedButton2Click(); });
}

void TTavorMainForm::SpeedButton6Click() {
    runCommand([this] { textTab_.SpeedButton6Click(); });
}

void TTavorMainForm::SpeedButton8Click() {
    runCommand([this] { textTab_.SpeedButton8Click(); });
}

void TTavorMainForm::CaretYChanged(int caretY) {
    runCommand([this, caretY] { textTab_.CaretYChanged(caretY); });
}

bool TTavorMainForm::SynEdit1KeyPress(char16_t key, bool ctrlDown) {
    if (!ctrlDown || (key != kCtrlEnter && key != kCtrlC && key != kCtrlX))
        return false;
    if (commandRefused())
        return true;
    if (key == kCtrlEnter) {
        // Whatever the update button's state.
        runCommand([this] { textTab_.SpeedButton2Click(); });
        bringProgramToFront();
    } else if (key == kCtrlC) {
        editorCommands().N11Click();
    } else {
        editorCommands().N10Click();
    }
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
    if (!SpeedButton6.enabled || commandRefused())
        return true;
    SpeedButton6Click();
    focusRequested.notify(&Edit2);
    bringProgramToFront();
    return true;
}

}  // namespace tavor
