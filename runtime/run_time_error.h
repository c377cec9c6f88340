#pragma once
// A run-time error: a number and a description, as the user sees them in the report
// "Run-time error 'N': description". The handlers never catch one; the window's event
// dispatch reports it and ends the program.

#include <stdexcept>
#include <string>

namespace tallyglyph::runtime {

namespace error_number {
inline constexpr int invalid_procedure_call = 5;
inline constexpr int overflow = 6;
inline constexpr int subscript_out_of_range = 9;
inline constexpr int type_mismatch = 13;
inline constexpr int internal_error = 51;
inline constexpr int invalid_property_value = 380;
inline constexpr int property_call_failed = 440;
} // namespace error_number

class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, std::string description);

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

    // The line shown to the user, e.g. "Run-time error '13': Type mismatch".
    std::string report() const;

private:
    int number_;
    std::string description_;
};

[[noreturn]] void raise(int number, std::string description);

[[noreturn]] void raise_type_mismatch();

// A property call on an item failed: the item is unknown or of another kind, or the value
// was refused. Names the item and property so the report says what went wrong.
[[noreturn]] void raise_property_call_failed(std::string_view item, std::string_view property,
                                             std::string_view reason);

} // namespace tallyglyph::runtime
