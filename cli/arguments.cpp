#include "arguments.h"

#include "core/words.h"
#include "program.h"
#include "runtime/command_line_conventions.h"
#include "usage_error.h"

#include <algorithm>
#include <array>

namespace tallyglyph::cli {
namespace {

using core::quoted;

std::string try_help() {
    return "; try '" + std::string(program_name) + " --help'";
}

Invocation bare(Command command) {
    Invocation invocation;
    invocation.command = command;
    return invocation;
}

bool is_option(std::string_view argument) {
    return argument.size() > 1 && argument.front() == '-';
}

// A negative number is a value to decode, which then gets its own clear error.
bool is_decode_option(std::string_view argument) {
    return argument.starts_with("--");
}

bool asks_for(std::span<const std::string_view> arguments, std::string_view option) {
    return std::ranges::find(arguments, option) != arguments.end();
}

Invocation parse_encode(std::span<const std::string_view> rest) {
    Invocation invocation = bare(Command::encode);
    for (const std::string_view argument : rest) {
        if (argument == "--value")
            invocation.value_only = true;
        else if (is_option(argument))
            throw UsageError("unknown option " + quoted(argument) + " for encode" + try_help());
        else
            invocation.operands.emplace_back(argument);
    }
    if (invocation.operands.empty())
        throw UsageError("encode needs at least one emote name, 'all' or 'none'" + try_help());
    return invocation;
}

Invocation parse_decode(std::span<const std::string_view> rest) {
    Invocation invocation = bare(Command::decode);
    for (const std::string_view argument : rest) {
        if (is_decode_option(argument))
            throw UsageError("unknown option " + quoted(argument) + " for decode" + try_help());
        invocation.operands.emplace_back(argument);
    }
    if (invocation.operands.empty())
        throw UsageError("decode needs a value: a number or a line like "
                         "'set kv_emoteControl \"2097153\"'" +
                         try_help());
    return invocation;
}

struct ServerCommand {
    std::string_view name;
    Command command;
    std::string_view operands; // what it needs, for the message when none are given
};

constexpr std::array server_commands{
    ServerCommand{"get", Command::get, ""},
    ServerCommand{"set", Command::set, "a value, a line or emote names"},
    ServerCommand{"allow", Command::allow, "at least one emote name"},
    ServerCommand{"forbid", Command::forbid, "at least one emote name"},
};

// Like decode, a set takes a negative number as a value to refuse clearly, not as an option.
Invocation parse_server_command(const ServerCommand& command,
                                std::span<const std::string_view> rest) {
    const std::string name(command.name);
    Invocation invocation = bare(command.command);
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string_view argument = rest[i];
        if (argument == "--value" && command.command == Command::get) {
            invocation.value_only = true;
        } else if (argument == "--server" || argument == "--password-file" ||
                   argument == "--config") {
            if (i + 1 == rest.size())
                throw UsageError(quoted(argument) + " needs a value" + try_help());
            if (argument == "--server")
                invocation.server = rest[++i];
            else if (argument == "--config")
                invocation.config = rest[++i];
            else
                invocation.password_file = std::string(rest[++i]);
        } else if (is_decode_option(argument)) {
            throw UsageError("unknown option " + quoted(argument) + " for " + name + try_help());
        } else {
            invocation.operands.emplace_back(argument);
        }
    }
    if (invocation.server.empty() && invocation.config.empty())
        throw UsageError(name + " needs --server HOST:PORT or --config FILE" + try_help());
    if (command.command == Command::get && !invocation.server.empty() && !invocation.config.empty())
        throw UsageError("get reads --server or --config, not both");
    if (command.operands.empty() && !invocation.operands.empty())
        throw UsageError(name + " takes no value or names, but got " +
                         quoted(invocation.operands.front()));
    if (!command.operands.empty() && invocation.operands.empty())
        throw UsageError(name + " needs " + std::string(command.operands) + try_help());
    return invocation;
}

} // namespace

Invocation parse_arguments(std::span<const std::string_view> arguments) {
    if (std::ranges::any_of(arguments, runtime::asks_for_help))
        return bare(Command::help);
    if (asks_for(arguments, "--version"))
        return bare(Command::version);
    if (arguments.empty())
        throw UsageError("no command given" + try_help());

    const std::string_view command = arguments.front();
    const auto rest = arguments.subspan(1);
    if (command == "list") {
        if (!rest.empty())
            throw UsageError("list takes no arguments, but got " + quoted(rest.front()));
        return bare(Command::list);
    }
    if (command == "encode")
        return parse_encode(rest);
    if (command == "decode")
        return parse_decode(rest);
    for (const ServerCommand& server_command : server_commands)
        if (command == server_command.name)
            return parse_server_command(server_command, rest);
    if (is_option(command))
        throw UsageError("unknown option " + quoted(command) + try_help());
    throw UsageError("unknown command " + quoted(command) + try_help());
}

} // namespace tallyglyph::cli
