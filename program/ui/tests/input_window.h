// The main window as the input tests need it: shown, with its field array's focus and key events
// handled by the input rules as the window's own handlers call them, the representative window
// linked, and the clock fixed (06/15/2011 unless a test gives another day).
#pragma once

#include "program/ui/input_field_events.h"
#include "program/ui/main_form.h"
#include "program/ui/rep_info_form.h"

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
        main.txtInput.On(&forms::TextBox::KeyPress, [this](int index, int& keyAscii) {
            FilterFieldKey(main, index, keyAscii);
        });
        main.txtInput.On(&forms::Control::GotFocus, [this](int index) { EnterField(main, index); });
        main.txtInput.On(&forms::Control::LostFocus,
                         [this](int index) { LeaveField(main, index); });
        main.RepInfo = &repInfo;
        main.Show();
        main.TabOne1.SetCurrentTab(static_cast<int>(type));
    }

    void Enter(const Fields& fields) {
        for (const auto& [tag, text] : fields) {
            main.SetField(text, tag);
        }
    }

    std::size_t Boxes() const { return driver.MessageBoxes().size(); }
    forms::TextBox& Field(const std::string& tag) { return main.txtInput(main.SetIndex(tag)); }

    sys::ScopedClock clock;
    forms::Application app;
    forms::testing::Driver driver{app};
    ProgramState program;
    frmMain& main = app.Create<frmMain>(program);
    frmRepInfo& repInfo = app.Create<frmRepInfo>();
};

} // namespace ui
