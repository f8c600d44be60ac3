#include "platform/forms/qt/testing/edit_input.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QWidget>

namespace forms::qt::testing {

bool PasteFromTheEditMenu(QWidget& edit) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), edit.mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(&edit, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
        return false;
    }
    bool chosen = false;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith("&Paste")) {
            action->trigger();
            chosen = true;
        }
    }
    menu->close();
    return chosen;
}

void DropText(QWidget& edit, const QString& text) {
    QMimeData mime;
    mime.setText(text);
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&edit, &enter);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&edit, &drop);
}

} // namespace forms::qt::testing
