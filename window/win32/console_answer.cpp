#include "console_answer.h"

#include "runtime/wide_text.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <windows.h>

namespace tallyglyph::window {
namespace {

HANDLE usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
                   GetFileType(handle) != FILE_TYPE_UNKNOWN
               ? handle
               : nullptr;
}

// The output given to the program, or the console of the program that started it.
HANDLE output(DWORD which) {
    if (HANDLE given = usable(GetStdHandle(which)))
        return given;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return nullptr;
    return usable(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr));
}

// Files and pipes get the bytes themselves, lines ending in "\n" as everywhere.
bool write(HANDLE handle, std::string_view text) {
    if (const std::optional<bool> shown = runtime::write_console(handle, text))
        return *shown;
    DWORD written = 0;
    return WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

// The most columns an answer's line takes, so that an 80-column console never wraps it.
constexpr std::size_t console_columns = 79;

// Whether only the console's width ended PREVIOUS before LINE: the writer's own breaks end
// shorter lines, and indented lines stand apart.
bool wrapped(std::string_view previous, std::string_view line) {
    return !previous.empty() && previous.front() != ' ' && !line.empty() && line.front() != ' ' &&
           previous.size() + 1 + line.substr(0, line.find(' ')).size() > console_columns;
}

} // namespace

std::wstring message_box_text(std::string_view text) {
    if (text.starts_with(mistake_prefix))
        text.remove_prefix(mistake_prefix.size());
    std::string box;
    std::string_view previous;
    for (bool first = true; !text.empty(); first = false) {
        const std::string_view line = text.substr(0, text.find('\n'));
        text.remove_prefix(std::min(line.size() + 1, text.size()));
        if (!first)
            box += wrapped(previous, line) ? ' ' : '\n';
        box += line;
        previous = line;
    }
    return runtime::utf16(box);
}

int answer_without_window(const ProgramStart& start) {
    const bool mistake = !start.mistake.empty();
    const std::string& text = mistake ? start.mistake : start.output;
    if (HANDLE handle = output(mistake ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE)) {
        if (write(handle, text))
            return start.exit_status;
        if (HANDLE errors = usable(GetStdHandle(STD_ERROR_HANDLE)))
            write(errors, "tallyglyph: cannot write the output\n");
        return EXIT_FAILURE;
    }
    MessageBoxW(nullptr, message_box_text(text).c_str(), L"Tallyglyph",
                MB_OK | (mistake ? MB_ICONERROR : MB_ICONINFORMATION));
    return start.exit_status;
}

} // namespace tallyglyph::window
