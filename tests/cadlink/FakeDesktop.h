#pragma once

#include <map>
#include <string>
#include <vector>

#include "cadlink/Desktop.h"

namespace tavor::test {

// A desktop of made-up windows that records every call in order (as short lines such as
// "setForeground 2" or "sleep 500") and never really sleeps.
class FakeDesktop : public cad::Desktop {
public:
    struct Window {
        std::u16string title = u"";
        cad::ThreadId thread = 0;
        bool minimised = false;
        cad::WindowId firstChild = 0, nextSibling = 0;
        std::optional<cad::WindowRect> rect = std::nullopt;
    };
    struct Drawing {
        cad::WindowId window;
        cad::Pen pen;
        std::vector<cad::PixelPoint> path;
    };

    static constexpr cad::WindowId kProgram = 1;
    static constexpr cad::ThreadId kProgramThread = 100;

    // Starts with the program's own window, which is the foreground window.
    FakeDesktop();

    void addWindow(cad::WindowId id, Window window);
    Window& window(cad::WindowId id) { return windows_.at(id); }
    void removeWindow(cad::WindowId id) { windows_.erase(id); }

    cad::WindowId findTopLevelWindow(const std::u16string& title) override;
    bool isMinimised(cad::WindowId window) override;
    void restoreWindow(cad::WindowId window) override;
    cad::WindowId programWindow() override { return kProgram; }
    void minimiseProgramWindow() override;
    void restoreProgramWindow() override;
    cad::WindowId foregroundWindow() override;
    void setForegroundWindow(cad::WindowId window) override;
    cad::ThreadId windowThread(cad::WindowId window) override;
    void attachThreadInput(cad::ThreadId from, cad::ThreadId to, bool attach) override;
    void bringWindowToTop(cad::WindowId window) override;
    void sendEscapeKey(cad::KeyAction action) override;
    void sleep(int milliseconds) override;
    cad::WindowId firstChildWindow(cad::WindowId window) override;
    cad::WindowId nextSiblingWindow(cad::WindowId window) override;
    std::optional<cad::WindowRect> windowRect(cad::WindowId window) override;
    void drawLines(cad::WindowId window, const cad::Pen& pen,
                   const std::vector<cad::PixelPoint>& path) override;

    // The system refuses to change the foreground window (another process holds it).
    bool refuseForeground = false;
    cad::WindowId foreground = kProgram;

    std::vector<std::string> calls;
    std::vector<Drawing> drawings;
    int sleptMilliseconds = 0;

private:
    void record(std::string call) { calls.push_back(std::move(call)); }
    std::map<cad::WindowId, Window> windows_;
};

}  // namespace tavor::test
