#include "form1_layout.h"

#include "core/emote_table.h"

#include <algorithm>
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
        {ItemKind::picture_box, "Picture1", {1320, 120, 3375, 735}, {}, system_colour(8)},
        {ItemKind::text_box,
         "Text2",
         {1440, 960, 3855, 255},
         "Select the emotes you want to allow.",
         system_colour(7),
         system_colour(5),
         FontStyle::bold,
         Align::left},
    };
    for (const core::EmoteRow& row : core::emote_table) {
        items.push_back({ItemKind::check_box,
                         row.name,
                         {grid_column_left[static_cast<std::size_t>(row.column - 1)],
                          grid_first_top + (row.row - 1) * grid_row_step,
                          check_box_width_for(row.name), check_box_height},
                         row.caption,
                         black,
                         white});
    }
    const std::vector<ItemDescription> rest{
        {ItemKind::label,
         "Label1",
         {4920, 2760, 855, 255},
         "Reset",
         button_grey,
         white,
         FontStyle::large_bold,
         Align::centre},
        {ItemKind::shape,
         "Shape1",
         {4920, 2760, 855, 255},
         {},
         {},
         white,
         FontStyle::standard,
         Align::left,
         3},
        {ItemKind::label,
         "Label6",
         {5880, 2760, 855, 255},
         "ALL",
         button_grey,
         white,
         FontStyle::large_bold,
         Align::centre},
        {ItemKind::shape,
         "Shape2",
         {5880, 2760, 855, 255},
         {},
         {},
         white,
         FontStyle::standard,
         Align::left,
         3},
        {ItemKind::line,
         "Line1",
         {0, 3120, 7080, 0},
         {},
         {},
         white,
         FontStyle::standard,
         Align::left,
         3},
        {ItemKind::text_box,
         "Text1",
         {120, 3240, 6855, 285},
         "",
         button_grey,
         white,
         FontStyle::standard,
         Align::centre,
         0,
         true},
        // The stored texts: below the client area, never seen, read and written by the logic.
        {ItemKind::label, "Label2", {120, 3720, 2175, 255}, "set kv_emoteControl "},
        {ItemKind::label, "Label4", {2760, 3720, 255, 255}, "\""},
        {ItemKind::label, "Label3", {3120, 3720, 1455, 255}, "0"},
        {ItemKind::timer, "Timer1", {}},
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
