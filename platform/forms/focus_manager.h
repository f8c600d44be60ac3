// Which form is active and which control has the focus, and the events that moving them raises.
//
// Focus order: moving the focus from A to B raises A.LostFocus, then B.GotFocus. The events of
// one move are queued and raised in order after the move is made, so a handler that moves the
// focus again only queues a further pair: when A.LostFocus sets the focus back to A, the events
// are A.LostFocus, B.GotFocus, B.LostFocus, A.GotFocus, as the original runtime raises them.
// Activating another form queues, in order: LostFocus of the focused control, Deactivate of the
// old form, Activate of the new one, and GotFocus of the new form's active control (or its first
// control in tab order), unless a handler has moved the focus into that form meanwhile.
#pragma once

#include <deque>
#include <vector>

namespace forms {

class Control;
class Form;
class Host;

class FocusManager {
public:
    Control* Focused() const { return focused_; }
    Form* ActiveForm() const { return active_; }

    // Moves the focus to `control` (nullptr: nowhere) and raises the events.
    void MoveFocus(Control* control, Host* host);
    // Makes `form` the active form (nullptr: none) and raises the events.
    void ActivateForm(Form* form, Host* host);
    // A form stopped showing: its owner, else the most recently active showing form, becomes
    // active.
    void FormHidden(Form& form, Host* host);
    // Forgets a form or control that goes away without events (unload, destruction).
    void Forget(Form& form);
    void Forget(Control& control);
    // Takes the focus from a control of `form` without events (a form being unloaded).
    void DropFocus(Form& form);
    // Forgets everything without events (End).
    void Reset();
    // The next control in tab order after the focused one, wrapping round.
    static Control* NextInTabOrder(Form& form, Control* from, bool backwards);

private:
    enum class Step { LostFocus, GotFocus, Deactivate, Activate, FocusForm };
    struct Pending {
        Step step;
        Control* control;
        Form* form;
    };

    void Dispatch(Host* host);
    void Run(const Pending& pending, Host* host);

    Control* focused_ = nullptr;
    Form* active_ = nullptr;
    std::vector<Form*> order_; // showing forms, most recently active last
    std::deque<Pending> pending_;
    bool dispatching_ = false;
};

} // namespace forms
