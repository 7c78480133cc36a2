#include "shell/RunGate.h"

#include <exception>
#include <optional>
#include <string>

#include "base/TextUtil.h"
#include "cadlink/CadError.h"

namespace tavor {

namespace {

// Runs the command and returns the text of whatever error it let out.
std::optional<std::u16string> errorOf(const std::function<void()>& command) {
    try {
        command();
    } catch (const cad::CadError& e) {
        return e.message();
    } catch (const std::exception& e) {
        return fromUtf8(e.what());
    } catch (...) {
        return u"Unknown error";
    }
    return std::nullopt;
}

}  // namespace

bool RunGate::run(const std::function<void()>& command) {
    if (running)
        return false;
    running = true;
    const std::optional<std::u16string> error = errorOf(command);
    running = false;
    // Reported once the run has ended, so that the message box does not count as part of it.
    if (error)
        platform_.showError(*error);
    return true;
}

void RunGate::runAlways(const std::function<void()>& command) {
    if (!running) {
        run(command);
        return;
    }
    if (const std::optional<std::u16string> error = errorOf(command))
        platform_.showError(*error);
}

}  // namespace tavor
