#include "engine.h"

#include "rcon_error.h"
#include "reply.h"

namespace tallyglyph::rcon {

Engine engine_of_version_print(std::string_view text) {
    const auto print = read_variable_print(text, version_variable);
    if (!print)
        throw ServerError("the server's reply to " + std::string(version_variable) +
                          " is not one of this game family's engines");
    if (print->frame == Frame::openjk)
        return Engine::openjk;
    // The original engine shows the default as a value on every print; ioquake3 shows none
    // for a read-only variable such as "version".
    return print->default_shown == DefaultShown::as_a_value ? Engine::original : Engine::ioquake3;
}

std::string read_request(Engine engine, std::string_view name) {
    return engine == Engine::original ? std::string(name) : "print " + std::string(name);
}

} // namespace tallyglyph::rcon
