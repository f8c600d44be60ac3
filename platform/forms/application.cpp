#include "platform/forms/application.h"

#include "platform/forms/control.h"
#include "platform/forms/errors.h"
#include "platform/forms/host.h"
#include "platform/forms/user_actions.h"

#include <cctype>
#include <stdexcept>

namespace forms {

Application::Application(std::string title) : title_(std::move(title)) {}

Application::~Application() {
    // Forms go before the focus manager they report to.
    forms_.clear();
}

void Application::Adopt(std::unique_ptr<Form> form) {
    form->EndDesign();
    forms_.push_back(std::move(form));
}

bool Application::RunOneQueued(std::uint64_t last) {
    if (queue_.empty() || ended_ || queue_.front().sequence > last) {
        return false;
    }
    // Taken off the queue before it runs, so that a DoEvents inside it sees a sound queue.
    std::function<void()> next = std::move(queue_.front().action);
    queue_.pop_front();
    next();
    return true;
}

void Application::DoEvents() {
    bool ran = false;
    for (const std::uint64_t last = nextSequence_; RunOneQueued(last);) {
        ran = true;
    }
    if (!ran && !ended_ && host_ != nullptr) {
        host_->PollInput();
    }
}

void Application::RunPending() {
    while (RunOneQueued()) {
    }
}

void Application::Post(std::function<void()> action) {
    if (ended_) {
        return;
    }
    queue_.push_back({++nextSequence_, std::move(action)});
    if (host_ != nullptr) {
        host_->EventQueued();
    }
}

void Application::End() {
    if (ended_) {
        return;
    }
    ended_ = true;
    queue_.clear();
    for (auto& form : forms_) {
        form->loaded_ = false;
        form->visible_ = false;
        form->modal_ = false;
    }
    focus_.Reset();
    if (host_ != nullptr) {
        host_->ProgramEnded();
    }
}

int Application::MsgBox(const std::string& prompt, int style, const std::string& title) {
    if (ended_) {
        return 0;
    }
    if (messageBoxes_ == nullptr) {
        throw std::logic_error("MsgBox \"" + prompt + "\" with no message box service");
    }
    return messageBoxes_->ShowMessageBox(
        MessageBoxRequest::FromStyle(prompt, style, title.empty() ? title_ : title));
}

void Application::ShowUntrappedError(std::exception_ptr error) {
    const UntrappedErrorReport report = ReportOf(std::move(error));
    MsgBox("Run-time error '" + std::to_string(report.number) + "':\r\n\r\n" + report.text,
           vbCritical);
    if (!ended_) {
        endedByError_ = true;
    }
    End();
}

void Application::Beep() {
    if (messageBoxes_ != nullptr) {
        messageBoxes_->Beep();
    }
}

void Application::SendKeys(const std::string& keys) {
    for (std::size_t at = 0; at < keys.size(); ++at) {
        int key = static_cast<unsigned char>(keys[at]);
        if (keys[at] == '{') {
            const std::size_t close = keys.find('}', at + 1);
            if (close == std::string::npos) {
                throw std::invalid_argument("SendKeys: unclosed brace in \"" + keys + "\"");
            }
            std::string name = keys.substr(at + 1, close - at - 1);
            for (char& c : name) {
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            }
            at = close;
            if (name == "TAB") {
                key = '\t';
            } else if (name == "ENTER") {
                key = '\r';
            } else if (name == "BS" || name == "BACKSPACE") {
                key = '\b';
            } else if (name == "ESC") {
                key = 27;
            } else if (name.size() == 1) {
                key = static_cast<unsigned char>(name[0]);
            } else {
                throw std::invalid_argument("SendKeys: unknown key {" + name + "}");
            }
        }
        Post([this, key] {
            if (key == '\t') {
                user::PressTab(*this);
            } else {
                user::TypeKey(*this, key);
            }
        });
    }
}

std::vector<Form*> Application::LoadedForms() const {
    std::vector<Form*> loaded;
    for (const auto& form : forms_) {
        if (form->IsLoaded()) {
            loaded.push_back(form.get());
        }
    }
    return loaded;
}

bool Application::AcceptsInput(const Form& form) const {
    if (ended_ || !form.IsShowing() || form.GetWindowState() == WindowState::Minimized) {
        return false;
    }
    const Form* modal = ModalForm();
    return modal == nullptr || modal == &form;
}

void Application::RunModalLoop(Form& form) {
    modalStack_.push_back(&form);
    struct Pop {
        std::vector<Form*>& stack;
        ~Pop() { stack.pop_back(); }
    } pop{modalStack_};
    while (!ended_ && form.IsShowing()) {
        if (RunOneQueued()) {
            continue;
        }
        if (host_ == nullptr) {
            throw std::logic_error("modal form " + form.Name() + " shown with nothing to end it");
        }
        host_->WaitForInput(form);
    }
}

void Application::NotifyChanged(Control& control) {
    if (host_ != nullptr && !ended_ && control.Parent().IsLoaded()) {
        host_->ControlChanged(control);
    }
}

void Application::SetIcon(Picture icon) {
    icon_ = std::move(icon);
    for (const auto& form : forms_) {
        if (form->IsShowing()) {
            NotifyChanged(*form);
        }
    }
}

void Application::NotifyChanged(Form& form) {
    if (host_ != nullptr && !ended_) {
        host_->FormChanged(form);
    }
}

} // namespace forms
