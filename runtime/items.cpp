#include "items.h"

#include "run_time_error.h"

namespace tallyglyph::runtime {

void require_check_value(std::string_view item, std::int16_t value) {
    if (value != check_value::unchecked && value != check_value::checked &&
        value != check_value::greyed)
        raise_property_call_failed(item, "Value",
                                   "invalid property value " + std::to_string(value));
}

} // namespace tallyglyph::runtime
