// Message boxes: the runtime's MsgBox styles and answers, the request a box is made of, and the
// service that shows it (the skin on screen, a script in tests).
#pragma once

#include <string>
#include <vector>

namespace forms {

// MsgBox style values of the runtime: one button set, plus one icon, plus one default button.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

// MsgBox answers.
enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

enum class MessageBoxIcon { None, Critical, Question, Exclamation, Information };

struct MessageBoxRequest {
    std::string prompt; // lines separated by CR LF, as the program writes them
    std::string title;
    int buttonSet = vbOKOnly; // vbOKOnly .. vbRetryCancel
    MessageBoxIcon icon = MessageBoxIcon::None;
    int defaultButton = 0; // 0 first, 1 second, 2 third

    // Splits a MsgBox style into button set, icon and default button.
    static MessageBoxRequest FromStyle(std::string prompt, int style, std::string title);
    // The answers of the buttons, left to right ({vbYes, vbNo} for vbYesNo).
    std::vector<int> Answers() const;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows the box modally and returns the answer of the button pressed.
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    virtual void Beep() = 0;
};

} // namespace forms
