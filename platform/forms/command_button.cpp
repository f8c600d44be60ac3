#include "platform/forms/command_button.h"

namespace forms {

void CommandButton::Press() {
    Raise(Click);
}

void CommandButton::DefaultKeyAction(int keyAscii) {
    if (keyAscii == ' ' || keyAscii == '\r') {
        Press();
    }
}

} // namespace forms
