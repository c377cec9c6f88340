#include "artwork.h"

#include <QImageReader>

namespace tallyglyph::window {

QIcon artwork_icon(std::span<const char* const> resources) {
    QIcon icon;
    for (const char* resource : resources)
        icon.addPixmap(read_artwork(QString::fromLatin1(resource)));
    return icon;
}

QPixmap read_artwork(const QString& resource) {
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImageReader(&reader);
}

QSize artwork_size(const QString& resource) {
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.size();
}

} // namespace tallyglyph::window
