#pragma once
// The strict reading of what a server sends back. It comes from the network, so nothing is
// taken on trust: a text is one of the known forms exactly, or it is refused.

#include <optional>
#include <string>
#include <string_view>

namespace tallyglyph::rcon {

// The text of a reply datagram: what follows its four 0xFF bytes and "print\n". None when the
// datagram is not a reply.
std::optional<std::string_view> reply_text(std::string_view datagram);

// A variable as the console prints it when given the variable's bare name: one of
//   "NAME" is:"VALUE^7", the default             (the value equals its default)
//   "NAME" is:"VALUE^7" default:"DEFAULT^7"
//   "NAME" is:"VALUE^7"                           (a read-only variable)
// and a newline, possibly followed by the line latched: "PENDING" and a newline.
struct VariablePrint {
    std::string value;
    std::optional<std::string> latched; // the value from the next map restart on
};

// None when the text is not a print of that variable (its name compared ignoring case).
// Raises ServerError when the text starts as one but does not follow a form exactly, so a
// value can never take in text that belongs around it.
std::optional<VariablePrint> read_variable_print(std::string_view text, std::string_view name);

// Server text fit for a one-line message: its final newline dropped, other line breaks and
// control characters written as \n and \xNN.
std::string shown_text(std::string_view text);

} // namespace tallyglyph::rcon
