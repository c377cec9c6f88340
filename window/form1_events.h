#pragma once
// What runs when: every box's Click runs its toggle handling, Label1's Click runs Reset,
// Label6's Click runs ALL, and each tick of Timer1 refreshes the console line. Also the
// program's start (the window shown, Check1 focused, Timer1 running) and its end, when the
// window closes.

#include "runtime/items.h"

class QApplication;

namespace tallyglyph::window {

inline constexpr const char* application_version = "1.00";

void bind_form1_events(runtime::Items& items);

// Names, version, style, icon and fonts that every window of the program shares.
void configure_application(QApplication& app);

// Opens Form1 and runs the event loop until it closes; gives the exit status.
int run_form1(QApplication& app);

} // namespace tallyglyph::window
