#include "form1_handlers.h"

#include "core/bulk_selection.h"
#include "core/command_line.h"
#include "core/item_names.h"
#include "core/selection_total.h"
#include "form1_layout.h"

namespace tallyglyph::form {

using namespace core;

void bind_form1_handlers(runtime::Items& items) {
    bind_toggle_handling(items);
    items.label(item::reset).on_click([&items] { reset_selection(items); });
    items.label(item::all).on_click([&items] { select_all(items); });
    items.text_box(item::command_line).on_paste([&items](std::string_view text) {
        select_pasted_value(items, text);
    });
    items.timer(item::timer).on_tick([&items] { refresh_command_line(items); });
}

void start_form1(runtime::Items& items, std::optional<std::uint32_t> value) {
    if (value)
        select_value(items, *value);
}

void open_form1(FormView& form, std::optional<std::uint32_t> value) {
    runtime::Items& items = form.items();
    bind_form1_handlers(items);
    start_form1(items, value);
    form.show_form();
    form.focus_item(form1_tab_order().front());
    items.timer(item::timer).set_enabled(true);
}

} // namespace tallyglyph::form
