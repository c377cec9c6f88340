#pragma once
// Emote names as the user types them: captions in any case (core/words.h), plus the words
// "all" and "none".

#include <optional>
#include <string>
#include <string_view>

namespace tallyglyph::cli {

inline constexpr std::string_view all_word = "all";
inline constexpr std::string_view none_word = "none";

// The box whose caption matches the name, ignoring case.
std::optional<int> box_named(std::string_view name);

// The caption, or "all" or "none", that takes the fewest single-letter edits to reach from
// the name, ignoring case; the first in box order wins a tie.
std::string closest_name(std::string_view name);

} // namespace tallyglyph::cli
