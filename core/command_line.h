#pragma once
// The console line "set kv_emoteControl "N"", composed on every timer tick from the stored
// texts (prefix, quote mark, total; core/item_names.h) and handed to the command line.
// It holds no copy of any of them: a changed stored text shows at the next tick.

#include "runtime/items.h"

#include <string>

namespace tallyglyph::core {

std::string compose_command_line(runtime::Items& items);

// One tick: compose and hand the line to the command line, changed or not.
void refresh_command_line(runtime::Items& items);

} // namespace tallyglyph::core
