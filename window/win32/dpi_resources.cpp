#include "dpi_resources.h"

#include "resources.h"

namespace tallyglyph::window {

using namespace form;
namespace {

// MS Sans Serif is a bitmap font that Windows enlarges in blocks; Microsoft Sans Serif is its
// outline twin with the same metrics, sharp at every scale.
constexpr wchar_t scalable_sans_serif[] = L"Microsoft Sans Serif";

// Smoothed as the user has set Windows to smooth the text of its own dialogs.
HFONT create_font(FontStyle style, int dpi) {
    const double points =
        style == FontStyle::large_bold ? form1.large_font_points : form1.font_points;
    const int height = -static_cast<int>(points * dpi / 72.0 + 0.5);
    return CreateFontW(height, 0, 0, 0, style == FontStyle::standard ? FW_NORMAL : FW_BOLD, FALSE,
                       FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, scalable_sans_serif);
}

} // namespace

DpiResources::DpiResources(int dpi) : dpi_(dpi) {
    for (const FontStyle style : {FontStyle::standard, FontStyle::bold, FontStyle::large_bold})
        fonts_[static_cast<std::size_t>(style)] = create_font(style, dpi);
    const bool doubled = dpi >= 144;
    banner_ = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr),
                   MAKEINTRESOURCEW(doubled ? TALLYGLYPH_BANNER_2X : TALLYGLYPH_BANNER),
                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP bitmap{};
    if (banner_ != nullptr && GetObjectW(banner_, sizeof bitmap, &bitmap) != 0) {
        const int drawn_for = doubled ? 192 : 96;
        banner_size_ = {MulDiv(bitmap.bmWidth, dpi, drawn_for),
                        MulDiv(bitmap.bmHeight, dpi, drawn_for)};
    }
}

DpiResources::~DpiResources() {
    for (HFONT font : fonts_)
        DeleteObject(font);
    DeleteObject(banner_);
}

RECT DpiResources::rect(const TwipsRect& place) const {
    const int left = pixels(place.left);
    const int top = pixels(place.top);
    return {left, top, left + pixels(place.width), top + pixels(place.height)};
}

int DpiResources::line_height(FontStyle style) const {
    HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font(style));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

} // namespace tallyglyph::window
