#include "desktop_look.h"

#include <QApplication>
#include <QFontDatabase>

namespace tallyglyph::window {
namespace {

QPalette& kept_palette() {
    static QPalette palette;
    return palette;
}

} // namespace

void keep_desktop_look() {
    kept_palette() = QApplication::palette();
}

QPalette desktop_palette() {
    return kept_palette();
}

QFont desktop_font() {
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

} // namespace tallyglyph::window
