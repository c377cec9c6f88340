#pragma once
// A headless window for the logic tests: Form1's cells with every box bound to its toggle
// handling, and small helpers that act as the user would.

#include "core/bulk_selection.h"
#include "core/command_line.h"
#include "core/emote_table.h"
#include "core/selection_total.h"
#include "runtime/runtime_services.h"

#include <gtest/gtest.h>
#include <string>

class EmoteLogic : public ::testing::Test {
protected:
    EmoteLogic() {
        tallyglyph::core::bind_toggle_handling(items);
        items.timer("Timer1").on_tick([this] { tallyglyph::core::refresh_command_line(items); });
    }

    tallyglyph::runtime::CheckBoxCell& box(int n) {
        return items.check_box(tallyglyph::core::emote_row(n).name);
    }
    void click(int n) { box(n).user_click(); }
    std::string total() { return items.label("Label3").caption(); }
    std::string line() {
        items.timer("Timer1").tick();
        return items.text_box("Text1").text();
    }

    tallyglyph::runtime::Form1Cells items;
};
