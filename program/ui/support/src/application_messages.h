// The store's operations show their message boxes through a MessageBoxService; this one passes
// them to the application's MsgBox, so that they appear (and are scripted in tests) as every
// other box of the program does.
#pragma once

#include "platform/forms/application.h"
#include "platform/forms/message_box.h"

namespace ui {

class ApplicationMessages final : public forms::MessageBoxService {
public:
    explicit ApplicationMessages(forms::Application& app) : app_(app) {}

    int ShowMessageBox(const forms::MessageBoxRequest& request) override;
    void Beep() override;

private:
    forms::Application& app_;
};

} // namespace ui
