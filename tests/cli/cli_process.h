#pragma once
// Runs the built companion as a user would and keeps what it printed on each stream apart.

#include <string>
#include <vector>

struct CliRun {
    int exit_code = -1; // -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Where the companion's stdout goes: back into CliRun::out, or somewhere that fails every
// write (a full disk on POSIX, a pipe whose reader has gone on Windows).
enum class Stdout { captured, unwritable };

// One implementation per platform: posix/cli_process.cpp, windows/cli_process.cpp.
CliRun run_cli(const std::vector<std::string>& arguments, Stdout stdout_to = Stdout::captured);
