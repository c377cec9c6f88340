#pragma once
// The Qt window's events: the handlers every front end binds (window/form1_handlers.h), and a
// value pasted or dropped into Text1 setting the boxes to it. Also the program's start (the
// command line read, the window shown with the boxes set to a VALUE given, Check1 focused,
// Timer1 running) and its end, when the window closes.

#include "runtime/items.h"

#include <cstdint>
#include <functional>
#include <optional>

class QApplication;

namespace tallyglyph::window {

class Form1;

void bind_form1_events(Form1& form);

// Names, version, style, icon and fonts that every window of the program shares.
void configure_application(QApplication& app);

// Opens Form1 as the program starts it: events bound, then the boxes set to VALUE when one
// is given, then shown with Check1 focused and Timer1 running, so the first tick already
// shows the line for VALUE. A run-time error on the way is reported like any other.
void open_form1(Form1& form, std::optional<std::uint32_t> value = {});

// Called once Form1 is open and running; only test builds pass one.
using AfterStart = std::function<void(Form1&)>;

// Opens Form1 and runs the event loop until it closes; gives the exit status.
int run_form1(QApplication& app, std::optional<std::uint32_t> value = {},
              const AfterStart& after_start = {});

// The whole program: reads the command line, checks for a display, sets up the application
// and runs Form1. --help, --version and mistakes are answered before Qt starts.
int run_tallyglyph(int argc, char* argv[], const AfterStart& after_start = {});

} // namespace tallyglyph::window
