// The logic's cost on headless cells: one toggle handling, one Reset, one ALL and one
// refresh tick. The window ticks every millisecond, so the tick must stay far below 1 µs.

#include "core/bulk_selection.h"
#include "core/command_line.h"
#include "core/selection_total.h"
#include "runtime/runtime_services.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tallyglyph;

struct BoundCells {
    BoundCells() { core::bind_toggle_handling(items); }
    runtime::Form1Cells items;
};

void toggle_handling(benchmark::State& state) {
    BoundCells cells;
    auto& box = cells.items.check_box("Check12");
    for (auto _ : state)
        box.user_click();
    benchmark::DoNotOptimize(cells.items.label("Label3").caption());
}
BENCHMARK(toggle_handling);

void reset_from_all_checked(benchmark::State& state) {
    BoundCells cells;
    for (auto _ : state) {
        state.PauseTiming();
        core::select_all(cells.items);
        state.ResumeTiming();
        core::reset_selection(cells.items);
    }
}
BENCHMARK(reset_from_all_checked);

void all_from_none_checked(benchmark::State& state) {
    BoundCells cells;
    for (auto _ : state) {
        state.PauseTiming();
        core::reset_selection(cells.items);
        state.ResumeTiming();
        core::select_all(cells.items);
    }
}
BENCHMARK(all_from_none_checked);

void refresh_tick(benchmark::State& state) {
    BoundCells cells;
    core::select_all(cells.items);
    for (auto _ : state)
        core::refresh_command_line(cells.items);
    benchmark::DoNotOptimize(cells.items.text_box("Text1").text());
}
BENCHMARK(refresh_tick);

} // namespace
