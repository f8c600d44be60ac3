// Context help: the message-filter hook that turns F1 into the help messages, and the opening of
// the host's help file at a context.
#include "family/util/src/host_functions.h"
#include "family/util/umbrant.h"

#include "platform/win32/winhelp.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// The host's help file is kept as a path of at most this many characters.
constexpr std::size_t kMaximumHelpFileLength = 255;

// The main window's strings that tell the user why no help was shown.
constexpr int kMissingFileText = 50;
constexpr int kMissingFileCaption = 51;
constexpr int kRefusedText = 52;
constexpr int kRefusedCaption = 53;
constexpr int kWarningStyle = 0x30; // MB_OK | MB_ICONEXCLAMATION

// UM_HELPQUERY's wParam when F1 is pressed in a menu.
constexpr WPARAM kMenuHelp = 1;

// The help state of the process, for the one thread that installed the hook.
struct HelpState {
    HWND mainWindow = nullptr;
    std::string helpFile;
    HHOOK hook = nullptr;
    bool found = false;
};

HelpState& Help() {
    static HelpState state;
    return state;
}

bool IsF1Down(const MSG& message) {
    return message.message == WM_KEYDOWN && LOWORD(static_cast<DWORD>(message.wParam)) == VK_F1;
}

// Asks each window from the focus window up its chain of parents whether it gives help; the
// first that answers is asked for its help with the window through which the chain came.
void AskChainForHelp(HWND focus) {
    HelpState& help = Help();
    help.found = false;
    HWND window = focus;
    HWND child = focus;
    while (!help.found && window != nullptr) {
        SendMessageA(window, UM_HELPQUERY, 0, 0);
        if (help.found) {
            PostMessageA(window, UM_HELPQUERY, reinterpret_cast<WPARAM>(child), 0);
        }
        child = window;
        window = GetParent(window);
    }
}

LRESULT CALLBACK HelpHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (message != nullptr && IsF1Down(*message)) {
        if (code == MSGF_DIALOGBOX) {
            AskChainForHelp(message->hwnd);
            return 1;
        }
        if (code == MSGF_MENU) {
            PostMessageA(Help().mainWindow, UM_HELPQUERY, kMenuHelp, 0);
            return 1;
        }
    }
    return CallNextHookEx(Help().hook, code, wParam, lParam);
}

bool HelpFileReadable(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

// Tells the user why no help was shown, in the main window's own words, and gives the focus back.
BOOL ReportNoHelp(int textId, int captionId, HWND focus) {
    HWND mainWindow = Help().mainWindow;
    // Each call of _UtilLoadString fills its other buffer, so the text stays valid.
    const char* text = _UtilLoadString(mainWindow, textId);
    const char* caption = _UtilLoadString(mainWindow, captionId);
    umbrant::ShowMessage(mainWindow, text, caption, kWarningStyle);
    SetFocus(focus);
    return FALSE;
}

} // namespace

HHOOK _UtilInitHelp(HWND mainWindow, const char* helpFile) {
    HelpState& help = Help();
    _UtilDestroyHelp();
    help.mainWindow = mainWindow;
    const std::string path = helpFile == nullptr ? std::string() : std::string(helpFile);
    help.helpFile = path.substr(0, std::min(path.size(), kMaximumHelpFileLength));
    help.hook = SetWindowsHookA(WH_MSGFILTER, HelpHook);
    return help.hook;
}

BOOL _UtilDestroyHelp() {
    HelpState& help = Help();
    if (help.hook == nullptr) {
        return FALSE;
    }
    help.hook = nullptr;
    return UnhookWindowsHook(WH_MSGFILTER, HelpHook);
}

void _UtilHelpFound() {
    Help().found = true;
}

BOOL _UtilHelp(int context) {
    const HelpState& help = Help();
    HWND focus = GetFocus();
    if (!HelpFileReadable(help.helpFile)) {
        return ReportNoHelp(kMissingFileText, kMissingFileCaption, focus);
    }
    const BOOL shown = WinHelpA(help.mainWindow, help.helpFile.c_str(), HELP_CONTEXT,
                                static_cast<std::uintptr_t>(context));
    if (shown != FALSE) {
        return shown;
    }
    return ReportNoHelp(kRefusedText, kRefusedCaption, focus);
}
