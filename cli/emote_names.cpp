#include "emote_names.h"

#include "core/emote_table.h"
#include "core/words.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace tallyglyph::cli {
namespace {

std::size_t edit_distance(std::string_view from, std::string_view to) {
    std::vector<std::size_t> previous(to.size() + 1);
    std::iota(previous.begin(), previous.end(), std::size_t{0});
    std::vector<std::size_t> current(to.size() + 1);
    for (std::size_t i = 1; i <= from.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= to.size(); ++j) {
            const std::size_t substitution =
                previous[j - 1] +
                (core::lower_ascii(from[i - 1]) == core::lower_ascii(to[j - 1]) ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous[to.size()];
}

} // namespace

std::optional<int> box_named(std::string_view name) {
    for (const core::EmoteRow& row : core::emote_table)
        if (core::same_word(name, row.caption))
            return row.box;
    return std::nullopt;
}

std::string closest_name(std::string_view name) {
    std::vector<std::string_view> candidates;
    for (const core::EmoteRow& row : core::emote_table)
        candidates.push_back(row.caption);
    candidates.push_back(all_word);
    candidates.push_back(none_word);
    return std::string(*std::ranges::min_element(
        candidates, {}, [name](std::string_view c) { return edit_distance(name, c); }));
}

} // namespace tallyglyph::cli
