#include "password.h"

#include "rcon_error.h"

#include <algorithm>

namespace tallyglyph::rcon {
namespace {

// What the server would split or change the password at, named for the message, and what
// that does; empty when nothing.
std::string what_the_server_changes(std::string_view text) {
    const auto non_ascii = [](char c) {
        return static_cast<unsigned char>(c) >= 0x80;
    };
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ' ')
            return "a blank, at which the server would split it and run the rest as a command";
        if (c == '"')
            return "a quote mark (\"), at which the server would split it and run the rest as a "
                   "command";
        if (c == ';')
            return "a semicolon, at which the server would split it and run the rest as a "
                   "command";
        if (byte < 0x20 || byte == 0x7f)
            return "a control character, at which the server would end or split it";
        if (c == '%')
            return "a percent sign (%), which the server turns into a full stop";
    }
    if (text.find("//") != std::string_view::npos || text.find("/*") != std::string_view::npos)
        return "\"//\" or \"/*\", where the server would take the rest for a comment";
    if (std::ranges::any_of(text, non_ascii))
        return "a character outside ASCII, which a server may turn into a full stop";
    return {};
}

} // namespace

Password::Password(std::string text) : text_(std::move(text)) {
    if (text_.empty())
        throw InputError("the rcon password is empty");
    if (text_.size() > longest_password)
        throw InputError("the rcon password is longer than " + std::to_string(longest_password) +
                         " characters");
    if (const std::string what = what_the_server_changes(text_); !what.empty())
        throw InputError("the rcon password holds " + what + "; an rcon password is printable " +
                         "ASCII without blanks, quote marks, semicolons, percent signs, \"//\" " +
                         "or \"/*\"");
}

Password first_line_password(std::string_view start) {
    std::string_view line = start.substr(0, start.find('\n'));
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return Password(std::string(line));
}

} // namespace tallyglyph::rcon
