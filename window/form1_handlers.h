#pragma once
// What runs when, for every front end: each box's Click runs its toggle handling, Label1's
// Click runs Reset, Label6's Click runs ALL, and each tick of Timer1 refreshes the console
// line. The handlers reach the items only by name, so the toolkit's window behind them does
// not matter here. The front end delivers the events, each through run_handler.

#include "runtime/items.h"

#include <cstdint>
#include <optional>

namespace tallyglyph::window {

void bind_form1_handlers(runtime::Items& items);

// As the window opens, before it shows: the boxes set to VALUE when one is given, so the first
// tick already shows its line.
void start_form1(runtime::Items& items, std::optional<std::uint32_t> value);

} // namespace tallyglyph::window
