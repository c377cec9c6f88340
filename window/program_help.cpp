#include "program_help.h"

#include "form1_events.h"

namespace tallyglyph::window {

std::string help_text() {
    return "Usage: tallyglyph [VALUE]\n"
           "       tallyglyph --help | --version\n"
           "\n"
           "Opens the Tallyglyph window, which builds the kv_emoteControl console line of a\n"
           "Korvath server from the emotes ticked in it.\n"
           "\n"
           "VALUE opens the window with exactly the emotes it allows ticked. It is a whole\n"
           "number from 0 to 4194303, or the whole line as the window shows it, in one\n"
           "argument or several: 'set kv_emoteControl \"2097153\"'.\n"
           "A value pasted or dropped into the line at the foot of the window (Ctrl+V,\n"
           "Shift+Insert, the menu's Paste, a middle click) ticks its emotes the same way;\n"
           "any other text there gives way to the line again at once.\n"
           "\n"
           "Options:\n"
           "  -h, --help    show this help and exit\n"
           "  --version     show the version and exit\n"
           "Qt's own options, such as -platform NAME or -style NAME, go to Qt.\n"
           "\n"
           "A wrong option or a VALUE that cannot be read is reported on stderr as one\n"
           "line, and no window opens.\n"
           "Exit status: 0 when the window is closed, 2 on a wrong option or VALUE,\n"
           "1 when the window cannot open or a run-time error ends the program.\n";
}

std::string version_text() {
    return std::string("tallyglyph ") + application_version + "\n";
}

} // namespace tallyglyph::window
