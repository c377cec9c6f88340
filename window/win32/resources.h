#pragma once
// The numbers by which the program finds what tallyglyph.rc embeds in it.

#define TALLYGLYPH_ICON 1
#define TALLYGLYPH_BANNER 101
#define TALLYGLYPH_BANNER_2X 102
