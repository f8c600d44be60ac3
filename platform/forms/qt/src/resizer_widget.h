// The resizer's widget: a container that draws nothing and takes no input of its own. Qt gives
// a press, a release or a wheel turn to the topmost widget under the mouse and, when that one
// does not take it, to its parent, never to a sibling under it; so the widget's mask is kept to
// the union of its showing children, and over the rest of it the input reaches whatever control
// lies under the resizer.
#pragma once

#include <QWidget>

namespace forms::qt {

class ResizerWidget final : public QWidget {
public:
    explicit ResizerWidget(QWidget* parent);

protected:
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitMaskToChildren();
};

} // namespace forms::qt
