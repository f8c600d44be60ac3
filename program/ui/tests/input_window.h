// The main window of one illustration type as the input tests need it: shown (its load sets up
// the type, so only that type's tabs show and its input tab is current), its report step a
// recorder that produces nothing, and the clock fixed (06/15/2011 unless a test gives another
// day). The field array's focus and key events run the window's own handlers.
#pragma once

#include "program/ui/main_window/main_form.h"
#include "program/ui/tests/recorded_reports.h"

#include "platform/forms/application.h"
#include "platform/forms/testing/driver.h"
#include "platform/system/clock.h"

#include <map>
#include <string>

namespace ui {

using Fields = std::map<std::string, std::string>;

inline constexpr sys::LocalDateTime kToday{2011, 6, 15, 10, 0, 0};

struct InputWindow {
    explicit InputWindow(illustration::IllustrationType type,
                         const sys::LocalDateTime& today = kToday)
        : clock(today) {
        program.IllustrationType = type;
        main.SetServices(output, main.Store());
        main.Show();
    }

    void Enter(const Fields& fields) {
        for (const auto& [tag, text] : fields) {
            main.SetField(text, tag);
        }
    }

    // The client's state, chosen in the state list.
    void ChooseState(const std::string& code) {
        for (int item = 0; item < main.cmboState.ListCount(); ++item) {
            if (main.cmboState.List(item) == code) {
                main.cmboState.SetListIndex(item);
            }
        }
    }

    std::size_t Boxes() const { return driver.MessageBoxes().size(); }
    forms::TextBox& Field(const std::string& tag) { return main.txtInput(main.SetIndex(tag)); }

    sys::ScopedClock clock;
    forms::Application app;
    forms::testing::Driver driver{app};
    ProgramState program;
    frmMain& main = app.Create<frmMain>(program);
    RecordedReports output;
};

} // namespace ui
