#pragma once
// A form and its items as data: kind, name, place and size in twips, texts, colours, fonts,
// how each item presents itself to assistive technology, and a timer's interval. Each front
// end builds a form's window by walking its items, and form_cells.h its headless cells; nothing
// here knows a toolkit.

#include <cstdint>
#include <span>
#include <string_view>

namespace tallyglyph::form {

inline constexpr int twips_per_pixel = 15; // at 96 dpi
inline constexpr int twips_per_inch = 1440;

// Rounded to the nearest pixel, on a screen of DPI dots per inch.
constexpr int to_pixels(int twips, int dpi = 96) {
    return (twips * dpi + twips_per_inch / 2) / twips_per_inch;
}

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// An RGB value, or one of the desktop's colours by its index (5 window background,
// 7 menu text, 8 window text), so the item follows the user's colour scheme.
struct Colour {
    enum class Source { none, rgb, system } source = Source::none;
    std::uint8_t red = 0, green = 0, blue = 0;
    int system_index = 0;
};
constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {Colour::Source::rgb, r, g, b, 0};
}
constexpr Colour system_colour(int index) {
    return {Colour::Source::system, 0, 0, 0, index};
}

enum class FontStyle { standard, bold, large_bold }; // 8.25 pt, 8.25 pt bold, 9.75 pt bold
enum class ItemKind {
    picture_box,
    text_box,
    check_box,
    label,
    shape,
    line,
    timer,
    combo_box, // an editable text with a list to choose from
    button,    // a push button of the desktop's own
};
enum class Align { left, centre };

// How an item presents itself to assistive technology such as a screen reader.
enum class Presents {
    own_kind,    // as a widget of its kind: the emote boxes, the command line
    push_button, // a label acting as a button, with a press action that clicks it
    image,       // a picture, named by its text alternative
    instruction, // static text that also describes the window
    nothing,     // stored texts and pure drawing: not part of what is presented
};

struct ItemDescription {
    ItemKind kind;
    std::string_view name;
    TwipsRect place; // a line runs from (left, top) to (left + width, top + height)
    std::string_view text = {};
    Colour background = {};
    Colour foreground = {};
    FontStyle font = FontStyle::standard;
    Align align = Align::left;
    int line_width = 0;          // pixels, for shapes and lines
    bool command_box = false;    // flat, thin border: the line the user copies
    bool masked = false;         // each character shown as a dot: a password
    bool read_only = false;      // a text the user may select and copy, not change
    std::string_view buddy = {}; // a label's: the item it names and takes the focus for
    int interval_ms = 0;         // a timer's, which starts disabled
    Presents presents = Presents::own_kind;
    std::string_view accessible_name = {}; // where the item's own text does not name it
    std::string_view accessible_description = {};
};

struct FormDescription {
    std::string_view name;
    std::string_view caption;
    int client_width;  // twips
    int client_height; // twips
    Colour background;
    std::string_view font_family; // the family the stored description names
    double font_points;           // the default font, regular or bold
    double large_font_points;     // the label-buttons' bold font
};

// The item of that name, or none.
const ItemDescription* find_item(std::span<const ItemDescription> items, std::string_view name);

} // namespace tallyglyph::form
