// Properties of the reader and editor of configuration files, which take files as anyone
// with a text editor wrote them. The input is the given file and a.cfg, the one file exec
// finds beside it, so that a run stays short:
//
// - The reading ends, its exec loops bounded, and each warning is one
//   message that never starts with a capital, on a line of its file.
// - Setting a value is refused with ConfigError, or gives a file from which the chain reads
//   that value: appended after every byte of the file, or in place of the old value with
//   the bytes before and after it as they were.

#include "config/config_error.h"
#include "config/value_edit.h"
#include "fuzz_properties.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace tallyglyph::config;

const std::string variable = "kv_emoteControl";
const std::string value = "4194303";

[[noreturn]] void broken(const char* property, std::string_view subject) {
    std::fprintf(stderr, "config reader: %s: \"%.*s\"\n", property,
                 static_cast<int>(subject.size()), subject.data());
    std::abort();
}

} // namespace

void check_config_reader(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const FileLoader same = [&](const std::string& name) {
        return name == "a.cfg" ? std::optional(LoadedFile{name, input}) : std::nullopt;
    };
    const Reading reading = read_chain({"server.cfg", input}, same, variable);
    for (const Warning& warning : reading.warnings)
        if (warning.message.empty() || (warning.message[0] >= 'A' && warning.message[0] <= 'Z') ||
            warning.place.line < 1 || warning.place.line > line_at(input, input.size()))
            broken("a warning was misworded or misplaced", warning.message);

    ValueEdit edit;
    try {
        edit = edit_value(reading, same, variable, value);
    } catch (const ConfigError&) {
        return;
    }
    const std::string& path = reading.files[edit.file].path;
    const FileLoader edited = [&](const std::string& name) {
        return name == "a.cfg" ? std::optional(LoadedFile{name, name == path ? edit.bytes : input})
                               : std::nullopt;
    };
    const Reading after =
        read_chain({"server.cfg", edit.file == 0 ? edit.bytes : input}, edited, variable);
    if (!after.winner || after.winner->value != value)
        broken("the value set was not read back", input);
    if (edit.appended ? !edit.bytes.starts_with(input)
                      : !edit.bytes.starts_with(input.substr(0, reading.winner->span->begin)) ||
                            !edit.bytes.ends_with(input.substr(reading.winner->span->end)))
        broken("a byte outside the value changed", input);
}
