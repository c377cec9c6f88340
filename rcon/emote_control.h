#pragma once
// kv_emoteControl on a server, read and set over rcon. Every outcome but success is a
// ServerError that names it.

#include "core/held_value.h"
#include "rcon_client.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tallyglyph::rcon {

struct EmoteControl {
    std::uint32_t value = 0;
    std::optional<std::string> latched; // as the server holds it, taken at the next map restart
};

// Two requests at most: the engine, then the variable. Raises ServerError when the server
// does not know the variable, or holds something that is not a value of the emotes (shown
// as it is).
EmoteControl read_emote_control(RconClient& client);

// Reads the value, sets the one change() makes of it, and reads it back to confirm: four
// requests at most. A server without the variable is sent no set, since a set would create
// it. Raises ServerError, with the server's words, when it refuses or defers the change, and
// when the reading back is not the value; once a set has been sent, the message says that
// the server's value may now be the new one. Gives the value set.
std::uint32_t change_emote_control(RconClient& client,
                                   const std::function<std::uint32_t(std::uint32_t)>& change);

// change_emote_control() to one value.
void set_emote_control(RconClient& client, std::uint32_t value);

} // namespace tallyglyph::rcon
