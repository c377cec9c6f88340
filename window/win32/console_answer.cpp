#include "console_answer.h"

#include "runtime/wide_text.h"

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

} // namespace

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
    MessageBoxW(nullptr, runtime::utf16(text).c_str(), L"Tallyglyph",
                MB_OK | (mistake ? MB_ICONERROR : MB_ICONINFORMATION));
    return start.exit_status;
}

} // namespace tallyglyph::window
