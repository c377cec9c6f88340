#include "command_line.h"

#include "runtime/runtime_services.h"

namespace tallyglyph::core {

using namespace runtime;

std::string compose_command_line(Items& items) {
    const std::string prefix = items.label("Label2").caption();
    const std::string opening_quote = items.label("Label4").caption();
    const std::string total = items.label("Label3").caption();
    const std::string closing_quote = items.label("Label4").caption();
    return join(join(join(prefix, opening_quote), total), closing_quote);
}

void refresh_command_line(Items& items) {
    items.text_box("Text1").set_text(compose_command_line(items));
}

} // namespace tallyglyph::core
