// Message boxes and beeps collected rather than shown, so that none waits for a user: each box
// is answered with its first button and kept as "title: text".
#pragma once

#include "platform/forms/message_box.h"

#include <string>
#include <vector>

namespace ui {

struct CollectedMessages : forms::MessageBoxService {
    int ShowMessageBox(const forms::MessageBoxRequest& request) override {
        shown.push_back(request.title + ": " + request.prompt);
        return request.Answers().front();
    }
    void Beep() override { ++beeps; }
    std::vector<std::string> shown;
    int beeps = 0;
};

} // namespace ui
