#include "value_edit.h"

#include "config_error.h"

namespace tallyglyph::config {
namespace {

// The file's first line ending, and "\n" when it has none.
std::string line_ending(std::string_view bytes) {
    const std::size_t at = bytes.find_first_of("\r\n");
    if (at == std::string_view::npos || bytes[at] == '\n')
        return "\n";
    return bytes.substr(at, 2) == "\r\n" ? "\r\n" : "\r";
}

ValueEdit edit_in_place(const Reading& reading, std::string_view value) {
    const Assignment& winner = *reading.winner;
    if (!winner.span)
        throw ConfigError("the value at " + place_text(reading, winner.value_place) +
                          " runs across comments or lines, so it cannot be changed there; "
                          "change it by hand");
    const ValueSpan& span = *winner.span;
    const std::string& bytes = reading.files[span.file].bytes;
    const std::string text = span.quoted ? "\"" + std::string(value) + "\"" : std::string(value);
    return {span.file, bytes.substr(0, span.begin) + text + bytes.substr(span.end),
            winner.value_place.line, false};
}

ValueEdit appended(const Reading& reading, std::string_view variable, std::string_view value) {
    std::string bytes = reading.files.front().bytes;
    const std::string ending = line_ending(bytes);
    if (!bytes.empty() && !bytes.ends_with('\n') && !bytes.ends_with('\r'))
        bytes += ending;
    const std::size_t start = bytes.size();
    bytes.append("set ").append(variable).append(" \"").append(value).append("\"").append(ending);
    return {0, bytes, line_at(bytes, start), true};
}

} // namespace

ValueEdit edit_value(const Reading& reading, const FileLoader& load_beside,
                     std::string_view variable, std::string_view value) {
    ValueEdit edit =
        reading.winner ? edit_in_place(reading, value) : appended(reading, variable, value);
    const std::string& path = reading.files[edit.file].path;
    const LoadedFile given{reading.files.front().path,
                           edit.file == 0 ? edit.bytes : reading.files.front().bytes};
    const FileLoader changed = [&](const std::string& name) {
        std::optional<LoadedFile> file = load_beside(name);
        if (file && file->path == path)
            file->bytes = edit.bytes;
        return file;
    };
    const Reading after = read_chain(given, changed, variable);
    if (!after.winner || after.winner->value != value ||
        after.files[after.winner->value_place.file].path != path ||
        after.winner->value_place.line != edit.line)
        throw ConfigError("the server would not take " + std::string(variable) + " \"" +
                          std::string(value) + "\" from " + path + ":" + std::to_string(edit.line) +
                          " if it were written there (a /* comment left open or a line too long "
                          "for the server would take it in); nothing was written");
    return edit;
}

} // namespace tallyglyph::config
