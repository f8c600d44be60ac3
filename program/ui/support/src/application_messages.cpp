#include "program/ui/support/src/application_messages.h"

namespace ui {

namespace {

// The MsgBox style value of an icon.
int IconStyle(forms::MessageBoxIcon icon) {
    switch (icon) {
    case forms::MessageBoxIcon::Critical:
        return forms::vbCritical;
    case forms::MessageBoxIcon::Question:
        return forms::vbQuestion;
    case forms::MessageBoxIcon::Exclamation:
        return forms::vbExclamation;
    case forms::MessageBoxIcon::Information:
        return forms::vbInformation;
    case forms::MessageBoxIcon::None:
        break;
    }
    return 0;
}

} // namespace

int ApplicationMessages::ShowMessageBox(const forms::MessageBoxRequest& request) {
    const int style = request.buttonSet + IconStyle(request.icon) +
                      request.defaultButton * forms::vbDefaultButton2;
    return app_.MsgBox(request.prompt, style, request.title);
}

void ApplicationMessages::Beep() {
    app_.Beep();
}

} // namespace ui
