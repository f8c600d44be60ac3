#include "platform/progress/waiting_messages.h"

namespace progress {

void LetMessagesThrough(HWND dialog) {
    MSG message{};
    bool quit = false;
    int quitCode = 0;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            quitCode = static_cast<int>(message.wParam);
        } else if (dialog == nullptr || !IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    if (quit) {
        PostQuitMessage(quitCode);
    }
}

} // namespace progress
