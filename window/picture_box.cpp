#include "picture_box.h"

#include <QPainter>

namespace tallyglyph::window {

PictureBox::PictureBox(QWidget* parent, QIcon picture, QSize size)
    : QWidget(parent), picture_(std::move(picture)), size_(size) {
    setAutoFillBackground(true);
    // Like the platform's picture boxes, it takes focus in the tab order and on a click.
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_.paint(&painter, QRect(QPoint(0, 0), size_));
}

} // namespace tallyglyph::window
