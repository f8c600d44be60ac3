// Throughput of the runtime's conversions on the texts a report or a record load handles:
// number texts read and formatted, dates read and written.
#include "platform/runtime/date_format.h"
#include "platform/runtime/date_parse.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/number_text.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Val(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::Val("1234567.89"));
    }
}
BENCHMARK(BM_Val);

void BM_FormatDollars(benchmark::State& state) {
    double value = 1234567.891;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::Format(value, "##,###,##0.00"));
        value += 1.0;
    }
}
BENCHMARK(BM_FormatDollars);

void BM_StrSingle(benchmark::State& state) {
    float value = 5882.35f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::Str(value));
        value += 1.0f;
    }
}
BENCHMARK(BM_StrSingle);

void BM_ParseDate(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::ParseDate("January 1, 1930"));
    }
}
BENCHMARK(BM_ParseDate);

void BM_FormatLongDate(benchmark::State& state) {
    const runtime::Date date = runtime::ToDate("12/31/2010");
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::FormatDate(date, "mmmm d, yyyy"));
    }
}
BENCHMARK(BM_FormatLongDate);

} // namespace
