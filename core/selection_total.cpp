#include "selection_total.h"

#include "emote_table.h"
#include "item_names.h"
#include "runtime/runtime_services.h"

namespace tallyglyph::core {

using namespace runtime;

std::string read_selection_total(Items& items) {
    return items.label(item::total).caption();
}

void write_selection_total(Items& items, std::string_view total) {
    items.label(item::total).set_caption(total);
}

void set_box_state(Items& items, int box, std::int16_t state) {
    items.check_box(emote_row(box).name).set_value(state);
}

void toggle_handling(Items& items, int box) {
    const EmoteRow& row = emote_row(box);
    const std::int16_t state = items.check_box(row.name).value();
    double total = text_to_number(read_selection_total(items));
    const auto bit = static_cast<double>(row.bit);
    total = state == check_value::unchecked ? total - bit : total + bit;
    check_floating_point(total);
    write_selection_total(items, number_to_text(total));
}

void bind_toggle_handling(Items& items) {
    for (const EmoteRow& row : emote_table)
        items.check_box(row.name).on_click(
            [&items, box = row.box] { toggle_handling(items, box); });
}

} // namespace tallyglyph::core
