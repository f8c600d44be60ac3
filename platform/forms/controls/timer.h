// The timer control. The host ticks it (a Qt timer on screen, the driver in tests); a tick
// raises Tick (the runtime's Timer event) only while the timer is enabled with a non-zero
// interval on a loaded form.
#pragma once

#include "platform/forms/control.h"

namespace forms {

struct TimerProperties {
    int interval = 0; // milliseconds
};

class Timer final : public ControlWith<TimerProperties> {
public:
    Timer(Form& form, std::string name);

    ControlKind Kind() const override { return ControlKind::Timer; }

    int Interval() const;
    void SetInterval(int milliseconds);
    // Whether a tick would raise Tick now.
    bool IsRunning() const;
    // One elapsed interval: raises Tick when the timer is running.
    void Elapse();

    Event<> Tick;
};

} // namespace forms
