#pragma once
// The console line "set kv_emoteControl "N"", composed on every timer tick from the texts
// stored in Label2 (prefix), Label4 (quote mark) and Label3 (total) and handed to Text1.
// It holds no copy of any of them: a changed stored text shows at the next tick.

#include "runtime/items.h"

#include <string>

namespace tallyglyph::core {

std::string compose_command_line(runtime::Items& items);

// One tick: compose and hand the line to Text1, changed or not.
void refresh_command_line(runtime::Items& items);

} // namespace tallyglyph::core
