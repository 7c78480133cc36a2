#pragma once

#include "cadlink/Desktop.h"

namespace tavor::cad::com {

// The desktop over the Win32 window functions. Window ids are HWNDs as integers.
class WinDesktop final : public Desktop {
public:
    // The program's main window; 0 until it is set.
    void setProgramWindow(WindowId window) { programWindow_ = window; }

    // Puts a window into the always-on-top band or takes it out, without moving, sizing or
    // activating it.
    static void setAlwaysOnTop(WindowId window, bool on);

    WindowId findTopLevelWindow(const std::u16string& title) override;
    bool isMinimised(WindowId window) override;
    void restoreWindow(WindowId window) override;
    WindowId programWindow() override { return programWindow_; }
    void minimiseProgramWindow() override;
    void restoreProgramWindow() override;
    WindowId foregroundWindow() override;
    void setForegroundWindow(WindowId window) override;
    ThreadId windowThread(WindowId window) override;
    void attachThreadInput(ThreadId from, ThreadId to, bool attach) override;
    void bringWindowToTop(WindowId window) override;
    void sendEscapeKey(KeyAction action) override;
    void sleep(int milliseconds) override;
    WindowId firstChildWindow(WindowId window) override;
    WindowId nextSiblingWindow(WindowId window) override;
    std::optional<WindowRect> windowRect(WindowId window) override;
    void drawLines(WindowId window, const Pen& pen, const std::vector<PixelPoint>& path) override;

private:
    WindowId programWindow_ = 0;
};

}  // namespace tavor::cad::com
