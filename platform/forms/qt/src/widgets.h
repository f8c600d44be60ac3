// One Qt widget per model control: which widget stands for which kind of control, and how a
// widget is brought in step with its control. Nothing here raises model events; the skin feeds
// user input to the model and calls SyncWidget when the model says a control changed.
#pragma once

#include "platform/forms/color.h"
#include "platform/forms/picture.h"

#include <QColor>
#include <QIcon>
#include <QWidget>

#include <vector>

namespace forms {
class Control;
struct Screen;
} // namespace forms

namespace forms::qt {

class AccessKeyTabBar;

// The tab control: a tab bar over one page per tab; the page of the current tab shows.
class TabControlWidget : public QWidget {
public:
    TabControlWidget(int tabCount, QWidget* parent);
    AccessKeyTabBar* Bar() const { return bar_; }
    QWidget* Page(int tab) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    AccessKeyTabBar* bar_;
    std::vector<QWidget*> pages_;
};

// A colour of the model, system colours resolved, as Qt's.
QColor ToQColor(Color color);
// A picture of the model as a window's icon; an empty picture gives an empty icon.
QIcon ToQIcon(const Picture& picture);

// Creates the widget that shows `control`, as a child of `parent`. nullptr for menus and timers,
// which the skin shows apart (a menu bar, a Qt timer).
QWidget* CreateWidget(Control& control, QWidget* parent);
// Brings the widget made by CreateWidget in step with the control: place and size (twips to
// pixels), visibility, enabling, colours, tool tip and the control's own properties.
void SyncWidget(Control& control, QWidget& widget, const Screen& screen);

} // namespace forms::qt
