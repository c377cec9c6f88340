#pragma once
// The strict reading of what a server sends back. It comes from the network, so nothing is
// taken on trust: a text is one of the forms the engines print exactly, or it is refused.
// docs/rcon-replies.md lists the forms as measured on each engine.

#include <optional>
#include <string>
#include <string_view>

namespace tallyglyph::rcon {

// The text of a reply datagram: what follows its four 0xFF bytes and "print\n". None when the
// datagram is not a reply.
std::optional<std::string_view> reply_text(std::string_view datagram);

// The two ways the engines frame a variable when given its name, each followed by a newline:
//   quake:  "NAME" is:"VALUE^7"  then nothing, ", the default" or " default:"DEFAULT^7""
//   openjk: ^9Cvar ^7NAME = ^9"^7VALUE^9"^7  then nothing, ", ^7the default" or
//           ", ^7default = ^9"^7DEFAULT^9"^7"
// A latched line may follow (quake: latched: "PENDING"; openjk: the same words in its own
// colours), then one line describing the variable.
enum class Frame { quake, openjk };
enum class DefaultShown { no, as_the_default, as_a_value };

struct VariablePrint {
    Frame frame = Frame::quake;
    std::string value;
    DefaultShown default_shown = DefaultShown::no;
    std::optional<std::string> latched; // the value from the next map restart on
};

// None when the text is not a print of that variable (its name compared ignoring case).
// Raises ServerError when the text starts as one but does not follow a form exactly, so a
// value can never take in text that belongs around it. The message does not quote the text,
// which only the caller can show without the password.
std::optional<VariablePrint> read_variable_print(std::string_view text, std::string_view name);

// Whether the text is an engine's answer for a variable it does not have: "Cvar NAME does not
// exist." to a print command; to the bare name, nothing (OpenJK), the game module's broadcast
// of it (ioquake3), or "unknown command: NAME".
bool says_no_such_variable(std::string_view text, std::string_view name);

// Whether the text says that rcon is disabled: the server has no rcon password.
bool says_rcon_disabled(std::string_view text);

// Whether the text refuses the password.
bool says_bad_password(std::string_view text);

} // namespace tallyglyph::rcon
