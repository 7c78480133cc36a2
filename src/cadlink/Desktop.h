#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cadlink/WindowId.h"

namespace tavor::cad {

using ThreadId = std::uint32_t;

// A window's outer rectangle in screen pixels.
struct WindowRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const WindowRect&) const = default;
};

// A position in a window's client pixels.
struct PixelPoint {
    int x = 0, y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// A solid pen drawing in copy mode.
struct Pen {
    int width = 1;
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Pen&) const = default;
};

enum class KeyAction { Down, Up };

// The window-system services that the connection and the view navigation need. The Windows
// build implements it with the Win32 window functions, the Linux program over its Qt windows,
// and tests with a recording fake that never really sleeps.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A top-level window whose title is exactly `title` (any class), or 0.
    virtual WindowId findTopLevelWindow(const std::u16string& title) = 0;
    virtual bool isMinimised(WindowId window) = 0;
    // Restores a minimised window (OpenIcon).
    virtual void restoreWindow(WindowId window) = 0;

    // The program's own main window.
    virtual WindowId programWindow() = 0;
    virtual void minimiseProgramWindow() = 0;
    // Sets the program's main window back to its normal state.
    virtual void restoreProgramWindow() = 0;

    virtual WindowId foregroundWindow() = 0;
    virtual void setForegroundWindow(WindowId window) = 0;
    virtual ThreadId windowThread(WindowId window) = 0;
    virtual void attachThreadInput(ThreadId from, ThreadId to, bool attach) = 0;
    virtual void bringWindowToTop(WindowId window) = 0;
    // One key event of the Escape key, sent to the system.
    virtual void sendEscapeKey(KeyAction action) = 0;
    virtual void sleep(int milliseconds) = 0;

    virtual WindowId firstChildWindow(WindowId window) = 0;
    virtual WindowId nextSiblingWindow(WindowId window) = 0;
    virtual std::optional<WindowRect> windowRect(WindowId window) = 0;
    // Draws straight onto the window (not into the drawing): a line from each point to the next.
    virtual void drawLines(WindowId window, const Pen& pen,
                           const std::vector<PixelPoint>& path) = 0;
};

}  // namespace tavor::cad
