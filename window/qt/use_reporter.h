#pragma once
// Tells the logic whenever the window may have come into use or gone out of it (activated or
// deactivated, minimised or restored, shown or hidden), so that its timer sleeps while nobody
// uses it (form/form1_handlers.h), and when it moves to a screen of another scale.

#include <QObject>

class QWidget;

namespace tallyglyph::form {
class FormView;
}

namespace tallyglyph::window {

class UseReporter final : public QObject {
public:
    // Made once the window has its native handle, and gone before the window's items.
    UseReporter(QWidget& window, form::FormView& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    form::FormView& form_;
};

} // namespace tallyglyph::window
