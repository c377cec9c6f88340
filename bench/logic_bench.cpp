// The logic's cost on headless cells: one toggle handling, one Reset, one ALL and one
// refresh tick. The window ticks every millisecond, so the tick must stay far below 1 µs.

#include "core/bulk_selection.h"
#include "core/command_line.h"
#include "core/item_names.h"
#include "form/form1_handlers.h"
#include "form/form_cells.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using namespace tallyglyph;

struct OpenCells {
    OpenCells() { form::open_form1(items); }
    form::Form1Cells items;
};

void toggle_handling(benchmark::State& state) {
    OpenCells cells;
    auto& box = cells.items.check_box(core::item::boxes[11]);
    for (auto _ : state)
        box.user_click();
    benchmark::DoNotOptimize(cells.items.label(core::item::total).caption());
}
BENCHMARK(toggle_handling);

// Each bulk action needs the opposite one to set it up again; only the action itself is
// timed, by hand, since pausing the benchmark's own clock costs more than the action.
template <typename Action, typename SetUp>
void time_bulk_action(benchmark::State& state, Action action, SetUp set_up) {
    OpenCells cells;
    for (auto _ : state) {
        set_up(cells.items);
        const auto start = std::chrono::steady_clock::now();
        action(cells.items);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void reset_from_all_checked(benchmark::State& state) {
    time_bulk_action(state, core::reset_selection, core::select_all);
}
BENCHMARK(reset_from_all_checked)->UseManualTime();

void all_from_none_checked(benchmark::State& state) {
    time_bulk_action(state, core::select_all, core::reset_selection);
}
BENCHMARK(all_from_none_checked)->UseManualTime();

void refresh_tick(benchmark::State& state) {
    OpenCells cells;
    core::select_all(cells.items);
    for (auto _ : state)
        core::refresh_command_line(cells.items);
    benchmark::DoNotOptimize(cells.items.text_box(core::item::command_line).text());
}
BENCHMARK(refresh_tick);

} // namespace
