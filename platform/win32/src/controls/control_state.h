// The state a control keeps in its window, made when the control first needs it.
#pragma once

#include "platform/win32/src/window/window.h"

#include <memory>
#include <utility>

namespace win32 {

// The window's state of class `State`, made from `arguments` when the window has none yet.
template <typename State, typename... Arguments>
State& ControlStateOf(Window& window, Arguments&&... arguments) {
    if (!window.control) {
        window.control = std::make_unique<State>(std::forward<Arguments>(arguments)...);
    }
    return static_cast<State&>(*window.control);
}

} // namespace win32
