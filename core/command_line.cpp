#include "command_line.h"

#include "item_names.h"
#include "runtime/runtime_services.h"

namespace tallyglyph::core {

using namespace runtime;

std::string compose_command_line(Items& items) {
    const std::string prefix = items.label(item::prefix).caption();
    const std::string opening_quote = items.label(item::quote).caption();
    const std::string total = items.label(item::total).caption();
    const std::string closing_quote = items.label(item::quote).caption();
    return join(join(join(prefix, opening_quote), total), closing_quote);
}

void refresh_command_line(Items& items) {
    items.text_box(item::command_line).set_text(compose_command_line(items));
}

} // namespace tallyglyph::core
