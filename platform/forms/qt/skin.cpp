#include "platform/forms/qt/skin.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>

#include "platform/forms/buttons.h"
#include "platform/forms/grid.h"
#include "platform/forms/label.h"
#include "platform/forms/lists.h"
#include "platform/forms/menu.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/qt/text.h"
#include "platform/forms/qt/widgets.h"
#include "platform/forms/scroll_bar.h"
#include "platform/forms/tab_control.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"
#include "platform/forms/user_actions.h"
#include "platform/runtime/runtime_error.h"

namespace forms::qt {

namespace {

// Brings widgets in step without taking Qt's resulting events for user input.
class SyncScope {
public:
    explicit SyncScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~SyncScope() { flag_ = was_; }
    SyncScope(const SyncScope&) = delete;
    SyncScope& operator=(const SyncScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

QMessageBox::Icon ToQtIcon(MessageBoxIcon icon) {
    switch (icon) {
    case MessageBoxIcon::Critical:
        return QMessageBox::Critical;
    case MessageBoxIcon::Question:
        return QMessageBox::Question;
    case MessageBoxIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageBoxIcon::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QString ButtonText(int answer) {
    switch (answer) {
    case vbOK:
        return "OK";
    case vbCancel:
        return "Cancel";
    case vbAbort:
        return "&Abort";
    case vbRetry:
        return "&Retry";
    case vbIgnore:
        return "&Ignore";
    case vbYes:
        return "&Yes";
    default:
        return "&No";
    }
}

// Clicks act on release inside the widget, as buttons do; the press is taken so that Qt does not
// toggle anything itself.
bool ActsOnRelease(const Control& control) {
    return dynamic_cast<const CommandButton*>(&control) != nullptr ||
           dynamic_cast<const CheckBox*>(&control) != nullptr ||
           dynamic_cast<const OptionButton*>(&control) != nullptr ||
           dynamic_cast<const Label*>(&control) != nullptr ||
           dynamic_cast<const PictureBox*>(&control) != nullptr;
}

} // namespace

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
}

QWidget* Skin::WindowOf(const Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second.widget.get();
}

QWidget* Skin::WidgetOf(const Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
}

template <class F>
void Skin::Act(F&& action) {
    try {
        action();
        app_.RunPending();
    } catch (const UnreachableError&) {
        // The widget was out of date for a moment; the model refused, nothing happened.
    } catch (const runtime::RuntimeError& error) {
        app_.MsgBox("Run-time error '" + std::to_string(error.Number()) + "':\r\n\r\n" +
                        error.what(),
                    vbCritical);
        app_.End();
    }
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
        if (auto* menu = dynamic_cast<Menu*>(control)) {
            SyncMenu(*menu, window);
        } else if (auto* timer = dynamic_cast<Timer*>(control)) {
            SyncTimer(*timer);
        } else {
            EnsureWidget(*control);
        }
    }
    return window;
}

void Skin::DestroyWindow(Form& form) {
    auto found = windows_.find(&form);
    if (found == windows_.end()) {
        return;
    }
    for (Control* control : form.Controls()) {
        if (QWidget* widget = WidgetOf(*control)) {
            for (QWidget* input : InputWidgets(*widget)) {
                controlsByWidget_.erase(input);
            }
        }
        widgets_.erase(control);
        menus_.erase(control);
        actions_.erase(control);
        timers_.erase(control);
    }
    formsByWindow_.erase(found->second.widget.get());
    found->second.widget->removeEventFilter(this);
    windows_.erase(found);
}

QWidget* Skin::ParentWidgetFor(Control& control) {
    Control* container = control.Container();
    if (container == nullptr) {
        return windows_.at(&control.Parent()).client;
    }
    QWidget* parent = EnsureWidget(*container);
    if (auto* tabs = dynamic_cast<TabControlWidget*>(parent)) {
        return tabs->Page(control.ContainerPage());
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
    for (QWidget* input : InputWidgets(*widget)) {
        controlsByWidget_[input] = &control;
        input->installEventFilter(this);
        input->setFocusPolicy(Qt::ClickFocus);
    }
    if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
        auto* list = static_cast<ListControl*>(&control);
        QObject::connect(combo, &QComboBox::activated, this, [this, list](int index) {
            if (!syncing_) {
                Act([&] { user::ChooseItem(*list, index); });
                ControlChanged(*list);
            }
        });
    }
    if (auto* scroll = dynamic_cast<QScrollBar*>(widget)) {
        auto* bar = static_cast<HScrollBar*>(&control);
        QObject::connect(scroll, &QAbstractSlider::actionTriggered, this, [this, scroll, bar](int) {
            if (!syncing_) {
                // Qt has computed where the user moved the thumb; the model takes it from here.
                Act([&] { user::Scroll(*bar, scroll->sliderPosition()); });
                ControlChanged(*bar);
            }
        });
    }
    {
        SyncScope scope(syncing_);
        Sync(control, *widget, app_.GetScreen());
    }
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
        qmenu->setTitle(FromWindows1252(menu.Caption()));
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
    action->setText(FromWindows1252(menu.Caption()));
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
    const int menuHeight = window.menuBar != nullptr ? window.menuBar->sizeHint().height() : 0;
    const int width = form.ScaleWidth() / screen.twipsPerPixelX;
    const int height = form.ScaleHeight() / screen.twipsPerPixelY;
    if (window.menuBar != nullptr) {
        window.menuBar->setGeometry(0, 0, width, menuHeight);
    }
    window.client->setGeometry(0, menuHeight, width, height);
    QPalette palette = window.client->palette();
    const std::uint32_t rgb = ResolveColor(form.BackColor());
    palette.setColor(QPalette::Window,
                     QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                            static_cast<int>((rgb >> 16) & 0xFF)));
    window.client->setPalette(palette);
    widget.setGeometry(form.Left() / screen.twipsPerPixelX, form.Top() / screen.twipsPerPixelY,
                       width, height + menuHeight);
    if (form.MousePointer() == vbHourglass) {
        widget.setCursor(Qt::WaitCursor);
    } else {
        widget.unsetCursor();
    }
    if (!form.Icon().IsEmpty()) {
        QPixmap icon;
        icon.loadFromData(reinterpret_cast<const uchar*>(form.Icon().Bytes().data()),
                          static_cast<uint>(form.Icon().Bytes().size()));
        widget.setWindowIcon(icon);
    }
    if (!widget.isVisible()) {
        widget.setWindowModality(form.IsModal() ? Qt::ApplicationModal : Qt::NonModal);
    }
    switch (form.GetWindowState()) {
    case WindowState::Minimized:
        widget.showMinimized();
        break;
    case WindowState::Maximized:
        widget.showMaximized();
        break;
    default:
        widget.showNormal();
        break;
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
    if (auto* menu = dynamic_cast<Menu*>(&control)) {
        SyncMenu(*menu, window->second);
        return;
    }
    if (auto* timer = dynamic_cast<Timer*>(&control)) {
        SyncTimer(*timer);
        return;
    }
    if (QWidget* widget = EnsureWidget(control)) {
        SyncScope scope(syncing_);
        Sync(control, *widget, app_.GetScreen());
        if (dynamic_cast<TabControl*>(&control) != nullptr) {
            // Pages show or hide with the current tab; their controls keep their own flags.
            for (Control* child : control.Parent().Controls()) {
                if (child->Container() == &control) {
                    if (QWidget* childWidget = WidgetOf(*child)) {
                        childWidget->setVisible(child->Visible());
                    }
                }
            }
        }
    }
}

void Skin::FocusChanged(Control* focused) {
    if (focused == nullptr) {
        return;
    }
    if (QWidget* widget = WidgetOf(*focused)) {
        SyncScope scope(syncing_);
        widget->activateWindow();
        widget->setFocus(Qt::OtherFocusReason);
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
    QString text = FromWindows1252(request.prompt);
    text.replace("\r\n", "\n");
    QMessageBox box(ToQtIcon(request.icon), FromWindows1252(request.title), text);
    const std::vector<int> answers = request.Answers();
    std::vector<QPushButton*> buttons;
    for (int answer : answers) {
        buttons.push_back(box.addButton(ButtonText(answer), answer == vbCancel || answer == vbNo
                                                                ? QMessageBox::RejectRole
                                                                : QMessageBox::AcceptRole));
    }
    box.setDefaultButton(buttons[static_cast<std::size_t>(request.defaultButton)]);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) {
            return answers[i];
        }
    }
    // Closed with Escape or the close box: the cancelling answer, else the only one.
    for (int answer : answers) {
        if (answer == vbCancel || answer == vbNo) {
            return answer;
        }
    }
    return answers.front();
}

void Skin::Beep() {
    QApplication::beep();
}

bool Skin::HandleKey(QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Tab:
        Act([&] { user::PressTab(app_, (event.modifiers() & Qt::ShiftModifier) != 0); });
        return true;
    case Qt::Key_Backtab:
        Act([&] { user::PressTab(app_, true); });
        return true;
    case Qt::Key_Backspace:
        Act([&] { user::TypeKey(app_, '\b'); });
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Act([&] { user::TypeKey(app_, '\r'); });
        return true;
    case Qt::Key_Escape:
        Act([&] { user::TypeKey(app_, 27); });
        return true;
    default:
        break;
    }
    for (char c : ToWindows1252(event.text())) {
        const auto key = static_cast<unsigned char>(c);
        if (key >= 32) {
            Act([&] { user::TypeKey(app_, key); });
        }
    }
    // Keys with no character (arrows, function keys) have no place in the model; Qt keeps none.
    return true;
}

bool Skin::HandleMouse(Control& control, QWidget& widget, QEvent& event) {
    auto& mouse = static_cast<QMouseEvent&>(event);
    if (event.type() == QEvent::MouseButtonRelease) {
        if (ActsOnRelease(control) && widget.rect().contains(mouse.position().toPoint())) {
            Act([&] { user::Click(control); });
        }
        return ActsOnRelease(control);
    }
    if (event.type() != QEvent::MouseButtonPress && event.type() != QEvent::MouseButtonDblClick) {
        return false;
    }
    const QPoint at = mouse.position().toPoint();
    if (auto* tabs = dynamic_cast<TabControl*>(&control)) {
        if (auto* bar = dynamic_cast<QTabBar*>(&widget)) {
            const int tab = bar->tabAt(at);
            if (tab >= 0) {
                Act([&] { user::ChooseTab(*tabs, tab); });
            }
            return true;
        }
        return false;
    }
    if (auto* list = dynamic_cast<ListBox*>(&control)) {
        auto* view = dynamic_cast<QAbstractItemView*>(widget.parentWidget());
        const int row = view != nullptr ? view->indexAt(at).row() : -1;
        Act([&] {
            if (row >= 0) {
                user::ChooseItem(*list, row);
            } else {
                user::Focus(*list);
            }
        });
        return true;
    }
    if (auto* grid = dynamic_cast<Grid*>(&control)) {
        auto* table = dynamic_cast<QTableWidget*>(widget.parentWidget());
        const int row = table != nullptr ? table->rowAt(at.y()) : -1;
        Act([&] {
            if (row >= 0) {
                user::SelectGridRow(*grid, row + 1);
            } else {
                user::Focus(*grid);
            }
        });
        return true;
    }
    if (ActsOnRelease(control)) {
        return true;
    }
    if (control.TakesFocus()) {
        Act([&] { user::Focus(control); });
    }
    // Combo boxes and scroll bars go on to Qt, which opens the list or moves the thumb; the
    // model hears of the outcome through activated and actionTriggered.
    return dynamic_cast<ComboBox*>(&control) == nullptr &&
           dynamic_cast<HScrollBar*>(&control) == nullptr;
}

bool Skin::HandleWindowEvent(Form& form, QEvent& event) {
    if (event.type() == QEvent::Close) {
        event.ignore();
        Act([&] { user::CloseForm(form); });
        return true;
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
            Act([&] {
                user::ResizeForm(form, width * screen.twipsPerPixelX + frameWidth,
                                 height * screen.twipsPerPixelY + frameHeight);
            });
        }
    }
    return false;
}

bool Skin::eventFilter(QObject* watched, QEvent* event) {
    if (const auto form = formsByWindow_.find(watched); form != formsByWindow_.end()) {
        return HandleWindowEvent(*form->second, *event);
    }
    const auto found = controlsByWidget_.find(watched);
    if (found == controlsByWidget_.end() || syncing_) {
        return false;
    }
    Control& control = *found->second;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        return HandleKey(static_cast<QKeyEvent&>(*event));
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return event->type() == QEvent::KeyRelease;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return HandleMouse(control, *widget, *event);
    default:
        return false;
    }
}

} // namespace forms::qt
