#include "platform/forms/testing/driver.h"

#include "platform/forms/controls/list_control.h"
#include "platform/forms/user_actions.h"

#include <gtest/gtest.h>

namespace forms::testing {

namespace {

// DoEvents calls in a row that find nothing to run and no scripted input before a loop is taken
// to wait for ever.
constexpr int kIdlePollLimit = 10000;

std::string Describe(const MessageBoxRequest& request) {
    return "title \"" + request.title + "\", text \"" + request.prompt + "\"";
}

} // namespace

Driver::Driver(Application& app) : app_(app) {
    app_.SetHost(this);
    app_.SetMessageBoxService(this);
}

Driver::~Driver() {
    app_.SetHost(nullptr);
    app_.SetMessageBoxService(nullptr);
    for (const ExpectedBox& box : expectedBoxes_) {
        ADD_FAILURE() << "an expected message box never showed"
                      << (box.title ? ": \"" + *box.title + "\"" : std::string());
    }
    if (!actions_.empty()) {
        ADD_FAILURE() << actions_.size() << " scripted action(s) never ran";
    }
}

template <class F>
void Driver::Act(F&& action) {
    action();
    app_.RunPending();
}

void Driver::Focus(Control& control) {
    Act([&] { user::Focus(control); });
}

void Driver::Click(Control& control) {
    Act([&] { user::Click(control); });
}

void Driver::Type(Control& control, const std::string& text) {
    Act([&] { user::Type(control, text); });
}

void Driver::PressKey(int keyAscii) {
    Act([&] { user::TypeKey(app_, keyAscii); });
}

void Driver::PressKeyCode(int keyCode, int shift) {
    Act([&] { user::PressKey(app_, keyCode, shift); });
}

void Driver::Paste(const std::string& text) {
    Act([&] { user::Paste(app_, text); });
}

void Driver::PlaceCaret(TextBox& box, int position, bool extend) {
    Act([&] { user::PlaceCaret(box, position, extend); });
}

void Driver::ClickText(TextBox& box, int position, bool extend) {
    Act([&] { user::ClickText(box, position, extend); });
}

void Driver::PressTab(int times) {
    for (int i = 0; i < times; ++i) {
        Act([&] { user::PressTab(app_); });
    }
}

bool Driver::PressAccessKey(char key) {
    bool answered = false;
    Act([&] { answered = user::PressAccessKey(app_, key); });
    return answered;
}

void Driver::SetText(TextBox& box, const std::string& text) {
    Act([&] { user::ReplaceText(box, text); });
}

void Driver::ChooseItem(ListControl& list, int index) {
    Act([&] { user::ChooseItem(list, index); });
}

void Driver::ChooseItem(ListControl& list, const std::string& text) {
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.List(i) == text) {
            ChooseItem(list, i);
            return;
        }
    }
    ADD_FAILURE() << list.DisplayName() << " has no item \"" << text << "\"";
}

void Driver::Scroll(HScrollBar& bar, int value) {
    Act([&] { user::Scroll(bar, value); });
}

void Driver::ChooseTab(TabControl& tabs, int tab) {
    Act([&] { user::ChooseTab(tabs, tab); });
}

void Driver::OpenMenu(Menu& menu) {
    Act([&] { user::OpenMenu(menu); });
}

void Driver::ChooseMenuItem(Menu& item) {
    Act([&] { user::ChooseMenuItem(item); });
}

void Driver::SelectGridRow(Grid& grid, int row) {
    Act([&] { user::SelectGridRow(grid, row); });
}

void Driver::Tick(Timer& timer) {
    Act([&] { user::Tick(timer); });
}

void Driver::Resize(Form& form, int width, int height) {
    Act([&] { user::ResizeForm(form, width, height); });
}

void Driver::Move(Form& form, int left, int top) {
    Act([&] { user::MoveForm(form, left, top); });
}

void Driver::SetWindowState(Form& form, WindowState state) {
    Act([&] { user::ChangeWindowState(form, state); });
}

void Driver::Close(Form& form) {
    Act([&] { user::CloseForm(form); });
}

void Driver::Pump() {
    app_.RunPending();
}

void Driver::Queue(std::function<void()> action) {
    actions_.push_back({nullptr, std::move(action)});
}

void Driver::WhenModal(Form& form, std::function<void()> action) {
    actions_.push_back({&form, std::move(action)});
}

bool Driver::RunNextAction(const Form* modalForm) {
    if (actions_.empty()) {
        return false;
    }
    Action& next = actions_.front();
    if (next.modalForm != nullptr && next.modalForm != modalForm) {
        return false;
    }
    std::function<void()> run = std::move(next.run);
    actions_.pop_front();
    idlePolls_ = 0;
    run();
    return true;
}

void Driver::FormChanged(Form&) {}

void Driver::ControlChanged(Control&) {}

void Driver::FocusChanged(Control*) {}

void Driver::EventQueued() {
    idlePolls_ = 0;
}

void Driver::WaitForInput(Form& modalForm) {
    if (!RunNextAction(&modalForm)) {
        throw DriverError("modal form " + modalForm.Name() +
                          " waits for input and the test has none queued for it");
    }
}

void Driver::PollInput() {
    if (RunNextAction(app_.ModalForm())) {
        return;
    }
    if (++idlePolls_ > kIdlePollLimit) {
        idlePolls_ = 0;
        throw DriverError("a DoEvents loop waits for something that no queued input will do");
    }
}

void Driver::ProgramEnded() {
    ended_ = true;
}

int Driver::ShowMessageBox(const MessageBoxRequest& request) {
    const std::vector<int> answers = request.Answers();
    int answer = answers[static_cast<std::size_t>(request.defaultButton)];
    if (expectedBoxes_.empty()) {
        ADD_FAILURE() << "unexpected message box: " << Describe(request);
    } else {
        const ExpectedBox expected = expectedBoxes_.front();
        expectedBoxes_.pop_front();
        if (expected.title && *expected.title != request.title) {
            ADD_FAILURE() << "expected a message box titled \"" << *expected.title << "\", got "
                          << Describe(request);
        }
        if (std::find(answers.begin(), answers.end(), expected.answer) == answers.end()) {
            ADD_FAILURE() << "answer " << expected.answer << " is not a button of "
                          << Describe(request);
        } else {
            answer = expected.answer;
        }
    }
    boxes_.push_back({request.title, request.prompt, request.icon, request.buttonSet, answer});
    return answer;
}

void Driver::Beep() {
    ++beeps_;
}

void Driver::ExpectMessageBox(int answer) {
    expectedBoxes_.push_back({std::nullopt, answer});
}

void Driver::ExpectMessageBox(std::string title, int answer) {
    expectedBoxes_.push_back({std::move(title), answer});
}

} // namespace forms::testing
