#pragma once
// Actions that set every box at once, each box in box order through the change rule, so each
// box that really changes adjusts the total through its own toggle handling. Reset then
// writes "0"; ALL leaves the total as the toggle handlings made it; a value checks that they
// made exactly that value.

#include "runtime/items.h"

#include <cstdint>
#include <string_view>

namespace tallyglyph::core {

void reset_selection(runtime::Items& items);
void select_all(runtime::Items& items);

// Ticks exactly the boxes whose bits VALUE sets and clears the others, whatever they held
// before. Raises a run-time error rather than leave a total other than VALUE: for bits that
// are not emotes, or a stored total that did not match its boxes to begin with.
void select_value(runtime::Items& items, std::uint32_t value);

// A pasted text that reads as a whole value selects that value; any other text changes
// nothing. Tells whether it was a value.
bool select_pasted_value(runtime::Items& items, std::string_view text);

} // namespace tallyglyph::core
