#pragma once
// The program's artwork, from its embedded PNG files: the icon from the files of every size
// drawn, so Qt hands each place the size it asks for instead of enlarging the smallest pixel
// by pixel, and single pictures. Each file is read as PNG: left to find the format itself, Qt
// loads every image plugin to ask it first, which costs start-up more than the decoding.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <span>

namespace tallyglyph::window {

QIcon artwork_icon(std::span<const char* const> resources);

QPixmap read_artwork(const QString& resource);

// Without decoding it.
QSize artwork_size(const QString& resource);

} // namespace tallyglyph::window
