#include "help_text.h"

#include "program.h"

namespace tallyglyph::cli {

std::string help_text() {
    const std::string name(program_name);
    return "Usage: " + name +
           " list\n"
           "       " +
           name +
           " encode [--value] NAME...\n"
           "       " +
           name +
           " decode VALUE\n"
           "       " +
           name +
           " --help | --version\n"
           "\n"
           "Builds and reads the kv_emoteControl console line of a Korvath server, which\n"
           "holds one bit per allowed emote, with the same rules as the Tallyglyph window.\n"
           "\n"
           "Commands:\n"
           "  list          show the 22 emotes in box order: box number, caption, bit value\n"
           "  encode NAME...\n"
           "                print the console line that allows the named emotes, e.g.\n"
           "                'encode Sit Shake' prints: set kv_emoteControl \"2097153\"\n"
           "                Names are emote captions in any case; a repeated name counts\n"
           "                once. 'all' allows every emote, 'none' allows none and stands\n"
           "                alone.\n"
           "  decode VALUE  print the emotes VALUE allows, one caption per line in box\n"
           "                order. When VALUE allows no emote (0) nothing is printed.\n"
           "                VALUE is a whole number from 0 to 4194303, or the whole line\n"
           "                as the window shows it: 'set kv_emoteControl \"2097153\"'.\n"
           "\n"
           "Options:\n"
           "  --value       with encode, print the number alone\n"
           "  -h, --help    show this help and exit\n"
           "  --version     show the version and exit\n"
           "\n"
           "Errors go to stderr as one line; nothing goes to stdout then.\n"
           "Exit status: 0 on success, 2 on a usage error or invalid input,\n"
           "1 when the output cannot be written.\n";
}

std::string version_text() {
    return std::string(program_name) + " " + std::string(program_version) + "\n";
}

} // namespace tallyglyph::cli
