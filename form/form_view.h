#pragma once
// A form as its opening sees it: the items the handlers reach by name, and what only the
// window that shows them can do. Each front end's window is one, and so are headless cells.
// Named apart from what toolkits call their own showing and focusing.

#include "runtime/items.h"

#include <string_view>

namespace tallyglyph::form {

class FormView {
public:
    virtual ~FormView() = default;
    virtual runtime::Items& items() = 0;
    virtual void show_form() = 0;
    // Gives the keyboard focus to the named item.
    virtual void focus_item(std::string_view item) = 0;
    // Whether the window is in use: shown, not minimised, and the active window.
    virtual bool in_use() const = 0;
};

} // namespace tallyglyph::form
