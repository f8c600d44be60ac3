// One event of a form or control: the handler the program attached, if any.
#pragma once

#include <functional>
#include <utility>

namespace forms {

// An event slot. The program assigns a handler (`cmdOK.Click = [this] { ... };`); the model
// raises the event through Application::Raise, which also stops every event after the program
// ended. A slot without a handler does nothing when raised.
template <class... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;

    Event& operator=(Handler handler) {
        handler_ = std::move(handler);
        return *this;
    }
    explicit operator bool() const { return static_cast<bool>(handler_); }

    // Runs the handler. The handler is copied first so that it may replace itself while it runs.
    void Invoke(Args... args) const {
        if (handler_) {
            Handler running = handler_;
            running(std::forward<Args>(args)...);
        }
    }

private:
    Handler handler_;
};

} // namespace forms
