#include "picture_box.h"

#include <QImageReader>
#include <QPainter>

namespace tallyglyph::window {

PictureBox::PictureBox(QWidget* parent, const QString& picture_file)
    : QWidget(parent), picture_(picture_file), size_(QImageReader(picture_file).size()) {
    setAutoFillBackground(true);
    // Like the platform's picture boxes, it takes focus in the tab order and on a click.
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_.paint(&painter, QRect(QPoint(0, 0), size_));
}

} // namespace tallyglyph::window
