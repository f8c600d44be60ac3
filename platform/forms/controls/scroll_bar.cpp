#include "platform/forms/controls/scroll_bar.h"

#include "platform/forms/errors.h"

#include <algorithm>

namespace forms {

HScrollBar::HScrollBar(Form& form, std::string name) : ControlWith(form, std::move(name)) {}

int HScrollBar::Min() const {
    return Get(&ScrollBarProperties::min);
}

int HScrollBar::Max() const {
    return Get(&ScrollBarProperties::max);
}

int HScrollBar::Value() const {
    return Get(&ScrollBarProperties::value);
}

int HScrollBar::SmallChange() const {
    return Get(&ScrollBarProperties::smallChange);
}

int HScrollBar::LargeChange() const {
    return Get(&ScrollBarProperties::largeChange);
}

void HScrollBar::SetMin(int min) {
    Set(&ScrollBarProperties::min, min);
}

void HScrollBar::SetMax(int max) {
    Set(&ScrollBarProperties::max, max);
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
    Set(&ScrollBarProperties::smallChange, change);
}

void HScrollBar::SetLargeChange(int change) {
    Set(&ScrollBarProperties::largeChange, change);
}

} // namespace forms
