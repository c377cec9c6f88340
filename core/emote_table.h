#pragma once
// The 22 emotes the server knows, in box order: which box stands for each, its caption, the
// bit it sets in kv_emoteControl and its cell in the window's grid. Fixed at build time.

#include <array>
#include <cstdint>
#include <string_view>

namespace tallyglyph::core {

struct EmoteRow {
    int box;               // 1 to 22; also the row's place in every walk
    std::string_view name; // the check box item, "Check<box>"
    std::string_view caption;
    std::uint32_t bit; // 2 to the power box - 1
    int column;        // 1 to 4
    int row;           // 1 to 7
};

inline constexpr std::array<EmoteRow, 22> emote_table{{
    {1, "Check1", "Sit", 1, 1, 1},
    {2, "Check2", "Beg", 2, 1, 2},
    {3, "Check3", "Flip", 4, 1, 3},
    {4, "Check4", "Cocky", 8, 1, 4},
    {5, "Check5", "Bounce", 16, 1, 5},
    {6, "Check6", "BreakDance", 32, 1, 6},
    {7, "Check7", "Kneel", 64, 1, 7},
    {8, "Check8", "Kiss", 128, 2, 1},
    {9, "Check9", "Scratch", 256, 2, 2},
    {10, "Check10", "Dunno", 512, 2, 3},
    {11, "Check11", "Power", 1024, 2, 4},
    {12, "Check12", "Lol", 2048, 2, 5},
    {13, "Check13", "Throw", 4096, 2, 6},
    {14, "Check14", "Throw2", 8192, 2, 7},
    {15, "Check15", "Throw3", 16384, 3, 1},
    {16, "Check16", "Shrug", 32768, 3, 2},
    {17, "Check17", "ThumbsDown", 65536, 3, 3},
    {18, "Check18", "Draw", 131072, 3, 4},
    {19, "Check19", "Dance", 262144, 3, 5},
    {20, "Check20", "Dance2", 524288, 3, 6},
    {21, "Check21", "Nod", 1048576, 3, 7},
    {22, "Check22", "Shake", 2097152, 4, 1},
}};

inline constexpr std::uint32_t all_emotes_mask = (1u << emote_table.size()) - 1;

// The row of box 1 to 22; any other number raises "Subscript out of range".
const EmoteRow& emote_row(int box);

} // namespace tallyglyph::core
