// The main window's layout when its size changes: the containers, the tab control, the divider
// lines and the hint lines follow the window; the graph hides until the timer redraws it.
#include "program/ui/main_form.h"

#include <exception>
#include <functional>

namespace ui {

namespace {

// A step that fails is skipped and the next one runs.
void Step(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception&) {
        return;
    }
}

} // namespace

void frmMain::FormResize() {
    if (GetWindowState() == forms::WindowState::Minimized) {
        return;
    }
    const int width = Width();
    const int height = Height();
    if (width < MinFormWidth || height < MinFormHeight) {
        return;
    }
    Step([&] { Timer1.SetEnabled(true); });
    Step([&] {
        ElasticOne1.SetWidth(width - 150);
        ElasticOne1.SetHeight(height - 750);
    });
    Step([&] {
        Line1.SetX2(ElasticOne1.Width() - Line1.X1());
        Line2.SetX2(Line1.X2());
    });
    Step([&] {
        TabOne1.SetWidth(ElasticOne1.Width() - 2 * TabOne1.Left());
        TabOne1.SetHeight(ElasticOne1.Height() - (TabOne1.Top() + 100));
    });
    Step([&] {
        ElasticOne2(0).SetWidth(TabOne1.Width() - 4 * ElasticOne2(0).Left());
        ElasticOne2(0).SetHeight(TabOne1.Height() - ElasticOne2(0).Top());
    });
    for (int page = 1; page <= 4; ++page) {
        Step([&] {
            ElasticOne2(page).SetWidth(ElasticOne2(0).Width());
            ElasticOne2(page).SetHeight(ElasticOne2(0).Height());
        });
    }
    constexpr std::pair<int, int> kHintUnderFrame[] = {{0, 3}, {1, 6}, {2, 10}, {3, 15}};
    for (const auto& [hint, frame] : kHintUnderFrame) {
        Step([&] { Label3(hint).SetTop(Frame1(frame).Top() + Frame1(frame).Height() + 100); });
    }
    Step([&] { TabOne1.Refresh(); });
    forms::Control* graphControls[] = {&picGraph,   &hScrollGraph, &lstGraph, &chkBackground,
                                       &chkTopView, &chkGrayScale, &Label3(4)};
    for (forms::Control* control : graphControls) {
        Step([&] { control->SetVisible(false); });
    }
}

} // namespace ui
