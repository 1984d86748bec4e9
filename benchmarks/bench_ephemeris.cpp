#include "core/ephemeris/calculephem.h"

#include <benchmark/benchmark.h>

namespace {

// One run of the ephemeris with the panel's defaults, texts included.
void BM_CalculephemDefaults(benchmark::State &state)
{
    const brelo::EphemerisInput input;
    for (auto _ : state) {
        auto outcome = brelo::calculephem(input, '.');
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_CalculephemDefaults);

// A far date: θ of the order of 10^8 degrees, whose turns are taken off in one step.
void BM_CalculephemYear100000(benchmark::State &state)
{
    brelo::EphemerisInput input;
    input.txtann = "100000";
    for (auto _ : state) {
        auto outcome = brelo::calculephem(input, '.');
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_CalculephemYear100000);

} // namespace
