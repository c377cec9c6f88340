#pragma once
// A form's items as headless cells, each in the start state its description gives: for the
// logic without a window, in the companion, the tests and the benchmarks. Check boxes start
// unchecked, labels and text boxes hold their stored texts, timers keep their interval and
// start disabled, as in a window before it opens. Items that are only drawn have no cell.

#include "form_description.h"
#include "form_view.h"
#include "runtime/headless_cells.h"

#include <span>
#include <string>

namespace tallyglyph::form {

class FormCells : public runtime::HeadlessItems, public FormView {
public:
    explicit FormCells(std::span<const ItemDescription> description);

    runtime::Items& items() override { return *this; }
    // Nothing to show; it only notes what the opening did.
    void show_form() override { shown_ = true; }
    void focus_item(std::string_view item) override { focused_ = item; }
    // Shown cells stand for a window that opened active.
    bool in_use() const override { return shown_; }
    bool shown() const { return shown_; }
    const std::string& focused() const { return focused_; }

private:
    bool shown_ = false;
    std::string focused_;
};

// Form1's cells as the window holds them before it opens (form1_layout.h).
class Form1Cells final : public FormCells {
public:
    Form1Cells();
};

} // namespace tallyglyph::form
