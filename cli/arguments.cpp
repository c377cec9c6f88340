#include "arguments.h"

#include "program.h"
#include "usage_error.h"

#include <algorithm>

namespace tallyglyph::cli {
namespace {

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::string try_help() {
    return "; try '" + std::string(program_name) + " --help'";
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
    Invocation invocation{Command::encode, {}, false};
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
    Invocation invocation{Command::decode, {}, false};
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

} // namespace

Invocation parse_arguments(std::span<const std::string_view> arguments) {
    if (asks_for(arguments, "--help") || asks_for(arguments, "-h"))
        return {Command::help, {}, false};
    if (asks_for(arguments, "--version"))
        return {Command::version, {}, false};
    if (arguments.empty())
        throw UsageError("no command given" + try_help());

    const std::string_view command = arguments.front();
    const auto rest = arguments.subspan(1);
    if (command == "list") {
        if (!rest.empty())
            throw UsageError("list takes no arguments, but got " + quoted(rest.front()));
        return {Command::list, {}, false};
    }
    if (command == "encode")
        return parse_encode(rest);
    if (command == "decode")
        return parse_decode(rest);
    if (is_option(command))
        throw UsageError("unknown option " + quoted(command) + try_help());
    throw UsageError("unknown command " + quoted(command) + try_help());
}

} // namespace tallyglyph::cli
