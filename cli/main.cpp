// Runs one command of the companion and reports its outcome in the exit status.

#include "arguments.h"
#include "commands.h"
#include "config/config_error.h"
#include "config_commands.h"
#include "core/message_text.h"
#include "help_text.h"
#include "platform_io.h"
#include "program.h"
#include "rcon/rcon_error.h"
#include "saved_server.h"
#include "server_commands.h"
#include "servers/saved_servers.h"
#include "usage_error.h"

#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tallyglyph::cli;

constexpr int exit_success = 0;
constexpr int exit_failure = 1;
constexpr int exit_usage = 2;
constexpr int exit_server = 3; // not reached, refused, not confirmed, or a file refused

std::string run(const Invocation& invocation) {
    switch (invocation.command) {
    case Command::help:
        return help_text();
    case Command::version:
        return version_text();
    case Command::list:
        return list_emotes();
    case Command::encode:
        return encode_emotes(invocation.operands, invocation.value_only);
    case Command::decode:
        return decode_value(invocation.operands);
    case Command::get:
        return invocation.config.empty() ? get_from_server(invocation)
                                         : get_from_config(invocation);
    case Command::set:
    case Command::allow:
    case Command::forbid:
        if (!invocation.config.empty())
            return set_in_config(invocation);
        return invocation.command == Command::set ? set_on_server(invocation)
                                                  : change_on_server(invocation);
    }
    return {};
}

int report(std::string_view message, int status) {
    write_text(stderr, std::string(program_name) + ": " + std::string(message) + "\n");
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    std::string output;
    try {
        const std::vector<std::string> words = command_line_words(argc, argv);
        const std::vector<std::string_view> arguments(words.begin(), words.end());
        output = run(with_saved_server(parse_arguments(arguments)));
    } catch (const UsageError& error) {
        return report(error.what(), exit_usage);
    } catch (const tallyglyph::rcon::InputError& error) {
        return report(error.what(), exit_usage);
    } catch (const tallyglyph::rcon::ServerError& error) {
        return report(error.what(), exit_server);
    } catch (const tallyglyph::servers::ServersError& error) {
        return report(tallyglyph::core::escaped_text(error.what()), exit_usage);
    } catch (const tallyglyph::config::ConfigError& error) {
        return report(tallyglyph::core::escaped_text(error.what()), exit_server);
    } catch (const std::exception& error) {
        return report(std::string("internal error: ") + error.what(), exit_failure);
    }
    // A full disk or a closed pipe must not pass for success.
    if (!write_text(stdout, output))
        return report("cannot write the output", exit_failure);
    return exit_success;
}
