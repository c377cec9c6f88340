#include "commands.h"

#include "core/bulk_selection.h"
#include "core/console_value.h"
#include "core/emote_table.h"
#include "core/item_names.h"
#include "core/selection_total.h"
#include "core/words.h"
#include "emote_names.h"
#include "form/form1_handlers.h"
#include "form/form1_value.h"
#include "form/form_cells.h"
#include "usage_error.h"

#include <algorithm>
#include <array>

namespace tallyglyph::cli {
namespace {

using runtime::check_value::checked;

// The window's cells, opened as the window opens.
class OpenCells {
public:
    OpenCells() { form::open_form1(cells_); }
    form::Form1Cells& items() { return cells_; }

private:
    form::Form1Cells cells_;
};

struct Selection {
    bool all = false;
    bool none = false;
    std::array<bool, core::emote_table.size()> boxes{};
};

Selection select_named(std::span<const std::string> names) {
    Selection selection;
    bool any_emote = false;
    for (const std::string& name : names) {
        if (core::same_word(name, all_word)) {
            selection.all = true;
        } else if (core::same_word(name, none_word)) {
            selection.none = true;
        } else if (const auto box = box_named(name)) {
            selection.boxes[static_cast<std::size_t>(*box - 1)] = true;
            any_emote = true;
        } else {
            throw UsageError("unknown emote '" + name + "'; did you mean '" + closest_name(name) +
                             "'?");
        }
    }
    if (selection.none && (selection.all || any_emote))
        throw UsageError("'none' cannot be combined with other names");
    return selection;
}

// Ticks the named boxes as encode does.
void tick_named(runtime::Items& items, std::span<const std::string> names) {
    const Selection selection = select_named(names);
    if (selection.none)
        core::reset_selection(items);
    if (selection.all)
        core::select_all(items);
    for (const core::EmoteRow& row : core::emote_table)
        if (selection.boxes[static_cast<std::size_t>(row.box - 1)])
            core::set_box_state(items, row.box, checked);
}

// The line the window shows for the boxes as they are, from the next tick on.
std::string line_of(form::Form1Cells& items) {
    items.timer(core::item::timer).tick();
    return items.text_box(core::item::command_line).text() + "\n";
}

std::string padded_left(std::string text, std::size_t width) {
    return std::string(width - std::min(width, text.size()), ' ') + text;
}

std::string padded_right(std::string text, std::size_t width) {
    return text + std::string(width - std::min(width, text.size()), ' ');
}

} // namespace

std::string list_emotes() {
    std::size_t caption_width = 0;
    for (const core::EmoteRow& row : core::emote_table)
        caption_width = std::max(caption_width, row.caption.size());
    const std::size_t box_width = std::to_string(core::emote_table.size()).size();
    const std::size_t bit_width = std::to_string(core::emote_table.back().bit).size();

    std::string text;
    for (const core::EmoteRow& row : core::emote_table)
        text += padded_left(std::to_string(row.box), box_width) + "  " +
                padded_right(std::string(row.caption), caption_width) + "  " +
                padded_left(std::to_string(row.bit), bit_width) + "\n";
    return text;
}

std::string encode_emotes(std::span<const std::string> names, bool value_only) {
    OpenCells cells;
    tick_named(cells.items(), names);
    return value_only ? core::read_selection_total(cells.items()) + "\n" : line_of(cells.items());
}

std::string decode_value(std::span<const std::string> words) {
    return captions_of(value_of_text(words));
}

std::uint32_t value_of_names(std::span<const std::string> names) {
    OpenCells cells;
    tick_named(cells.items(), names);
    return static_cast<std::uint32_t>(std::stoul(core::read_selection_total(cells.items())));
}

std::uint32_t value_of_text(std::span<const std::string> words) {
    try {
        return form::read_form1_value(words);
    } catch (const core::ValueError& error) {
        throw UsageError(error.what());
    }
}

std::string console_line(std::uint32_t value) {
    OpenCells cells;
    core::select_value(cells.items(), value);
    return line_of(cells.items());
}

std::string captions_of(std::uint32_t value) {
    OpenCells cells;
    core::select_value(cells.items(), value);
    std::string text;
    for (const core::EmoteRow& row : core::emote_table)
        if (cells.items().check_box(row.name).value() == checked)
            text.append(row.caption).append("\n");
    return text;
}

} // namespace tallyglyph::cli
