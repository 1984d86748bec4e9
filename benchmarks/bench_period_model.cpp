#include "ui/actions/period_table_model.h"

#include <benchmark/benchmark.h>

namespace {

// The table's rows as the window shows them (the page's texts, the UT and
// local times as text, the Carrington rotation), a year at 10-minute steps
// from Paris, in the scattered order of a scrolled view; items/s is rows per second.
void BM_PeriodModelRows(benchmark::State &state)
{
    const auto table = brelo::PeriodTable::make({2027, 1, 1, 0, 0}, {2027, 12, 31, 23, 50},
                                                {10, brelo::StepUnit::Minutes}, {"48", "51", "2", "21"}, ',');
    const brelo::PeriodTableModel model(table.value(), QTimeZone("Europe/Paris"), ',');
    const auto rows = static_cast<std::size_t>(model.rowCount());
    std::size_t i = 0;
    for (auto _ : state) {
        auto row = model.computeRow(i);
        benchmark::DoNotOptimize(row);
        i = (i + 7919) % rows;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PeriodModelRows);

} // namespace
