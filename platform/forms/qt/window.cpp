// The skin's windows: one top-level widget per showing form with a client area and a menu bar,
// one widget per control, Qt timers for the model's timers, and the window events (close box,
// resizing) that go back to the model.
#include "platform/forms/control_visitor.h"
#include "platform/forms/qt/skin.h"
#include "platform/forms/qt/src/access_key_widgets.h"
#include "platform/forms/qt/src/sync_scope.h"
#include "platform/forms/qt/src/widgets.h"
#include "platform/forms/user_actions.h"
#include "platform/qt/text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QTimer>

namespace forms::qt {

using qtkit::FromWindows1252;

// How each kind is shown: menus on the menu bar, timers as Qt timers, the rest as widgets.
class Skin::Presenter final : public ControlVisitor<void> {
public:
    Presenter(Skin& skin, Window& window) : skin_(skin), window_(window) {}

    void operator()(TextBox& control) override { Widget(control); }
    void operator()(Label& control) override { Widget(control); }
    void operator()(Frame& control) override { Widget(control); }
    void operator()(Line& control) override { Widget(control); }
    void operator()(Resizer& control) override { Widget(control); }
    void operator()(CommandButton& control) override { Widget(control); }
    void operator()(CheckBox& control) override { Widget(control); }
    void operator()(OptionButton& control) override { Widget(control); }
    void operator()(ListBox& control) override { Widget(control); }
    void operator()(ComboBox& control) override { Widget(control); }
    void operator()(HScrollBar& control) override { Widget(control); }
    void operator()(PictureBox& control) override { Widget(control); }
    void operator()(TabControl& tabs) override {
        Widget(tabs);
        // Pages show or hide with the current tab; their controls keep their own flags.
        for (Control* child : tabs.Parent().Controls()) {
            if (child->Container() == &tabs) {
                if (QWidget* childWidget = skin_.WidgetOf(*child)) {
                    SyncScope scope(skin_.syncing_);
                    childWidget->setVisible(child->Visible());
                }
            }
        }
    }
    void operator()(Grid& control) override { Widget(control); }
    void operator()(Menu& menu) override { skin_.SyncMenu(menu, window_); }
    void operator()(Timer& timer) override { skin_.SyncTimer(timer); }
    void operator()(PrintDocumentView& control) override { Widget(control); }

private:
    void Widget(Control& control) {
        if (QWidget* widget = skin_.EnsureWidget(control)) {
            SyncScope scope(skin_.syncing_);
            SyncWidget(control, *widget, skin_.app_.GetScreen());
        }
    }

    Skin& skin_;
    Window& window_;
};

void Skin::Present(Control& control, Window& window) {
    Presenter presenter(*this, window);
    Visit(control, presenter);
}

Skin::Window& Skin::EnsureWindow(Form& form) {
    auto found = windows_.find(&form);
    if (found != windows_.end()) {
        return found->second;
    }
    Window& window = windows_[&form];
    window.widget = std::make_unique<QWidget>();
    window.widget->setObjectName(QString::fromStdString(form.Name()));
    window.widget->installEventFilter(this);
    formsByWindow_[window.widget.get()] = &form;
    window.client = new QWidget(window.widget.get());
    window.client->setAutoFillBackground(true);
    for (Control* control : form.Controls()) {
        Present(*control, window);
    }
    return window;
}

void Skin::DestroyWindow(Form& form) {
    auto found = windows_.find(&form);
    if (found == windows_.end()) {
        return;
    }
    std::erase_if(controlsByWidget_,
                  [&form](const auto& entry) { return &entry.second->Parent() == &form; });
    for (Control* control : form.Controls()) {
        widgets_.erase(control);
        menus_.erase(control);
        actions_.erase(control);
        if (auto timer = timers_.find(control); timer != timers_.end()) {
            Retire(timer->second.release());
            timers_.erase(timer);
        }
        if (pressed_ == control) {
            pressed_ = nullptr;
        }
        if (enteringPress_.box == control) {
            enteringPress_ = {};
        }
        if (refusalToldTo_ == control) {
            refusalToldTo_ = nullptr;
        }
    }
    formsByWindow_.erase(found->second.widget.get());
    QWidget* widget = found->second.widget.release();
    windows_.erase(found);
    widget->removeEventFilter(this);
    {
        SyncScope scope(syncing_);
        widget->hide();
    }
    Retire(widget);
}

void Skin::Retire(QObject* object) {
    // The window goes while one of its own menus, widgets or timers may still be running the
    // signal that closed it (File > Exit): it hears nothing more from here and is deleted once
    // Qt is back in the event loop that delivered that signal.
    QObject::disconnect(object, nullptr, this, nullptr);
    for (QObject* child : object->findChildren<QObject*>()) {
        QObject::disconnect(child, nullptr, this, nullptr);
    }
    if (auto* timer = qobject_cast<QTimer*>(object)) {
        timer->stop();
    }
    std::erase_if(retired_, [](const QPointer<QObject>& gone) { return gone.isNull(); });
    retired_.emplace_back(object);
    object->deleteLater();
}

QWidget* Skin::ParentWidgetFor(Control& control) {
    Control* container = control.Container();
    if (container == nullptr) {
        return windows_.at(&control.Parent()).client;
    }
    QWidget* parent = EnsureWidget(*container);
    if (parent != nullptr && container->Kind() == ControlKind::TabControl) {
        return static_cast<TabControlWidget*>(parent)->Page(control.ContainerPage());
    }
    return parent;
}

QWidget* Skin::EnsureWidget(Control& control) {
    if (QWidget* existing = WidgetOf(control)) {
        return existing;
    }
    QWidget* parent = ParentWidgetFor(control);
    QWidget* widget = parent != nullptr ? CreateWidget(control, parent) : nullptr;
    if (widget == nullptr) {
        return nullptr;
    }
    widget->setObjectName(QString::fromStdString(control.DisplayName()));
    widgets_[&control] = widget;
    WireInput(control, *widget);
    SyncScope scope(syncing_);
    SyncWidget(control, *widget, app_.GetScreen());
    return widget;
}

void Skin::SyncMenu(Menu& menu, Window& window) {
    if (menu.IsTopLevel()) {
        if (window.menuBar == nullptr) {
            window.menuBar = new QMenuBar(window.widget.get());
        }
        QMenu*& qmenu = menus_[&menu];
        if (qmenu == nullptr) {
            qmenu = window.menuBar->addMenu(QString());
            QObject::connect(qmenu, &QMenu::aboutToShow, this,
                             [this, &menu] { Act([&] { user::OpenMenu(menu); }); });
        }
        // A hidden menu keeps no access key: the menu bar would take Alt with it from the
        // controls that have it.
        const QString caption = FromWindows1252(menu.Caption());
        qmenu->setTitle(menu.Visible() ? caption : EscapedAmpersands(caption));
        qmenu->menuAction()->setVisible(menu.Visible());
        qmenu->setEnabled(menu.Enabled());
        return;
    }
    auto parent = menus_.find(menu.ParentMenu());
    if (parent == menus_.end()) {
        SyncMenu(*menu.ParentMenu(), window);
        parent = menus_.find(menu.ParentMenu());
    }
    QAction*& action = actions_[&menu];
    if (action == nullptr) {
        action = parent->second->addAction(QString());
        QObject::connect(action, &QAction::triggered, this,
                         [this, &menu] { Act([&] { user::OpenMenu(menu); }); });
    }
    action->setSeparator(menu.IsSeparator());
    action->setText(menu.IsSeparator() ? QString() : FromWindows1252(menu.Caption()));
    action->setCheckable(menu.Checked());
    action->setChecked(menu.Checked());
    action->setVisible(menu.Visible());
    action->setEnabled(menu.Enabled());
}

void Skin::SyncTimer(Timer& timer) {
    std::unique_ptr<QTimer>& qtimer = timers_[&timer];
    if (qtimer == nullptr) {
        qtimer = std::make_unique<QTimer>();
        QObject::connect(qtimer.get(), &QTimer::timeout, this,
                         [this, &timer] { Act([&] { user::Tick(timer); }); });
    }
    if (timer.IsRunning()) {
        if (!qtimer->isActive() || qtimer->interval() != timer.Interval()) {
            qtimer->start(timer.Interval());
        }
    } else {
        qtimer->stop();
    }
}

void Skin::SyncWindow(Form& form, Window& window) {
    SyncScope scope(syncing_);
    const Screen& screen = app_.GetScreen();
    QWidget& widget = *window.widget;
    widget.setWindowTitle(FromWindows1252(form.Caption()));
    // The client area is the form's inside (ScaleWidth x ScaleHeight); a menu bar that needs
    // more than the form leaves it makes the window taller rather than the client area shorter.
    const int menuHeight = window.menuBar != nullptr ? window.menuBar->sizeHint().height() : 0;
    const int width = form.ScaleWidth() / screen.twipsPerPixelX;
    const int height = form.ScaleHeight() / screen.twipsPerPixelY;
    if (window.menuBar != nullptr) {
        window.menuBar->setGeometry(0, 0, width, menuHeight);
    }
    window.client->setGeometry(0, menuHeight, width, height);
    QPalette palette = window.client->palette();
    palette.setColor(QPalette::Window, ToQColor(form.BackColor()));
    window.client->setPalette(palette);
    // While the model follows what the window system did to the window (the user resized,
    // moved, maximised or restored it), the window is not given its size, place and state back:
    // they are the model's already, or are still on their way.
    const bool following = following_ == &form;
    if (form.GetBorderStyle() == BorderStyle::FixedDialog) {
        widget.setFixedSize(width, height + menuHeight);
    } else if (!following) {
        widget.setMinimumSize(0, 0);
        widget.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        widget.resize(width, height + menuHeight);
    }
    // Left and Top are where the frame stands, as Qt's move of a window takes them.
    if (form.GetWindowState() == WindowState::Normal && !following) {
        widget.move(form.Left() / screen.twipsPerPixelX, form.Top() / screen.twipsPerPixelY);
    }
    if (form.MousePointer() == vbHourglass) {
        widget.setCursor(Qt::WaitCursor);
    } else {
        widget.unsetCursor();
    }
    // A window without an icon of its own shows the program's, as message boxes do.
    if (app_.Icon().Bytes() != programIcon_) {
        programIcon_ = app_.Icon().Bytes();
        QApplication::setWindowIcon(ToQIcon(app_.Icon()));
    }
    const Picture& icon = form.Icon().IsEmpty() ? app_.Icon() : form.Icon();
    if (icon.Bytes() != window.icon) {
        window.icon = icon.Bytes();
        widget.setWindowIcon(ToQIcon(icon));
    }
    if (!widget.isVisible()) {
        widget.setWindowModality(form.IsModal() ? Qt::ApplicationModal : Qt::NonModal);
        // Flags are set while the window is hidden: setting them hides a window that shows.
        // A fixed dialog's frame offers only the close box.
        const Qt::WindowFlags fixedDialog = Qt::Window | Qt::CustomizeWindowHint |
                                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                            Qt::WindowCloseButtonHint;
        if (form.GetBorderStyle() == BorderStyle::FixedDialog &&
            widget.windowFlags() != fixedDialog) {
            widget.setWindowFlags(fixedDialog);
        }
    }
    if (following) {
        return;
    }
    switch (form.GetWindowState()) {
    case WindowState::Minimized:
        widget.showMinimized();
        break;
    case WindowState::Maximized:
        widget.showMaximized();
        break;
    case WindowState::Normal:
        widget.showNormal();
        break;
    }
}

void Skin::Follow(Form& form, const std::function<void()>& action) {
    const Form* was = following_;
    following_ = &form;
    Act(action);
    following_ = was;
}

bool Skin::HandleWindowEvent(Form& form, QEvent& event) {
    if (event.type() == QEvent::Close) {
        event.ignore();
        Act([&] { user::CloseForm(form); });
        return true;
    }
    if (event.type() == QEvent::KeyPress) {
        return HandleKey(nullptr, static_cast<QKeyEvent&>(event));
    }
    if (event.type() == QEvent::KeyRelease) {
        return true;
    }
    if (event.type() == QEvent::WindowStateChange && !syncing_) {
        // Maximised, minimised or restored by the user or the window manager.
        const Qt::WindowStates shown = windows_.at(&form).widget->windowState();
        const WindowState state = (shown & Qt::WindowMinimized) != 0 ? WindowState::Minimized
                                  : (shown & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0
                                      ? WindowState::Maximized
                                      : WindowState::Normal;
        if (state != form.GetWindowState()) {
            Follow(form, [&] { user::ChangeWindowState(form, state); });
        }
    }
    if (event.type() == QEvent::Move && !syncing_) {
        // Moved by the user or placed by the window manager: Left and Top follow the frame.
        const Screen& screen = app_.GetScreen();
        const QWidget& widget = *windows_.at(&form).widget;
        const QPoint frame = widget.pos();
        if (widget.isVisible() && widget.windowState() == Qt::WindowNoState &&
            (frame.x() != form.Left() / screen.twipsPerPixelX ||
             frame.y() != form.Top() / screen.twipsPerPixelY)) {
            Follow(form, [&] {
                user::MoveForm(form, frame.x() * screen.twipsPerPixelX,
                               frame.y() * screen.twipsPerPixelY);
            });
        }
    }
    if (event.type() == QEvent::Resize && !syncing_) {
        const Screen& screen = app_.GetScreen();
        const auto& resize = static_cast<QResizeEvent&>(event);
        const Window& window = windows_.at(&form);
        const int menuHeight = window.menuBar != nullptr ? window.menuBar->height() : 0;
        const int width = resize.size().width();
        const int height = resize.size().height() - menuHeight;
        if (width != form.ScaleWidth() / screen.twipsPerPixelX ||
            height != form.ScaleHeight() / screen.twipsPerPixelY) {
            const int frameWidth = form.Width() - form.ScaleWidth();
            const int frameHeight = form.Height() - form.ScaleHeight();
            Follow(form, [&] {
                user::ResizeForm(form, width * screen.twipsPerPixelX + frameWidth,
                                 height * screen.twipsPerPixelY + frameHeight);
            });
        }
    }
    return false;
}

} // namespace forms::qt
