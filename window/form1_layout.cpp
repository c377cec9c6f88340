#include "form1_layout.h"

#include "core/emote_table.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace tallyglyph::window {
namespace {

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
int check_box_width_for(std::string_view name) {
    if (name == "Check6")
        return 1215;
    if (name == "Check17")
        return 1335;
    return check_box_width;
}

std::vector<ItemDescription> describe_form1() {
    std::vector<ItemDescription> items{
        {.kind = ItemKind::picture_box,
         .name = "Picture1",
         .place = {1320, 120, 3375, 735},
         .background = system_colour(8),
         .presents = Presents::image,
         .accessible_name = "Korvath"},
        {.kind = ItemKind::text_box,
         .name = "Text2",
         .place = {1440, 960, 3855, 255},
         .text = "Select the emotes you want to allow.",
         .background = system_colour(7),
         .foreground = system_colour(5),
         .font = FontStyle::bold,
         .presents = Presents::instruction},
    };
    for (const core::EmoteRow& row : core::emote_table) {
        items.push_back({.kind = ItemKind::check_box,
                         .name = row.name,
                         .place = {grid_column_left[static_cast<std::size_t>(row.column - 1)],
                                   grid_first_top + (row.row - 1) * grid_row_step,
                                   check_box_width_for(row.name), check_box_height},
                         .text = row.caption,
                         .background = black,
                         .foreground = white});
    }
    const std::vector<ItemDescription> rest{
        {.kind = ItemKind::label,
         .name = "Label1",
         .place = {4920, 2760, 855, 255},
         .text = "Reset",
         .background = button_grey,
         .foreground = white,
         .font = FontStyle::large_bold,
         .align = Align::centre,
         .presents = Presents::push_button},
        {.kind = ItemKind::shape,
         .name = "Shape1",
         .place = {4920, 2760, 855, 255},
         .foreground = white,
         .line_width = 3,
         .presents = Presents::nothing},
        {.kind = ItemKind::label,
         .name = "Label6",
         .place = {5880, 2760, 855, 255},
         .text = "ALL",
         .background = button_grey,
         .foreground = white,
         .font = FontStyle::large_bold,
         .align = Align::centre,
         .presents = Presents::push_button},
        {.kind = ItemKind::shape,
         .name = "Shape2",
         .place = {5880, 2760, 855, 255},
         .foreground = white,
         .line_width = 3,
         .presents = Presents::nothing},
        {.kind = ItemKind::line,
         .name = "Line1",
         .place = {0, 3120, 7080, 0},
         .foreground = white,
         .line_width = 3,
         .presents = Presents::nothing},
        {.kind = ItemKind::text_box,
         .name = "Text1",
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
         .name = "Label2",
         .place = {120, 3720, 2175, 255},
         .text = "set kv_emoteControl ",
         .presents = Presents::nothing},
        {.kind = ItemKind::label,
         .name = "Label4",
         .place = {2760, 3720, 255, 255},
         .text = "\"",
         .presents = Presents::nothing},
        {.kind = ItemKind::label,
         .name = "Label3",
         .place = {3120, 3720, 1455, 255},
         .text = "0",
         .presents = Presents::nothing},
        {.kind = ItemKind::timer, .name = "Timer1", .place = {}},
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
    const auto& items = form1_items();
    const auto found =
        std::find_if(items.begin(), items.end(),
                     [name](const ItemDescription& item) { return item.name == name; });
    if (found == items.end())
        throw std::out_of_range("Form1 has no item named " + std::string(name));
    return *found;
}

const std::vector<std::string_view>& form1_tab_order() {
    static const std::vector<std::string_view> order = [] {
        std::vector<std::string_view> names{"Check1", "Text1", "Picture1"};
        for (const core::EmoteRow& row : core::emote_table)
            if (row.box > 1)
                names.push_back(row.name);
        return names;
    }();
    return order;
}

} // namespace tallyglyph::window
