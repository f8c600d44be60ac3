#include "program/ui/support/src/trapped_error.h"

#include "platform/forms/errors.h"
#include "platform/forms/message_box.h"

#include <exception>

namespace ui {

bool RunTrapped(forms::Application& app, const std::string& procedure,
                const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception&) {
        const forms::UntrappedErrorReport report = forms::ReportOf(std::current_exception());
        app.MsgBox("Error Number:" + std::to_string(report.number) + "\r\n" + report.text,
                   forms::vbOKOnly + forms::vbCritical, "Error in frmMain " + procedure);
        return false;
    }
}

} // namespace ui
