#include "program_help.h"

#include "runtime/command_line_conventions.h"

namespace tallyglyph::window {

std::string help_text(const FrontEndHelp& front_end) {
    return std::string("Usage: tallyglyph [VALUE]\n"
                       "       tallyglyph --help | --version\n"
                       "\n"
                       "Opens the Tallyglyph window, which builds the kv_emoteControl console "
                       "line of a\n"
                       "Korvath server from the emotes ticked in it.\n"
                       "\n"
                       "VALUE opens the window with exactly the emotes it allows ticked. It is "
                       "a whole\n"
                       "number from 0 to 4194303, or the whole line as the window shows it, in "
                       "one\n"
                       "argument or several:\n"
                       "  tallyglyph ") +
           runtime::shell_quoted("set kv_emoteControl \"2097153\"") +
           "\n"
           "  tallyglyph 2097153\n"
           "\n" +
           std::string(front_end.paste) +
           "\n"
           "Options:\n" +
           std::string(runtime::help_option_lines()) +
           "  --version     show the version and exit\n" + std::string(front_end.options) + "\n" +
           std::string(front_end.mistakes) +
           "Exit status: 0 when the window is closed, 2 on a wrong option or VALUE, 1 when\n"
           "the window cannot open or a run-time error ends the program.\n";
}

std::string version_text() {
    return std::string("tallyglyph ") + application_version + "\n";
}

} // namespace tallyglyph::window
