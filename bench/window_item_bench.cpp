// The logic's cost on the real Qt items: one refresh tick when the line is unchanged (what
// nearly every tick is), one when it changed, and one toggle handling.

#include "core/command_line.h"
#include "core/item_names.h"
#include "form/form1_handlers.h"
#include "window/qt/form1_events.h"
#include "window/qt/form1_window.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace tallyglyph;

window::Form1& shown_form() {
    static window::Form1 form;
    static const bool shown = [] {
        window::open_form1(form);
        QApplication::processEvents();
        // In use, as the window is while someone clicks it: no change refreshes the line before
        // a tick. The ticks measured are the benchmark's own, since no event loop runs.
        form::set_form1_in_use(form.items(), true);
        return true;
    }();
    (void)shown;
    return form;
}

void refresh_tick_unchanged(benchmark::State& state) {
    auto& items = shown_form().items();
    core::refresh_command_line(items);
    for (auto _ : state)
        core::refresh_command_line(items);
}
BENCHMARK(refresh_tick_unchanged);

void refresh_tick_changed(benchmark::State& state) {
    auto& items = shown_form().items();
    auto& box = items.check_box(core::item::boxes[0]);
    for (auto _ : state) {
        state.PauseTiming();
        box.set_value(box.value() == 0 ? 1 : 0);
        state.ResumeTiming();
        core::refresh_command_line(items);
    }
}
BENCHMARK(refresh_tick_changed);

void toggle_handling(benchmark::State& state) {
    auto& box = shown_form().items().check_box(core::item::boxes[11]);
    for (auto _ : state)
        box.set_value(box.value() == 0 ? 1 : 0);
}
BENCHMARK(toggle_handling);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    window::configure_application(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
