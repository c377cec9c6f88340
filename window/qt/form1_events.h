#pragma once
// The Qt window's program: its start (the command line read, then Form1 opened as every front
// end opens it, form/form1_handlers.h) and its end, when the window closes.

#include "runtime/items.h"

#include <cstdint>
#include <functional>
#include <optional>

class QApplication;

namespace tallyglyph::window {

class Form1;

// Names, version, style, icon and fonts that every window of the program shares.
void configure_application(QApplication& app);

// Opens Form1 as the program starts it (form::open_form1), on VALUE when one is given, so the
// first tick already shows its line. A run-time error on the way is reported like any other.
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
