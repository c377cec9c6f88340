#pragma once
// The selection total and the toggle handling that keeps it. The total lives only as the
// decimal caption of its stored text (item::total); each change of one box adds or subtracts that
// box's bit. Nothing here recomputes the total from the boxes or keeps a copy of it.

#include "runtime/items.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tallyglyph::core {

std::string read_selection_total(runtime::Items& items);
void write_selection_total(runtime::Items& items, std::string_view total);

// Sets a box from code; a real change runs its toggle handling before this returns.
void set_box_state(runtime::Items& items, int box, std::int16_t state);

// Runs after box N has changed: its own state alone decides whether its bit is added or
// subtracted. It trusts that a Click means a real change.
void toggle_handling(runtime::Items& items, int box);

// Binds every box's Click to the toggle handling for its own row of the emote table.
void bind_toggle_handling(runtime::Items& items);

} // namespace tallyglyph::core
