#include "platform/forms/scroll_bar.h"

#include <algorithm>

#include "platform/forms/errors.h"

namespace forms {

HScrollBar::HScrollBar(Form& form, std::string name) : ControlWith(form, std::move(name)) {}

int HScrollBar::Min() const {
    Touch();
    return p_.min;
}

int HScrollBar::Max() const {
    Touch();
    return p_.max;
}

int HScrollBar::Value() const {
    Touch();
    return p_.value;
}

int HScrollBar::SmallChange() const {
    Touch();
    return p_.smallChange;
}

int HScrollBar::LargeChange() const {
    Touch();
    return p_.largeChange;
}

void HScrollBar::SetMin(int min) {
    Touch();
    p_.min = min;
    Changed();
}

void HScrollBar::SetMax(int max) {
    Touch();
    p_.max = max;
    Changed();
}

void HScrollBar::SetValue(int value) {
    Touch();
    // Min may exceed Max (a reversed bar); the value lies between the two either way.
    if (value < std::min(p_.min, p_.max) || value > std::max(p_.min, p_.max)) {
        RaiseInvalidPropertyValue(DisplayName() + ".Value = " + std::to_string(value));
    }
    if (value == p_.value) {
        return;
    }
    p_.value = value;
    Changed();
    Raise(Change);
}

void HScrollBar::SetSmallChange(int change) {
    Touch();
    p_.smallChange = change;
    Changed();
}

void HScrollBar::SetLargeChange(int change) {
    Touch();
    p_.largeChange = change;
    Changed();
}

} // namespace forms
