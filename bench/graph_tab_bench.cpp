// The Graph tab of a Stretch illustration shown through the Qt skin on an offscreen screen: from
// a click on an entry of the years list, or on the Top View check box, to the new picture
// painted on the screen. Each click validates and calculates again, as the program does, and
// shows the graph of its inputs, drawn once for them: after the first round of entries or
// views the pictures are those drawn before. A step of the scroll bar changes the graph's last
// age, so that each step draws a graph never drawn before: the time of a new drawing.
#include "bench/stretch_window.h"

#include "platform/forms/user_actions.h"

#include <benchmark/benchmark.h>

#include <algorithm>

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

void BM_GraphTabScrollToNewPicture(benchmark::State& state) {
    GraphTab tab;
    if (!tab.folder.Registered() || !tab.Drawn()) {
        state.SkipWithError("the Graph tab shows no graph");
        return;
    }
    forms::HScrollBar& scroll = tab.window.main.hScrollGraph;
    const int first = std::min(scroll.Min(), scroll.Max());
    const int last = std::max(scroll.Min(), scroll.Max());
    int age = last;
    for (auto _ : state) {
        age = age == last ? first : age + 1;
        forms::user::Scroll(scroll, age);
        tab.window.app.RunPending();
        bench::PaintNow(*tab.window.skin, tab.window.main.picGraph);
    }
    state.counters["ages"] = last - first + 1;
    if (!tab.Drawn()) {
        state.SkipWithError("the last step left no graph");
    }
}
BENCHMARK(BM_GraphTabScrollToNewPicture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunBenchmarksOnScreen(argc, argv);
}
