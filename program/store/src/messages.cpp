#include "program/store/src/messages.h"

#include "platform/runtime/number_text.h"
#include "platform/runtime/runtime_error.h"

namespace store {

int ShowMessage(forms::MessageBoxService& messages, const std::string& prompt, int style,
                const std::string& title) {
    return messages.ShowMessageBox(forms::MessageBoxRequest::FromStyle(prompt, style, title));
}

void ShowFileError(forms::MessageBoxService& messages, int errorNumber, const std::string& title,
                   const std::string& epilogue) {
    const std::string prompt = "An error occurred. Type:" + runtime::Str(errorNumber) + "." +
                               kNewLine + runtime::ErrorText(errorNumber) + kNewLine + epilogue;
    ShowMessage(messages, prompt, forms::vbCritical, title);
}

} // namespace store
