// The state of the one user-interface thread: its message queue, the quit request, focus,
// activation and capture, the keyboard state, timers, message-filter hooks and the wait used when
// nothing is queued.
#pragma once

#include "platform/win32/window_host.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <vector>

namespace win32 {

using Clock = std::chrono::steady_clock;

struct Timer {
    std::uint32_t window = 0;
    UINT_PTR id = 0;
    std::chrono::milliseconds elapse{0};
    TIMERPROC procedure = nullptr;
    Clock::time_point due;
};

struct Hook {
    std::uintptr_t handle = 0;
    HOOKPROC procedure = nullptr;
};

struct UiState {
    std::deque<MSG> queue;
    bool quit = false;
    int quitCode = 0;
    std::uint32_t focus = 0;
    std::uint32_t active = 0;
    std::uint32_t capture = 0;
    // GetKeyState bits: 0x80 down, 0x01 toggled.
    std::array<std::uint8_t, 256> keys{};
    std::vector<Timer> timers;
    // The most recently installed first.
    std::vector<Hook> hooks;
    std::uintptr_t nextHook = 1;
    MessageWait wait;
    // The last button press, for double clicks.
    std::uint32_t lastClickWindow = 0;
    Clock::time_point lastClickTime;
};

UiState& Ui();

// Forgets what belongs to a window that goes: its queued messages and timers, focus and capture.
void ForgetWindow(std::uint32_t window);

} // namespace win32
