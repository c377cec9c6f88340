#include "config_commands.h"

#include "commands.h"
#include "config/config_error.h"
#include "config/emote_control_file.h"
#include "core/held_value.h"
#include "core/message_text.h"
#include "platform_io.h"
#include "program.h"
#include "rcon/emote_control.h"
#include "rcon/rcon_error.h"
#include "server_commands.h"

#include <optional>

namespace tallyglyph::cli {
namespace {

using config::ConfigError;

const std::string variable(core::emote_control_variable);

// File names and values come from the files as they are, so they are shown escaped.
void tell(std::string_view kind, const std::string& text) {
    write_text(stderr, std::string(program_name) + ": " + std::string(kind) + ": " +
                           core::escaped_text(text) + "\n");
}

config::EmoteControlFile read_configuration(const std::string& path) {
    config::EmoteControlFile file(path);
    for (const std::string& warning : file.warnings())
        tell("warning", warning);
    return file;
}

std::uint32_t changed(const Invocation& invocation, std::uint32_t current, std::uint32_t named) {
    return invocation.command == Command::allow ? current | named : current & ~named;
}

// Writes the value into the file, unless it holds it already, and tells what changed.
void write_value(const config::EmoteControlFile& file, std::uint32_t value) {
    const std::string digits = std::to_string(value);
    const config::FileChange change = file.write(value);
    if (change.backup.empty())
        tell("note",
             change.where + " sets " + variable + " \"" + digits + "\" already; nothing changed");
    else
        tell("note", (change.appended ? "added " + change.where + ", which sets \""
                                      : "changed " + change.where + " to \"") +
                         digits + "\"; the previous content is in " + change.backup);
}

} // namespace

std::string get_from_config(const Invocation& invocation) {
    const config::EmoteControlFile file = read_configuration(invocation.config);
    const std::optional<std::uint32_t> value = file.value();
    if (!value)
        throw ConfigError(file.nothing_set() + ": the server's own value applies");
    tell("note", variable + " is set at " + file.where());
    return invocation.value_only ? std::to_string(*value) + "\n" : captions_of(*value);
}

// allow and forbid change the named emotes of each value they change, the server's and the
// file's, and no other emote of either.
std::string set_in_config(const Invocation& invocation) {
    const bool by_names = invocation.command != Command::set;
    const std::uint32_t given =
        by_names ? value_of_names(invocation.operands) : value_to_set(invocation);
    std::optional<rcon::RconClient> client;
    if (!invocation.server.empty())
        client.emplace(client_for(invocation));
    const config::EmoteControlFile file = read_configuration(invocation.config);
    const std::optional<std::uint32_t> held = file.value();
    if (by_names && !client && !held)
        throw ConfigError(file.nothing_set() +
                          ", so there is no value to change: give the whole value with set");
    std::optional<std::uint32_t> in_file;
    if (!by_names)
        in_file = given;
    else if (held)
        in_file = changed(invocation, *held, given);
    if (!client) {
        write_value(file, *in_file);
        return console_line(*in_file);
    }

    // The running server first, confirmed as ever; the file then makes the change last.
    std::uint32_t on_server = given;
    try {
        on_server = rcon::change_emote_control(*client, [&](std::uint32_t current) {
            return by_names ? changed(invocation, current, given) : given;
        });
    } catch (const rcon::ServerError& error) {
        throw rcon::ServerError(std::string(error.what()) + "; " + file.path() +
                                " was left as it was");
    }
    tell("note", "the server at " + invocation.server + " confirmed it");
    try {
        write_value(file, in_file.value_or(on_server));
    } catch (const ConfigError& error) {
        throw ConfigError("the server at " + invocation.server + " now has " + variable + " \"" +
                          std::to_string(on_server) + "\", but " + file.path() +
                          " was not changed: " + error.what());
    }
    return console_line(on_server);
}

} // namespace tallyglyph::cli
