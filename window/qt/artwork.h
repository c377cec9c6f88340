#pragma once
// The program's icon from the embedded files of every size drawn, so Qt hands each place the
// size it asks for instead of enlarging the smallest pixel by pixel.

#include <QIcon>
#include <span>

namespace tallyglyph::window {

QIcon artwork_icon(std::span<const char* const> resources);

} // namespace tallyglyph::window
