#pragma once
// Where a run-time error raised by a handler ends: reported on stderr and in a message box,
// then the program ends with a non-zero status. Handlers never catch errors themselves;
// every entry from a toolkit into a handler goes through run_handler, so no exception
// crosses the toolkit. The front end says how it shows a message box.

#include "runtime/items.h"

#include <string>

namespace tallyglyph::window {

inline constexpr int run_time_error_exit_status = 1;

// Shows TEXT in a modal message box titled after the program, marked as an error; returns
// once the user has dismissed it. It must not throw.
using ShowErrorBox = void (*)(const std::string& text);

void set_error_box(ShowErrorBox show);

void run_handler(const runtime::EventHandler& handler) noexcept;

[[noreturn]] void report_and_end(const std::string& report) noexcept;

} // namespace tallyglyph::window
