// The program as a person meets it: the real build/bin/tallowmere, started as scripts/run starts
// it, on a desktop of its own (testkit::Desktop), in a fresh home inside the test's sandbox, and
// driven only by real mouse clicks and key strokes. Where a control lies and what a window shows
// come from the accessibility bus; nothing here calls into the program. Every step goes into
// steps.log in the sandbox with a screenshot of the whole screen, and a control that cannot be
// found leaves its window's controls in the log, so that a person can see what happened.
#pragma once

#include "platform/testing/accessible_windows.h"
#include "platform/testing/desktop.h"
#include "platform/testing/sandbox.h"
#include "platform/testing/started_tool.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace desktop {

using testkit::Accessible;
using Clock = std::chrono::steady_clock;

// The folders of the fresh home, each inside the sandbox; the program finds them through the
// TALLOWMERE_* variables, drive A: included.
struct HomeFolders {
    std::filesystem::path data;      // saved illustrations and RepInfo.flt
    std::filesystem::path documents; // the documents folder, which holds the PDF folder
    std::filesystem::path windows;   // the shared profile Hux.INI
    std::filesystem::path program;   // the program's own work folder
    std::filesystem::path config;    // the per-user settings and the class registry
    std::filesystem::path driveA;
};

class ProgramOnDesktop {
public:
    // Starts the desktop and makes the home; the program starts with Start.
    explicit ProgramOnDesktop(testkit::Sandbox& sandbox);
    // Ends the program when it still runs, then the desktop.
    ~ProgramOnDesktop();
    ProgramOnDesktop(const ProgramOnDesktop&) = delete;
    ProgramOnDesktop& operator=(const ProgramOnDesktop&) = delete;

    const HomeFolders& Home() const { return home_; }

    // Registers the Output module for the home's user and starts the program with `arguments`,
    // its environment that of the test with `environment` added. False (and the reason in the
    // log) when either fails.
    bool Start(const std::vector<std::string>& arguments,
               const std::vector<std::pair<std::string, std::string>>& environment = {});

    // A new step: its text into the log and a screenshot named after it.
    void Step(const std::string& what);
    // A line into the log.
    void Note(const std::string& text);
    // A screenshot of the screen now, named after `name`; answers its file.
    std::filesystem::path Shot(const std::string& name);
    // A screenshot of the screen now into one file that the next look replaces, for waiting
    // until the screen changes.
    std::filesystem::path Look();

    // The program's showing windows, as they are now.
    std::vector<Accessible> Windows() const;
    // The showing window with exactly this title, as it is now.
    std::optional<Accessible> Window(const std::string& title) const;
    // Waits until the window shows and `ready` holds for it. Gives up early when the program
    // ends or a message box that `title` does not name comes up: its text goes into the log
    // and the box is dismissed, so that the walk can go on.
    std::optional<Accessible>
    WaitForWindow(const std::string& title, std::chrono::milliseconds timeout,
                  const std::function<bool(const Accessible&)>& ready = nullptr);
    // Waits until no window of this title shows.
    bool WaitUntilGone(const std::string& title, std::chrono::milliseconds timeout);

    // Clicks the middle of a control.
    bool Click(const Accessible& control);
    // Clicks the control of this role and name in the window; logs the window when there is
    // none.
    bool ClickControl(const std::string& window, const std::string& role, const std::string& name);
    // Types `text` into the field that the label `label` names inside the frame `frame` of the
    // window (the whole window when `frame` is empty): clicks it, selects what it holds and
    // types over it.
    bool FillField(const std::string& window, const std::string& frame, const std::string& label,
                   const std::string& text);
    // What the field beside the label holds now.
    std::optional<std::string> FieldText(const std::string& window, const std::string& frame,
                                         const std::string& label) const;
    // Opens the menu of the window's menu bar and clicks its item.
    bool ChooseMenu(const std::string& window, const std::string& menu, const std::string& item);
    // Waits for the message box, keeps its screenshot, answers it with the button and gives
    // its text.
    std::optional<std::string> AnswerMessageBox(const std::string& title, const std::string& button,
                                                std::chrono::milliseconds timeout);

    // Now + timeout, or the end of the walk's time when that comes first: every wait of the
    // walk ends by then.
    Clock::time_point Deadline(std::chrono::milliseconds timeout);

    // The program's exit status once it has ended; nothing when it still runs after `timeout`.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);

private:
    // The field (text box or combo box) that the label names: the nearest one to its right on
    // its first line, else the nearest one under it.
    const Accessible* FieldBeside(const Accessible& window, const std::string& frame,
                                  const std::string& label) const;
    // Answers an unexpected message box with OK, or else No or Cancel.
    void Dismiss(const Accessible& box);
    // The window's controls for the log, once a step for each window.
    std::string Controls(const Accessible& window);

    testkit::Sandbox& sandbox_;
    HomeFolders home_;
    std::ofstream log_;
    Clock::time_point started_ = Clock::now();
    int shots_ = 0;
    bool budgetSpent_ = false;
    std::set<std::string> described_;
    std::unique_ptr<testkit::Desktop> desktop_;
    std::unique_ptr<testkit::AccessibilityBus> bus_;
    std::unique_ptr<testkit::StartedTool> program_;
};

} // namespace desktop
