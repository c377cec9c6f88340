#pragma once
// The main window, built item by item from its stored description. It owns the widgets and
// the adapters through which the logic reaches them by name; it binds no handler itself. It
// keeps its one size and the normal state, whatever a title bar asks for.

#include "qt_items.h"

#include <QWidget>

namespace tallyglyph::window {

struct ItemDescription;

class Form1 final : public QWidget {
    Q_OBJECT
public:
    Form1();

    runtime::Items& items() { return items_; }

private:
    void build_item(const ItemDescription& item);

    QtItems items_;
};

} // namespace tallyglyph::window
