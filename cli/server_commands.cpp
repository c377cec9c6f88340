#include "server_commands.h"

#include "commands.h"
#include "core/words.h"
#include "platform_io.h"
#include "program.h"
#include "rcon/emote_control.h"
#include "rcon/server_address.h"
#include "runtime/digits.h"
#include "usage_error.h"

#include <cstdlib>

namespace tallyglyph::cli {
namespace {

rcon::Password password(const Invocation& invocation) {
    if (invocation.password_file)
        return rcon::read_password_file(*invocation.password_file);
    const std::string variable(password_variable);
    const char* text = std::getenv(variable.c_str());
    if (text == nullptr)
        throw UsageError("no rcon password: set " + variable + " or give --password-file FILE");
    return rcon::Password(text);
}

// A set takes a value or a line when its first word starts as a number or a line does, and
// emote names otherwise, so that a mistyped name gets the closest caption as a suggestion.
bool is_value_or_line(const std::string& first) {
    const std::size_t start = first.find_first_not_of(" \t\r\n");
    if (start == std::string::npos)
        return true;
    const std::string_view word =
        std::string_view(first).substr(start, first.find_first_of(" \t\r\n", start) - start);
    const char c = word.front();
    return runtime::is_digit(c) || c == '+' || c == '-' || c == '.' || c == '"' ||
           core::same_word(word, "set");
}

} // namespace

rcon::RconClient client_for(const Invocation& invocation) {
    return {rcon::read_server_address(invocation.server), password(invocation)};
}

std::uint32_t value_to_set(const Invocation& invocation) {
    return is_value_or_line(invocation.operands.front()) ? value_of_text(invocation.operands)
                                                         : value_of_names(invocation.operands);
}

std::string get_from_server(const Invocation& invocation) {
    rcon::RconClient client = client_for(invocation);
    const rcon::EmoteControl control = rcon::read_emote_control(client);
    if (control.latched)
        write_text(stderr, std::string(program_name) + ": note: the server takes " +
                               std::string(core::emote_control_variable) + " " +
                               client.shown(*control.latched) + " at the next map restart\n");
    return invocation.value_only ? std::to_string(control.value) + "\n"
                                 : captions_of(control.value);
}

std::string set_on_server(const Invocation& invocation) {
    const std::uint32_t value = value_to_set(invocation);
    rcon::RconClient client = client_for(invocation);
    rcon::set_emote_control(client, value);
    return console_line(value);
}

std::string change_on_server(const Invocation& invocation) {
    const std::uint32_t named = value_of_names(invocation.operands);
    rcon::RconClient client = client_for(invocation);
    const bool allow = invocation.command == Command::allow;
    return console_line(rcon::change_emote_control(
        client, [&](std::uint32_t current) { return allow ? current | named : current & ~named; }));
}

} // namespace tallyglyph::cli
