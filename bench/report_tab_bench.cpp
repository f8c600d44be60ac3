// The Report tab of a Stretch illustration shown through the Qt skin on an offscreen screen:
// from the click on the tab to its first page painted on the screen. The click validates,
// calculates, fills the template, draws the graph and composes the report, and the tab shows the
// pages as images at the screen's resolution, as the program does. Between two clicks the
// Stretch tab is chosen again, outside the time measured.
#include "bench/stretch_window.h"

#include "platform/forms/user_actions.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ReportTabClickToFirstPage(benchmark::State& state) {
    const bench::BenchFolder folder;
    if (!folder.Registered()) {
        state.SkipWithError("the Output module cannot be registered");
        return;
    }
    bench::StretchWindow window(folder.WorkFolder(), bench::Presentation::Screen);
    const int inputs = window.Tab("Stretch");
    const int report = window.Tab("&Report");
    forms::TabControl& tabs = window.main.TabOne1;
    for (auto _ : state) {
        state.PauseTiming();
        forms::user::ChooseTab(tabs, inputs);
        window.app.RunPending();
        bench::PaintNow(*window.skin, window.main.VSPrinter1);
        state.ResumeTiming();
        forms::user::ChooseTab(tabs, report);
        window.app.RunPending();
        bench::PaintNow(*window.skin, window.main.VSPrinter1);
    }
    if (window.main.VSPrinter1.Pages().empty()) {
        state.SkipWithError("the Report tab shows no pages");
    }
    state.counters["pages"] = static_cast<double>(window.main.VSPrinter1.Pages().size());
}
BENCHMARK(BM_ReportTabClickToFirstPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunBenchmarksOnScreen(argc, argv);
}
