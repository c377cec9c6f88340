#include "item_label.h"

#include <QMouseEvent>

namespace tallyglyph::window {

ItemLabel::ItemLabel(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ItemLabel::click() {
    emit clicked();
}

void ItemLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ItemLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool released_on_label = pressed_ && event->button() == Qt::LeftButton &&
                                   rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (released_on_label)
        click();
}

} // namespace tallyglyph::window
