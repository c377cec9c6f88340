#pragma once
// The main window, built item by item from its stored description. It owns the widgets and
// the adapters through which the logic reaches them by name; it binds no handler itself. It
// keeps its one size and the normal state, whatever a title bar asks for.

#include "form/form_view.h"
#include "qt_items.h"
#include "use_reporter.h"

#include <QWidget>
#include <memory>
#include <string_view>

namespace tallyglyph::form {
struct ItemDescription;
}

namespace tallyglyph::window {

// The family that stands in for the stored description's font, MS Sans Serif, which Linux
// does not have: Liberation Sans has its metrics, so every caption fits. Named directly, since
// having fontconfig look for the missing family first costs start-up more than the rest of the
// fonts.
QString form1_font_family();

class Form1 final : public QWidget, public form::FormView {
    Q_OBJECT
public:
    Form1();

    runtime::Items& items() override { return items_; }
    void show_form() override { show(); }
    void focus_item(std::string_view item) override;
    bool in_use() const override { return isVisible() && !isMinimized() && isActiveWindow(); }

    // The widget, or the timer, of the named item; none for a name it does not hold.
    template <typename Object = QWidget>
    Object* find(std::string_view item) const {
        return findChild<Object*>(
            QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())),
            Qt::FindDirectChildrenOnly);
    }

private:
    void build_item(const form::ItemDescription& item);

    QtItems items_;
    // Gone before the items it reports to, so the hiding of a window being destroyed is not
    // reported.
    std::unique_ptr<UseReporter> use_reporter_;
};

} // namespace tallyglyph::window
