// The Report tab of a Stretch illustration shown through the Qt skin on an offscreen screen:
// from the click on the tab to its first page painted on the screen. The click validates,
// calculates, fills the template, draws the graph and composes the report, and the tab shows the
// pages as images at the screen's resolution, as the program does. The time is taken when Qt
// paints the first page's picture; the CPU column counts the whole click, the other pages
// included. Between two clicks the Stretch tab is chosen again, outside the time measured.
#include "bench/stretch_window.h"

#include "platform/forms/user_actions.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <chrono>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

// Notes when Qt first paints a page picture of the print document view.
class FirstPagePainted final : public QObject {
public:
    explicit FirstPagePainted(QWidget* view) : view_(view) { qApp->installEventFilter(this); }
    ~FirstPagePainted() override { qApp->removeEventFilter(this); }
    FirstPagePainted(const FirstPagePainted&) = delete;
    FirstPagePainted& operator=(const FirstPagePainted&) = delete;

    void Reset() { paintedAt_.reset(); }
    std::optional<Clock::time_point> PaintedAt() const { return paintedAt_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!paintedAt_ && event->type() == QEvent::Paint) {
            const auto* label = qobject_cast<const QLabel*>(watched);
            if (label != nullptr && !label->pixmap().isNull() && view_->isAncestorOf(label)) {
                paintedAt_ = Clock::now();
            }
        }
        return false;
    }

private:
    QWidget* view_;
    std::optional<Clock::time_point> paintedAt_;
};

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
    FirstPagePainted painted(window.skin->WidgetOf(window.main.VSPrinter1));
    for (auto _ : state) {
        state.PauseTiming();
        forms::user::ChooseTab(tabs, inputs);
        window.app.RunPending();
        bench::PaintNow(*window.skin, window.main.VSPrinter1);
        painted.Reset();
        state.ResumeTiming();
        const Clock::time_point clicked = Clock::now();
        forms::user::ChooseTab(tabs, report);
        window.app.RunPending();
        bench::PaintNow(*window.skin, window.main.VSPrinter1);
        if (!painted.PaintedAt()) {
            state.SkipWithError("no page was painted");
            return;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(*painted.PaintedAt() - clicked).count());
    }
    state.counters["pages"] = static_cast<double>(window.main.VSPrinter1.Pages().size());
}
BENCHMARK(BM_ReportTabClickToFirstPage)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunBenchmarksOnScreen(argc, argv);
}
