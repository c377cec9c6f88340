#include "cli_process.h"

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
    if (text.empty())
        return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        size);
    return result;
}

// Quotes a word so that the child's CommandLineToArgvW gives it back unchanged: backslashes
// are doubled only where a quote follows them.
std::wstring quoted(const std::wstring& word) {
    std::wstring result = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : word) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        result.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        result += c;
        backslashes = 0;
    }
    result.append(2 * backslashes, L'\\');
    return result + L"\"";
}

// A pipe whose writing end the child inherits.
struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    Pipe() {
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        check(CreatePipe(&read, &write, &inherited, 0), "CreatePipe");
        check(SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0), "SetHandleInformation");
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    ~Pipe() {
        close(read);
        close(write);
    }
    static void close(HANDLE& handle) {
        if (handle != nullptr)
            CloseHandle(handle);
        handle = nullptr;
    }
};

std::string read_all(HANDLE pipe) {
    std::string text;
    std::array<char, 4096> buffer{};
    DWORD got = 0;
    while (ReadFile(pipe, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) &&
           got > 0)
        text.append(buffer.data(), got);
    return text;
}

} // namespace

CliRun run_cli(const std::vector<std::string>& arguments, Stdout stdout_to) {
    const std::wstring program = wide(TALLYGLYPH_CLI);
    std::wstring command_line = quoted(program);
    for (const std::string& argument : arguments)
        command_line += L" " + quoted(wide(argument));

    Pipe out;
    Pipe err;
    if (stdout_to == Stdout::unwritable)
        Pipe::close(out.read); // every write to the other end now fails
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out.write;
    startup.hStdError = err.write;
    PROCESS_INFORMATION process{};
    check(CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                         nullptr, &startup, &process),
          "CreateProcessW");
    CloseHandle(process.hThread);
    Pipe::close(out.write);
    Pipe::close(err.write);

    // Anonymous pipes cannot be waited on together, so stderr is read beside stdout; a full
    // pipe then never stalls the child.
    CliRun run;
    std::thread err_reader([&] { run.err = read_all(err.read); });
    if (out.read != nullptr)
        run.out = read_all(out.read);
    err_reader.join();

    DWORD exit_code = 0;
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &exit_code);
    CloseHandle(process.hProcess);
    run.exit_code = static_cast<int>(exit_code);
    return run;
}
