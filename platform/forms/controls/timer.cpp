#include "platform/forms/controls/timer.h"

#include "platform/forms/form.h"

#include <algorithm>

namespace forms {

Timer::Timer(Form& form, std::string name) : ControlWith(form, std::move(name)) {
    SetTabStop(false);
}

int Timer::Interval() const {
    return Get(&TimerProperties::interval);
}

void Timer::SetInterval(int milliseconds) {
    Set(&TimerProperties::interval, std::max(0, milliseconds));
}

bool Timer::IsRunning() const {
    return Parent().IsLoaded() && Running() && Enabled() && p_.interval > 0;
}

void Timer::Elapse() {
    if (IsRunning()) {
        Raise(Tick);
    }
}

} // namespace forms
