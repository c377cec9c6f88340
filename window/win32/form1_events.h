#pragma once
// The Windows program: its command line read, then Form1 opened with the handlers every front
// end binds (window/form1_handlers.h), the boxes set to a VALUE given, Check1 focused and
// Timer1 running; the message loop until the window closes, which ends the program.

#include <cstdint>
#include <optional>

namespace tallyglyph::window {

class Form1;

// Binds the handlers, sets the boxes to VALUE when one is given, then shows the window and
// starts Timer1, so the first tick already shows the line for VALUE.
void open_form1(Form1& form, std::optional<std::uint32_t> value = {});

// The whole program, from its command line in UTF-16, which holds every character the user
// typed.
int run_tallyglyph(int argc, wchar_t* argv[]);

} // namespace tallyglyph::window
