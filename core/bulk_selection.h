#pragma once
// Reset and ALL: set every box in box order through the change rule, so each box that
// really changes adjusts the total through its own toggle handling. Reset then writes "0";
// ALL leaves the total as the toggle handlings made it.

#include "runtime/items.h"

namespace tallyglyph::core {

void reset_selection(runtime::Items& items);
void select_all(runtime::Items& items);

} // namespace tallyglyph::core
