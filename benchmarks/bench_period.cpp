#include "core/ephemeris/period_table.h"

#include <benchmark/benchmark.h>

namespace {

// Rows of a year at 10-minute steps from Paris, taken in a scattered order the
// way a scrolled table asks for them; items/s is rows per second.
void BM_PeriodTableRows(benchmark::State &state)
{
    const auto table = brelo::PeriodTable::make({2027, 1, 1, 0, 0}, {2027, 12, 31, 23, 50},
                                                {10, brelo::StepUnit::Minutes},
                                                {"48", "51", "2", "21"}, ',');
    const std::size_t rows = table.value().rowCount();
    std::size_t i = 0;
    for (auto _ : state) {
        auto row = table.value().row(i);
        benchmark::DoNotOptimize(row);
        i = (i + 7919) % rows;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PeriodTableRows);

} // namespace
