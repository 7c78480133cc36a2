#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "cadlink/com/WinDesktop.h"

namespace tavor::cad::com {
namespace {

constexpr wchar_t kClassName[] = L"TavorDesktopTestWindow";
constexpr wchar_t kOwnDcClassName[] = L"TavorDesktopTestOwnDcWindow";

WindowId idOf(HWND window) {
    return reinterpret_cast<WindowId>(window);
}

void registerClass(const wchar_t* name, UINT style) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

// Real windows of the test's own classes, destroyed with the test.
class WinDesktopTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        registerClass(kClassName, 0);
        registerClass(kOwnDcClassName, CS_OWNDC);
    }

    // Hidden unless asked: under Wine without a window manager every visible top-level window
    // costs two seconds when it goes away.
    HWND create(const wchar_t* title, DWORD style = WS_POPUP, HWND parent = nullptr,
                RECT rect = {100, 100, 400, 300}, const wchar_t* className = kClassName) {
        const HWND window = CreateWindowExW(0, className, title, style, rect.left, rect.top,
                                            rect.right - rect.left, rect.bottom - rect.top, parent,
                                            nullptr, GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(window, nullptr);
        if (!parent)
            windows_.push_back(window);
        pumpMessages();
        return window;
    }

    void TearDown() override {
        for (auto window = windows_.rbegin(); window != windows_.rend(); ++window)
            DestroyWindow(*window);
        pumpMessages();
    }

    WinDesktop desktop;

private:
    std::vector<HWND> windows_;
};

// Whether `upper` lies above `lower` in the Z order of their siblings.
bool isAbove(HWND upper, HWND lower) {
    for (HWND window = GetWindow(upper, GW_HWNDNEXT); window;
         window = GetWindow(window, GW_HWNDNEXT))
        if (window == lower)
            return true;
    return false;
}

TEST_F(WinDesktopTest, FindsTopLevelWindowsByExactTitle) {
    const HWND drawing = create(L"nanoCAD 5 - Drawing1");
    const HWND otherCase = create(L"nanocad 5");
    create(L"Child Title", WS_CHILD, create(L"Parent"));
    EXPECT_EQ(desktop.findTopLevelWindow(u"nanoCAD 5"), 0u);

    const HWND cad = create(L"nanoCAD 5");
    // Above the CAD window, so that a lookup that ignores case meets it first.
    SetWindowPos(otherCase, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    struct Lookup {
        const char16_t* title;
        HWND expected;
    };
    for (const Lookup& c : {
             Lookup{u"nanoCAD 5", cad},
             Lookup{u"nanocad 5", otherCase},
             Lookup{u"nanoCAD 5 - Drawing1", drawing},
             Lookup{u"NANOCAD 5", nullptr},
             Lookup{u"nanoCAD", nullptr},
             Lookup{u"Child Title", nullptr},
         }) {
        EXPECT_EQ(desktop.findTopLevelWindow(c.title), idOf(c.expected))
            << std::wstring(c.title, c.title + std::char_traits<char16_t>::length(c.title));
    }
}

TEST_F(WinDesktopTest, MinimisesAndRestores) {
    const HWND cad = create(L"nanoCAD 5", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    EXPECT_FALSE(desktop.isMinimised(idOf(cad)));
    ShowWindow(cad, SW_MINIMIZE);
    EXPECT_TRUE(desktop.isMinimised(idOf(cad)));
    desktop.restoreWindow(idOf(cad));
    EXPECT_FALSE(IsIconic(cad));
    EXPECT_TRUE(IsWindowVisible(cad));
}

TEST_F(WinDesktopTest, MinimisesAndRestoresTheProgramWindow) {
    EXPECT_EQ(desktop.programWindow(), 0u);
    const HWND program = create(L"Tavordesk", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    desktop.setProgramWindow(idOf(program));
    EXPECT_EQ(desktop.programWindow(), idOf(program));

    desktop.minimiseProgramWindow();
    EXPECT_TRUE(IsIconic(program));
    desktop.restoreProgramWindow();
    EXPECT_FALSE(IsIconic(program));
    EXPECT_TRUE(IsWindowVisible(program));

    ShowWindow(program, SW_MAXIMIZE);
    desktop.restoreProgramWindow();
    EXPECT_FALSE(IsZoomed(program));
    EXPECT_FALSE(IsIconic(program));
}

TEST_F(WinDesktopTest, WalksFirstChildAndNextSibling) {
    const HWND document = create(L"Drawing1");
    const HWND ruler = create(L"ruler", WS_CHILD, document);
    const HWND view = create(L"view", WS_CHILD, document);
    const HWND inner = create(L"inner", WS_CHILD, ruler);
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(ruler, HWND_TOP, 0, 0, 0, 0, keep);
    EXPECT_EQ(desktop.firstChildWindow(idOf(document)), idOf(ruler));
    EXPECT_EQ(desktop.nextSiblingWindow(idOf(ruler)), idOf(view));
    EXPECT_EQ(desktop.nextSiblingWindow(idOf(view)), 0u);
    EXPECT_EQ(desktop.firstChildWindow(idOf(ruler)), idOf(inner));
    EXPECT_EQ(desktop.nextSiblingWindow(idOf(inner)), 0u);
    EXPECT_EQ(desktop.firstChildWindow(idOf(view)), 0u);

    SetWindowPos(view, HWND_TOP, 0, 0, 0, 0, keep);
    EXPECT_EQ(desktop.firstChildWindow(idOf(document)), idOf(view));
    EXPECT_EQ(desktop.nextSiblingWindow(idOf(view)), idOf(ruler));
}

TEST_F(WinDesktopTest, ReadsOuterRectanglesInScreenPixels) {
    const HWND frame = create(L"frame", WS_POPUP, nullptr, {40, 50, 360, 250});
    const HWND child = create(L"child", WS_CHILD, frame, {10, 20, 110, 70});
    EXPECT_EQ(desktop.windowRect(idOf(frame)), (WindowRect{40, 50, 360, 250}));
    EXPECT_EQ(desktop.windowRect(idOf(child)), (WindowRect{50, 70, 150, 120}));
    DestroyWindow(child);
    EXPECT_EQ(desktop.windowRect(idOf(child)), std::nullopt);
    EXPECT_EQ(desktop.windowRect(0), std::nullopt);
}

// Wine keeps no foreground rules: this shows the calls reach the system, not that a real
// desktop lets the program take the foreground.
TEST_F(WinDesktopTest, SetsForegroundTopAndAlwaysOnTopWindows) {
    const HWND first = create(L"first", WS_POPUP | WS_VISIBLE, nullptr, {30, 40, 230, 140});
    const HWND second = create(L"second", WS_POPUP | WS_VISIBLE);
    desktop.setForegroundWindow(idOf(first));
    EXPECT_EQ(desktop.foregroundWindow(), idOf(first));
    desktop.setForegroundWindow(idOf(second));
    EXPECT_EQ(desktop.foregroundWindow(), idOf(second));

    desktop.bringWindowToTop(idOf(first));
    EXPECT_TRUE(isAbove(first, second));
    desktop.bringWindowToTop(idOf(second));
    EXPECT_TRUE(isAbove(second, first));

    const auto topmost = [&] {
        return (GetWindowLongPtrW(first, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    };
    WinDesktop::setAlwaysOnTop(idOf(first), true);
    EXPECT_TRUE(topmost());
    EXPECT_TRUE(isAbove(first, second));
    EXPECT_EQ(GetForegroundWindow(), second);
    EXPECT_EQ(desktop.windowRect(idOf(first)), (WindowRect{30, 40, 230, 140}));
    WinDesktop::setAlwaysOnTop(idOf(first), false);
    EXPECT_FALSE(topmost());
    EXPECT_EQ(GetForegroundWindow(), second);
}

// A window made and owned by a thread of its own, which waits until it is told to end.
class ForeignWindow {
public:
    ForeignWindow() {
        thread_ = std::thread([this] {
            const HWND window =
                CreateWindowExW(0, kClassName, L"foreign", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
            window_ = window;
            threadId_ = GetCurrentThreadId();
            ready_ = true;
            while (!done_) {
                pumpMessages();
                Sleep(1);
            }
            DestroyWindow(window);
        });
        while (!ready_)
            Sleep(1);
    }
    ~ForeignWindow() {
        done_ = true;
        thread_.join();
    }
    HWND window() const { return window_; }
    DWORD threadId() const { return threadId_; }

private:
    std::thread thread_;
    std::atomic<bool> ready_ = false, done_ = false;
    HWND window_ = nullptr;
    DWORD threadId_ = 0;
};

TEST_F(WinDesktopTest, NamesWindowThreadsAndAttachesTheirInput) {
    const HWND own = create(L"own");
    const ForeignWindow foreign;
    const ThreadId ownThread = GetCurrentThreadId();
    EXPECT_EQ(desktop.windowThread(idOf(own)), ownThread);
    EXPECT_EQ(desktop.windowThread(idOf(foreign.window())), foreign.threadId());
    EXPECT_EQ(desktop.windowThread(0), 0u);

    // Detaching succeeds only between attached threads.
    desktop.attachThreadInput(ownThread, foreign.threadId(), true);
    EXPECT_TRUE(AttachThreadInput(ownThread, foreign.threadId(), FALSE));
    AttachThreadInput(ownThread, foreign.threadId(), TRUE);
    desktop.attachThreadInput(ownThread, foreign.threadId(), false);
    EXPECT_FALSE(AttachThreadInput(ownThread, foreign.threadId(), FALSE));
}

TEST_F(WinDesktopTest, SendsEscapeAsKeyDownThenKeyUp) {
    const HWND window = create(L"keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetForegroundWindow(window);
    SetFocus(window);
    pumpMessages();

    desktop.sendEscapeKey(KeyAction::Down);
    desktop.sendEscapeKey(KeyAction::Up);
    std::vector<MSG> keys;
    const ULONGLONG deadline = GetTickCount64() + 2000;
    while (keys.size() < 2 && GetTickCount64() < deadline) {
        MSG message;
        if (PeekMessageW(&message, window, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
            keys.push_back(message);
        else
            Sleep(5);
    }
    ASSERT_EQ(keys.size(), 2u);
    const UINT escapeScanCode = 1;
    EXPECT_EQ(keys[0].message, UINT{WM_KEYDOWN});
    EXPECT_EQ(keys[1].message, UINT{WM_KEYUP});
    for (const MSG& key : keys) {
        EXPECT_EQ(key.wParam, WPARAM{VK_ESCAPE});
        EXPECT_EQ((key.lParam >> 16) & 0xFF, LPARAM{escapeScanCode});
    }
}

COLORREF pixel(HWND window, int x, int y) {
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

TEST_F(WinDesktopTest, DrawsThePathWithTheSolidPen) {
    const HWND view = create(L"view", WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 200, 100});
    UpdateWindow(view);
    ASSERT_EQ(pixel(view, 35, 10), RGB(255, 255, 255));

    desktop.drawLines(idOf(view), {3, 255, 100, 100}, {{10, 10}, {60, 10}, {60, 40}});
    const COLORREF pen = RGB(255, 100, 100), white = RGB(255, 255, 255);
    struct Probe {
        int x, y;
        COLORREF expected;
    };
    for (const Probe& c : {
             Probe{35, 10, pen}, Probe{35, 11, pen}, Probe{35, 13, white},  // three pixels wide
             Probe{60, 25, pen},                                            // the second line
             Probe{35, 25, white},  // no line back from the last point to the first
         }) {
        EXPECT_EQ(pixel(view, c.x, c.y), c.expected) << c.x << ", " << c.y;
    }
}

// A window of a class with its own DC keeps its pen and mode; the drawing must leave both.
TEST_F(WinDesktopTest, DrawingLeavesTheWindowsOwnDcAsItWas) {
    const HWND view =
        create(L"view", WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 200, 100}, kOwnDcClassName);
    UpdateWindow(view);
    const HDC dc = GetDC(view);
    const HPEN ownPen = CreatePen(PS_DASH, 1, RGB(0, 0, 255));
    const HGDIOBJ stockPen = SelectObject(dc, ownPen);
    SetROP2(dc, R2_XORPEN);

    desktop.drawLines(idOf(view), {1, 0, 128, 0}, {{10, 10}, {60, 10}});
    // Drawn in copy mode: XOR onto white would give the inverse colour.
    EXPECT_EQ(GetPixel(dc, 30, 10), RGB(0, 128, 0));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), ownPen);
    EXPECT_EQ(GetROP2(dc), R2_XORPEN);

    SelectObject(dc, stockPen);
    DeleteObject(ownPen);
    ReleaseDC(view, dc);
}

// Wine counts no GUI resources (GetGuiResources answers 0), so a leak shows as exhaustion: more
// drawings than the GDI handle table holds (65536 under Wine; Windows allows a process 10000
// objects by default), after which a leaking drawing could no longer get a DC or a pen.
TEST_F(WinDesktopTest, DrawingLeaksNoGdiHandle) {
    const HWND view = create(L"view", WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 200, 100});
    UpdateWindow(view);
    for (int i = 0; i < 70'000; ++i)
        desktop.drawLines(idOf(view), {2, 0, 0, 0}, {{1, 1}, {50, 50}, {1, 50}});
    desktop.drawLines(idOf(view), {1, 0, 0, 255}, {{100, 20}, {150, 20}});
    EXPECT_EQ(pixel(view, 120, 20), RGB(0, 0, 255));
}

}  // namespace
}  // namespace tavor::cad::com
