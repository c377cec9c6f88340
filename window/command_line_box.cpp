#include "command_line_box.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace tallyglyph::window {

CommandLineBox::CommandLineBox(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    // Room for the thin border drawn in paintEvent.
    setTextMargins(1, 1, 1, 1);
}

void CommandLineBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    press_position_ = event->position().toPoint();
    QLineEdit::mousePressEvent(event);
}

void CommandLineBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    const bool plain_click = pressed_ && event->button() == Qt::LeftButton &&
                             (event->position().toPoint() - press_position_).manhattanLength() <
                                 QApplication::startDragDistance();
    pressed_ = false;
    if (plain_click)
        selectAll();
}

void CommandLineBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tallyglyph::window
