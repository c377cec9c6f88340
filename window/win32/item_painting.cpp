#include "item_painting.h"

#include "window_text.h"

namespace tallyglyph::window {

using namespace form;
namespace {

void fill(HDC dc, const RECT& rect, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void frame(HDC dc, RECT rect, int width, COLORREF colour) {
    const RECT sides[] = {{rect.left, rect.top, rect.right, rect.top + width},
                          {rect.left, rect.bottom - width, rect.right, rect.bottom},
                          {rect.left, rect.top, rect.left + width, rect.bottom},
                          {rect.right - width, rect.top, rect.right, rect.bottom}};
    for (const RECT& side : sides)
        fill(dc, side, colour);
}

// The shapes and the rule, wherever they fall, with ORIGIN the client point that is (0, 0)
// in DC.
void paint_drawn_items(HDC dc, POINT origin, const DpiResources& scale, const Palette& palette) {
    for (const ItemDescription& item : form1_items()) {
        RECT rect = scale.rect(item.place);
        OffsetRect(&rect, -origin.x, -origin.y);
        const int width = scale.line_width(item.line_width);
        if (item.kind == ItemKind::shape) {
            frame(dc, rect, width, colour_of(palette.foreground(item)));
        } else if (item.kind == ItemKind::line) {
            // Centred on the line, as wide as the line's pen.
            rect.top -= scale.line_width(item.line_width / 2);
            rect.bottom = rect.top + width;
            fill(dc, rect, colour_of(palette.foreground(item)));
        }
    }
}

} // namespace

HBRUSH colour_control(HDC dc, const ItemDescription& item, const Palette& palette) {
    SetTextColor(dc, colour_of(palette.foreground(item)));
    SetBkColor(dc, colour_of(palette.background(item)));
    return brush_of(palette.background(item));
}

void paint_form(HDC dc, const RECT& dirty, const DpiResources& scale, const Palette& palette) {
    fill(dc, dirty, colour_of(palette.form_background()));
    for (const ItemDescription& item : form1_items()) {
        if (item.command_box) {
            // Flat, with a thin border, around the control that holds the text.
            const RECT rect = scale.rect(item.place);
            fill(dc, rect, colour_of(palette.background(item)));
            frame(dc, rect, 1, colour_of(palette.line_border()));
        }
    }
    paint_drawn_items(dc, {0, 0}, scale, palette);
}

void paint_item(const DRAWITEMSTRUCT& draw, const ItemDescription& item, const DpiResources& scale,
                const Palette& palette) {
    HDC dc = draw.hDC;
    const RECT& rect = draw.rcItem;
    fill(dc, rect, colour_of(palette.background(item)));
    if (item.kind == ItemKind::picture_box) {
        // At the top-left corner, at its own size; the box's background shows around it.
        HDC picture = CreateCompatibleDC(dc);
        const HGDIOBJ previous = SelectObject(picture, scale.banner());
        BITMAP bitmap{};
        GetObjectW(scale.banner(), sizeof bitmap, &bitmap);
        const SIZE size = scale.banner_size();
        if (size.cx == bitmap.bmWidth && size.cy == bitmap.bmHeight) {
            BitBlt(dc, rect.left, rect.top, size.cx, size.cy, picture, 0, 0, SRCCOPY);
        } else {
            SetStretchBltMode(dc, HALFTONE);
            StretchBlt(dc, rect.left, rect.top, size.cx, size.cy, picture, 0, 0, bitmap.bmWidth,
                       bitmap.bmHeight, SRCCOPY);
        }
        SelectObject(picture, previous);
        DeleteDC(picture);
        return;
    }
    const std::wstring caption = window_text(draw.hwndItem);
    const HGDIOBJ previous = SelectObject(dc, scale.font(item.font));
    SetTextColor(dc, colour_of(palette.foreground(item)));
    SetBkMode(dc, TRANSPARENT);
    RECT text = rect;
    const UINT align = item.align == Align::centre ? DT_CENTER : DT_LEFT;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    // What lies over the label: its frame.
    RECT on_screen{};
    GetWindowRect(draw.hwndItem, &on_screen);
    MapWindowPoints(HWND_DESKTOP, GetParent(draw.hwndItem), reinterpret_cast<POINT*>(&on_screen),
                    2);
    paint_drawn_items(dc, {on_screen.left, on_screen.top}, scale, palette);
}

} // namespace tallyglyph::window
