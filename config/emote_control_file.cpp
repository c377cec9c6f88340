#include "emote_control_file.h"

#include "atomic_file.h"
#include "config_error.h"
#include "config_file.h"
#include "core/console_value.h"
#include "core/held_value.h"
#include "value_edit.h"

namespace tallyglyph::config {
namespace {

const std::string variable(core::emote_control_variable);

} // namespace

EmoteControlFile::EmoteControlFile(const std::string& path)
    : load_(files_beside(plain_path(path))),
      reading_(read_chain(read_config_file(plain_path(path)), load_, variable)) {}

std::vector<std::string> EmoteControlFile::warnings() const {
    std::vector<std::string> warnings;
    for (const Warning& warning : reading_.warnings)
        warnings.push_back(place_text(reading_, warning.place) + ": " + warning.message);
    return warnings;
}

std::optional<std::uint32_t> EmoteControlFile::value() const {
    if (!reading_.winner)
        return std::nullopt;
    const std::string& text = reading_.winner->value;
    try {
        return core::read_held_value(text, "\"" + text + "\"");
    } catch (const core::ValueError& error) {
        throw ConfigError(variable + " at " + where() + " is not a valid value: " + error.what());
    }
}

std::string EmoteControlFile::where() const {
    return reading_.winner ? place_text(reading_, reading_.winner->place) : std::string();
}

std::string EmoteControlFile::nothing_set() const {
    return path() + " and the files it runs do not set " + variable;
}

FileChange EmoteControlFile::write(std::uint32_t value) const {
    const ValueEdit edit = edit_value(reading_, load_, variable, std::to_string(value));
    const ChainFile& file = reading_.files[edit.file];
    FileChange change{place_text(reading_, {edit.file, edit.line}), {}, edit.appended};
    if (edit.bytes != file.bytes)
        change.backup = replace_file(file.path, file.bytes, edit.bytes);
    return change;
}

} // namespace tallyglyph::config
