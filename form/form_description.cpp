#include "form_description.h"

#include <algorithm>

namespace tallyglyph::form {

const ItemDescription* find_item(std::span<const ItemDescription> items, std::string_view name) {
    const auto found = std::ranges::find(items, name, &ItemDescription::name);
    return found == items.end() ? nullptr : &*found;
}

} // namespace tallyglyph::form
