#pragma once
// What Form1 is laid out and drawn with at one DPI: twips turned into pixels, the three fonts
// of the stored description, and the banner drawn for that scale (the double-size one from
// 144 dpi on, so a scaled screen never shows it enlarged pixel by pixel).

#include "form/form1_layout.h"

#include <array>
#include <windows.h>

namespace tallyglyph::window {

class DpiResources {
public:
    explicit DpiResources(int dpi);
    ~DpiResources();
    DpiResources(const DpiResources&) = delete;
    DpiResources& operator=(const DpiResources&) = delete;

    int dpi() const { return dpi_; }
    int pixels(int twips) const { return form::to_pixels(twips, dpi_); }
    RECT rect(const form::TwipsRect& place) const;
    // A line's width, given in pixels at 96 dpi.
    int line_width(int pixels_at_96) const { return MulDiv(pixels_at_96, dpi_, 96); }

    HFONT font(form::FontStyle style) const { return fonts_[static_cast<std::size_t>(style)]; }
    int line_height(form::FontStyle style) const;

    HBITMAP banner() const { return banner_; }
    SIZE banner_size() const { return banner_size_; } // on screen, in pixels

private:
    int dpi_;
    std::array<HFONT, 3> fonts_{};
    HBITMAP banner_ = nullptr;
    SIZE banner_size_{};
};

} // namespace tallyglyph::window
