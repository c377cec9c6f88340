#include "tests/cli/cli_process.h"

#include <array>
#include <stdexcept>
#include <thread>
#include <windows.h>

namespace {

void check(BOOL result, const char* what) {
    if (result == 0)
        throw std::runtime_error(std::string(what) + " failed with error " +
                                 std::to_string(GetLastError()));
}

std::wstring wide(const std::string& text) {
    std::wstring result(text.size(), L'\0'); // never more UTF-16 units than UTF-8 bytes
    result.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                            static_cast<int>(result.size()))));
    return result;
}

// Quotes a word so that the child's CommandLineToArgvW gives it back unchanged: backslashes
// are doubled only where a quote follows them.
std::wstring quoted(const std::wstring& word) {
    std::wstring result = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : word) {
        if (c == L'"')
            result.append(backslashes + 1, L'\\');
        backslashes = c == L'\\' ? backslashes + 1 : 0;
        result += c;
    }
    return result.append(backslashes, L'\\') + L"\"";
}

std::string read_all(HANDLE pipe) {
    std::string text;
    std::array<char, 4096> buffer{};
    DWORD got = 0;
    while (ReadFile(pipe, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) &&
           got > 0)
        text.append(buffer.data(), got);
    CloseHandle(pipe);
    return text;
}

} // namespace

CliRun run_cli(const std::vector<std::string>& arguments, Stdout stdout_to) {
    const std::wstring program = wide(TALLYGLYPH_CLI);
    std::wstring command_line = quoted(program);
    for (const std::string& argument : arguments)
        command_line += L" " + quoted(wide(argument));

    // The child inherits the writing ends only.
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    std::array<HANDLE, 2> out{};
    std::array<HANDLE, 2> err{};
    check(CreatePipe(&out[0], &out[1], &inherited, 0), "CreatePipe");
    check(CreatePipe(&err[0], &err[1], &inherited, 0), "CreatePipe");
    SetHandleInformation(out[0], HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(err[0], HANDLE_FLAG_INHERIT, 0);
    if (stdout_to == Stdout::unwritable)
        CloseHandle(out[0]); // every write to the other end now fails

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out[1];
    startup.hStdError = err[1];
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr,
                                        TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(out[1]);
    CloseHandle(err[1]);
    check(started, "CreateProcessW");
    CloseHandle(process.hThread);

    // Anonymous pipes cannot be waited on together, so stderr is read beside stdout; a full
    // pipe then never stalls the child.
    CliRun run;
    std::thread err_reader([&] { run.err = read_all(err[0]); });
    if (stdout_to == Stdout::captured)
        run.out = read_all(out[0]);
    err_reader.join();

    DWORD exit_code = 0;
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &exit_code);
    CloseHandle(process.hProcess);
    run.exit_code = static_cast<int>(exit_code);
    return run;
}
