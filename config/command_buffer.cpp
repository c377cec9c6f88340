#include "command_buffer.h"

#include <algorithm>

namespace tallyglyph::config {

bool CommandBuffer::insert(std::string_view text, std::size_t run) {
    text = text.substr(0, text.find('\0'));
    if (text.size() + 1 + pending_.size() > buffer_capacity)
        return false;
    pending_.push_back({'\n', run, no_offset});
    for (std::size_t i = text.size(); i-- > 0;)
        pending_.push_back({text[i], run, i});
    return true;
}

// Where the command ends is found as the engine finds it: quote marks are counted even
// inside comments, and the comment states carry over from one command to the next.
std::optional<std::vector<SourceByte>> CommandBuffer::next() {
    const std::size_t size = pending_.size();
    if (size == 0)
        return std::nullopt;
    const auto at = [&](std::size_t i) {
        return pending_[size - 1 - i].c;
    };
    std::size_t quotes = 0;
    std::size_t i = 0;
    for (; i < size; ++i) {
        const char c = at(i);
        if (c == '"')
            ++quotes;
        if (quotes % 2 == 0) {
            if (i + 1 < size) {
                const char following = at(i + 1);
                if (!in_star_comment_ && c == '/' && following == '/') {
                    in_slash_comment_ = true;
                } else if (!in_slash_comment_ && c == '/' && following == '*') {
                    in_star_comment_ = true;
                } else if (in_star_comment_ && c == '*' && following == '/') {
                    in_star_comment_ = false;
                    ++i;
                    break;
                }
            }
            if (!in_slash_comment_ && !in_star_comment_ && c == ';')
                break;
        }
        if (!in_star_comment_ && (c == '\n' || c == '\r')) {
            in_slash_comment_ = false;
            break;
        }
    }
    i = std::min(i, longest_command);
    std::vector<SourceByte> command(pending_.rbegin(), pending_.rbegin() + static_cast<long>(i));
    // The byte that ended the command goes with it.
    pending_.resize(size - (i == size ? size : i + 1));
    return command;
}

} // namespace tallyglyph::config
