// What the Tab key visits, as a test compares it with a window's intended tab order.
#pragma once

#include "platform/forms/application.h"
#include "platform/forms/control.h"
#include "platform/forms/testing/driver.h"

#include <string>
#include <vector>

namespace ui {

// The names of the `count` controls that have the focus in turn from the present one as the
// user presses Tab.
inline std::vector<std::string> TabWalk(forms::testing::Driver& driver, forms::Application& app,
                                        std::size_t count) {
    std::vector<std::string> visited;
    for (std::size_t step = 0; step < count; ++step) {
        visited.push_back(app.ActiveControl() == nullptr ? "none"
                                                         : app.ActiveControl()->DisplayName());
        driver.PressTab();
    }
    return visited;
}

} // namespace ui
