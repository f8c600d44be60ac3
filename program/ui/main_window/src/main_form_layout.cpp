// The main window's layout when its size changes: the containers, the tab control, the divider
// lines, the hint lines and the report's pages follow the window; the graph hides until the timer
// redraws it, and its page is laid out again before each drawing.
#include "program/ui/main_window/main_form.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>

namespace ui {

namespace {

// Twips. The tab control's pages begin under its row of tabs, which takes this much of its
// height; the pages' containers keep their top margin under them at the bottom too.
constexpr int kTabStripHeight = 390;

// The graph page: the picture's margins, and what it leaves under itself for the controls.
constexpr int kGraphLeft = 120;
constexpr int kGraphTop = 90;
constexpr int kGraphControlsHeight = 1050;
constexpr int kGraphGap = 90;
constexpr int kGraphListWidth = 2550;
constexpr int kGraphCheckWidth = 1500;

// A step that fails is skipped and the next one runs.
void Step(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception&) {
        return;
    }
}

} // namespace

void frmMain::PlaceHintLines() {
    constexpr std::pair<int, int> kHintUnderFrame[] = {{0, 3}, {1, 6}, {2, 10}, {3, 15}};
    for (const auto& [hint, frame] : kHintUnderFrame) {
        Label3(hint).SetTop(Frame1(frame).Top() + Frame1(frame).Height() + 100);
    }
}

void frmMain::FormResize() {
    if (GetWindowState() == forms::WindowState::Minimized) {
        return;
    }
    // A window smaller than the layout's minimum is laid out for the minimum, each dimension on
    // its own, so that no control keeps the layout of a larger size. The window opens at its
    // first start a little lower than the minimum height, where its design fits it: the
    // design's heights stand until the window has been at least the minimum height.
    const int width = std::max(Width(), MinFormWidth);
    const int height = std::max(Height(), MinFormHeight);
    heightLaidOut_ = heightLaidOut_ || Height() >= MinFormHeight;
    const auto size = [this](forms::Control& control, int across, int down) {
        control.SetWidth(across);
        if (heightLaidOut_) {
            control.SetHeight(down);
        }
    };
    Step([&] { Timer1.SetEnabled(true); });
    Step([&] { size(ElasticOne1, width - 150, height - 750); });
    Step([&] {
        Line1.SetX2(ElasticOne1.Width() - Line1.X1());
        Line2.SetX2(Line1.X2());
    });
    Step([&] {
        size(TabOne1, ElasticOne1.Width() - 2 * TabOne1.Left(),
             ElasticOne1.Height() - (TabOne1.Top() + 100));
    });
    Step([&] {
        size(ElasticOne2(0), TabOne1.Width() - 4 * ElasticOne2(0).Left(),
             TabOne1.Height() - kTabStripHeight - 2 * ElasticOne2(0).Top());
    });
    for (int page = 1; page <= 5; ++page) {
        Step([&] {
            ElasticOne2(page).SetWidth(ElasticOne2(0).Width());
            ElasticOne2(page).SetHeight(ElasticOne2(0).Height());
        });
    }
    Step([&] { VSPrinter1.Move(0, 0, ElasticOne2(4).Width(), ElasticOne2(4).Height()); });
    Step([&] { PlaceHintLines(); });
    Step([&] { TabOne1.Refresh(); });
    forms::Control* graphControls[] = {&picGraph,   &hScrollGraph, &lstGraph, &chkBackground,
                                       &chkTopView, &chkGrayScale, &Label3(4)};
    for (forms::Control* control : graphControls) {
        Step([&] { control->SetVisible(false); });
    }
}

void frmMain::LayOutGraphPage() {
    const forms::Resizer& page = ElasticOne2(5);
    int width = page.Width() - 2 * kGraphLeft;
    int height = static_cast<int>(std::lround(width * 0.75));
    if (page.Height() - kGraphControlsHeight < height) {
        height = page.Height() - kGraphControlsHeight;
        width = static_cast<int>(std::lround(height * 1.3333));
    }
    picGraph.Move(kGraphLeft, kGraphTop, width, height);

    // Under the picture, from the left: the list of phases, the scroll bar of the last age with
    // its hint under it, and the check boxes, whose column ends where the picture ends.
    const int top = 2 * kGraphTop + height;
    lstGraph.Move(kGraphLeft, top, kGraphListWidth, lstGraph.Height());
    const int checkLeft = kGraphLeft + width - kGraphCheckWidth;
    const int scrollLeft = kGraphLeft + kGraphListWidth + kGraphLeft;
    const int scrollWidth = checkLeft - kGraphLeft - scrollLeft;
    hScrollGraph.Move(scrollLeft, top, scrollWidth, hScrollGraph.Height());
    chkBackground.Move(checkLeft, top, kGraphCheckWidth, chkBackground.Height());
    chkTopView.Move(checkLeft, top + chkBackground.Height() + kGraphGap, kGraphCheckWidth,
                    chkTopView.Height());
    chkGrayScale.Move(checkLeft, chkTopView.Top() + chkTopView.Height() + kGraphGap,
                      kGraphCheckWidth, chkGrayScale.Height());
    Label3(4).Move(scrollLeft, hScrollGraph.Top() + hScrollGraph.Height() + kGraphGap, scrollWidth,
                   Label3(4).Height());
}

} // namespace ui
