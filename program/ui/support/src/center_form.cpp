#include "program/ui/support/src/center_form.h"

#include "platform/forms/application.h"
#include "platform/runtime/conversions.h"

namespace ui {

void CenterForm(forms::Form& form, const forms::Form& owner) {
    const forms::Screen& screen = form.App().GetScreen();
    const bool overScreen = form.Width() >= owner.ScaleWidth();
    const int areaLeft = overScreen ? 0 : owner.Left();
    const int areaTop = overScreen ? 0 : owner.Top();
    const int areaWidth = overScreen ? screen.width : owner.ScaleWidth();
    const int areaHeight = overScreen ? screen.height : owner.ScaleHeight();
    const auto place = [](int start, int room, int size, int screenSize) {
        const int at = start + static_cast<int>(runtime::Round((room - size) / 2.0));
        return (at < 100 || at + size > screenSize) ? 100 : at;
    };
    form.SetLeft(place(areaLeft, areaWidth, form.Width(), screen.width));
    form.SetTop(place(areaTop, areaHeight, form.Height(), screen.height));
}

} // namespace ui
