#include "chain_reading.h"

#include "command_words.h"
#include "core/words.h"

#include <algorithm>
#include <array>
#include <map>
#include <span>

namespace tallyglyph::config {
namespace {

using namespace std::string_view_literals;

constexpr std::array assigning_commands{"set"sv, "seta"sv, "sets"sv, "setu"sv};
constexpr std::array exec_commands{"exec"sv, "execq"sv};
// Commands that change a variable they name in ways this reading does not follow.
constexpr std::array other_changers{"toggle"sv,  "reset"sv,    "unset"sv,   "cvarAdd"sv,
                                    "cvarSub"sv, "cvarMult"sv, "cvarDiv"sv, "cvarMod"sv};

// The longest file name exec keeps (MAX_QPATH less its NUL).
constexpr std::size_t longest_exec_name = 63;

bool is_one_of(std::string_view word, std::span<const std::string_view> names) {
    return std::ranges::any_of(names,
                               [&](std::string_view name) { return core::same_word(word, name); });
}

// The name exec opens: cut to its longest, ".cfg" added when no '.' follows the last '/',
// one leading slash dropped and backslashes read as slashes, as the engine's file system does.
std::string exec_name(std::string name) {
    name.resize(std::min(name.size(), longest_exec_name));
    const std::size_t dot = name.rfind('.');
    const std::size_t slash = name.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && slash > dot))
        name = (name + ".cfg").substr(0, longest_exec_name);
    if (name.starts_with('/') || name.starts_with('\\'))
        name.erase(0, 1);
    std::ranges::replace(name, '\\', '/');
    return name;
}

std::string joined(std::span<const CommandWord> words) {
    std::string text = words.front().text;
    for (const CommandWord& word : words.subspan(1))
        text.append(" ").append(word.text);
    return text;
}

std::vector<std::size_t> line_starts(std::string_view bytes) {
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            starts.push_back(i + 1);
    return starts;
}

class ChainReader {
public:
    ChainReader(const FileLoader& load, std::string_view variable)
        : load_(load), variable_(variable) {}

    Reading read(const LoadedFile& given) {
        add_file(given, std::nullopt);
        runs_.push_back({0, std::nullopt});
        if (!buffer_.insert(given.bytes, 0))
            warn({0, 1}, "the server does not run " + given.path +
                             ": it does not fit in its command buffer of " +
                             std::to_string(buffer_capacity) + " bytes");
        while (const auto command = buffer_.next())
            run(*command);
        return std::move(reading_);
    }

private:
    struct Run {
        std::size_t file;
        std::optional<std::size_t> parent;
    };

    std::size_t add_file(const LoadedFile& file, std::optional<Place> run_from) {
        by_path_.emplace(file.path, reading_.files.size());
        starts_.push_back(line_starts(file.bytes));
        reading_.files.push_back({file.path, file.bytes, run_from});
        return reading_.files.size() - 1;
    }

    Place place_of(const SourceByte& byte) const {
        const std::size_t file = runs_[byte.run].file;
        const std::size_t offset =
            byte.offset == no_offset ? reading_.files[file].bytes.size() : byte.offset;
        const auto& starts = starts_[file];
        return {file, static_cast<std::size_t>(std::ranges::upper_bound(starts, offset) -
                                               starts.begin())};
    }

    void warn(Place place, std::string message) {
        reading_.warnings.push_back({place, std::move(message)});
    }

    void run(std::span<const SourceByte> command) {
        const std::vector<CommandWord> words = command_words(command);
        if (words.empty())
            return;
        const std::string& name = words[0].text;
        const SourceByte& start = command[words[0].begin];
        const Place place = place_of(start);
        if (is_one_of(name, exec_commands)) {
            if (words.size() == 2)
                run_exec(words[1].text, start.run, place);
        } else if (is_one_of(name, assigning_commands)) {
            if (words.size() >= 3 && core::same_word(words[1].text, variable_)) {
                assign(command, std::span(words).subspan(2), place);
                created_ = true;
            }
        } else if (core::same_word(name, variable_)) {
            if (words.size() >= 2)
                run_bare(command, words, place);
        } else if (words.size() >= 2 && core::same_word(words[1].text, variable_) &&
                   is_one_of(name, other_changers)) {
            warn(place, "'" + name + " " + std::string(variable_) +
                            "' changes the variable in a way not followed here");
        }
    }

    void run_bare(std::span<const SourceByte> command, const std::vector<CommandWord>& words,
                  Place place) {
        const std::string variable(variable_);
        if (!created_) {
            warn(place, "a bare " + variable +
                            " line before any set of it counts for nothing: "
                            "the server does not know the variable yet and answers \"unknown "
                            "command\"");
            return;
        }
        if (words.size() == 2 && words[1].text == "!")
            warn(place, "'" + variable +
                            " !' toggles the variable on OpenJK servers, where "
                            "ioquake3 sets it to \"!\"");
        assign(command, std::span(words).subspan(1), place);
    }

    void assign(std::span<const SourceByte> command, std::span<const CommandWord> value,
                Place place) {
        reading_.winner = Assignment{place, joined(value), place_of(command[value.front().begin]),
                                     span_of(command, value)};
    }

    // A single word gives way inside its quote marks, so an unclosed quote stays unclosed;
    // several give way as a whole, quoted as the first of them was. Only a value on one line
    // of one file, its words apart by blanks alone, can give way.
    std::optional<ValueSpan> span_of(std::span<const SourceByte> command,
                                     std::span<const CommandWord> value) const {
        const CommandWord& first = value.front();
        const CommandWord& last = value.back();
        const SourceByte& start = command[first.begin];
        for (std::size_t i = first.begin; i < last.end; ++i)
            if (command[i].run != start.run ||
                command[i].offset != start.offset + i - first.begin || command[i].c == '\n' ||
                command[i].c == '\r')
                return std::nullopt;
        for (std::size_t word = 1; word < value.size(); ++word)
            for (std::size_t i = value[word - 1].end; i < value[word].begin; ++i)
                if (static_cast<unsigned char>(command[i].c) > ' ')
                    return std::nullopt;
        const std::size_t file = runs_[start.run].file;
        if (value.size() > 1)
            return ValueSpan{file, start.offset, start.offset + last.end - first.begin,
                             first.quoted};
        const std::size_t begin = start.offset + (first.quoted ? 1 : 0);
        return ValueSpan{file, begin, begin + first.text.size(), false};
    }

    void run_exec(const std::string& word, std::size_t parent, Place place) {
        const std::string name = exec_name(word);
        if (name.find("..") != std::string::npos || name.find("::") != std::string::npos) {
            warn(place,
                 "the server does not run " + name + ": it opens no name holding \"..\" or \"::\"");
            return;
        }
        if (runs_.size() >= most_runs) {
            warn(place, "the chain runs more than " + std::to_string(most_runs) + " files; " +
                            name + " and what follows it are not followed");
            return;
        }
        const std::optional<std::size_t> file = file_named(name, place);
        if (!file) {
            warn(place, "no file " + name + " beside " + reading_.files[0].path +
                            ": the server may find one elsewhere on its search path");
            return;
        }
        const std::vector<std::size_t> running = files_running(parent);
        if (std::ranges::find(running, *file) != running.end()) {
            warn(place, "an exec loop: " + name + " is already running; not followed");
            return;
        }
        if (running.size() > deepest_exec) {
            warn(place, "exec goes deeper than " + std::to_string(deepest_exec) + " files here; " +
                            name + " is not followed");
            return;
        }
        runs_.push_back({*file, parent});
        if (!buffer_.insert(reading_.files[*file].bytes, runs_.size() - 1))
            warn(place, "the server does not run " + name +
                            ": it does not fit in what remains of its command buffer of " +
                            std::to_string(buffer_capacity) + " bytes");
    }

    // The files of a run and of the runs that ran it in turn, up to the given file.
    std::vector<std::size_t> files_running(std::size_t run) const {
        std::vector<std::size_t> files;
        for (std::optional<std::size_t> at = run; at; at = runs_[*at].parent)
            files.push_back(runs_[*at].file);
        return files;
    }

    std::optional<std::size_t> file_named(const std::string& name, Place place) {
        if (const auto known = by_name_.find(name); known != by_name_.end())
            return known->second;
        std::optional<std::size_t> index;
        if (const std::optional<LoadedFile> file = load_(name)) {
            const auto known = by_path_.find(file->path);
            index = known != by_path_.end() ? known->second : add_file(*file, place);
        }
        by_name_.emplace(name, index);
        return index;
    }

    const FileLoader& load_;
    std::string_view variable_;
    Reading reading_;
    std::vector<std::vector<std::size_t>> starts_; // of each file's lines
    std::vector<Run> runs_;
    std::map<std::string, std::size_t> by_path_;
    std::map<std::string, std::optional<std::size_t>> by_name_;
    CommandBuffer buffer_;
    bool created_ = false;
};

} // namespace

Reading read_chain(const LoadedFile& given, const FileLoader& load_beside,
                   std::string_view variable) {
    return ChainReader(load_beside, variable).read(given);
}

std::size_t line_at(std::string_view bytes, std::size_t offset) {
    const std::vector<std::size_t> starts = line_starts(bytes);
    return static_cast<std::size_t>(std::ranges::upper_bound(starts, offset) - starts.begin());
}

std::string place_text(const Reading& reading, Place place) {
    const ChainFile& file = reading.files[place.file];
    std::string text = file.path + ":" + std::to_string(place.line);
    if (file.run_from)
        text += " (run by " + place_text(reading, *file.run_from) + ")";
    return text;
}

} // namespace tallyglyph::config
