#include "reply.h"

#include "core/words.h"
#include "rcon_error.h"

#include <cstdio>

namespace tallyglyph::rcon {
namespace {

constexpr std::string_view reply_header = "\xff\xff\xff\xffprint\n";
constexpr std::string_view name_end = "\" is:\"";
constexpr std::string_view value_end = "^7\""; // the colour reset the console adds
constexpr std::string_view default_start = " default:\"";
constexpr std::string_view latched_start = "latched: \"";

// Splits off the first line, newline included; none when the text has no newline.
std::optional<std::string_view> first_line(std::string_view& text) {
    const std::size_t newline = text.find('\n');
    if (newline == std::string_view::npos)
        return std::nullopt;
    const std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline + 1);
    return line;
}

// What follows the value on its line: nothing, ", the default" or " default:"D^7"".
bool is_value_tail(std::string_view tail) {
    if (tail.empty() || tail == ", the default")
        return true;
    if (tail.size() < default_start.size() + value_end.size() || !tail.starts_with(default_start) ||
        !tail.ends_with(value_end))
        return false;
    const std::string_view fallback =
        tail.substr(default_start.size(), tail.size() - default_start.size() - value_end.size());
    return fallback.find(value_end) == std::string_view::npos;
}

[[noreturn]] void unexpected(std::string_view name, std::string_view text) {
    throw ServerError("the server's reading of " + std::string(name) + " is not one the " +
                      "companion knows: \"" + shown_text(text) + "\"");
}

} // namespace

std::optional<std::string_view> reply_text(std::string_view datagram) {
    if (!datagram.starts_with(reply_header))
        return std::nullopt;
    return datagram.substr(reply_header.size());
}

std::optional<VariablePrint> read_variable_print(std::string_view text, std::string_view name) {
    const std::string_view whole = text;
    const std::size_t prefix = 1 + name.size() + name_end.size();
    if (text.size() < prefix || text[0] != '"' ||
        !core::same_word(text.substr(1, name.size()), name) ||
        text.substr(1 + name.size(), name_end.size()) != name_end)
        return std::nullopt;
    text.remove_prefix(prefix);

    const auto line = first_line(text);
    const std::size_t end = line ? line->find(value_end) : std::string_view::npos;
    if (end == std::string_view::npos || !is_value_tail(line->substr(end + value_end.size())))
        unexpected(name, whole);
    VariablePrint print{std::string(line->substr(0, end)), std::nullopt};

    if (text.empty())
        return print;
    const auto latched = first_line(text);
    if (!latched || !text.empty() || !latched->starts_with(latched_start) ||
        latched->size() <= latched_start.size() || !latched->ends_with('"'))
        unexpected(name, whole);
    print.latched = std::string(
        latched->substr(latched_start.size(), latched->size() - latched_start.size() - 1));
    return print;
}

std::string shown_text(std::string_view text) {
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            shown += "\\n";
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace tallyglyph::rcon
