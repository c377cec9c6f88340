#include "run_time_error.h"

namespace tallyglyph::runtime {

RunTimeError::RunTimeError(int number, std::string description)
    : std::runtime_error("Run-time error '" + std::to_string(number) + "': " + description),
      number_(number), description_(std::move(description)) {}

std::string RunTimeError::report() const {
    return what();
}

void raise(int number, std::string description) {
    throw RunTimeError(number, std::move(description));
}

void raise_type_mismatch() {
    raise(error_number::type_mismatch, "Type mismatch");
}

void raise_property_call_failed(std::string_view item, std::string_view property,
                                std::string_view reason) {
    std::string description = "Automation error: ";
    description.append(item).append(".").append(property).append(": ").append(reason);
    raise(error_number::property_call_failed, std::move(description));
}

} // namespace tallyglyph::runtime
