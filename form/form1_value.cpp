#include "form1_value.h"

#include "core/console_value.h"
#include "core/item_names.h"
#include "form1_layout.h"

namespace tallyglyph::form {

std::uint32_t read_form1_value(std::span<const std::string> words) {
    return core::read_console_value(words, form1_item(core::item::prefix).text,
                                    form1_item(core::item::quote).text);
}

} // namespace tallyglyph::form
