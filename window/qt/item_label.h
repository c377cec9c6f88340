#pragma once
// A label that raises Click when the left mouse button is pressed and released on it. It
// takes no focus and has no pressed or hover look, so a label dressed as a button answers
// the mouse only.

#include <QLabel>

namespace tallyglyph::window {

class ItemLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ItemLabel(QWidget* parent);

    // Raises Click as a mouse click does; assistive technology presses the label through it.
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace tallyglyph::window
