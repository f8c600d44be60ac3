// The program's start-up path through the Qt skin on an offscreen screen, as the program's main
// runs it: the forms runtime and the skin, the saved illustrations, the main window and the
// report service, then the start-up window's load (the resource archive checked, the main
// window loaded, the splash picture extracted) until the start-up window is painted on the
// screen. The process itself, its libraries and Qt's start are not in the time: a person waits
// for those too, but they do not change with the program's code.
#include "bench/stretch_window.h"
#include "program/ui/saved_illustrations.h"
#include "program/ui/windows/start/start_form.h"

#include "platform/system/folders.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWidget>

namespace {

void BM_StartUpToTheFirstWindow(benchmark::State& state) {
    const bench::BenchFolder folder;
    if (!folder.Registered()) {
        state.SkipWithError("the Output module cannot be registered");
        return;
    }
    bool shown = true;
    for (auto _ : state) {
        sys::EnterProgramFolder();
        forms::Application app("Tallowmere");
        forms::qt::Skin skin(app);
        ui::ProgramState program;
        ui::SavedIllustrations store(app, program);
        ui::frmMain& main = app.Create<ui::frmMain>(program);
        compose::ReportComposer composer;
        ui::ReportService reports(app, composer, ui::ProgramReportLocations());
        main.SetServices(reports, store);
        ui::frmStart& start = app.Create<ui::frmStart>(program, main);
        start.Start();
        QCoreApplication::processEvents();
        QWidget* window = skin.WindowOf(start);
        shown = shown && window != nullptr && window->isVisible();
        if (window != nullptr) {
            window->repaint();
        }
        state.PauseTiming();
        // The windows go before the forms they show, as at the program's end.
        app.End();
        state.ResumeTiming();
    }
    if (!shown) {
        state.SkipWithError("the start-up window did not show");
    }
}
BENCHMARK(BM_StartUpToTheFirstWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunBenchmarksOnScreen(argc, argv);
}
