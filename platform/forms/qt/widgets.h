// One Qt widget per model control: which widget stands for which control, and how a widget is
// brought in step with its control. Nothing here raises model events; the skin feeds user input
// to the model and calls Sync when the model says a control changed.
#pragma once

#include <QWidget>

#include <vector>

class QTabBar;

namespace forms {
class Control;
struct Screen;
} // namespace forms

namespace forms::qt {

// The tab control: a tab bar over one page per tab; the page of the current tab shows.
class TabControlWidget : public QWidget {
public:
    TabControlWidget(int tabCount, QWidget* parent);
    QTabBar* Bar() const { return bar_; }
    QWidget* Page(int tab) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* bar_;
    std::vector<QWidget*> pages_;
};

// Creates the widget that shows `control`, as a child of `parent`. nullptr for controls that
// have no widget (timers and menus, which the skin keeps apart).
QWidget* CreateWidget(Control& control, QWidget* parent);
// Brings the widget in step with the control: place and size (twips to pixels), visibility,
// enabling, colours, tool tip and the control's own properties.
void Sync(Control& control, QWidget& widget, const Screen& screen);
// The widgets of `widget` that receive the user's mouse and keys (a list's viewport, a combo
// box's edit line), besides the widget itself.
std::vector<QWidget*> InputWidgets(QWidget& widget);

} // namespace forms::qt
