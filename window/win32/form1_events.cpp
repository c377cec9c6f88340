#include "form1_events.h"

#include "console_answer.h"
#include "form/form1_handlers.h"
#include "form1_commands.h"
#include "form1_window.h"
#include "message_loop.h"
#include "runtime/wide_text.h"
#include "window/program_start.h"
#include "window/run_time_error_report.h"

#include <string>
#include <vector>

namespace tallyglyph::window {
namespace {

constexpr FrontEndHelp win32_help{
    .paste = "A value pasted into the line at the foot of the window (Ctrl+V, Shift+Insert or\n"
             "the menu's Paste) ticks its emotes the same way; any other text there gives way\n"
             "to the line again at once. The line's menu also reads the value from a server\n"
             "or applies it there, and opens a configuration file or saves into one, each with\n"
             "its shortcut shown; a configuration file dropped onto the window ticks the value\n"
             "it gives.\n",
    .options = "",
    .mistakes =
        "A wrong option or a VALUE that cannot be read is reported in one line, on the\n"
        "console that started the program or else in a message box, and no window opens.\n"};

void show_error_box(const std::string& text) {
    MessageBoxW(GetActiveWindow(), runtime::utf16(text).c_str(), L"Tallyglyph",
                MB_OK | MB_ICONERROR);
}

} // namespace

void open_form1(Form1& form, std::optional<std::uint32_t> value) {
    set_error_box(show_error_box);
    run_handler([&form, value] { form::open_form1(form, value); });
}

int run_tallyglyph(int argc, wchar_t* argv[]) {
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i)
        words.push_back(runtime::utf8(argv[i]));
    const std::vector<std::string_view> arguments(words.begin(), words.end());
    const ProgramStart start = read_program_start(arguments, {}, win32_help);
    if (!start.opens_window)
        return answer_without_window(start);

    Form1 form;
    open_form1(form, start.value);
    Form1Commands commands(form);
    return run_message_loop(
        [&](MSG& message) { return commands.take(message) || form.navigate(message); });
}

} // namespace tallyglyph::window
