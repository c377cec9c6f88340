#include "server_dialog_layout.h"

#include <array>

namespace tallyglyph::form {
namespace {

namespace item = core::item::server_dialog;

// Two columns: the labels, then the fields; the buttons in a row under the fields.
constexpr int label_left = 120;
constexpr int label_width = 1080;
constexpr int field_left = 1320;
constexpr int field_width = 4080;
constexpr int field_height = 330;
constexpr int button_width = 1290;
constexpr int button_gap = 105;

constexpr TwipsRect field_row(int top) {
    return {field_left, top, field_width, field_height};
}
constexpr TwipsRect label_row(int top) {
    return {label_left, top + 45, label_width, field_height - 90};
}
constexpr TwipsRect button(int index) {
    return {field_left + index * (button_width + button_gap), 1425, button_width, 375};
}

constexpr std::array server_dialog_description{
    ItemDescription{.kind = ItemKind::label,
                    .name = item::server_label,
                    .place = label_row(120),
                    .text = "&Server",
                    .buddy = item::server},
    ItemDescription{.kind = ItemKind::combo_box,
                    .name = item::server,
                    .place = field_row(120),
                    .accessible_name = "Server",
                    .accessible_description = "a saved server's name, or HOST:PORT"},
    ItemDescription{.kind = ItemKind::label,
                    .name = item::password_label,
                    .place = label_row(540),
                    .text = "&Password",
                    .buddy = item::password},
    ItemDescription{.kind = ItemKind::text_box,
                    .name = item::password,
                    .place = field_row(540),
                    .masked = true,
                    .accessible_name = "Password"},
    ItemDescription{.kind = ItemKind::check_box,
                    .name = item::remember,
                    .place = {field_left, 960, field_width, 285},
                    .text = "&Remember the password"},
    ItemDescription{
        .kind = ItemKind::button, .name = item::read, .place = button(0), .text = "Rea&d"},
    ItemDescription{
        .kind = ItemKind::button, .name = item::apply, .place = button(1), .text = "&Apply"},
    ItemDescription{
        .kind = ItemKind::button, .name = item::close, .place = button(2), .text = "Close"},
    ItemDescription{.kind = ItemKind::label,
                    .name = item::result_label,
                    .place = label_row(1995),
                    .text = "Result",
                    .buddy = item::result},
    ItemDescription{.kind = ItemKind::text_box,
                    .name = item::result,
                    .place = field_row(1995),
                    .read_only = true,
                    .accessible_name = "Result"},
};

constexpr std::array<std::string_view, 7> tab_order{item::server, item::password, item::remember,
                                                    item::read,   item::apply,    item::close,
                                                    item::result};

} // namespace

std::span<const ItemDescription> server_dialog_items() {
    return server_dialog_description;
}

std::span<const std::string_view> server_dialog_tab_order() {
    return tab_order;
}

} // namespace tallyglyph::form
