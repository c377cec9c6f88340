#include "drawn_items.h"

#include <QPainter>

namespace tallyglyph::window {

OutlineShape::OutlineShape(QWidget* parent, QColor colour, int width)
    : QWidget(parent), colour_(colour), width_(width) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void OutlineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r.x(), r.y(), r.width(), width_, colour_);
    painter.fillRect(r.x(), r.bottom() - width_ + 1, r.width(), width_, colour_);
    painter.fillRect(r.x(), r.y(), width_, r.height(), colour_);
    painter.fillRect(r.right() - width_ + 1, r.y(), width_, r.height(), colour_);
}

StraightLine::StraightLine(QWidget* parent, QColor colour) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void StraightLine::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), colour_);
}

} // namespace tallyglyph::window
