#pragma once
// Where a run-time error raised by a handler ends: reported on stderr and in a message box,
// then the program ends with a non-zero status. Handlers never catch errors themselves;
// every entry from Qt into a handler goes through run_handler, so no exception crosses Qt.

#include "runtime/items.h"

#include <string>

namespace tallyglyph::window {

inline constexpr int run_time_error_exit_status = 1;

void run_handler(const runtime::EventHandler& handler) noexcept;

[[noreturn]] void report_and_end(const std::string& report) noexcept;

} // namespace tallyglyph::window
