// Looks at the program's top-level windows from outside, for the start checks run under Wine:
//   tavor_window_probe wait  <title> <milliseconds>  until a visible window has that exact title
//   tavor_window_probe count <title>                 how many top-level windows have it
//   tavor_window_probe close <title> <milliseconds>  asks it to close (WM_CLOSE), waits till gone
// Prints what it found; ends with 0 when the wait or the close succeeded, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* title;
    int count = 0;
    HWND first = nullptr;
};

BOOL CALLBACK countWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (std::wcscmp(title, search.title) == 0 && IsWindowVisible(window)) {
        if (++search.count == 1)
            search.first = window;
    }
    return TRUE;
}

Search find(const wchar_t* title) {
    Search search{title};
    EnumWindows(countWindow, reinterpret_cast<LPARAM>(&search));
    return search;
}

// Polls every 100 ms until `done` holds or the time is up.
template <class Done>
bool waitFor(DWORD milliseconds, Done done) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!done()) {
        if (GetTickCount64() > end)
            return false;
        Sleep(100);
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3)
        return 2;
    const std::wstring command = argv[1];
    const wchar_t* title = argv[2];
    const DWORD milliseconds =
        argc > 3 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : 0;
    if (command == L"count") {
        std::printf("%d\n", find(title).count);
        return 0;
    }
    if (command == L"wait") {
        const bool found = waitFor(milliseconds, [&] { return find(title).count > 0; });
        if (found) {
            wchar_t className[256] = {};
            GetClassNameW(find(title).first, className, 256);
            std::printf("window found, class %ls\n", className);
        } else {
            std::printf("no window after %lu ms\n", static_cast<unsigned long>(milliseconds));
        }
        return found ? 0 : 1;
    }
    if (command == L"close") {
        const Search search = find(title);
        if (!search.first)
            return 1;
        PostMessageW(search.first, WM_CLOSE, 0, 0);
        const bool gone = waitFor(milliseconds, [&] { return !IsWindow(search.first); });
        std::printf(gone ? "closed\n" : "still open\n");
        return gone ? 0 : 1;
    }
    return 2;
}
