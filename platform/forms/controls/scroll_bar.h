// The horizontal scroll bar.
#pragma once

#include "platform/forms/control.h"

namespace forms {

struct ScrollBarProperties {
    int min = 0;
    int max = 32767;
    int value = 0;
    int smallChange = 1;
    int largeChange = 1;
};

// Setting Value from code to a different value raises Change, as moving the thumb does.
class HScrollBar final : public ControlWith<ScrollBarProperties> {
public:
    HScrollBar(Form& form, std::string name);

    ControlKind Kind() const override { return ControlKind::HScrollBar; }

    int Min() const;
    int Max() const;
    int Value() const;
    int SmallChange() const;
    int LargeChange() const;
    void SetMin(int min);
    void SetMax(int max);
    // A value outside Min..Max raises error 380.
    void SetValue(int value);
    void SetSmallChange(int change);
    void SetLargeChange(int change);
    bool TakesFocus() const override { return true; }

    Event<> Change;
};

} // namespace forms
