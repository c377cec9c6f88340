// Properties of the text/number conversions that every change of the total passes through.
// Each input is read as a text, and its bytes as doubles and as a whole number of the tool's
// range; a broken property aborts with the input that broke it.
//
// - A text reads as a finite number or raises Type mismatch or Overflow, nothing else; what
//   it reads as agrees with the C library, and Overflow only where the C library overflows.
// - A finite double writes as a text that reads back as the same double, with no blanks,
//   separators or lower-case exponent; a whole one below 1e15 without exponent or point.
// - A whole number of 0..4194303 writes as its plain digits.

#include "fuzz_properties.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace tallyglyph::runtime;

[[noreturn]] void broken(const char* property, std::string_view subject) {
    std::fprintf(stderr, "conversions: %s: \"%.*s\"\n", property, static_cast<int>(subject.size()),
                 subject.data());
    std::abort();
}

// The C library reads the same grammar and more; blanks are all it may skip here.
double c_library_reading(std::string_view text) {
    const std::string terminated(text);
    return std::strtod(terminated.c_str(), nullptr);
}

void writes_and_reads_back(double value) {
    std::string text;
    try {
        text = number_to_text(value);
    } catch (const RunTimeError& error) {
        if (std::isfinite(value) || error.number() != error_number::overflow)
            broken("writing raised", error.report());
        return;
    }
    if (!std::isfinite(value))
        broken("a value that is not finite was written", text);
    double back = 0.0;
    try {
        back = text_to_number(text);
    } catch (const RunTimeError&) {
        broken("a written number does not read back", text);
    }
    if (back != value)
        broken("a written number reads back as another", text);
    if (text.find_first_of(" \t,_e") != std::string::npos)
        broken("a written number holds a blank, separator or lower-case exponent", text);
    if (std::fabs(value) < 1e15 && std::trunc(value) == value &&
        text.find_first_of("E.") != std::string::npos)
        broken("a whole number below 1e15 was written with exponent or point", text);
}

void reads_or_raises(std::string_view text) {
    double value = 0.0;
    try {
        value = text_to_number(text);
    } catch (const RunTimeError& error) {
        if (error.number() == error_number::overflow) {
            if (!std::isinf(c_library_reading(text)))
                broken("Overflow raised for a number the C library reads", text);
        } else if (error.number() != error_number::type_mismatch) {
            broken("reading raised neither Type mismatch nor Overflow", text);
        }
        return;
    }
    if (!std::isfinite(value))
        broken("a text was read as a value that is not finite", text);
    if (value != c_library_reading(text))
        broken("a text was read otherwise than the C library reads it", text);
    writes_and_reads_back(value);
}

void whole_number_has_plain_digits(std::uint32_t bits) {
    const std::uint32_t total = bits % 4194304u;
    const std::string digits = std::to_string(total);
    if (number_to_text(static_cast<double>(total)) != digits)
        broken("a whole number of the tool's range was not written as its digits", digits);
    if (total != 0 && number_to_text(-static_cast<double>(total)) != "-" + digits)
        broken("a negative whole number was not written as its digits", digits);
}

} // namespace

void check_conversions(const std::uint8_t* data, std::size_t size) {
    reads_or_raises(std::string_view(reinterpret_cast<const char*>(data), size));
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data + at, sizeof value);
        writes_and_reads_back(value);
    }
    if (size >= sizeof(std::uint32_t)) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        whole_number_has_plain_digits(bits);
    }
}
