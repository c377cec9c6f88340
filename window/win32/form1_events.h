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

// Runs the messages of the thread until the window closes; gives the exit status.
int run_messages(Form1& form);

// The whole program, from the command line Windows gave it.
int run_tallyglyph();

} // namespace tallyglyph::window
