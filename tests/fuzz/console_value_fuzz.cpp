// Properties of the reader of values, which takes text from the command line and the
// clipboard as it comes:
//
// - Read as one text, and as words split at NUL bytes, an input gives a value from 0 to
//   4194303 or raises ValueError with a one-line message; nothing else.
// - The digits of a number (the input's first four bytes) are accepted exactly when the
//   number is at most 4194303, and then read as that number.
// - The line the window shows for a value (the same bytes, within range) reads back as it.

#include "core/console_value.h"
#include "core/emote_table.h"
#include "core/item_names.h"
#include "form/form1_handlers.h"
#include "form/form_cells.h"
#include "fuzz_properties.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tallyglyph;

[[noreturn]] void broken(const char* property, std::string_view subject) {
    std::fprintf(stderr, "console value: %s: \"%.*s\"\n", property,
                 static_cast<int>(subject.size()), subject.data());
    std::abort();
}

void reads_or_names_its_mistake(runtime::Items& items, const std::vector<std::string>& words) {
    std::uint32_t value = 0;
    try {
        value = core::read_console_value(items, words);
    } catch (const core::ValueError& error) {
        const std::string_view message = error.what();
        if (message.empty() || message.find_first_of("\r\n") != std::string_view::npos ||
            (message.front() >= 'A' && message.front() <= 'Z'))
            broken("a mistake was not named in one line", message);
        return;
    }
    if (value > core::all_emotes_mask)
        broken("a value beyond the emotes was accepted", std::to_string(value));
}

void accepts_exactly_the_emote_values(runtime::Items& items, std::uint32_t number) {
    const std::vector<std::string> digits{std::to_string(number)};
    try {
        if (core::read_console_value(items, digits) != number)
            broken("a number was read as another", digits.front());
        if (number > core::all_emotes_mask)
            broken("a number beyond the emotes was accepted", digits.front());
    } catch (const core::ValueError&) {
        if (number <= core::all_emotes_mask)
            broken("a number of the emotes' range was refused", digits.front());
    }
}

void the_line_reads_back(std::uint32_t value) {
    form::Form1Cells items;
    form::open_form1(items, value);
    items.timer(core::item::timer).tick();
    const std::vector<std::string> line{items.text_box(core::item::command_line).text()};
    try {
        if (core::read_console_value(items, line) != value)
            broken("the window's line read back as another value", line.front());
    } catch (const core::ValueError&) {
        broken("the window's line was refused", line.front());
    }
}

} // namespace

void check_console_value(const std::uint8_t* data, std::size_t size) {
    form::Form1Cells items;
    const std::string text(reinterpret_cast<const char*>(data), size);
    reads_or_names_its_mistake(items, {text});
    std::vector<std::string> words;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\0', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    reads_or_names_its_mistake(items, words);

    if (size >= sizeof(std::uint32_t)) {
        std::uint32_t number = 0;
        std::memcpy(&number, data, sizeof number);
        accepts_exactly_the_emote_values(items, number);
        the_line_reads_back(number % (core::all_emotes_mask + 1));
    }
}
