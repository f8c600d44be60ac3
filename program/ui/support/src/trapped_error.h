// The main window's error trap: a run-time error inside an event handler is shown under
// "Error in frmMain <procedure>" with its number and text, and the handler ends there.
#pragma once

#include "platform/forms/application.h"

#include <functional>
#include <string>

namespace ui {

// Runs `action`; false when it raised an error, which has been shown.
bool RunTrapped(forms::Application& app, const std::string& procedure,
                const std::function<void()>& action);

} // namespace ui
