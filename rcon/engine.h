#pragma once
// The engines whose dedicated servers run the modification. Each has its own words for a
// variable it does not have: told the bare name, the original engine's game module
// broadcasts it to every player as chat, and so does ioquake3's. The companion therefore
// first reads "version", which every engine has, and tells the engine from its print.

#include <string>
#include <string_view>

namespace tallyglyph::rcon {

enum class Engine {
    openjk,   // OpenJK's dedicated server, in OpenJK's own frame
    original, // the game's original dedicated server, which always shows the default
    ioquake3, // ioquake3 and its family, which show it only when it differs
};

inline constexpr std::string_view version_variable = "version";

// The engine that printed this reading of "version". Raises ServerError, without quoting
// the text, when it is not a print of it.
Engine engine_of_version_print(std::string_view text);

// The request that reads a variable without a broadcast where the engine can: "print NAME"
// on OpenJK and ioquake3; the bare name on the original engine, which has no print command.
std::string read_request(Engine engine, std::string_view name);

} // namespace tallyglyph::rcon
