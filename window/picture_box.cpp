#include "picture_box.h"

#include <QPainter>

namespace tallyglyph::window {

PictureBox::PictureBox(QWidget* parent, QPixmap picture)
    : QWidget(parent), picture_(std::move(picture)) {
    setAutoFillBackground(true);
    // Like the platform's picture boxes, it takes focus in the tab order and on a click.
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_);
}

} // namespace tallyglyph::window
