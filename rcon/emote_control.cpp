#include "emote_control.h"

#include "core/console_value.h"
#include "rcon_error.h"
#include "reply.h"
#include "runtime/headless_items.h"

#include <algorithm>
#include <vector>

namespace tallyglyph::rcon {
namespace {

std::string variable() {
    return std::string(emote_control_variable);
}

bool is_digits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// The game reads the variable as C's atoi does, so only plain digits mean to it what they
// mean to the window's reader: "1e3", "+5" or " 5" would not.
std::uint32_t value_held(std::string_view text) {
    std::string reason;
    if (is_digits(text)) {
        try {
            runtime::Form1Cells cells;
            return core::read_console_value(cells, std::vector<std::string>{std::string(text)});
        } catch (const core::ValueError& error) {
            reason = std::string(" (") + error.what() + ")";
        }
    }
    throw ServerError(variable() + " on the server is not a valid value: it holds \"" +
                      shown_text(text) + "\"" + reason);
}

} // namespace

EmoteControl read_emote_control(RconClient& client) {
    const std::string reply = client.run(variable());
    const auto print = read_variable_print(reply, emote_control_variable);
    if (!print)
        throw ServerError("the server does not know " + variable() +
                          " (no such variable: is the modification running?)");
    return {value_held(print->value), print->latched};
}

void set_emote_control(RconClient& client, std::uint32_t value) {
    const std::string digits = std::to_string(value);
    const std::string reply = client.run("set " + variable() + " \"" + digits + "\"");
    if (!reply.empty())
        throw ServerError("the server refused or deferred setting " + variable() + " to " + digits +
                          ": " + shown_text(reply));
    const EmoteControl confirmed = read_emote_control(client);
    if (confirmed.value != value || confirmed.latched)
        throw ServerError("the server did not confirm " + variable() + " \"" + digits +
                          "\": it reads back \"" + std::to_string(confirmed.value) + "\"" +
                          (confirmed.latched ? ", and \"" + shown_text(*confirmed.latched) +
                                                   "\" from the next map restart"
                                             : ""));
}

} // namespace tallyglyph::rcon
