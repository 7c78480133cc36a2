#include "cadlink/FakeDesktop.h"

#include "base/TextUtil.h"

namespace tavor::test {

namespace {
std::string id(cad::WindowId w) {
    return std::to_string(w);
}
}  // namespace

FakeDesktop::FakeDesktop() {
    windows_[kProgram] = {.title = u"Tavordesk 2.2 [ nanoCAD 5 ]", .thread = kProgramThread};
}

void FakeDesktop::addWindow(cad::WindowId id, Window window) {
    windows_[id] = std::move(window);
}

cad::WindowId FakeDesktop::findTopLevelWindow(const std::u16string& title) {
    record("find " + toUtf8(title));
    for (const auto& [w, window] : windows_)
        if (window.title == title)
            return w;
    return 0;
}

bool FakeDesktop::isMinimised(cad::WindowId w) {
    record("isMinimised " + id(w));
    const auto it = windows_.find(w);
    return it != windows_.end() && it->second.minimised;
}

void FakeDesktop::restoreWindow(cad::WindowId w) {
    record("restore " + id(w));
    if (auto it = windows_.find(w); it != windows_.end())
        it->second.minimised = false;
}

void FakeDesktop::minimiseProgramWindow() {
    record("minimiseProgram");
    windows_[kProgram].minimised = true;
}

void FakeDesktop::restoreProgramWindow() {
    record("restoreProgram");
    windows_[kProgram].minimised = false;
}

cad::WindowId FakeDesktop::foregroundWindow() {
    record("foreground?");
    return foreground;
}

void FakeDesktop::setForegroundWindow(cad::WindowId w) {
    record("setForeground " + id(w));
    if (!refuseForeground)
        foreground = w;
}

cad::ThreadId FakeDesktop::windowThread(cad::WindowId w) {
    record("thread " + id(w));
    const auto it = windows_.find(w);
    return it == windows_.end() ? 0 : it->second.thread;
}

void FakeDesktop::attachThreadInput(cad::ThreadId from, cad::ThreadId to, bool attach) {
    record((attach ? "attach " : "detach ") + std::to_string(from) + " " + std::to_string(to));
}

void FakeDesktop::bringWindowToTop(cad::WindowId w) {
    record("bringToTop " + id(w));
}

void FakeDesktop::sendEscapeKey(cad::KeyAction action) {
    record(action == cad::KeyAction::Down ? "escape down" : "escape up");
}

void FakeDesktop::sleep(int milliseconds) {
    record("sleep " + std::to_string(milliseconds));
    sleptMilliseconds += milliseconds;
}

cad::WindowId FakeDesktop::firstChildWindow(cad::WindowId w) {
    record("firstChild " + id(w));
    const auto it = windows_.find(w);
    return it == windows_.end() ? 0 : it->second.firstChild;
}

cad::WindowId FakeDesktop::nextSiblingWindow(cad::WindowId w) {
    record("nextSibling " + id(w));
    const auto it = windows_.find(w);
    return it == windows_.end() ? 0 : it->second.nextSibling;
}

std::optional<cad::WindowRect> FakeDesktop::windowRect(cad::WindowId w) {
    record("rect " + id(w));
    const auto it = windows_.find(w);
    return it == windows_.end() ? std::nullopt : it->second.rect;
}

void FakeDesktop::drawLines(cad::WindowId w, const cad::Pen& pen,
                            const std::vector<cad::PixelPoint>& path) {
    record("draw " + id(w));
    drawings.push_back({w, pen, path});
}

}  // namespace tavor::test
