#include "emote_table.h"

#include "runtime/runtime_services.h"

namespace tallyglyph::core {
namespace {

constexpr bool table_is_consistent() {
    std::uint32_t seen = 0;
    for (std::size_t i = 0; i < emote_table.size(); ++i) {
        const auto& row = emote_table[i];
        if (row.box != static_cast<int>(i) + 1 || row.name != item::boxes[i] ||
            row.bit != (1u << i) || (seen & row.bit) != 0)
            return false;
        seen |= row.bit;
    }
    return seen == all_emotes_mask;
}
static_assert(table_is_consistent(),
              "boxes must run 1 to 22, each named in order, with its own bit 2^(box-1)");

} // namespace

const EmoteRow& emote_row(int box) {
    if (box < 1 || box > static_cast<int>(emote_table.size()))
        runtime::raise(runtime::error_number::subscript_out_of_range, "Subscript out of range");
    return emote_table[static_cast<std::size_t>(box - 1)];
}

} // namespace tallyglyph::core
