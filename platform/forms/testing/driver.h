// The test driver: acts on the forms as a user would, answers message boxes from a script, runs
// scripted actions inside modal loops, and fails the test rather than hang when a loop would wait
// for ever. Everything else a test checks it reads from the model itself (control properties,
// focus, selection, tabs, menus, forms loaded, showing and modal, Application::Ended).
#pragma once

#include "platform/forms/application.h"
#include "platform/forms/host.h"
#include "platform/forms/message_box.h"
#include "platform/forms/user_actions.h"

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace forms {

class Control;
class Grid;
class HScrollBar;
class ListControl;
class Menu;
class TabControl;
class TextBox;
class Timer;

namespace testing {

// A test script that cannot go on: a modal loop or a DoEvents loop with no input left to give.
class DriverError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

struct MessageBoxRecord {
    std::string title;
    std::string prompt;
    MessageBoxIcon icon = MessageBoxIcon::None;
    int buttonSet = vbOKOnly;
    int answer = 0;
};

class Driver : public Host, public MessageBoxService {
public:
    // Becomes the application's host and message box service for the driver's lifetime.
    explicit Driver(Application& app);
    ~Driver() override;
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // User actions. Each lets the queued events run afterwards, as the message loop would;
    // each throws forms::UnreachableError when no user could do it.
    void Focus(Control& control);
    void Click(Control& control);
    void Type(Control& control, const std::string& text);
    // A character typed to the focused control.
    void PressKey(int keyAscii);
    // A key that types no character (keys.h), with the shift state, to the focused control.
    void PressKeyCode(int keyCode, int shift = 0);
    void PressTab(int times = 1);
    // Alt with an access key; whether a control answered.
    bool PressAccessKey(char key);
    // Selects the whole text of the box and pastes `text` over it, filtered as typing is.
    void SetText(TextBox& box, const std::string& text);
    // Pastes into the focused control, filtered as typing is.
    void Paste(const std::string& text);
    // The caret put at a character position of the box (with `extend`, a drag or Shift+click),
    // after the focus moved there.
    void PlaceCaret(TextBox& box, int position, bool extend = false);
    // A mouse click at a character position of the box (user::ClickText): a click that gives the
    // box the focus keeps the selection its focus events make.
    void ClickText(TextBox& box, int position, bool extend = false);
    void ChooseItem(ListControl& list, int index);
    // The first item of exactly that text; fails the test when there is none.
    void ChooseItem(ListControl& list, const std::string& text);
    void Scroll(HScrollBar& bar, int value);
    void ChooseTab(TabControl& tabs, int tab);
    void OpenMenu(Menu& menu);
    void ChooseMenuItem(Menu& item);
    void SelectGridRow(Grid& grid, int row);
    void Tick(Timer& timer);
    void Resize(Form& form, int width, int height);
    void Move(Form& form, int left, int top);
    void SetWindowState(Form& form, WindowState state);
    void Close(Form& form);
    // Lets every queued event run (paints, keys sent by the program).
    void Pump();

    // Scripted input for modal loops. Queue: runs at the next wait of any modal loop (or an
    // idle DoEvents). WhenModal: runs only once `form` is the innermost modal form. Actions run
    // in the order queued, one per wait.
    void Queue(std::function<void()> action);
    void WhenModal(Form& form, std::function<void()> action);
    std::size_t QueuedActions() const { return actions_.size(); }

    // Message boxes: each expected box is answered in turn; a box that nobody expected, or
    // whose title differs, fails the test (and is answered with its default button).
    void ExpectMessageBox(int answer);
    void ExpectMessageBox(std::string title, int answer);
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return boxes_; }
    int Beeps() const { return beeps_; }
    bool ProgramEndedSeen() const { return ended_; }

    // Host.
    void FormChanged(Form& form) override;
    void ControlChanged(Control& control) override;
    void FocusChanged(Control* focused) override;
    void EventQueued() override;
    void WaitForInput(Form& modalForm) override;
    void PollInput() override;
    void ProgramEnded() override;

    // MessageBoxService.
    int ShowMessageBox(const MessageBoxRequest& request) override;
    void Beep() override;

private:
    struct Action {
        Form* modalForm; // nullptr: any wait
        std::function<void()> run;
    };
    struct ExpectedBox {
        std::optional<std::string> title;
        int answer;
    };

    bool RunNextAction(const Form* modalForm);
    template <class F>
    void Act(F&& action);

    Application& app_;
    std::deque<Action> actions_;
    std::deque<ExpectedBox> expectedBoxes_;
    std::vector<MessageBoxRecord> boxes_;
    int beeps_ = 0;
    int idlePolls_ = 0;
    bool ended_ = false;
};

} // namespace testing
} // namespace forms
