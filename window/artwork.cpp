#include "artwork.h"

#include <QImageReader>

namespace tallyglyph::window {

QIcon artwork_icon(std::span<const char* const> resources) {
    QIcon icon;
    for (const char* resource : resources)
        icon.addFile(QString::fromLatin1(resource));
    return icon;
}

QSize artwork_size(std::span<const char* const> resources) {
    return resources.empty() ? QSize()
                             : QImageReader(QString::fromLatin1(resources.front())).size();
}

} // namespace tallyglyph::window
