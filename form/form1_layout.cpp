#include "form1_layout.h"

#include "core/emote_table.h"
#include "core/item_names.h"

#include <array>
#include <stdexcept>
#include <string>

namespace tallyglyph::form {
namespace {

using namespace core;

constexpr Colour white = rgb(255, 255, 255);
constexpr Colour black = rgb(0, 0, 0);
constexpr Colour button_grey = rgb(64, 64, 64);

// The emote grid: the emote table gives each box its column and row.
constexpr std::array<int, 4> grid_column_left{120, 1440, 2760, 4320};
constexpr int grid_first_top = 1320;
constexpr int grid_row_step = 240;
constexpr int check_box_width = 1095;
constexpr int check_box_height = 255;

// Two captions are longer than the rest and get wider boxes.
int check_box_width_for(int box) {
    if (box == 6)
        return 1215;
    if (box == 17)
        return 1335;
    return check_box_width;
}

std::vector<ItemDescription> describe_form1() {
    std::vector<ItemDescription> items{
        {.kind = ItemKind::picture_box,
         .name = item::banner,
         .place = {1320, 120, 3375, 735},
         .background = system_colour(8),
         .presents = Presents::image,
         .accessible_name = "Korvath"},
        {.kind = ItemKind::text_box,
         .name = item::instruction,
         .place = {1440, 960, 3855, 255},
         .text = "Select the emotes you want to allow.",
         .background = system_colour(7),
         .foreground = system_colour(5),
         .font = FontStyle::bold,
         .presents = Presents::instruction},
    };
    for (const EmoteRow& row : emote_table) {
        items.push_back({.kind = ItemKind::check_box,
                         .name = row.name,
                         .place = {grid_column_left[static_cast<std::size_t>(row.column - 1)],
                                   grid_first_top + (row.row - 1) * grid_row_step,
                                   check_box_width_for(row.box), check_box_height},
                         .text = row.caption,
                         .background = black,
                         .foreground = white});
    }
    const std::vector<ItemDescription> rest{
        {.kind = ItemKind::label,
         .name = item::reset,
         .place = {4920, 2760, 855, 255},
         .text = "Reset",
         .background = button_grey,
         .foreground = white,
         .font = FontStyle::large_bold,
         .align = Align::centre,
         .presents = Presents::push_button},
        {.kind = ItemKind::shape,
         .name = item::reset_frame,
         .place = {4920, 2760, 855, 255},
         .foreground = white,
         .line_width = 3,
         .presents = Presents::nothing},
        {.kind = ItemKind::label,
         .name = item::all,
         .place = {5880, 2760, 855, 255},
         .text = "ALL",
         .background = button_grey,
         .foreground = white,
         .font = FontStyle::large_bold,
         .align = Align::centre,
         .presents = Presents::push_button},
        {.kind = ItemKind::shape,
         .name = item::all_frame,
         .place = {5880, 2760, 855, 255},
         .foreground = white,
         .line_width = 3,
         .presents = Presents::nothing},
        {.kind = ItemKind::line,
         .name = item::rule,
         .place = {0, 3120, 7080, 0},
         .foreground = white,
         .line_width = 3,
         .presents = Presents::nothing},
        {.kind = ItemKind::text_box,
         .name = item::command_line,
         .place = {120, 3240, 6855, 285},
         .text = "",
         .background = button_grey,
         .foreground = white,
         .align = Align::centre,
         .command_box = true,
         .accessible_name = "Console command",
         .accessible_description = "The kv_emoteControl line for the ticked emotes, to paste into "
                                   "the game server's console"},
        // The stored texts: below the client area, never seen, read and written by the logic.
        {.kind = ItemKind::label,
         .name = item::prefix,
         .place = {120, 3720, 2175, 255},
         .text = "set kv_emoteControl ",
         .presents = Presents::nothing},
        {.kind = ItemKind::label,
         .name = item::quote,
         .place = {2760, 3720, 255, 255},
         .text = "\"",
         .presents = Presents::nothing},
        {.kind = ItemKind::label,
         .name = item::total,
         .place = {3120, 3720, 1455, 255},
         .text = "0",
         .presents = Presents::nothing},
        {.kind = ItemKind::timer, .name = item::timer, .place = {}, .interval_ms = 1},
    };
    items.insert(items.end(), rest.begin(), rest.end());
    return items;
}

} // namespace

const std::vector<ItemDescription>& form1_items() {
    static const std::vector<ItemDescription> items = describe_form1();
    return items;
}

const ItemDescription& form1_item(std::string_view name) {
    const ItemDescription* item = find_item(form1_items(), name);
    if (item == nullptr)
        throw std::out_of_range(std::string(form1.name) + " has no item named " +
                                std::string(name));
    return *item;
}

const std::vector<std::string_view>& form1_tab_order() {
    static const std::vector<std::string_view> order = [] {
        std::vector<std::string_view> names{item::boxes.front(), item::command_line, item::banner};
        for (const EmoteRow& row : emote_table)
            if (row.box > 1)
                names.push_back(row.name);
        return names;
    }();
    return order;
}

} // namespace tallyglyph::form
