#pragma once
// Runs the built companion as a user would and keeps what it printed on each stream apart.

#include <string>
#include <vector>

struct CliRun {
    int exit_code = -1; // -1 when it did not exit normally
    std::string out;
    std::string err;
};

// With stdout_path, stdout goes to that file instead and CliRun::out stays empty.
CliRun run_cli(const std::vector<std::string>& arguments, const char* stdout_path = nullptr);
