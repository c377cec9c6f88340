#include "message_text.h"

#include <cstdio>

namespace tallyglyph::core {
namespace {

// How many bytes of text from its start make one UTF-8 character; 0 when they do not.
std::size_t utf8_length(std::string_view text) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;  // no overlong forms
        high = lead == 0xed ? 0x9f : 0xbf; // no surrogates
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    }
    if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xbf)
            return 0;
    return length;
}

// The escaped form of the text from at, up to `longest` characters; at moves past what it
// took.
std::string escaped_part(std::string_view text, std::size_t& at, std::size_t longest) {
    std::string shown;
    while (at < text.size() && shown.size() < longest) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const std::size_t length = byte < 0x80 ? 1 : utf8_length(text.substr(at));
        if (byte == '\n') {
            shown += "\\n";
        } else if (length == 0 || byte < 0x20 || byte == 0x7f) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            shown += escaped;
        } else {
            shown.append(text.substr(at, length));
        }
        at += length == 0 ? 1 : length;
    }
    return shown;
}

} // namespace

std::string escaped_text(std::string_view text) {
    std::size_t at = 0;
    return escaped_part(text, at, std::string::npos);
}

std::string shown_text(std::string_view text) {
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    std::size_t at = 0;
    const std::string shown = escaped_part(text, at, longest_shown);
    if (at == text.size())
        return "\"" + shown + "\"";
    return "\"" + shown + "...\" (" + std::to_string(text.size()) + " bytes in all)";
}

} // namespace tallyglyph::core
