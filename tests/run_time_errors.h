#pragma once
// The run-time error an action raises, as its number or as the report the user reads; 0 or ""
// when it raises none.

#include "runtime/run_time_error.h"

#include <string>

template <typename Action>
int run_time_error_number(Action&& action) {
    try {
        action();
    } catch (const tallyglyph::runtime::RunTimeError& error) {
        return error.number();
    }
    return 0;
}

template <typename Action>
std::string run_time_error_report(Action&& action) {
    try {
        action();
    } catch (const tallyglyph::runtime::RunTimeError& error) {
        return error.report();
    }
    return "";
}
