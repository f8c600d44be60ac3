// A host's top-level window that records the help messages the family's dialogs send it.
#pragma once

#include "platform/win32/windows.h"

#include <span>
#include <vector>

namespace caddow_test {

class HelpHost {
public:
    HelpHost();
    ~HelpHost();
    HelpHost(const HelpHost&) = delete;
    HelpHost& operator=(const HelpHost&) = delete;

    HWND Window() const { return window_; }
    // Delivers what was posted to the window.
    void Flush();
    void Clear();
    int FoundCount() const;
    // The context numbers of UM_HELPCONTEXT, in order.
    std::vector<WPARAM> Contexts() const;

    struct ControlContext {
        int control;
        WPARAM context;
    };
    // Asks the dialog for help as the help hook does, with each control focused in turn: the
    // dialog must answer that it gives help, then post the control's context.
    void ExpectContexts(HWND dialog, std::span<const ControlContext> cases);

private:
    HWND window_ = nullptr;
};

} // namespace caddow_test
