// The Qt 6 Widgets skin: shows the model's forms as top-level widgets with their controls at
// their twips positions (15 twips a pixel; Qt scales logical pixels with the screen), sends the
// user's mouse and keys into the model through forms::user, and brings widgets in step when the
// model reports a change. The model decides every event: Qt's own signals never raise one.
// Message boxes are Qt message boxes, timers Qt timers, menus a menu bar; modal forms run the
// model's nested loop, which waits for Qt events. Run-time errors that escape an event handler
// end the program after a message, as the original runtime does.
#pragma once

#include <QObject>

#include <memory>
#include <unordered_map>

#include "platform/forms/application.h"
#include "platform/forms/host.h"
#include "platform/forms/message_box.h"

class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QTimer;
class QWidget;

namespace forms {
class Menu;
class Timer;
} // namespace forms

namespace forms::qt {

class Skin : public QObject, public Host, public MessageBoxService {
public:
    // Becomes the application's host and message box service. A QApplication must exist.
    explicit Skin(Application& app);
    ~Skin() override;
    Skin(const Skin&) = delete;
    Skin& operator=(const Skin&) = delete;

    // The top-level widget of a form that shows, and the widget of a control on it.
    QWidget* WindowOf(const Form& form) const;
    QWidget* WidgetOf(const Control& control) const;

    void FormChanged(Form& form) override;
    void ControlChanged(Control& control) override;
    void FocusChanged(Control* focused) override;
    void EventQueued() override;
    void WaitForInput(Form& modalForm) override;
    void PollInput() override;
    void ProgramEnded() override;

    int ShowMessageBox(const MessageBoxRequest& request) override;
    void Beep() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Window {
        std::unique_ptr<QWidget> widget;
        QMenuBar* menuBar = nullptr;
        QWidget* client = nullptr;
    };

    Window& EnsureWindow(Form& form);
    void DestroyWindow(Form& form);
    void SyncWindow(Form& form, Window& window);
    QWidget* EnsureWidget(Control& control);
    QWidget* ParentWidgetFor(Control& control);
    void SyncMenu(Menu& menu, Window& window);
    void SyncTimer(Timer& timer);
    bool HandleKey(QKeyEvent& event);
    bool HandleMouse(Control& control, QWidget& widget, QEvent& event);
    bool HandleWindowEvent(Form& form, QEvent& event);
    // Runs a user action and the events it queued; errors a handler left untrapped end the
    // program after a message.
    template <class F>
    void Act(F&& action);

    Application& app_;
    std::unordered_map<const Form*, Window> windows_;
    std::unordered_map<const QObject*, Form*> formsByWindow_;
    std::unordered_map<const Control*, QWidget*> widgets_;
    std::unordered_map<const QObject*, Control*> controlsByWidget_;
    std::unordered_map<const Control*, QMenu*> menus_;
    std::unordered_map<const Control*, QAction*> actions_;
    std::unordered_map<const Control*, std::unique_ptr<QTimer>> timers_;
    bool syncing_ = false;
    bool runScheduled_ = false;
};

} // namespace forms::qt
