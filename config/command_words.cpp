#include "command_words.h"

#include <optional>

namespace tallyglyph::config {
namespace {

// The engine stops at this many words.
constexpr std::size_t most_words = 1024;

class Reader {
public:
    explicit Reader(std::span<const SourceByte> command) : command_(command) {}

    // The byte at i, and NUL past the end as in the engine's own copy of the command.
    char at(std::size_t i) const { return i < command_.size() ? command_[i].c : '\0'; }
    bool is_blank(std::size_t i) const {
        return i < command_.size() && static_cast<unsigned char>(at(i)) <= ' ';
    }
    bool starts_comment(std::size_t i) const {
        return at(i) == '/' && (at(i + 1) == '/' || at(i + 1) == '*');
    }
    std::string text(std::size_t begin, std::size_t end) const {
        std::string result;
        for (std::size_t i = begin; i < end; ++i)
            result += command_[i].c;
        return result;
    }
    std::size_t size() const { return command_.size(); }

private:
    std::span<const SourceByte> command_;
};

// The start of the next word, past blanks and /* */ comments; none at the end or at //.
std::optional<std::size_t> next_word(const Reader& reader, std::size_t i) {
    for (;;) {
        while (reader.is_blank(i))
            ++i;
        if (i >= reader.size() || (reader.at(i) == '/' && reader.at(i + 1) == '/'))
            return std::nullopt;
        if (reader.at(i) != '/' || reader.at(i + 1) != '*')
            return i;
        while (i < reader.size() && (reader.at(i) != '*' || reader.at(i + 1) != '/'))
            ++i;
        if (i >= reader.size())
            return std::nullopt;
        i += 2;
    }
}

} // namespace

std::vector<CommandWord> command_words(std::span<const SourceByte> command) {
    const Reader reader(command);
    std::vector<CommandWord> words;
    std::size_t i = 0;
    while (words.size() < most_words) {
        const std::optional<std::size_t> start = next_word(reader, i);
        if (!start)
            break;
        i = *start;
        if (reader.at(i) == '"') {
            std::size_t end = i + 1;
            while (end < reader.size() && reader.at(end) != '"')
                ++end;
            const bool closed = end < reader.size();
            words.push_back({reader.text(i + 1, end), i, end + (closed ? 1 : 0), true, closed});
            i = end + 1;
            continue;
        }
        std::size_t end = i;
        while (end < reader.size() && !reader.is_blank(end) && reader.at(end) != '"' &&
               !reader.starts_comment(end))
            ++end;
        words.push_back({reader.text(i, end), i, end, false, false});
        i = end;
    }
    return words;
}

} // namespace tallyglyph::config
