// Rendering a 121-year graph (income bars, an income-to-date line, an account-value area, the
// program's colours and top view) into a picture, at a small and at a full-screen size.
#include "output/graph/graph_renderer.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kYears = 121;

void FillChart(output::GraphChart& chart) {
    chart.SetColorOfMask(0x6F6F6F);
    chart.SetColorOfBase(0x00FFFF);
    chart.SetColorOfLabel(0x804040);
    chart.SetColorOfLegend(0);
    chart.BackdropFade(0xD6EEEA, 0xC2DAD6);
    chart.SetTitle(1, "Stretch Projection", 0.035, 0, 0xF0FAFF);
    chart.DataAdd("Annual Income", 0, kYears - 1, 0xFF4040, 2);
    chart.DataAdd("Total Income", 0, kYears - 1, 0x4040FF, 3);
    chart.DataAdd("Account Value", 0, kYears - 1, 0x40FF40, 1);
    double balance = 500000.0;
    double toDate = 0.0;
    for (int i = 0; i < kYears; ++i) {
        const double distribution = std::round(balance / std::max(1.5, 80.0 - 0.65 * i));
        toDate += distribution;
        balance = std::round((balance - distribution) * 1.05);
        chart.SetValue("Annual Income", i, distribution);
        chart.SetValue("Total Income", i, toDate);
        chart.SetValue("Account Value", i, balance);
    }
    chart.AutoColumn();
    chart.AutoRow();
    chart.SetRotateX(-20);
    chart.SetRotateY(15);
    chart.SetLightX(-40);
    chart.SetLightY(-55);
}

void RenderGraph(benchmark::State& state) {
    output::GraphChart chart;
    FillChart(chart);
    const auto width = static_cast<std::int32_t>(state.range(0));
    const auto height = static_cast<std::int32_t>(state.range(1));
    for (auto _ : state) {
        HBITMAP picture = nullptr;
        if (output::RenderGraph(chart, width, height, picture) != output::GraphError::OK) {
            state.SkipWithError("the graph was not rendered");
            break;
        }
        DeleteObject(picture);
    }
}
BENCHMARK(RenderGraph)->Args({640, 480})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

} // namespace
