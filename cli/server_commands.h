#pragma once
// The companion's commands for a running server: get, set, allow and forbid read and set
// kv_emoteControl over rcon. Like the other commands, each returns its whole output. The
// password comes from TALLYGLYPH_RCON_PASSWORD or --password-file, never from the command
// line, where every user of the machine could read it.

#include "arguments.h"
#include "rcon/rcon_client.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tallyglyph::cli {

inline constexpr std::string_view password_variable = "TALLYGLYPH_RCON_PASSWORD";

// The client for --server, with the password. Raises InputError before anything is sent.
rcon::RconClient client_for(const Invocation& invocation);

// The value set's operands give: a value, a line, or emote names.
std::uint32_t value_to_set(const Invocation& invocation);

// The allowed emotes' captions, one a line, or with value_only the number alone.
std::string get_from_server(const Invocation& invocation);

// Sets the value the operands give (a value, a line, or emote names), confirms it and
// gives the applied line.
std::string set_on_server(const Invocation& invocation);

// Allows or forbids the named emotes, keeping every other emote's bit as the server has it,
// confirms the change and gives the applied line.
std::string change_on_server(const Invocation& invocation);

} // namespace tallyglyph::cli
