// The factor library's two calls that the calculations make most: the joint divisor and the age
// on a date. Both run through the library's exports as the program calls them.
#include "factors/tallowmere.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// Every age pair and mode the program can ask, so no single cell stays in a register.
void BM_RMDJOINTFACTOR(benchmark::State& state) {
    std::int16_t first = 0;
    std::int16_t second = 0;
    std::int16_t mode = -2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RMDJOINTFACTOR(first, second, mode));
        if (++second > 115) {
            second = 0;
            if (++first > 115) {
                first = 0;
                mode = mode == 2 ? -2 : static_cast<std::int16_t>(mode + 1);
            }
        }
    }
}
BENCHMARK(BM_RMDJOINTFACTOR);

void BM_RMDJOINTFACTOR2001(benchmark::State& state) {
    std::int16_t first = 0;
    std::int16_t second = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RMDJOINTFACTOR2001(first, second, 2));
        if (++second > 115) {
            second = 0;
            first = first == 115 ? 0 : static_cast<std::int16_t>(first + 1);
        }
    }
}
BENCHMARK(BM_RMDJOINTFACTOR2001);

void BM_CALCULATEAGE(benchmark::State& state) {
    const char* const birthDates[] = {"07/15/1950", "01/01/1950", "12/31/1950", "02/29/1952"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CALCULATEAGE(birthDates[i], "12/31/2020", 0));
        i = (i + 1) % 4;
    }
}
BENCHMARK(BM_CALCULATEAGE);

} // namespace
