#pragma once
// A headless window for the logic tests: Form1's cells opened as the window opens them, and
// small helpers that act as the user would.

#include "core/bulk_selection.h"
#include "core/emote_table.h"
#include "core/item_names.h"
#include "core/selection_total.h"
#include "form/form1_handlers.h"
#include "form/form_cells.h"

#include <gtest/gtest.h>
#include <string>

class EmoteLogic : public ::testing::Test {
protected:
    EmoteLogic() { tallyglyph::form::open_form1(items); }

    tallyglyph::runtime::CheckBoxCell& box(int n) {
        return items.check_box(tallyglyph::core::emote_row(n).name);
    }
    void click(int n) { box(n).user_click(); }
    tallyglyph::runtime::LabelCell& stored(std::string_view item) { return items.label(item); }
    std::string total() { return stored(tallyglyph::core::item::total).caption(); }
    tallyglyph::runtime::TextBoxCell& line_box() {
        return items.text_box(tallyglyph::core::item::command_line);
    }
    std::string line() {
        items.timer(tallyglyph::core::item::timer).tick();
        return line_box().text();
    }

    tallyglyph::form::Form1Cells items;
};
