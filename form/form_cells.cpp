#include "form_cells.h"

#include "form1_layout.h"

namespace tallyglyph::form {

FormCells::FormCells(std::span<const ItemDescription> description) {
    for (const ItemDescription& item : description) {
        const std::string name(item.name);
        switch (item.kind) {
        case ItemKind::check_box:
            add_check_box(name);
            break;
        // A button is clicked as a label is; the text of a combo box is what the logic reads.
        case ItemKind::label:
        case ItemKind::button:
            add_label(name, std::string(item.text));
            break;
        case ItemKind::text_box:
        case ItemKind::combo_box:
            add_text_box(name, std::string(item.text));
            break;
        case ItemKind::timer:
            add_timer(name, item.interval_ms, false);
            break;
        case ItemKind::picture_box:
        case ItemKind::shape:
        case ItemKind::line:
            break;
        }
    }
}

Form1Cells::Form1Cells() : FormCells(form1_items()) {}

} // namespace tallyglyph::form
