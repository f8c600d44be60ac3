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

// How long a walk waits for a window, a report and a change on the screen: long enough for the
// sanitizer build to compose a report; a step that works takes a fraction.
inline constexpr std::chrono::seconds kWindowTimeout{30};
inline constexpr std::chrono::seconds kReportTimeout{90};
inline constexpr std::chrono::seconds kChangeTimeout{10};

// The captions of the windows every first run meets.
inline constexpr const char* kStartWindow = "Choose an Option";
inline constexpr const char* kRepresentativeWindow = "Financial Representative Information";

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

// The control of this role and caption that shows (some of it is visible), or nullptr.
const Accessible* Showing(const Accessible& window, const std::string& role,
                          const std::string& name);
// The largest picture of the window that shows: a report page in the report view, the graph
// on the graph page.
const Accessible* LargestPicture(const Accessible& window);
// The view that scrolls `content`: the innermost control that holds it and scroll bars.
const Accessible* ScrolledView(const Accessible& node, const Accessible& content);
// What pdftotext reads from the file, blanks and line breaks run together into one blank;
// empty when pdftotext cannot read it.
std::string PdfText(const std::filesystem::path& pdf);

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
    // The field beside the label as it is now.
    std::optional<Accessible> Field(const std::string& window, const std::string& frame,
                                    const std::string& label) const;
    // A plain click into the field beside the label, halfway down it and `across` of its width
    // from its left edge (0 the left edge, 1 the right): no key selects anything.
    bool ClickField(const std::string& window, const std::string& frame, const std::string& label,
                    double across);
    // Opens the menu of the window's menu bar and clicks its item.
    bool ChooseMenu(const std::string& window, const std::string& menu, const std::string& item);
    // Puts the text (UTF-8) on the desktop's clipboard, as copying it in another program does
    // (xclip holds it); false when the clipboard does not give it back.
    bool PutOnClipboard(const std::string& text);
    // The window's frame: a double click on its title bar maximises it (tried again when the
    // window manager took it for two clicks); Alt with the right button dragged from near its
    // lower right corner resizes it to `width` x `height` pixels (its inside, as the
    // accessibility bus gives its extents). Each answers the window as it is then.
    std::optional<Accessible> Maximise(const std::string& window);
    std::optional<Accessible> ResizeWindow(const std::string& window, int width, int height);

    // Waits for the message box, keeps its screenshot, answers it with the button and gives
    // its text.
    std::optional<std::string> AnswerMessageBox(const std::string& title, const std::string& button,
                                                std::chrono::milliseconds timeout);

    // Now + timeout, or the end of the walk's time when that comes first: every wait of the
    // walk ends by then.
    Clock::time_point Deadline(std::chrono::milliseconds timeout);

    // The program's exit status once it has ended; nothing when it still runs after `timeout`.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
    // File > Exit of the main window, whatever its caption, answered Yes, and the question
    // whether to save the illustration answered with `saveAnswer` when one is given; true when
    // the program then ends with status 0.
    bool LeaveByFileExit(const char* saveAnswer = nullptr);
    // The main window (the one with a menu bar) as it is now.
    std::optional<Accessible> MainWindow() const;

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
    std::unique_ptr<testkit::StartedTool> clipboard_;
};

} // namespace desktop
