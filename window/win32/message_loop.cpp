#include "message_loop.h"

#include "window/first_frame.h"

#include <psapi.h>
#include <string>

namespace tallyglyph::window {
namespace {

// Painting comes after every sent, posted and input message, so once none of them is left
// every window has painted. An idle wait then hands the painted surfaces to the screen.
bool first_frame_painted() {
    if (GetQueueStatus(QS_SENDMESSAGE | QS_POSTMESSAGE | QS_INPUT | QS_PAINT) != 0)
        return false;
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
    return true;
}

int report_first_frame() {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    const std::string report = first_frame_line(memory.PeakWorkingSetSize);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), report.data(), static_cast<DWORD>(report.size()),
              &written, nullptr);
    return 0;
}

} // namespace

int run_message_loop(const std::function<bool(MSG&)>& navigate) {
    const bool report = first_frame_asked();
    MSG message{};
    while (true) {
        if (report && first_frame_painted())
            return report_first_frame();
        if (GetMessageW(&message, nullptr, 0, 0) <= 0)
            return static_cast<int>(message.wParam);
        if (navigate && navigate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace tallyglyph::window
