#include "palette.h"

#include <algorithm>
#include <iterator>
#include <map>

namespace tallyglyph::window {

using namespace form;
namespace {

// The system's background and foreground that belong together, so that they contrast in
// every scheme.
struct SystemPair {
    int background;
    int foreground;
};
constexpr SystemPair window_text{COLOR_WINDOW, COLOR_WINDOWTEXT};
constexpr SystemPair button_text{COLOR_BTNFACE, COLOR_BTNTEXT};

struct KindColours {
    ItemKind kind;
    SystemPair colours;
};

// What each kind of item is, in the system's colours. The labels that are drawn are the
// label-buttons, and the shapes are their frames.
constexpr KindColours high_contrast_colours[] = {
    {ItemKind::picture_box, window_text}, {ItemKind::text_box, window_text},
    {ItemKind::check_box, window_text},   {ItemKind::label, button_text},
    {ItemKind::shape, button_text},       {ItemKind::line, window_text},
};

SystemPair high_contrast_pair(ItemKind kind) {
    const auto* found = std::ranges::find(high_contrast_colours, kind, &KindColours::kind);
    return found != std::end(high_contrast_colours) ? found->colours : window_text;
}

} // namespace

bool high_contrast_on() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Colour Palette::form_background() const {
    return high_contrast_ ? system_colour(window_text.background) : form1.background;
}

Colour Palette::background(const ItemDescription& item) const {
    return high_contrast_ ? system_colour(high_contrast_pair(item.kind).background)
                          : item.background;
}

Colour Palette::foreground(const ItemDescription& item) const {
    return high_contrast_ ? system_colour(high_contrast_pair(item.kind).foreground)
                          : item.foreground;
}

Colour Palette::line_border() const {
    return high_contrast_ ? system_colour(window_text.foreground) : rgb(0, 0, 0);
}

COLORREF colour_of(const Colour& colour) {
    switch (colour.source) {
    case Colour::Source::rgb:
        return RGB(colour.red, colour.green, colour.blue);
    case Colour::Source::system:
        return GetSysColor(colour.system_index);
    case Colour::Source::none:
        break;
    }
    return RGB(0, 0, 0);
}

HBRUSH brush_of(const Colour& colour) {
    if (colour.source == Colour::Source::system)
        return GetSysColorBrush(colour.system_index);
    static std::map<COLORREF, HBRUSH> brushes;
    HBRUSH& brush = brushes[colour_of(colour)];
    if (brush == nullptr)
        brush = CreateSolidBrush(colour_of(colour));
    return brush;
}

} // namespace tallyglyph::window
