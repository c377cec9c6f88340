#pragma once
// The Server dialog, described once for both front ends as Form1 is: its fields, check box,
// buttons and result line, where each lies, and the words screen readers find them by. It
// takes the desktop's own font and colours, as dialogs do.

#include "core/item_names.h"
#include "form_description.h"

#include <span>
#include <string_view>

namespace tallyglyph::form {

inline constexpr FormDescription server_dialog{
    core::item::server_dialog::form, "Server - Tallyglyph", 5520, 2490, {}, {}, 0, 0};

// Every item in creation order: each label just before the field it names.
std::span<const ItemDescription> server_dialog_items();

// Where keyboard focus goes, in order; the first has it when the dialog opens.
std::span<const std::string_view> server_dialog_tab_order();

} // namespace tallyglyph::form
