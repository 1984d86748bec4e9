#include "core/optics/calcul.h"

#include <benchmark/benchmark.h>

// One optical computation with the start-up inputs: parsing six texts, the
// results, the 48 row texts and the remark.
static void BM_Calcul(benchmark::State &state)
{
    const brelo::OpticsInput input;
    for (auto _ : state)
        benchmark::DoNotOptimize(brelo::calcul(input, '.'));
}
BENCHMARK(BM_Calcul);
