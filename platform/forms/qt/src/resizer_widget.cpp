#include "platform/forms/qt/src/resizer_widget.h"

#include <QChildEvent>
#include <QRegion>

namespace forms::qt {

ResizerWidget::ResizerWidget(QWidget* parent) : QWidget(parent) {
    FitMaskToChildren();
}

void ResizerWidget::childEvent(QChildEvent* event) {
    if (event->added() && event->child()->isWidgetType()) {
        event->child()->installEventFilter(this);
    }
    QWidget::childEvent(event);
    FitMaskToChildren();
}

bool ResizerWidget::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        FitMaskToChildren();
        break;
    default:
        break;
    }
    return false;
}

void ResizerWidget::FitMaskToChildren() {
    QRegion children;
    for (QObject* child : this->children()) {
        const auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && !widget->isHidden()) {
            children += widget->geometry();
        }
    }
    // An empty mask would be no mask at all: a resizer that holds nothing lets everything by.
    setAttribute(Qt::WA_TransparentForMouseEvents, children.isEmpty());
    if (children.isEmpty()) {
        clearMask();
    } else {
        setMask(children);
    }
}

} // namespace forms::qt
