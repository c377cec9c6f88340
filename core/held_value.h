#pragma once
// The value of kv_emoteControl as a server holds it, from its configuration or over rcon. The
// game reads the variable as C's atoi does, so only plain digits mean to it what they mean to
// the window's reader: "1e3", "+5" or " 5" would not.

#include <cstdint>
#include <string>
#include <string_view>

namespace tallyglyph::core {

// The console variable of the modification that holds one bit per allowed emote.
inline constexpr std::string_view emote_control_variable = "kv_emoteControl";

// The console line that sets the variable to VALUE: set kv_emoteControl "VALUE".
std::string set_line(std::uint32_t value);

// Raises ValueError saying what the server holds, as the caller shows it ('it holds "1e3"'),
// with the reader's reason after plain digits it refuses.
std::uint32_t read_held_value(std::string_view text, std::string_view shown);

} // namespace tallyglyph::core
