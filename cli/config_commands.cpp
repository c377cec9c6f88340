#include "config_commands.h"

#include "commands.h"
#include "config/atomic_file.h"
#include "config/config_error.h"
#include "config/config_file.h"
#include "config/value_edit.h"
#include "core/console_value.h"
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

const std::string variable(rcon::emote_control_variable);

// File names and values come from the files as they are, so they are shown escaped.
void tell(std::string_view kind, const std::string& text) {
    write_text(stderr, std::string(program_name) + ": " + std::string(kind) + ": " +
                           core::escaped_text(text) + "\n");
}

struct Configuration {
    config::FileLoader load;
    config::Reading reading;
};

Configuration read_configuration(const std::string& path) {
    const std::string plain = config::plain_path(path);
    Configuration configuration{config::files_beside(plain), {}};
    configuration.reading =
        config::read_chain(config::read_config_file(plain), configuration.load, variable);
    for (const config::Warning& warning : configuration.reading.warnings)
        tell("warning", place_text(configuration.reading, warning.place) + ": " + warning.message);
    return configuration;
}

std::string nothing_set(const config::Reading& reading) {
    return reading.files.front().path + " and the files it runs do not set " + variable;
}

std::uint32_t value_set(const config::Reading& reading) {
    const config::Assignment& winner = *reading.winner;
    try {
        return core::read_held_value(winner.value, "\"" + winner.value + "\"");
    } catch (const core::ValueError& error) {
        throw ConfigError(variable + " at " + place_text(reading, winner.place) +
                          " is not a valid value: " + error.what());
    }
}

std::uint32_t changed(const Invocation& invocation, std::uint32_t current, std::uint32_t named) {
    return invocation.command == Command::allow ? current | named : current & ~named;
}

// Writes the value into the file, unless it holds it already, and tells what changed.
void write_value(const Configuration& configuration, std::uint32_t value) {
    const std::string digits = std::to_string(value);
    const config::ValueEdit edit =
        config::edit_value(configuration.reading, configuration.load, variable, digits);
    const config::ChainFile& file = configuration.reading.files[edit.file];
    const std::string where = place_text(configuration.reading, {edit.file, edit.line});
    if (edit.bytes == file.bytes) {
        tell("note", where + " sets " + variable + " \"" + digits + "\" already; nothing changed");
        return;
    }
    const std::string backup = config::replace_file(file.path, file.bytes, edit.bytes);
    tell("note",
         (edit.appended ? "added " + where + ", which sets \"" : "changed " + where + " to \"") +
             digits + "\"; the previous content is in " + backup);
}

} // namespace

std::string get_from_config(const Invocation& invocation) {
    const Configuration configuration = read_configuration(invocation.config);
    const config::Reading& reading = configuration.reading;
    if (!reading.winner)
        throw ConfigError(nothing_set(reading) + ": the server's own value applies");
    const std::uint32_t value = value_set(reading);
    tell("note", variable + " is set at " + place_text(reading, reading.winner->place));
    return invocation.value_only ? std::to_string(value) + "\n" : captions_of(value);
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
    const Configuration configuration = read_configuration(invocation.config);
    const config::Reading& reading = configuration.reading;
    if (by_names && !client && !reading.winner)
        throw ConfigError(nothing_set(reading) +
                          ", so there is no value to change: give the whole value with set");
    std::optional<std::uint32_t> in_file;
    if (!by_names)
        in_file = given;
    else if (reading.winner)
        in_file = changed(invocation, value_set(reading), given);
    if (!client) {
        write_value(configuration, *in_file);
        return console_line(*in_file);
    }

    // The running server first, confirmed as ever; the file then makes the change last.
    const std::string& path = reading.files.front().path;
    std::uint32_t on_server = given;
    try {
        if (by_names)
            on_server = changed(invocation, rcon::read_emote_control(*client).value, given);
        rcon::set_emote_control(*client, on_server);
    } catch (const rcon::ServerError& error) {
        throw rcon::ServerError(std::string(error.what()) + "; " + path + " was left as it was");
    }
    tell("note", "the server at " + invocation.server + " confirmed it");
    try {
        write_value(configuration, in_file.value_or(on_server));
    } catch (const ConfigError& error) {
        throw ConfigError("the server at " + invocation.server + " now has " + variable + " \"" +
                          std::to_string(on_server) + "\", but " + path +
                          " was not changed: " + error.what());
    }
    return console_line(on_server);
}

} // namespace tallyglyph::cli
