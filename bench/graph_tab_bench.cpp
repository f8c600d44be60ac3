// The Graph tab of a Stretch illustration shown through the Qt skin on an offscreen screen: from
// a click on an entry of the years list, or on the Top View check box, to the new picture
// painted on the screen. Each click validates, calculates and draws the graph again, as the
// program does.
#include "bench/stretch_window.h"

#include "platform/forms/user_actions.h"

#include <benchmark/benchmark.h>

namespace {

// The Stretch window on its Graph tab, the first graph drawn.
struct GraphTab {
    GraphTab() : window(folder.WorkFolder(), bench::Presentation::Screen) {
        forms::user::ChooseTab(window.main.TabOne1, window.Tab("&Graph"));
        window.app.RunPending();
        forms::user::Tick(window.main.Timer1);
        bench::PaintNow(*window.skin, window.main.picGraph);
    }

    bool Drawn() const { return !window.main.picGraph.GetPicture().IsEmpty(); }

    bench::BenchFolder folder;
    bench::StretchWindow window;
};

void BM_GraphTabListEntryToPicture(benchmark::State& state) {
    GraphTab tab;
    if (!tab.folder.Registered() || !tab.Drawn()) {
        state.SkipWithError("the Graph tab shows no graph");
        return;
    }
    forms::ListBox& list = tab.window.main.lstGraph;
    int entry = 0;
    for (auto _ : state) {
        entry = (entry + 1) % list.ListCount();
        forms::user::ChooseItem(list, entry);
        tab.window.app.RunPending();
        bench::PaintNow(*tab.window.skin, tab.window.main.picGraph);
    }
    if (!tab.Drawn()) {
        state.SkipWithError("the last click left no graph");
    }
}
BENCHMARK(BM_GraphTabListEntryToPicture)->Unit(benchmark::kMillisecond);

void BM_GraphTabCheckBoxToPicture(benchmark::State& state) {
    GraphTab tab;
    if (!tab.folder.Registered() || !tab.Drawn()) {
        state.SkipWithError("the Graph tab shows no graph");
        return;
    }
    for (auto _ : state) {
        forms::user::Click(tab.window.main.chkTopView);
        tab.window.app.RunPending();
        bench::PaintNow(*tab.window.skin, tab.window.main.picGraph);
    }
    if (!tab.Drawn()) {
        state.SkipWithError("the last click left no graph");
    }
}
BENCHMARK(BM_GraphTabCheckBoxToPicture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunBenchmarksOnScreen(argc, argv);
}
