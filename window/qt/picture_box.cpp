#include "picture_box.h"

#include "artwork.h"

#include <QFile>
#include <QPainter>

namespace tallyglyph::window {
namespace {

// The picture for the screen the box starts on: on a scaled one, the file's @2x sibling where
// there is one, as Qt names them; so a 1x screen never decodes it.
QPixmap picture_for(const QWidget& box, const QString& picture_file) {
    if (box.devicePixelRatioF() > 1) {
        QString sharp = picture_file;
        sharp.insert(sharp.lastIndexOf(u'.'), QStringLiteral("@2x"));
        if (QFile::exists(sharp)) {
            QPixmap picture = read_artwork(sharp);
            picture.setDevicePixelRatio(2);
            return picture;
        }
    }
    return read_artwork(picture_file);
}

} // namespace

PictureBox::PictureBox(QWidget* parent, const QString& picture_file)
    : QWidget(parent), picture_(picture_for(*this, picture_file)),
      size_(artwork_size(picture_file)) {
    setAutoFillBackground(true);
    // Like the platform's picture boxes, it takes focus in the tab order and on a click.
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(QRect(QPoint(0, 0), size_), picture_);
}

} // namespace tallyglyph::window
