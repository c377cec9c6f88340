#pragma once
// The embedded artwork as icons that hold every size drawn, so that Qt paints the one that
// suits the screen's scale instead of enlarging the smallest pixel by pixel.

#include <QIcon>
#include <QSize>
#include <span>

namespace tallyglyph::window {

QIcon artwork_icon(std::span<const char* const> resources);

// The picture's size at 100 %: that of its first file.
QSize artwork_size(std::span<const char* const> resources);

} // namespace tallyglyph::window
