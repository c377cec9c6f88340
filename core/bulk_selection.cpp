#include "bulk_selection.h"

#include "emote_table.h"
#include "selection_total.h"

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

} // namespace tallyglyph::core
