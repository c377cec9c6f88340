#include "config_file_actions.h"

#include "config/config_error.h"
#include "config/emote_control_file.h"
#include "core/bulk_selection.h"
#include "core/held_value.h"
#include "core/message_text.h"
#include "core/selection_total.h"
#include "form/form1_value.h"

#include <vector>

namespace tallyglyph::window {

FileOutcome open_config_file(runtime::Items& form1, const std::string& path) {
    try {
        const config::EmoteControlFile file(path);
        const std::optional<std::uint32_t> value = file.value();
        if (!value)
            return {false, core::escaped_text(file.nothing_set()) + ": the server's own value "
                                                                    "applies"};
        core::select_value(form1, *value);
        return {true,
                "Read " + core::set_line(*value) + " from " + core::escaped_text(file.where())};
    } catch (const config::ConfigError& error) {
        return {false, core::escaped_text(error.what())};
    }
}

FileOutcome save_into_config_file(std::uint32_t value, const std::string& path) {
    try {
        const config::FileChange change = config::EmoteControlFile(path).write(value);
        const std::string where = core::escaped_text(change.where);
        if (change.backup.empty())
            return {true, where + " sets " + core::set_line(value).substr(4) +
                              " already; nothing changed"};
        return {true, (change.appended ? "Added " : "Saved ") + core::set_line(value) + " at " +
                          where + "; the previous content is in " +
                          core::escaped_text(change.backup)};
    } catch (const config::ConfigError& error) {
        return {false, core::escaped_text(error.what())};
    }
}

std::uint32_t form1_value(runtime::Items& form1) {
    return form::read_form1_value(std::vector<std::string>{core::read_selection_total(form1)});
}

} // namespace tallyglyph::window
