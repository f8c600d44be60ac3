#include "platform/forms/message_box.h"

namespace forms {

MessageBoxRequest MessageBoxRequest::FromStyle(std::string prompt, int style, std::string title) {
    MessageBoxRequest request;
    request.prompt = std::move(prompt);
    request.title = std::move(title);
    request.buttonSet = style & 0x7;
    if (request.buttonSet > vbRetryCancel) {
        request.buttonSet = vbOKOnly;
    }
    switch (style & 0x70) {
    case vbCritical:
        request.icon = MessageBoxIcon::Critical;
        break;
    case vbQuestion:
        request.icon = MessageBoxIcon::Question;
        break;
    case vbExclamation:
        request.icon = MessageBoxIcon::Exclamation;
        break;
    case vbInformation:
        request.icon = MessageBoxIcon::Information;
        break;
    default:
        request.icon = MessageBoxIcon::None;
        break;
    }
    const int defaultButton = (style & 0x300) >> 8;
    const auto count = static_cast<int>(request.Answers().size());
    request.defaultButton = defaultButton < count ? defaultButton : 0;
    return request;
}

std::vector<int> MessageBoxRequest::Answers() const {
    switch (buttonSet) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    default:
        return {vbOK};
    }
}

} // namespace forms
