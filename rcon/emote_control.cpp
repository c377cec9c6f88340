#include "emote_control.h"

#include "core/console_value.h"
#include "core/held_value.h"
#include "rcon_error.h"
#include "reply.h"

#include <vector>

namespace tallyglyph::rcon {
namespace {

std::string variable() {
    return std::string(core::emote_control_variable);
}

std::string no_such_variable() {
    return "the server does not know " + variable() +
           " (no such variable: is the modification running?)";
}

std::uint32_t value_held(const RconClient& client, std::string_view text) {
    try {
        return core::read_held_value(text, client.shown(text));
    } catch (const core::ValueError& error) {
        throw ServerError(variable() + " on the server is not a valid value: " + error.what());
    }
}

// The server's value; none when it does not have the variable.
std::optional<EmoteControl> read_if_present(RconClient& client) {
    const Reply reply = client.run(read_request(client.engine(), core::emote_control_variable));
    if (reply.overflowed)
        throw ServerError(variable() + " on the server is not a valid value: it is longer than " +
                          "the server can print in one datagram");
    std::optional<VariablePrint> print;
    try {
        print = read_variable_print(reply.text, core::emote_control_variable);
    } catch (const ServerError& error) {
        throw ServerError(error.what() + (": " + client.shown(reply.text)));
    }
    if (print)
        return EmoteControl{value_held(client, print->value), print->latched};
    if (says_no_such_variable(reply.text, core::emote_control_variable))
        return std::nullopt;
    throw ServerError("the server's reading of " + variable() + " is not one the companion " +
                      "knows: " + client.shown(reply.text));
}

// Said of any failure once a set has been sent, which the server may have carried out.
std::string may_now_be(const std::string& digits) {
    return "; the set was sent, so the server's value may now be " + digits;
}

} // namespace

EmoteControl read_emote_control(RconClient& client) {
    const std::optional<EmoteControl> control = read_if_present(client);
    if (!control)
        throw ServerError(no_such_variable());
    return *control;
}

std::uint32_t change_emote_control(RconClient& client,
                                   const std::function<std::uint32_t(std::uint32_t)>& change) {
    const std::optional<EmoteControl> current = read_if_present(client);
    if (!current)
        throw ServerError(no_such_variable() + "; nothing was sent, since a set would create it");
    const std::uint32_t value = change(current->value);
    const std::string digits = std::to_string(value);

    Reply reply;
    try {
        reply = client.run("set " + variable() + " \"" + digits + "\"");
    } catch (const ServerError& error) {
        throw ServerError(error.what() + may_now_be(digits));
    }
    if (!reply.text.empty())
        throw ServerError("the server refused or deferred setting " + variable() + " to " + digits +
                          ": " + client.shown(reply.text));

    std::optional<EmoteControl> confirmed;
    try {
        confirmed = read_if_present(client);
    } catch (const ServerError& error) {
        throw ServerError(error.what() + may_now_be(digits));
    }
    if (!confirmed)
        throw ServerError("the server no longer knows " + variable() + " after the set" +
                          may_now_be(digits));
    if (confirmed->value != value || confirmed->latched)
        throw ServerError("the server did not confirm " + variable() + " \"" + digits +
                          "\": it reads back \"" + std::to_string(confirmed->value) + "\"" +
                          (confirmed->latched ? ", and " + client.shown(*confirmed->latched) +
                                                    " from the next map restart"
                                              : ""));
    return value;
}

void set_emote_control(RconClient& client, std::uint32_t value) {
    change_emote_control(client, [value](std::uint32_t) { return value; });
}

} // namespace tallyglyph::rcon
