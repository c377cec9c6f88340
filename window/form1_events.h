#pragma once
// What runs when: every box's Click runs its toggle handling, Label1's Click runs Reset,
// Label6's Click runs ALL, and each tick of Timer1 refreshes the console line. Also the
// program's start (the window shown, Check1 focused, Timer1 running) and its end, when the
// window closes.

#include "runtime/items.h"

#include <functional>

class QApplication;

namespace tallyglyph::window {

class Form1;

inline constexpr const char* application_version = "1.00";

void bind_form1_events(runtime::Items& items);

// Names, version, style, icon and fonts that every window of the program shares.
void configure_application(QApplication& app);

// Called once Form1 is open and running; only test builds pass one.
using AfterStart = std::function<void(Form1&)>;

// Opens Form1 and runs the event loop until it closes; gives the exit status.
int run_form1(QApplication& app, const AfterStart& after_start = {});

// The whole program: checks for a display, sets up the application and runs Form1.
int run_tallyglyph(int argc, char* argv[], const AfterStart& after_start = {});

} // namespace tallyglyph::window
