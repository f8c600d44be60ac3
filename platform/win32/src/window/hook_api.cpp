// Message-filter hooks: procedures that see the messages of dialog and menu loops before those
// loops handle them, most recently installed first, each passing on through CallNextHookEx.
#include "platform/win32/src/window/message_queue.h"

#include <algorithm>

using namespace win32;

namespace {

std::vector<Hook>::iterator FindHook(std::uintptr_t handle) {
    auto& hooks = Ui().hooks;
    return std::find_if(hooks.begin(), hooks.end(),
                        [handle](const Hook& hook) { return hook.handle == handle; });
}

} // namespace

HHOOK SetWindowsHookExA(int kind, HOOKPROC procedure, HINSTANCE /*module*/, DWORD /*thread*/) {
    if (kind != WH_MSGFILTER || procedure == nullptr) {
        return nullptr;
    }
    UiState& ui = Ui();
    std::uintptr_t handle = ui.nextHook++;
    ui.hooks.insert(ui.hooks.begin(), Hook{handle, procedure});
    return reinterpret_cast<HHOOK>(handle);
}

HHOOK SetWindowsHookA(int kind, HOOKPROC procedure) {
    return SetWindowsHookExA(kind, procedure, nullptr, 0);
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    auto found = FindHook(reinterpret_cast<std::uintptr_t>(hook));
    if (found == Ui().hooks.end()) {
        return FALSE;
    }
    Ui().hooks.erase(found);
    return TRUE;
}

BOOL UnhookWindowsHook(int kind, HOOKPROC procedure) {
    auto& hooks = Ui().hooks;
    auto found = std::find_if(hooks.begin(), hooks.end(), [procedure](const Hook& hook) {
        return hook.procedure == procedure;
    });
    if (kind != WH_MSGFILTER || found == hooks.end()) {
        return FALSE;
    }
    hooks.erase(found);
    return TRUE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    auto& hooks = Ui().hooks;
    auto found = FindHook(reinterpret_cast<std::uintptr_t>(hook));
    if (found == hooks.end() || found + 1 == hooks.end()) {
        return 0;
    }
    Hook next = *(found + 1);
    return next.procedure(code, wParam, lParam);
}

BOOL CallMsgFilterA(MSG* message, int code) {
    auto& hooks = Ui().hooks;
    if (message == nullptr || hooks.empty()) {
        return FALSE;
    }
    Hook first = hooks.front();
    return first.procedure(code, 0, reinterpret_cast<LPARAM>(message)) != 0 ? TRUE : FALSE;
}
