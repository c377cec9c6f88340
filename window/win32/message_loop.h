#pragma once
// The thread's message loop, shared by the window and the start-up benchmark's bare window.
// When the start-up benchmark asks for it (window/first_frame.h), the loop ends the program as
// soon as the first frame is painted and handed to the screen, and reports that with the
// process's peak working set, for the benchmark to time and weigh. Otherwise it runs until the
// window closes.

#include <functional>
#include <windows.h>

namespace tallyglyph::window {

// NAVIGATE sees each message first and tells whether it took it (keyboard navigation between
// controls). Gives the exit status.
int run_message_loop(const std::function<bool(MSG&)>& navigate = {});

} // namespace tallyglyph::window
