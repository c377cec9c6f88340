#pragma once
// kv_emoteControl on a server, read and set over rcon. Every outcome but success is a
// ServerError that names it.

#include "rcon_client.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallyglyph::rcon {

inline constexpr std::string_view emote_control_variable = "kv_emoteControl";

struct EmoteControl {
    std::uint32_t value = 0;
    std::optional<std::string> latched; // as the server holds it, taken at the next map restart
};

// One request. Raises ServerError when the server does not know the variable, or holds
// something that is not a value of the emotes (shown as it is).
EmoteControl read_emote_control(RconClient& client);

// Two requests: the set, then a reading to confirm it. Raises ServerError, with the server's
// words, when it refuses or defers the change, and when the reading is not the value.
void set_emote_control(RconClient& client, std::uint32_t value);

} // namespace tallyglyph::rcon
