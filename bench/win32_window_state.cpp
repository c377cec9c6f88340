// Puts a window of another program in a state for the idle benchmark under Wine
// (bench/wine_bench.py), found by its title:
//   win32_window_state active TITLE      activates it
//   win32_window_state inactive TITLE    activates a window of its own instead, says "ready"
//                                        on stdout, and keeps it until it is ended
//   win32_window_state minimised TITLE   minimises it
// It ends with status 1, saying why, when there is no such window or state.

#include <cstdio>
#include <cstring>
#include <windows.h>

int main(int argc, char* argv[]) {
    HWND window = argc == 3 ? FindWindowA(nullptr, argv[2]) : nullptr;
    if (window == nullptr) {
        std::fputs("win32_window_state: usage: win32_window_state active|inactive|minimised "
                   "TITLE, with a window of that title shown\n",
                   stderr);
        return 1;
    }
    const char* state = argv[1];
    if (std::strcmp(state, "active") == 0) {
        SetForegroundWindow(window);
        return 0;
    }
    if (std::strcmp(state, "minimised") == 0) {
        ShowWindow(window, SW_MINIMIZE);
        return 0;
    }
    if (std::strcmp(state, "inactive") != 0) {
        std::fprintf(stderr, "win32_window_state: no state '%s'\n", state);
        return 1;
    }
    HWND other = CreateWindowExW(0, L"STATIC", L"another window", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    std::puts("ready");
    std::fflush(stdout);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
