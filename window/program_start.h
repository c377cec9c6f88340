#pragma once
// What the program does with its command line before any window exists: open Form1, on a
// start-up VALUE when one is given, or give an answer (the help, the version, or one line
// about a mistake) and end. Each front end only delivers the answer in its own way.

#include "program_arguments.h"
#include "program_help.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tallyglyph::window {

inline constexpr int exit_usage = 2;
// What a mistake's line starts with on stderr.
inline constexpr std::string_view mistake_prefix = "tallyglyph: ";

struct ProgramStart {
    bool opens_window = false;
    std::optional<std::uint32_t> value; // the boxes to tick as the window opens
    bool platform_chosen = false;
    std::string output;  // for stdout: the help or the version
    std::string mistake; // for stderr: one line with the program's name first, and its newline
    int exit_status = 0; // when no window opens
};

ProgramStart read_program_start(std::span<const std::string_view> arguments,
                                std::span<const ToolkitOption> toolkit_options,
                                const FrontEndHelp& help);

} // namespace tallyglyph::window
