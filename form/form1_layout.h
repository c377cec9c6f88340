#pragma once
// The stored description of the main window, Form1, and every item on it (form_description.h),
// with its tab order.

#include "core/item_names.h"
#include "form_description.h"

#include <string_view>
#include <vector>

namespace tallyglyph::form {

inline constexpr FormDescription form1{core::item::form1, "Korvath - Tallyglyph", 7050, 3600,
                                       rgb(0, 0, 0),      "MS Sans Serif",        8.25, 9.75};

// Every item in creation order, which is also the stacking order: later items lie above
// earlier ones, so each outline shape covers its label.
const std::vector<ItemDescription>& form1_items();

// Raises std::out_of_range for a name Form1 does not have.
const ItemDescription& form1_item(std::string_view name);

// Where keyboard focus goes, in order; the first has it when the window opens.
const std::vector<std::string_view>& form1_tab_order();

} // namespace tallyglyph::form
