#pragma once
// The Windows program: its command line read, then Form1 opened as every front end opens it
// (form/form1_handlers.h), on a VALUE when one is given; the message loop until the window
// closes, which ends the program.

#include <cstdint>
#include <optional>

namespace tallyglyph::window {

class Form1;

// Opens Form1 (form::open_form1) on VALUE when one is given, so the first tick already shows
// its line.
void open_form1(Form1& form, std::optional<std::uint32_t> value = {});

// The whole program, from its command line in UTF-16, which holds every character the user
// typed.
int run_tallyglyph(int argc, wchar_t* argv[]);

} // namespace tallyglyph::window
