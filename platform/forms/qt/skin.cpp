#include "platform/forms/qt/skin.h"

#include "platform/forms/control.h"
#include "platform/forms/qt/src/message_box.h"
#include "platform/forms/qt/src/sync_scope.h"
#include "platform/forms/user_actions.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace forms::qt {

Skin::Skin(Application& app) : app_(app) {
    app_.SetHost(this);
    app_.SetMessageBoxService(this);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        Screen& model = app_.GetScreen();
        model.width = screen->geometry().width() * model.twipsPerPixelX;
        model.height = screen->geometry().height() * model.twipsPerPixelY;
    }
}

Skin::~Skin() {
    app_.SetHost(nullptr);
    app_.SetMessageBoxService(nullptr);
    for (const auto& form : app_.Forms()) {
        DestroyWindow(*form);
    }
    // No signal of the skin's runs any more: what Qt has not deleted yet goes now.
    for (const QPointer<QObject>& object : retired_) {
        delete object.data();
    }
}

QWidget* Skin::WindowOf(const Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second.widget.get();
}

QWidget* Skin::WidgetOf(const Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
}

void Skin::Act(const std::function<void()>& action) {
    // Nothing may escape into Qt's event loop: an exception thrown through it ends the process.
    try {
        action();
        app_.RunPending();
    } catch (const UnreachableError&) {
        // The widget was out of date for a moment; the model refused, nothing happened.
    } catch (...) {
        app_.ShowUntrappedError(std::current_exception());
    }
}

void Skin::FormChanged(Form& form) {
    if (!form.IsLoaded()) {
        DestroyWindow(form);
        return;
    }
    if (form.IsShowing()) {
        SyncWindow(form, EnsureWindow(form));
    } else if (QWidget* window = WindowOf(form)) {
        SyncScope scope(syncing_);
        window->hide();
    }
}

void Skin::ControlChanged(Control& control) {
    auto window = windows_.find(&control.Parent());
    if (window == windows_.end()) {
        return; // built with every control when the form first shows
    }
    Present(control, window->second);
}

void Skin::FocusChanged(Control* focused) {
    if (focused != refusalToldTo_) {
        refusalToldTo_ = nullptr;
    }
    if (focused == nullptr) {
        return;
    }
    if (QWidget* widget = WidgetOf(*focused)) {
        SyncScope scope(syncing_);
        widget->activateWindow();
        widget->setFocus(Qt::OtherFocusReason);
        // The style draws the focus indicator only in a window whose focus Qt saw move by the
        // keyboard, and Qt forgets that at other moves; here every control that holds the focus
        // shows it, however the focus came.
        widget->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    }
}

void Skin::EventQueued() {
    if (runScheduled_) {
        return;
    }
    runScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        runScheduled_ = false;
        Act([] {});
    });
}

void Skin::WaitForInput(Form&) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void Skin::PollInput() {
    QCoreApplication::processEvents();
}

void Skin::ProgramEnded() {
    for (const auto& form : app_.Forms()) {
        DestroyWindow(*form);
    }
    QCoreApplication::quit();
}

int Skin::ShowMessageBox(const MessageBoxRequest& request) {
    return ShowQtMessageBox(request);
}

void Skin::Beep() {
    QApplication::beep();
}

} // namespace forms::qt
