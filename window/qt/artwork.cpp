#include "artwork.h"

namespace tallyglyph::window {

QIcon artwork_icon(std::span<const char* const> resources) {
    QIcon icon;
    for (const char* resource : resources)
        icon.addFile(QString::fromLatin1(resource));
    return icon;
}

} // namespace tallyglyph::window
