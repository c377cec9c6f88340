#include "run_time_error_report.h"

#include "runtime/run_time_error.h"

#include <cstdio>
#include <cstdlib>

namespace tallyglyph::window {
namespace {

// Set once an error is being reported: the message box runs an event loop of its own, and
// no further handler may run in it.
bool ending = false;

ShowErrorBox error_box = nullptr;

// The report with the error's description on a paragraph of its own.
std::string box_text(std::string report) {
    const std::size_t colon = report.find("': ");
    if (colon != std::string::npos)
        report.replace(colon, 3, "':\n\n");
    return report;
}

} // namespace

void set_error_box(ShowErrorBox show) {
    error_box = show;
}

void run_handler(const runtime::EventHandler& handler) noexcept {
    if (ending || !handler)
        return;
    try {
        handler();
    } catch (const runtime::RunTimeError& error) {
        report_and_end(error.report());
    } catch (const std::exception& error) {
        report_and_end(std::string("Run-time error: ") + error.what());
    }
}

void report_and_end(const std::string& report) noexcept {
    if (!ending) {
        ending = true;
        std::fprintf(stderr, "tallyglyph: %s\n", report.c_str());
        std::fflush(stderr);
        try {
            if (error_box != nullptr)
                error_box(box_text(report));
        } catch (...) {
            // Already ending; stderr holds the report.
        }
    }
    std::fflush(stdout);
    // The error may be raised deep inside a handler that sits inside the toolkit's event
    // dispatch; ending here, as the platform always has, leaves nothing half done to unwind
    // through the toolkit.
    std::_Exit(run_time_error_exit_status);
}

} // namespace tallyglyph::window
