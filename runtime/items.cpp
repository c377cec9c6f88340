#include "items.h"

#include "run_time_error.h"

namespace tallyglyph::runtime {

namespace {

[[noreturn]] void refuse(std::string_view item, std::string_view property, int value) {
    raise_property_call_failed(item, property, "invalid property value " + std::to_string(value));
}

} // namespace

void require_check_value(std::string_view item, std::int16_t value) {
    if (value != check_value::unchecked && value != check_value::checked &&
        value != check_value::greyed)
        refuse(item, "Value", value);
}

void require_timer_interval(std::string_view item, int milliseconds) {
    if (milliseconds < 0 || milliseconds > 65535)
        refuse(item, "Interval", milliseconds);
}

} // namespace tallyglyph::runtime
