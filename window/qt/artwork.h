#pragma once
// The artwork, embedded as Qt resources. On a scaled screen Qt draws the banner from the
// banner@2x.png beside it. The window's icon comes in the sizes that menus and task bars show;
// window managers scale the 128 px one for anything larger, so the 256 px icon is only
// installed for the desktop's icon theme, and no screen pays for decoding it. The icon is
// built from the embedded files of every size drawn, so Qt hands each place the size it asks
// for instead of enlarging the smallest pixel by pixel. Each file is read as PNG: left to find
// the format itself, Qt loads every image plugin to ask it first, which costs start-up more
// than the decoding.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <array>
#include <span>

namespace tallyglyph::window {

inline constexpr const char* banner_resource = ":/assets/banner.png";
inline constexpr std::array<const char*, 6> icon_resources{
    ":/assets/icon.png",    ":/assets/icon-16.png", ":/assets/icon-24.png",
    ":/assets/icon-48.png", ":/assets/icon-64.png", ":/assets/icon-128.png"};

QIcon artwork_icon(std::span<const char* const> resources);

QPixmap read_artwork(const QString& resource);

// Without decoding it.
QSize artwork_size(const QString& resource);

} // namespace tallyglyph::window
