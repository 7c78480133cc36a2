#include "comserver/server/CadWindows.h"

namespace tavor::test::fakecad {

namespace {

constexpr wchar_t kFrameClass[] = L"TavorFakeCadFrame";
constexpr wchar_t kPaneClass[] = L"TavorFakeCadPane";
constexpr int kViewWidth = 800, kViewHeight = 618, kToolbarHeight = 28;

bool registerClass(HINSTANCE instance, const wchar_t* name) {
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = DefWindowProcW;
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    c.lpszClassName = name;
    return RegisterClassExW(&c) != 0;
}

HWND pane(HINSTANCE instance, HWND parent, const wchar_t* title, int y, int width, int height) {
    return CreateWindowExW(0, kPaneClass, title, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, y,
                           width, height, parent, nullptr, instance, nullptr);
}

}  // namespace

CadWindows openCadWindows(HINSTANCE instance) {
    if (!registerClass(instance, kFrameClass) || !registerClass(instance, kPaneClass))
        return {};
    CadWindows w;
    w.main = CreateWindowExW(0, kFrameClass, L"nanoCAD 5", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                             kViewWidth + 60, kViewHeight + kToolbarHeight + 120, nullptr, nullptr,
                             instance, nullptr);
    if (!w.main)
        return {};
    w.document =
        pane(instance, w.main, L"Drawing1.dwg", 0, kViewWidth, kViewHeight + kToolbarHeight);
    // Child windows are linked in the order they are made: the toolbar comes first.
    if (w.document) {
        w.toolbar = pane(instance, w.document, L"", 0, kViewWidth, kToolbarHeight);
        w.view = pane(instance, w.document, L"", kToolbarHeight, kViewWidth, kViewHeight);
    }
    if (!w.toolbar || !w.view) {
        closeCadWindows(w);
        return {};
    }
    return w;
}

void closeCadWindows(const CadWindows& windows) {
    if (windows.main)
        DestroyWindow(windows.main);
}

}  // namespace tavor::test::fakecad
