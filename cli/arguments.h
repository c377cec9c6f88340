#pragma once
// The command line split into what to do and on what. Only the shape is checked here;
// whether a name is an emote or a text is a value is up to the command.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::cli {

enum class Command { help, version, list, encode, decode, get, set, allow, forbid };

struct Invocation {
    Command command = Command::help;
    std::vector<std::string> operands;
    bool value_only = false;                  // encode --value, get --value
    std::string server;                       // --server HOST:PORT, for the server commands
    std::string config;                       // --config FILE, the server's configuration
    std::optional<std::string> password_file; // --password-file FILE
};

// Raises UsageError for a missing or unknown command, an unknown option, or operands the
// command does not take.
Invocation parse_arguments(std::span<const std::string_view> arguments);

} // namespace tallyglyph::cli
