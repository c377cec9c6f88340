#include "held_value.h"

#include "console_value.h"
#include "runtime/digits.h"

#include <string>
#include <vector>

namespace tallyglyph::core {

std::uint32_t read_held_value(std::string_view text, std::string_view shown) {
    std::string reason;
    if (runtime::is_all_digits(text)) {
        // Plain digits are no line, so they need neither the line's prefix nor its quotes.
        try {
            return read_console_value(std::vector<std::string>{std::string(text)}, "", "");
        } catch (const ValueError& error) {
            reason = std::string(" (") + error.what() + ")";
        }
    }
    throw ValueError("it holds " + std::string(shown) + reason);
}

std::string set_line(std::uint32_t value) {
    return "set " + std::string(emote_control_variable) + " \"" + std::to_string(value) + "\"";
}

} // namespace tallyglyph::core
