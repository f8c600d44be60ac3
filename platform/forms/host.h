// What shows the model and feeds it user input: the Qt skin on screen, the driver in tests.
#pragma once

namespace forms {

class Control;
class Form;

class Host {
public:
    virtual ~Host() = default;

    // A form was loaded, shown, hidden, unloaded, or one of its own properties changed.
    virtual void FormChanged(Form& form) = 0;
    // A property of a control of a loaded form changed.
    virtual void ControlChanged(Control& control) = 0;
    // The focus moved (nullptr: no control has it).
    virtual void FocusChanged(Control* focused) = 0;
    // An event was queued; the host lets events run soon.
    virtual void EventQueued() = 0;
    // A modal loop has nothing queued: deliver user input, waiting for it if need be. Returns
    // only after something happened; a host that has nothing to deliver must not return
    // (the driver throws instead, so that a test fails rather than hangs).
    virtual void WaitForInput(Form& modalForm) = 0;
    // DoEvents found nothing queued: deliver input that is already waiting, without waiting.
    virtual void PollInput() = 0;
    // The program ended; every form is gone.
    virtual void ProgramEnded() = 0;
};

} // namespace forms
