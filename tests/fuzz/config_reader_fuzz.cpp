// Properties of the reader and editor of configuration files, which take files as anyone
// with a text editor wrote them. The input is the given file and every file exec names:
//
// - The reading ends, its exec loops, depth and runs bounded, and places every assignment and
//   warning on a line of its file, each warning one message that never starts with a
//   capital.
// - Setting a value is refused with ConfigError, or gives a file from which the chain reads
//   that value: appended after every byte of the file, or in place of the old value with
//   the bytes before and after it as they were.

#include "config/config_error.h"
#include "config/value_edit.h"
#include "fuzz_properties.h"

#include <algorithm>
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

void places_are_in_their_files(const Reading& reading, std::string_view input) {
    const auto lies_in_its_file = [&](Place place) {
        return place.file < reading.files.size() && place.line >= 1 &&
               place.line <=
                   line_at(reading.files[place.file].bytes, reading.files[place.file].bytes.size());
    };
    for (const Warning& warning : reading.warnings)
        if (!lies_in_its_file(warning.place) || warning.message.empty() ||
            (warning.message.front() >= 'A' && warning.message.front() <= 'Z'))
            broken("a warning was misplaced or misworded", warning.message);
    if (reading.winner &&
        (!lies_in_its_file(reading.winner->place) ||
         (reading.winner->span &&
          reading.winner->span->end > reading.files[reading.winner->span->file].bytes.size())))
        broken("an assignment lies outside its file", input);
}

} // namespace

void check_config_reader(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const FileLoader same = [&](const std::string& name) {
        return LoadedFile{name, input};
    };
    const Reading reading = read_chain({"server.cfg", input}, same, variable);
    places_are_in_their_files(reading, input);

    ValueEdit edit;
    try {
        edit = edit_value(reading, same, variable, value);
    } catch (const ConfigError&) {
        return;
    }
    const std::string& path = reading.files[edit.file].path;
    const FileLoader edited = [&](const std::string& name) {
        return LoadedFile{name, name == path ? edit.bytes : input};
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
