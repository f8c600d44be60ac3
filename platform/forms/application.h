// The windowing runtime of one program: its forms, the queue of pending events, focus and
// activation, modal loops, message boxes, key strokes sent by the program, and the program's end.
//
// The model raises every event itself, in the original runtime's order; the skin and the test
// driver only feed it user input (user_actions.h). Where each rule is written down:
// - forms: load on first touch, show, modal loops, hide, unload with cancel, resize, paint,
//   End (form.h);
// - focus and activation: lost focus before got focus, also when a handler moves the focus
//   again (focus_manager.h);
// - changes made by code that raise the events a user's change raises: check box and option
//   button Click (buttons.h), list and combo Click and Change (lists.h), scroll bar Change
//   (scroll_bar.h), text box Change (text_box.h), the tab control's TabChange (tab_control.h);
// - typing: KeyDown, KeyPress (the handler may change or discard the key), the control's own
//   reaction, KeyUp (control.h);
// - events queued and let run by DoEvents, SendKeys and Paint (below and form.h).
#pragma once

#include "platform/forms/focus_manager.h"
#include "platform/forms/form.h"
#include "platform/forms/message_box.h"

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace forms {

class Control;
class Host;

// The screen, in twips; 15 twips a pixel at 96 dots per inch.
struct Screen {
    int width = 28800;
    int height = 16200;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

class Application {
public:
    explicit Application(std::string title = "Tallowmere");
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates a form of type T (constructed with this application and `args`) and keeps the
    // values its constructor gave its controls as their design values. The form is not loaded.
    template <class T, class... Args>
    T& Create(Args&&... args) {
        auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& created = *form;
        Adopt(std::move(form));
        return created;
    }

    void SetHost(Host* host) { host_ = host; }
    Host* GetHost() const { return host_; }
    void SetMessageBoxService(MessageBoxService* service) { messageBoxes_ = service; }

    // The program's title: the default title of message boxes.
    const std::string& Title() const { return title_; }
    // The program's icon: the frame of every form without an icon of its own shows it, and so
    // does every message box. Empty, they show the window system's own.
    const Picture& Icon() const { return icon_; }
    void SetIcon(Picture icon);
    Screen& GetScreen() { return screen_; }
    const Screen& GetScreen() const { return screen_; }

    // The runtime's DoEvents: runs the events that were queued when it was called, once; events
    // they queue wait for the next call. With nothing queued, input already waiting is
    // delivered. Calls from inside an event are allowed.
    void DoEvents();
    // Runs queued events until none is left (the skin's and driver's idle processing).
    void RunPending();
    bool HasPendingEvents() const { return !queue_.empty(); }

    // The runtime's End: every form closes at once, without further events; the queue is
    // emptied and modal loops return. The caller is expected to return from its handler.
    void End();
    bool Ended() const { return ended_; }
    // True once an untrapped error has ended the program: a run that did not end as its user
    // chose, which the program's exit status tells.
    bool EndedByError() const { return endedByError_; }

    // The runtime's MsgBox: shows the box through the message box service and returns the
    // answer. An empty title gives the program's title.
    int MsgBox(const std::string& prompt, int style = vbOKOnly, const std::string& title = "");
    // An error escaped an event handler: shows the run-time error box ("Run-time error '5':",
    // then the runtime's text for it; errors.h, ReportOf) and ends the program, as the
    // original runtime does with an untrapped error.
    void ShowUntrappedError(std::exception_ptr error);
    void Beep();

    // The runtime's SendKeys: queues the key strokes ("{TAB}", "{ENTER}", "{BS}", "{ESC}" and
    // plain characters), each delivered to whatever control has the focus when its turn comes.
    void SendKeys(const std::string& keys);

    Form* ActiveForm() const { return focus_.ActiveForm(); }
    Control* ActiveControl() const { return focus_.Focused(); }
    // The forms currently loaded, in creation order.
    std::vector<Form*> LoadedForms() const;
    const std::vector<std::unique_ptr<Form>>& Forms() const { return forms_; }
    // The innermost modal form, nullptr when none shows.
    Form* ModalForm() const { return modalStack_.empty() ? nullptr : modalStack_.back(); }
    // Whether the user can act on `form` now: it shows, and no modal form other than it is up.
    bool AcceptsInput(const Form& form) const;

    // Queues an event: `action` runs when events are let run.
    void Post(std::function<void()> action);

    // Used by forms and controls.
    FocusManager& Focus() { return focus_; }
    void RequestPaint(Form& form);
    void RunModalLoop(Form& form);
    void NotifyChanged(Control& control);
    void NotifyChanged(Form& form);

private:
    void Adopt(std::unique_ptr<Form> form);
    // Runs the first queued event if it was queued no later than `last`.
    bool RunOneQueued(std::uint64_t last = UINT64_MAX);

    std::string title_;
    Picture icon_;
    Screen screen_;
    Host* host_ = nullptr;
    MessageBoxService* messageBoxes_ = nullptr;
    std::vector<std::unique_ptr<Form>> forms_;
    struct Queued {
        std::uint64_t sequence;
        std::function<void()> action;
    };
    std::deque<Queued> queue_;
    std::uint64_t nextSequence_ = 0;
    std::vector<Form*> modalStack_;
    FocusManager focus_;
    bool ended_ = false;
    bool endedByError_ = false;

    friend class Form;
};

} // namespace forms
