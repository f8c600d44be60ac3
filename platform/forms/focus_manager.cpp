#include "platform/forms/focus_manager.h"

#include "platform/forms/application.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/host.h"

#include <algorithm>

namespace forms {

void FocusManager::MoveFocus(Control* control, Host* host) {
    if (control == focused_) {
        return;
    }
    if (focused_ != nullptr) {
        pending_.push_back({Step::LostFocus, focused_, nullptr});
    }
    focused_ = control;
    if (control != nullptr) {
        control->Parent().activeControl_ = control;
        pending_.push_back({Step::GotFocus, control, nullptr});
    }
    if (host != nullptr) {
        host->FocusChanged(control);
    }
    Dispatch(host);
}

void FocusManager::ActivateForm(Form* form, Host* host) {
    if (form != nullptr) {
        std::erase(order_, form);
        order_.push_back(form);
    }
    if (form == active_) {
        return;
    }
    Form* old = active_;
    active_ = form;
    if (focused_ != nullptr) {
        pending_.push_back({Step::LostFocus, focused_, nullptr});
        focused_ = nullptr;
        if (host != nullptr) {
            host->FocusChanged(nullptr);
        }
    }
    if (old != nullptr && old->IsShowing()) {
        pending_.push_back({Step::Deactivate, nullptr, old});
    }
    if (form != nullptr) {
        pending_.push_back({Step::Activate, nullptr, form});
        pending_.push_back({Step::FocusForm, nullptr, form});
    }
    Dispatch(host);
}

void FocusManager::FormHidden(Form& form, Host* host) {
    std::erase(order_, &form);
    if (active_ != &form) {
        return;
    }
    Form* next = nullptr;
    if (form.Owner() != nullptr && form.Owner()->IsShowing()) {
        next = form.Owner();
    } else {
        for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
            if ((*it)->IsShowing()) {
                next = *it;
                break;
            }
        }
    }
    ActivateForm(next, host);
}

void FocusManager::Forget(Form& form) {
    std::erase(order_, &form);
    if (active_ == &form) {
        active_ = nullptr;
    }
    if (focused_ != nullptr && &focused_->Parent() == &form) {
        focused_ = nullptr;
    }
    std::erase_if(pending_, [&form](const Pending& p) {
        return p.form == &form || (p.control != nullptr && &p.control->Parent() == &form);
    });
}

void FocusManager::Forget(Control& control) {
    if (focused_ == &control) {
        focused_ = nullptr;
    }
    std::erase_if(pending_, [&control](const Pending& p) { return p.control == &control; });
}

void FocusManager::DropFocus(Form& form) {
    if (focused_ != nullptr && &focused_->Parent() == &form) {
        focused_ = nullptr;
    }
}

void FocusManager::Reset() {
    focused_ = nullptr;
    active_ = nullptr;
    order_.clear();
    pending_.clear();
}

Control* FocusManager::NextInTabOrder(Form& form, Control* from, bool backwards) {
    std::vector<Control*> order = form.TabOrder();
    if (order.empty()) {
        return nullptr;
    }
    if (backwards) {
        std::reverse(order.begin(), order.end());
    }
    auto at = std::find(order.begin(), order.end(), from);
    if (at == order.end()) {
        // The focused control is not a tab stop (an unselected option button): continue from
        // its place in tab index order.
        if (from != nullptr) {
            auto after = std::find_if(order.begin(), order.end(), [from, backwards](Control* c) {
                return backwards ? c->TabIndex() < from->TabIndex()
                                 : c->TabIndex() > from->TabIndex();
            });
            return after != order.end() ? *after : order.front();
        }
        return order.front();
    }
    ++at;
    return at != order.end() ? *at : order.front();
}

void FocusManager::Dispatch(Host* host) {
    if (dispatching_) {
        return;
    }
    dispatching_ = true;
    try {
        while (!pending_.empty()) {
            const Pending next = pending_.front();
            pending_.pop_front();
            Run(next, host);
        }
    } catch (...) {
        dispatching_ = false;
        pending_.clear();
        throw;
    }
    dispatching_ = false;
}

void FocusManager::Run(const Pending& pending, Host* host) {
    Form& form = pending.form != nullptr ? *pending.form : pending.control->Parent();
    if (form.App().Ended() || !form.IsLoaded()) {
        return;
    }
    switch (pending.step) {
    case Step::LostFocus:
        pending.control->LostFocus.Invoke();
        break;
    case Step::GotFocus:
        pending.control->GotFocus.Invoke();
        break;
    case Step::Deactivate:
        form.Deactivate.Invoke();
        break;
    case Step::Activate:
        form.Activate.Invoke();
        break;
    case Step::FocusForm: {
        if (active_ != &form || !form.IsShowing()) {
            return;
        }
        if (focused_ != nullptr && &focused_->Parent() == &form) {
            return; // a handler already put the focus into the form
        }
        Control* target = form.activeControl_;
        if (target == nullptr || !target->TakesFocus() || !target->IsUsable()) {
            const std::vector<Control*> order = form.TabOrder();
            target = order.empty() ? nullptr : order.front();
        }
        if (target != nullptr) {
            MoveFocus(target, host);
        }
        break;
    }
    }
}

} // namespace forms
