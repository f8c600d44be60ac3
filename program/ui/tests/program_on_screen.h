// The program's windows through the Qt skin on the offscreen screen: a sandbox, the clock fixed
// on 06/15/2011, the program folder entered, message boxes and beeps collected, reports
// recorded.
#pragma once

#include "program/ui/support/program_state.h"
#include "program/ui/tests/collected_messages.h"
#include "program/ui/tests/recorded_reports.h"

#include "platform/forms/application.h"
#include "platform/forms/qt/skin.h"
#include "platform/system/clock.h"
#include "platform/system/folders.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

namespace ui {

class ProgramOnScreenTest : public testing::Test {
protected:
    ProgramOnScreenTest() {
        sys::EnterProgramFolder();
        app.SetMessageBoxService(&messages);
    }

    // Lets the queued events run.
    void Settle() { app.RunPending(); }

    testkit::Sandbox sandbox;
    sys::ScopedClock clock{sys::LocalDateTime{2011, 6, 15, 10, 0, 0}};
    forms::Application app;
    forms::qt::Skin skin{app};
    CollectedMessages messages;
    ProgramState program;
    RecordedReports reports;
};

} // namespace ui
