// Properties of the reading of server replies, which come from the network as they come: the
// input is a reply exactly when it starts with the reply's header; read as a print of
// kv_emoteControl it is none, a value without what ends it in its engine's frame or a line
// break, or a ServerError in one clean line; shown in a message it is one clean, short line;
// a value and a latched value made of its bytes, printed in each form either engine prints
// them, read back as themselves.

#include "core/message_text.h"
#include "fuzz_properties.h"
#include "rcon/rcon_error.h"
#include "rcon/reply.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace tallyglyph::rcon;

[[noreturn]] void broken(const char* property, std::string_view subject) {
    std::fprintf(stderr, "rcon reply: %s: \"%s\"\n", property,
                 tallyglyph::core::shown_text(subject).c_str());
    std::abort();
}

bool is_clean_line(std::string_view text) {
    return std::ranges::none_of(text, [](unsigned char c) { return c < 0x20 || c == 0x7f; });
}

void reads_or_names_its_mistake(std::string_view text) {
    std::optional<VariablePrint> print;
    try {
        print = read_variable_print(text, "kv_emoteControl");
    } catch (const ServerError& error) {
        const std::string_view message = error.what();
        if (message.empty() || !is_clean_line(message) || (message[0] >= 'A' && message[0] <= 'Z'))
            broken("a refusal was not named in one clean line", message);
    }
    const std::string_view value_end = print && print->frame == Frame::openjk ? "^9\"^7" : "^7\"";
    if (print && (print->value.find(value_end) != std::string::npos ||
                  (print->value + print->latched.value_or("")).find('\n') != std::string::npos))
        broken("a value took in what ends it", text);
}

void is_shown_short_and_clean(std::string_view text) {
    const std::string shown = tallyglyph::core::shown_text(text);
    if (!is_clean_line(shown) || shown.size() > 170)
        broken("server text was shown long or with control characters", text);
}

void printed_forms_read_back(std::string_view input) {
    std::string value(input.substr(0, input.find('\n')));
    std::erase(value, '^'); // a value holding "^7\"" cannot be told from what ends it
    std::string latched(input.substr(std::min(input.size(), value.size() + 1)));
    std::erase(latched, '\n');
    const std::string quake = "\"kv_emoteControl\" is:\"" + value + "^7\"";
    const std::string openjk = "^9Cvar ^7kv_emoteControl = ^9\"^7" + value + "^9\"^7";
    const std::pair<std::string, std::string> forms[] = {
        {quake + ", the default\n", "latched: \""},
        {quake + " default:\"0^7\"\n", "latched: \""},
        {quake + "\n", "latched: \""},
        {openjk + ", ^7the default\n", "     latched = ^9\"^7"},
        {openjk + ", ^7default = ^9\"^70^9\"^7\n", "     latched = ^9\"^7"},
        {openjk + "\n", "     latched = ^9\"^7"},
    };
    for (const auto& [line, latched_start] : forms) {
        const std::string latched_end = latched_start.starts_with("latched") ? "\"" : "^9\"";
        for (const bool pending : {false, true}) {
            const std::string text =
                line + (pending ? latched_start + latched + latched_end + "\n" : "");
            try {
                const auto print = read_variable_print(text, "kv_emoteControl");
                if (!print || print->value != value ||
                    print->latched != (pending ? std::optional(latched) : std::nullopt))
                    broken("a printed value read back as another", text);
            } catch (const ServerError&) {
                broken("a printed value was refused", text);
            }
        }
    }
}

} // namespace

void check_rcon_reply(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view header = "\xff\xff\xff\xffprint\n";
    const auto text = reply_text(input);
    if (text.has_value() != input.starts_with(header) ||
        (text && *text != input.substr(header.size())))
        broken("a datagram was misread as a reply or not", input);
    reads_or_names_its_mistake(text.value_or(input));
    is_shown_short_and_clean(input);
    printed_forms_read_back(input);
}
