#include "cadlink/com/WinDesktop.h"

#include <windows.h>

#include <algorithm>

namespace tavor::cad::com {

namespace {

HWND toHandle(WindowId window) {
    return reinterpret_cast<HWND>(window);
}

WindowId toId(HWND window) {
    return reinterpret_cast<WindowId>(window);
}

// FindWindowW compares titles without regard to case; the contract is an exact match.
bool hasExactTitle(HWND window, const std::u16string& title) {
    // Room for one character more than the title, so that a longer title cannot pass.
    std::u16string text(title.size() + 2, u'\0');
    const int length = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()),
                                      static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return text == title;
}

}  // namespace

void WinDesktop::setAlwaysOnTop(WindowId window, bool on) {
    SetWindowPos(toHandle(window), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

WindowId WinDesktop::findTopLevelWindow(const std::u16string& title) {
    const auto* name = reinterpret_cast<const wchar_t*>(title.c_str());
    HWND window = FindWindowW(nullptr, name);
    while (window && !hasExactTitle(window, title))
        window = FindWindowExW(nullptr, window, nullptr, name);
    return toId(window);
}

bool WinDesktop::isMinimised(WindowId window) {
    return IsIconic(toHandle(window)) != FALSE;
}

void WinDesktop::restoreWindow(WindowId window) {
    OpenIcon(toHandle(window));
}

void WinDesktop::minimiseProgramWindow() {
    ShowWindow(toHandle(programWindow_), SW_MINIMIZE);
}

void WinDesktop::restoreProgramWindow() {
    ShowWindow(toHandle(programWindow_), SW_RESTORE);
}

WindowId WinDesktop::foregroundWindow() {
    return toId(GetForegroundWindow());
}

void WinDesktop::setForegroundWindow(WindowId window) {
    SetForegroundWindow(toHandle(window));
}

ThreadId WinDesktop::windowThread(WindowId window) {
    return GetWindowThreadProcessId(toHandle(window), nullptr);
}

void WinDesktop::attachThreadInput(ThreadId from, ThreadId to, bool attach) {
    AttachThreadInput(from, to, attach ? TRUE : FALSE);
}

void WinDesktop::bringWindowToTop(WindowId window) {
    BringWindowToTop(toHandle(window));
}

void WinDesktop::sendEscapeKey(KeyAction action) {
    const auto scanCode = static_cast<BYTE>(MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC));
    keybd_event(VK_ESCAPE, scanCode, action == KeyAction::Up ? KEYEVENTF_KEYUP : 0, 0);
}

void WinDesktop::sleep(int milliseconds) {
    Sleep(static_cast<DWORD>(std::max(milliseconds, 0)));
}

WindowId WinDesktop::firstChildWindow(WindowId window) {
    return toId(GetWindow(toHandle(window), GW_CHILD));
}

WindowId WinDesktop::nextSiblingWindow(WindowId window) {
    return toId(GetWindow(toHandle(window), GW_HWNDNEXT));
}

std::optional<WindowRect> WinDesktop::windowRect(WindowId window) {
    RECT rect;
    if (!GetWindowRect(toHandle(window), &rect))
        return std::nullopt;
    return WindowRect{rect.left, rect.top, rect.right, rect.bottom};
}

void WinDesktop::drawLines(WindowId window, const Pen& pen, const std::vector<PixelPoint>& path) {
    if (path.empty())
        return;
    const HWND handle = toHandle(window);
    const HDC dc = GetDC(handle);
    if (!dc)
        return;
    if (const HPEN gdiPen = CreatePen(PS_SOLID, pen.width, RGB(pen.red, pen.green, pen.blue))) {
        const HGDIOBJ previousPen = SelectObject(dc, gdiPen);
        if (previousPen && previousPen != HGDI_ERROR) {
            // A window of a class with its own DC keeps the mode after the release.
            const int previousMode = SetROP2(dc, R2_COPYPEN);
            MoveToEx(dc, path.front().x, path.front().y, nullptr);
            for (auto point = path.begin() + 1; point != path.end(); ++point)
                LineTo(dc, point->x, point->y);
            if (previousMode != 0)
                SetROP2(dc, previousMode);
            SelectObject(dc, previousPen);
        }
        DeleteObject(gdiPen);
    }
    ReleaseDC(handle, dc);
}

}  // namespace tavor::cad::com
