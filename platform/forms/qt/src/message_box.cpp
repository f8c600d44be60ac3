#include "platform/forms/qt/src/message_box.h"

#include "platform/qt/text.h"

#include <QMessageBox>
#include <QPushButton>

namespace forms::qt {

using qtkit::FromWindows1252;

namespace {

QMessageBox::Icon ToQtIcon(MessageBoxIcon icon) {
    switch (icon) {
    case MessageBoxIcon::Critical:
        return QMessageBox::Critical;
    case MessageBoxIcon::Question:
        return QMessageBox::Question;
    case MessageBoxIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageBoxIcon::Information:
        return QMessageBox::Information;
    case MessageBoxIcon::None:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

QString ButtonText(int answer) {
    switch (answer) {
    case vbOK:
        return "OK";
    case vbCancel:
        return "Cancel";
    case vbAbort:
        return "&Abort";
    case vbRetry:
        return "&Retry";
    case vbIgnore:
        return "&Ignore";
    case vbYes:
        return "&Yes";
    default:
        return "&No";
    }
}

} // namespace

int ShowQtMessageBox(const MessageBoxRequest& request) {
    QString text = FromWindows1252(request.prompt);
    text.replace("\r\n", "\n");
    QMessageBox box(ToQtIcon(request.icon), FromWindows1252(request.title), text);
    const std::vector<int> answers = request.Answers();
    std::vector<QPushButton*> buttons;
    for (int answer : answers) {
        buttons.push_back(box.addButton(ButtonText(answer), answer == vbCancel || answer == vbNo
                                                                ? QMessageBox::RejectRole
                                                                : QMessageBox::AcceptRole));
    }
    box.setDefaultButton(buttons[static_cast<std::size_t>(request.defaultButton)]);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) {
            return answers[i];
        }
    }
    for (int answer : answers) {
        if (answer == vbCancel || answer == vbNo) {
            return answer;
        }
    }
    return answers.front();
}

} // namespace forms::qt
