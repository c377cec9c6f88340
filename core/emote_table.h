#pragma once
// The 22 emotes the server knows, in box order: which box stands for each, its caption, the
// bit it sets in kv_emoteControl and its cell in the window's grid. Fixed at build time.

#include "item_names.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tallyglyph::core {

struct EmoteRow {
    int box;               // 1 to 22; also the row's place in every walk
    std::string_view name; // the check box item, item::boxes[box - 1]
    std::string_view caption;
    std::uint32_t bit; // 2 to the power box - 1
    int column;        // 1 to 4
    int row;           // 1 to 7
};

inline constexpr std::array<EmoteRow, 22> emote_table{{
    {1, item::boxes[0], "Sit", 1, 1, 1},
    {2, item::boxes[1], "Beg", 2, 1, 2},
    {3, item::boxes[2], "Flip", 4, 1, 3},
    {4, item::boxes[3], "Cocky", 8, 1, 4},
    {5, item::boxes[4], "Bounce", 16, 1, 5},
    {6, item::boxes[5], "BreakDance", 32, 1, 6},
    {7, item::boxes[6], "Kneel", 64, 1, 7},
    {8, item::boxes[7], "Kiss", 128, 2, 1},
    {9, item::boxes[8], "Scratch", 256, 2, 2},
    {10, item::boxes[9], "Dunno", 512, 2, 3},
    {11, item::boxes[10], "Power", 1024, 2, 4},
    {12, item::boxes[11], "Lol", 2048, 2, 5},
    {13, item::boxes[12], "Throw", 4096, 2, 6},
    {14, item::boxes[13], "Throw2", 8192, 2, 7},
    {15, item::boxes[14], "Throw3", 16384, 3, 1},
    {16, item::boxes[15], "Shrug", 32768, 3, 2},
    {17, item::boxes[16], "ThumbsDown", 65536, 3, 3},
    {18, item::boxes[17], "Draw", 131072, 3, 4},
    {19, item::boxes[18], "Dance", 262144, 3, 5},
    {20, item::boxes[19], "Dance2", 524288, 3, 6},
    {21, item::boxes[20], "Nod", 1048576, 3, 7},
    {22, item::boxes[21], "Shake", 2097152, 4, 1},
}};

inline constexpr std::uint32_t all_emotes_mask = (1u << emote_table.size()) - 1;

// The row of box 1 to 22; any other number raises "Subscript out of range".
const EmoteRow& emote_row(int box);

} // namespace tallyglyph::core
