// The yardstick for the Windows window's budgets: a bare Win32 window of the same client size
// with one label and an empty 1 ms timer, and nothing else, aware of each screen's scale as
// the window is, and run by the same message loop, so that the benchmark times and weighs both
// alike.

#include "window/win32/message_loop.h"

#include <windows.h>

namespace {

LRESULT CALLBACK baseline_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace

int main() {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = baseline_proc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    type.lpszClassName = L"Baseline";
    RegisterClassExW(&type);
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 470, 240};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    HWND window = CreateWindowExW(0, L"Baseline", L"baseline", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, type.hInstance, nullptr);
    CreateWindowExW(0, L"STATIC", L"baseline", WS_CHILD | WS_VISIBLE, 8, 8, 100, 17, window,
                    nullptr, type.hInstance, nullptr);
    SetTimer(window, 1, 1, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return tallyglyph::window::run_message_loop();
}
