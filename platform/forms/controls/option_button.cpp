#include "platform/forms/controls/option_button.h"

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/keys.h"

#include <algorithm>

namespace forms {

bool OptionButton::Value() const {
    Touch();
    return p_.value != 0;
}

std::vector<OptionButton*> OptionButton::Group() const {
    std::vector<OptionButton*> group;
    for (Control* control : Parent().Controls()) {
        if (control->Kind() != ControlKind::OptionButton) {
            continue;
        }
        auto* option = static_cast<OptionButton*>(control);
        if (option->Container() == Container() && option->ContainerPage() == ContainerPage()) {
            group.push_back(option);
        }
    }
    return group;
}

void OptionButton::SetValue(bool value) {
    Touch();
    if (!value) {
        if (p_.value != 0) {
            p_.value = 0;
            Changed();
        }
        return;
    }
    if (p_.value != 0) {
        return;
    }
    for (OptionButton* other : Group()) {
        if (other != this && other->p_.value != 0) {
            other->p_.value = 0;
            other->Changed();
        }
    }
    p_.value = 1;
    Changed();
    Raise(Click);
}

bool OptionButton::IsTabStop() const {
    if (!Control::IsTabStop()) {
        return false;
    }
    if (p_.value != 0) {
        return true;
    }
    const std::vector<OptionButton*> group = Group();
    for (const OptionButton* option : group) {
        if (option->p_.value != 0) {
            return false;
        }
    }
    return !group.empty() && group.front() == this;
}

void OptionButton::DefaultKeyDownAction(int keyCode, int) {
    int step = 0;
    if (keyCode == vbKeyUp || keyCode == vbKeyLeft) {
        step = -1;
    } else if (keyCode == vbKeyDown || keyCode == vbKeyRight) {
        step = 1;
    } else {
        return;
    }
    std::vector<OptionButton*> usable = Group();
    std::erase_if(usable, [this](const OptionButton* option) {
        return option != this && !option->IsUsable();
    });
    std::stable_sort(
        usable.begin(), usable.end(),
        [](const OptionButton* a, const OptionButton* b) { return a->TabIndex() < b->TabIndex(); });
    const auto count = static_cast<std::ptrdiff_t>(usable.size());
    const std::ptrdiff_t at = std::find(usable.begin(), usable.end(), this) - usable.begin();
    OptionButton* next = usable[static_cast<std::size_t>((at + step + count) % count)];
    if (next == this) {
        return;
    }
    Application& app = App();
    app.Focus().MoveFocus(next, app.GetHost());
    // A LostFocus handler that keeps the focus here keeps the choice too.
    if (Running() && app.ActiveControl() == next && next->IsUsable()) {
        next->SetValue(true);
    }
}

} // namespace forms
