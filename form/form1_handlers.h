#pragma once
// What runs when on Form1, for every front end, the companion and the tests alike: each box's
// Click runs its toggle handling, Reset's and ALL's Clicks run Reset and ALL, a value pasted
// or dropped into the command line sets the boxes to it, and each tick of the timer refreshes
// the line. The handlers reach the items only by name, so whatever stands behind them does
// not matter here. A front end delivers the events, each through window/run_handler.
//
// The timer ticks only while the window is in use: shown, not minimised, and the active
// window. Its Enabled is that state. While it sleeps, every handler above brings the line up
// to date as it ends, so the line is right either way and an unused window wakes for nothing.

#include "form_view.h"
#include "runtime/items.h"

#include <cstdint>
#include <optional>

namespace tallyglyph::form {

void bind_form1_handlers(runtime::Items& items);

// As the window opens, before it shows: the boxes set to VALUE when one is given, so the first
// tick already shows its line.
void start_form1(runtime::Items& items, std::optional<std::uint32_t> value);

// Opens Form1 as the program does: handlers bound, the boxes set to VALUE when one is given,
// then shown, the first item of the tab order focused, and the timer started; then asleep at
// once if the window did not open in use (behind the active window, say).
void open_form1(FormView& form, std::optional<std::uint32_t> value = {});

// What a front end reports whenever its window may have come into use or out of it. Waking
// or falling asleep brings the line up to date first; the state the timer has already changes
// nothing.
void set_form1_in_use(runtime::Items& items, bool in_use);

// For a change that reaches the window without a handler (a change of scale): the line
// brought up to date at once if the timer sleeps.
void keep_form1_line(runtime::Items& items);

} // namespace tallyglyph::form
