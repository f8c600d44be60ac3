// The Qt 6 Widgets skin: shows the model's forms as top-level widgets with their controls at
// their twips positions (15 twips a pixel; Qt scales logical pixels with the screen), sends the
// user's mouse and keys into the model through forms::user, and brings widgets in step when the
// model reports a change. The model decides every event and owns every text: Qt's own signals
// never raise one, and Qt's own editing (its context menu, drag and drop, input methods) never
// changes a text behind the model's back; nor do Qt's mnemonics: Alt with a control's access
// key goes to the model, and only the menu bar keeps its menus' keys. Input over a resizer or
// a label reaches the control under it, as the runtime's windowless controls let it. Message
// boxes are Qt message boxes, timers Qt timers, menus a menu bar; modal forms run the model's
// nested loop, which waits for Qt events. A window that goes while one of its own signals runs
// (a menu item that ends the program) is deleted once that signal has returned. An error that
// escapes an event handler shows the run-time error box and ends the program, as the original
// runtime does.
//
// The skin is spread over three files: skin.cpp (the host and the run of user actions),
// window.cpp (windows, widgets, menus and timers) and input.cpp (mouse, keys, clipboard and
// drops); src/ holds the widgets of each kind and the message box.
#pragma once

#include "platform/forms/application.h"
#include "platform/forms/host.h"
#include "platform/forms/message_box.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QMouseEvent;
class QPoint;
class QTimer;
class QWidget;

namespace forms {
class Menu;
class TextBox;
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
    class Presenter;
    friend class Presenter;

    struct Window {
        std::unique_ptr<QWidget> widget;
        QMenuBar* menuBar = nullptr;
        QWidget* client = nullptr;
        std::string icon; // the bytes of the icon the window shows
    };

    // window.cpp
    Window& EnsureWindow(Form& form);
    void DestroyWindow(Form& form);
    // Hands a window or timer that goes to Qt for deletion once its signals have returned.
    void Retire(QObject* object);
    void SyncWindow(Form& form, Window& window);
    QWidget* EnsureWidget(Control& control);
    QWidget* ParentWidgetFor(Control& control);
    void Present(Control& control, Window& window);
    void SyncMenu(Menu& menu, Window& window);
    void SyncTimer(Timer& timer);
    bool HandleWindowEvent(Form& form, QEvent& event);
    // Runs a user action that tells the model what the window system did to the form's window
    // (a size, a place, a window state), which the window is then not given back.
    void Follow(Form& form, const std::function<void()>& action);

    // input.cpp
    void WireInput(Control& control, QWidget& widget);
    void TakeInputFrom(QWidget& input, Control& control);
    // A key pressed on a control's widget, or on the window itself (`control` nullptr).
    bool HandleKey(Control* control, QKeyEvent& event);
    bool HandleClipboardKey(Control& control, QKeyEvent& event);
    bool HandleMouse(Control& control, QWidget& widget, QMouseEvent& event);
    bool HandleTextMouse(TextBox& box, QWidget& widget, QMouseEvent& event);
    bool HandleEditEvent(Control& control, QWidget& widget, QEvent& event);
    void ShowEditMenu(Control& control, QWidget& widget, const QPoint& at);
    void PasteClipboard(Control& control);
    // Text the user typed, pasted or dropped that Windows-1252 cannot hold: the control takes
    // none of it, the system beeps, and a field says once a visit, in a message box, which
    // characters it can hold.
    void RefuseText(Control& control);
    void CopySelection(Control& control);
    void CutSelection(TextBox& box);
    void SelectAll(TextBox& box);

    // Runs a user action and the events it queued; an error a handler left untrapped shows the
    // run-time error box and ends the program.
    void Act(const std::function<void()>& action);

    Application& app_;
    std::unordered_map<const Form*, Window> windows_;
    std::unordered_map<const QObject*, Form*> formsByWindow_;
    std::unordered_map<const Control*, QWidget*> widgets_;
    std::unordered_map<const QObject*, Control*> controlsByWidget_;
    std::unordered_map<const Control*, QMenu*> menus_;
    std::unordered_map<const Control*, QAction*> actions_;
    std::unordered_map<const Control*, std::unique_ptr<QTimer>> timers_;
    // Retired windows and timers that Qt has not deleted yet; the skin deletes what is left
    // when it goes.
    std::vector<QPointer<QObject>> retired_;
    // The control the mouse went down on while it holds the press (the focus stayed with it).
    const Control* pressed_ = nullptr;
    // The text box that the held press gave the focus, and the character it went down on.
    struct EnteringPress {
        const TextBox* box = nullptr;
        int position = 0;
    };
    EnteringPress enteringPress_;
    // The field that has told, since the focus came to it, which characters it can hold.
    const Control* refusalToldTo_ = nullptr;
    bool syncing_ = false;
    bool runScheduled_ = false;
    // The form whose window the model is following (Follow), or nullptr.
    const Form* following_ = nullptr;
    // The bytes of the program's icon that the windows were last given.
    std::string programIcon_;
};

} // namespace forms::qt
