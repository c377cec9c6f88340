#include "form1_handlers.h"

#include "core/bulk_selection.h"
#include "core/command_line.h"
#include "core/selection_total.h"

namespace tallyglyph::window {

void bind_form1_handlers(runtime::Items& items) {
    core::bind_toggle_handling(items);
    items.label("Label1").on_click([&items] { core::reset_selection(items); });
    items.label("Label6").on_click([&items] { core::select_all(items); });
    items.timer("Timer1").on_tick([&items] { core::refresh_command_line(items); });
}

void start_form1(runtime::Items& items, std::optional<std::uint32_t> value) {
    if (value)
        core::select_value(items, *value);
}

} // namespace tallyglyph::window
