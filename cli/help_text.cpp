#include "help_text.h"

#include "program.h"
#include "runtime/command_line_conventions.h"
#include "server_commands.h"

#include <string_view>

namespace tallyglyph::cli {

std::string help_text() {
    std::string usage;
    for (const std::string_view form :
         {"list", "encode [--value] NAME...", "decode VALUE", "get --server HOST:PORT [--value]",
          "get --config FILE [--value]",
          "set [--server HOST:PORT] [--config FILE] VALUE|LINE|NAME...",
          "allow [--server HOST:PORT] [--config FILE] NAME...",
          "forbid [--server HOST:PORT] [--config FILE] NAME...", "--help | --version"})
        usage.append(usage.empty() ? "Usage: " : "       ")
            .append(program_name)
            .append(" ")
            .append(form)
            .append("\n");
    return usage +
           "\n"
           "Builds and reads the kv_emoteControl console line of a Korvath server, which\n"
           "holds one bit per allowed emote, with the same rules as the Tallyglyph window,\n"
           "and reads and sets it on a running server over rcon and in the server's\n"
           "configuration file.\n"
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
           "                as the window shows it: " +
           runtime::shell_quoted("set kv_emoteControl \"2097153\"") +
           ".\n"
           "  get           print the emotes the server allows now (--server), or those it\n"
           "                takes from FILE at its next start (--config), as decode prints\n"
           "                them; with --config, stderr says which line of which file sets it\n"
           "  set VALUE|LINE|NAME...\n"
           "                set the value, read as decode reads a value or as encode reads\n"
           "                names, on the server (confirmed) and/or in FILE, and print the\n"
           "                applied line\n"
           "  allow NAME..., forbid NAME...\n"
           "                allow or forbid the named emotes on the server and/or in FILE,\n"
           "                keeping every other emote as it is, and print the applied line\n"
           "\n"
           "A change over rcon lasts until the server restarts: it then runs its\n"
           "configuration again, and the value there comes back. --config FILE makes a\n"
           "change last: FILE is the configuration the server runs at start (as with\n"
           "+exec server.cfg), read with the files it runs by exec, as the server reads\n"
           "them. Only the value of the line that wins changes, every other byte stays;\n"
           "with no such line, set adds one at the end. The file is replaced at once, and\n"
           "its previous content is kept as FILE~. With --server and --config together,\n"
           "the running server is set first, then FILE.\n"
           "\n"
           "Options:\n"
           "  --value       with encode or get, print the number alone\n"
           "  --server HOST:PORT\n"
           "                the server, e.g. games.example.org:27960, 192.0.2.7:27960 or\n"
           "                [2001:db8::7]:27960, or the NAME of a server saved in\n"
           "                servers.ini, with its configuration file for set, allow and\n"
           "                forbid, and its password file when none other is given\n"
           "  --config FILE the server's configuration file, e.g. server.cfg\n"
           "  --password-file FILE\n"
           "                read the rcon password from the first line of FILE, which\n"
           "                other users must not be able to read; otherwise it is taken\n"
           "                from the environment variable " +
           std::string(password_variable) + "\n" + std::string(runtime::help_option_lines()) +
           "  --version     show the version and exit\n"
           "\n"
           "Saved servers: servers.ini, in $XDG_CONFIG_HOME/tallyglyph (~/.config/tallyglyph)\n"
           "or on Windows in %APPDATA%\\Tallyglyph, holds a [NAME] section per server with\n"
           "address = HOST:PORT, and optionally config = FILE and password-file = FILE;\n"
           "never a password. The Tallyglyph window saves the servers it talks to there.\n"
           "\n"
           "rcon sends the password in clear text over UDP: use it on networks you trust.\n"
           "\n"
           "Errors go to stderr as one line; nothing goes to stdout then.\n"
           "Exit status: 0 on success, 1 when the output cannot be written, 2 on a usage\n"
           "error or invalid input, 3 when the server could not be reached, refused, or did\n"
           "not confirm, or FILE sets no valid value or could not be changed.\n";
}

std::string version_text() {
    return std::string(program_name) + " " + std::string(program_version) + "\n";
}

} // namespace tallyglyph::cli
