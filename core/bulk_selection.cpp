#include "bulk_selection.h"

#include "console_value.h"
#include "emote_table.h"
#include "runtime/runtime_services.h"
#include "selection_total.h"

#include <string>

namespace tallyglyph::core {

using runtime::check_value::checked;
using runtime::check_value::unchecked;

void reset_selection(runtime::Items& items) {
    for (const EmoteRow& row : emote_table)
        set_box_state(items, row.box, unchecked);
    write_selection_total(items, "0");
}

void select_all(runtime::Items& items) {
    for (const EmoteRow& row : emote_table)
        set_box_state(items, row.box, checked);
}

void select_value(runtime::Items& items, std::uint32_t value) {
    for (const EmoteRow& row : emote_table)
        set_box_state(items, row.box, (value & row.bit) != 0 ? checked : unchecked);
    const std::string expected = std::to_string(value);
    const std::string total = read_selection_total(items);
    if (total != expected)
        runtime::raise(runtime::error_number::internal_error,
                       "Internal error: the boxes for " + expected + " add up to " + total);
}

bool select_pasted_value(runtime::Items& items, std::string_view text) {
    std::uint32_t value = 0;
    try {
        const std::string words[] = {std::string(text)};
        value = read_console_value(items, words);
    } catch (const ValueError&) {
        return false;
    }
    select_value(items, value);
    return true;
}

} // namespace tallyglyph::core
