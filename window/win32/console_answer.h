#pragma once
// The answer of a start that opens no window (the help, the version, or one line about a
// mistake), given where the user will see it. A program of the Windows GUI subsystem has no
// console of its own: it writes to the output it was started with when there is one (a
// console, a file or a pipe, as a shell hands it), else to the console of the program that
// started it, and else shows a message box.

#include "window/program_start.h"

#include <string>
#include <string_view>

namespace tallyglyph::window {

// Gives the exit status: the start's own, or 1 when the answer could not be written.
int answer_without_window(const ProgramStart& start);

// What the message box shows of an answer: without the program's name, which its title gives,
// and each paragraph in one line for the box to wrap to its own width.
std::wstring message_box_text(std::string_view answer);

} // namespace tallyglyph::window
