#include "program/tests/program_on_desktop.h"

#include "platform/testing/desktop_input.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/screen_pixels.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <thread>

namespace desktop {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr auto kPollStep = 100ms;
// The whole walk's time: a wait that would reach past it gives up at its end, so that a
// program that stops answering fails the test within a few minutes.
constexpr auto kTimeBudget = 300s;
constexpr auto kMenuTimeout = 10s;
constexpr auto kCloseTimeout = 10s;
constexpr auto kExitQuestionTimeout = 30s;
constexpr auto kExitTimeout = 30s;
// The window manager's frame. Pixels: from the top of a window's inside up to the middle of
// its title bar; from its lower right corner in to where a resize takes hold of it; how much
// narrower than the screen a maximised window may be; how far a resized window may stand from
// the size asked for, as the window manager rounds it.
constexpr int kTitleBarMiddle = 10;
constexpr int kCornerInset = 10;
constexpr int kMaximisedMargin = 20;
constexpr int kSizeSlack = 24;
constexpr int kMaximiseAttempts = 3;
constexpr auto kFrameTimeout = 3s;

bool IsMessageBox(const Accessible& window) {
    return window.role == "alert" || window.role == "dialog";
}

// The text of a message box: its labels, one a line.
std::string MessageText(const Accessible& box) {
    std::string text;
    for (const Accessible* label :
         box.FindAll([](const Accessible& node) { return node.role == "label"; })) {
        if (!label->name.empty()) {
            text += (text.empty() ? "" : "\n") + label->name;
        }
    }
    return text;
}

std::string Slug(const std::string& text) {
    std::string slug;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            slug += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!slug.empty() && slug.back() != '-') {
            slug += '-';
        }
    }
    while (!slug.empty() && slug.back() == '-') {
        slug.pop_back();
    }
    return slug.substr(0, 60);
}

bool Shows(const Accessible& node) {
    return !node.visible.Empty();
}

// The node that holds `node` directly, or nullptr.
const Accessible* ParentOf(const Accessible& root, const Accessible& node) {
    for (const Accessible& child : root.children) {
        if (&child == &node) {
            return &root;
        }
        if (const Accessible* parent = ParentOf(child, node)) {
            return parent;
        }
    }
    return nullptr;
}

// Whether `holder` is the frame of this caption, as the frame tells the accessibility bus.
bool IsFrame(const Accessible& holder, const std::string& frame) {
    return holder.Caption() == frame;
}

} // namespace

const Accessible* Showing(const Accessible& window, const std::string& role,
                          const std::string& name) {
    const std::vector<const Accessible*> found = window.FindAll([&](const Accessible& node) {
        return node.role == role && node.Caption() == name && Shows(node);
    });
    return found.empty() ? nullptr : found.front();
}

const Accessible* LargestPicture(const Accessible& window) {
    const Accessible* largest = nullptr;
    for (const Accessible* picture : window.FindAll(
             [](const Accessible& node) { return node.role == "image" && Shows(node); })) {
        if (largest == nullptr || picture->extents.width * picture->extents.height >
                                      largest->extents.width * largest->extents.height) {
            largest = picture;
        }
    }
    return largest;
}

const Accessible* ScrolledView(const Accessible& node, const Accessible& content) {
    for (const Accessible& child : node.children) {
        if (const Accessible* inner = ScrolledView(child, content)) {
            return inner;
        }
    }
    const bool holdsContent =
        !node.FindAll([&](const Accessible& n) { return &n == &content; }).empty();
    const bool holdsScrollBar =
        !node.FindAll([](const Accessible& n) { return n.role == "scroll bar"; }).empty();
    return holdsContent && holdsScrollBar ? &node : nullptr;
}

std::string PdfText(const fs::path& pdf) {
    const testkit::ToolRun run = testkit::RunTool({"pdftotext", pdf.string(), "-"});
    return run.exitStatus == 0 ? std::regex_replace(run.output, std::regex("\\s+"), " ")
                               : std::string();
}

ProgramOnDesktop::ProgramOnDesktop(testkit::Sandbox& sandbox)
    : sandbox_(sandbox), log_(sandbox.Root() / "steps.log") {
    const fs::path root = sandbox.Root();
    const fs::path home = root / "home";
    home_ = {home / ".local/share/tallowmere", home / "Documents",          home / ".config/hux",
             home / ".local/state/tallowmere", home / ".config/tallowmere", root / "floppy"};
    fs::create_directories(home_.documents);
    fs::create_directories(home_.driveA);
    const fs::path runtime = root / "runtime";
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    const std::pair<const char*, fs::path> folders[] = {
        {"TALLOWMERE_DATA_DIR", home_.data},
        {"TALLOWMERE_DOCUMENTS_DIR", home_.documents},
        {"TALLOWMERE_WINDOWS_DIR", home_.windows},
        {"TALLOWMERE_PROGRAM_DIR", home_.program},
        {"TALLOWMERE_CONFIG_DIR", home_.config},
        {"TALLOWMERE_USER_PROFILE_DIR", home},
        {"TALLOWMERE_REGISTRY", home_.config / "registry.ini"},
        {"TALLOWMERE_DRIVE_A", home_.driveA},
        {"XDG_RUNTIME_DIR", runtime},
    };
    for (const auto& [name, folder] : folders) {
        sandbox.SetEnvironment(name, folder.string());
    }
    // In the sanitizer build, the memory that fontconfig and the off-screen renderer keep for
    // the life of the process is not the program's leak, and the leak check scans dynamic
    // thread-local blocks without the runtime's faulty watch on __tls_get_addr (the tests' own
    // runs are set up in the same way, in platform/testing's test_program.cpp).
    const fs::path suppressions =
        sandbox.WriteFile("leak-suppressions.txt", "leak:libfontconfig.so\nleak:libOSMesa.so\n");
    sandbox.SetEnvironment("LSAN_OPTIONS",
                           "suppressions=" + suppressions.string() + ":intercept_tls_get_addr=0");
    // The xcb platform on the desktop's X server, taking part on the accessibility bus.
    sandbox.SetEnvironment("QT_QPA_PLATFORM", "xcb");
    sandbox.SetEnvironment("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    desktop_ = std::make_unique<testkit::Desktop>(sandbox, root / "desktop");
    bus_ = std::make_unique<testkit::AccessibilityBus>();
    Note("desktop on display " + desktop_->Display());
}

ProgramOnDesktop::~ProgramOnDesktop() {
    if (program_ && program_->Running()) {
        Note("the program still runs at the end: stopping it");
        Shot("still running at the end");
        program_->Stop();
    }
    program_.reset();
    clipboard_.reset();
    bus_.reset();
    desktop_.reset();
}

bool ProgramOnDesktop::Start(const std::vector<std::string>& arguments,
                             const std::vector<std::pair<std::string, std::string>>& environment) {
    const testkit::ToolRun registration =
        testkit::RunTool({TALLOWMERE_REGISTER_SERVER, TALLOWMERE_OUTPUT_MODULE});
    if (registration.exitStatus != 0) {
        Note("register-server failed: " + registration.errors);
        return false;
    }
    std::vector<std::string> command = {TALLOWMERE_PROGRAM};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::string shown;
    for (const std::string& part : command) {
        shown += (shown.empty() ? "" : " ") + part;
    }
    // The program alone takes the added variables: they are the test's only while it starts.
    std::vector<std::pair<std::string, std::optional<std::string>>> before;
    for (const auto& [name, value] : environment) {
        const char* old = std::getenv(name.c_str());
        before.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
        setenv(name.c_str(), value.c_str(), 1);
        Note("with " + name + "=" + value);
    }
    Note("starting " + shown);
    program_ = std::make_unique<testkit::StartedTool>(command, sandbox_.Root() / "program.log");
    for (const auto& [name, value] : before) {
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }
    return true;
}

Clock::time_point ProgramOnDesktop::Deadline(std::chrono::milliseconds timeout) {
    const Clock::time_point now = Clock::now();
    const Clock::time_point end = started_ + kTimeBudget;
    if (now >= end && !budgetSpent_) {
        budgetSpent_ = true;
        Note("the walk's " + std::to_string(kTimeBudget.count()) +
             " s are up: every wait from here on gives up at once");
    }
    return std::min(now + timeout, end);
}

void ProgramOnDesktop::Note(const std::string& text) {
    const double seconds = std::chrono::duration<double>(Clock::now() - started_).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%7.2f s] ", seconds);
    log_ << stamp << text << std::endl;
}

void ProgramOnDesktop::Step(const std::string& what) {
    described_.clear();
    Note("step: " + what);
    Shot(what);
}

fs::path ProgramOnDesktop::Shot(const std::string& name) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d-", ++shots_);
    const fs::path file = sandbox_.Root() / "shots" / (number + Slug(name) + ".png");
    fs::create_directories(file.parent_path());
    if (!testkit::CaptureScreen(file)) {
        Note("no screenshot " + file.filename().string());
    }
    return file;
}

fs::path ProgramOnDesktop::Look() {
    const fs::path file = sandbox_.Root() / "shots" / "latest-look.png";
    fs::create_directories(file.parent_path());
    testkit::CaptureScreen(file);
    return file;
}

std::string ProgramOnDesktop::Controls(const Accessible& window) {
    if (!described_.insert(window.name).second) {
        return " (its controls are in the log above)";
    }
    return "; its controls:\n" + window.Describe(1);
}

std::vector<Accessible> ProgramOnDesktop::Windows() const {
    return program_ ? bus_->WindowsOf(program_->Pid()) : std::vector<Accessible>{};
}

std::optional<Accessible> ProgramOnDesktop::Window(const std::string& title) const {
    for (Accessible& window : Windows()) {
        if (window.name == title) {
            return std::move(window);
        }
    }
    return std::nullopt;
}

std::optional<Accessible>
ProgramOnDesktop::WaitForWindow(const std::string& title, std::chrono::milliseconds timeout,
                                const std::function<bool(const Accessible&)>& ready) {
    const auto deadline = Deadline(timeout);
    std::vector<Accessible> windows;
    for (;;) {
        windows = Windows();
        for (const Accessible& window : windows) {
            if (window.name == title && (!ready || ready(window))) {
                return window;
            }
        }
        for (const Accessible& window : windows) {
            if (IsMessageBox(window) && window.name != title) {
                Note("waiting for \"" + title + "\", a message box came: \"" + window.name +
                     "\"\n" + MessageText(window));
                Shot("message " + window.name);
                Dismiss(window);
                return std::nullopt;
            }
        }
        if (!program_ || !program_->Running()) {
            Note("waiting for \"" + title + "\", the program ended with status " +
                 std::to_string(program_ ? program_->WaitForExit(0ms).value_or(-1) : -1));
            return std::nullopt;
        }
        if (Clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    std::string shown;
    for (const Accessible& window : windows) {
        shown += window.Describe(1);
    }
    Note("no window \"" + title + "\" (or not ready) within " +
         std::to_string(timeout.count() / 1000) + " s; the windows that show:\n" + shown);
    Shot("waited for " + title);
    return std::nullopt;
}

void ProgramOnDesktop::Dismiss(const Accessible& box) {
    // As a person does who did not expect the question: OK where there is one, else the answer
    // that changes nothing.
    for (const char* answer : {"OK", "No", "Cancel"}) {
        if (const Accessible* button = box.Find("push button", answer)) {
            Note("dismiss \"" + box.name + "\" with " + answer);
            Click(*button);
            WaitUntilGone(box.name, kCloseTimeout);
            return;
        }
    }
}

bool ProgramOnDesktop::WaitUntilGone(const std::string& title, std::chrono::milliseconds timeout) {
    const auto deadline = Deadline(timeout);
    while (Window(title)) {
        if (Clock::now() >= deadline) {
            Note("\"" + title + "\" still shows after " + std::to_string(timeout.count() / 1000) +
                 " s");
            return false;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    return true;
}

bool ProgramOnDesktop::Click(const Accessible& control) {
    if (!Shows(control)) {
        Note("cannot click " + control.role + " \"" + control.name + "\": none of it is visible");
        return false;
    }
    // Where a person clicks: the middle of what is left to see of it.
    return testkit::ClickAt(control.visible.CenterX(), control.visible.CenterY());
}

bool ProgramOnDesktop::ClickControl(const std::string& window, const std::string& role,
                                    const std::string& name) {
    const std::optional<Accessible> shown = Window(window);
    if (!shown) {
        Note("no window \"" + window + "\" to click " + role + " \"" + name + "\" in");
        return false;
    }
    const std::vector<const Accessible*> found = shown->FindAll([&](const Accessible& node) {
        return node.role == role && node.Caption() == name && Shows(node);
    });
    if (found.empty()) {
        Note("no " + role + " \"" + name + "\" in \"" + window + "\"" + Controls(*shown));
        return false;
    }
    Note("click " + role + " \"" + name + "\"");
    return Click(*found.front());
}

const Accessible* ProgramOnDesktop::FieldBeside(const Accessible& window, const std::string& frame,
                                                const std::string& label) const {
    std::vector<const Accessible*> labels = window.FindAll([&](const Accessible& node) {
        return node.role == "label" && node.Caption() == label && Shows(node);
    });
    if (!frame.empty() && labels.size() > 1) {
        std::erase_if(labels, [&](const Accessible* candidate) {
            const Accessible* holder = ParentOf(window, *candidate);
            return holder == nullptr || !IsFrame(*holder, frame);
        });
    }
    if (labels.empty()) {
        return nullptr;
    }
    // The field lies in the same frame as its label.
    const Accessible* container = ParentOf(window, *labels.front());
    if (container == nullptr) {
        return nullptr;
    }
    const testkit::ScreenRect at = labels.front()->extents;
    // A label's first line: its top and one line of text below it.
    const int lineTop = at.y;
    const int lineBottom = at.y + std::min(at.height, 20);
    const Accessible* best = nullptr;
    long bestDistance = LONG_MAX;
    for (const Accessible* field : container->FindAll([](const Accessible& node) {
             return (node.role == "text" || node.role == "combo box") && Shows(node);
         })) {
        const testkit::ScreenRect box = field->extents;
        long distance = LONG_MAX;
        const bool sameLine = box.y < lineBottom && box.y + box.height > lineTop;
        const bool overlapsAcross = box.x < at.x + at.width && box.x + box.width > at.x;
        if (sameLine && box.x >= at.x + at.width / 2) {
            distance = box.x - (at.x + at.width);
        } else if (overlapsAcross && box.y >= at.y + at.height / 2) {
            // Under the label: right-hand fields win over fields below.
            distance = 100000L + box.y - (at.y + at.height);
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = field;
        }
    }
    return best;
}

bool ProgramOnDesktop::FillField(const std::string& window, const std::string& frame,
                                 const std::string& label, const std::string& text) {
    const std::optional<Accessible> shown = Window(window);
    const Accessible* field = shown ? FieldBeside(*shown, frame, label) : nullptr;
    const std::string where = "\"" + label + "\"" + (frame.empty() ? "" : " of \"" + frame + "\"");
    if (field == nullptr) {
        Note("no field " + where + " in \"" + window + "\"" +
             (shown ? Controls(*shown) : std::string()));
        return false;
    }
    Note("type \"" + text + "\" into " + where);
    // Into the text part of a combo box, clear of its arrow.
    const testkit::ScreenRect box = field->visible;
    return testkit::ClickAt(box.x + std::min(box.width / 4, 30), box.CenterY()) &&
           testkit::PressKeys("ctrl+a") && testkit::TypeText(text);
}

std::optional<std::string> ProgramOnDesktop::FieldText(const std::string& window,
                                                       const std::string& frame,
                                                       const std::string& label) const {
    const std::optional<Accessible> shown = Window(window);
    const Accessible* field = shown ? FieldBeside(*shown, frame, label) : nullptr;
    if (field == nullptr) {
        return std::nullopt;
    }
    return field->role == "text" ? field->text : field->name;
}

std::optional<Accessible> ProgramOnDesktop::Field(const std::string& window,
                                                  const std::string& frame,
                                                  const std::string& label) const {
    const std::optional<Accessible> shown = Window(window);
    const Accessible* field = shown ? FieldBeside(*shown, frame, label) : nullptr;
    return field != nullptr ? std::optional<Accessible>(*field) : std::nullopt;
}

bool ProgramOnDesktop::ClickField(const std::string& window, const std::string& frame,
                                  const std::string& label, double across) {
    const std::optional<Accessible> field = Field(window, frame, label);
    if (!field) {
        Note("no field \"" + label + "\" in \"" + window + "\" to click");
        return false;
    }
    const testkit::ScreenRect box = field->visible;
    const int x = box.x + std::clamp(static_cast<int>(box.width * across), 2, box.width - 3);
    Note("click into \"" + label + "\" at " + std::to_string(x - box.x) + " of its " +
         std::to_string(box.width) + " pixels");
    return testkit::ClickAt(x, box.CenterY());
}

bool ProgramOnDesktop::ChooseMenu(const std::string& window, const std::string& menu,
                                  const std::string& item) {
    const std::optional<Accessible> shown = Window(window);
    const std::vector<const Accessible*> bars =
        shown ? shown->FindAll([](const Accessible& node) { return node.role == "menu bar"; })
              : std::vector<const Accessible*>{};
    const Accessible* title = bars.empty() ? nullptr : bars.front()->Find("menu item", menu);
    if (title == nullptr) {
        Note("no menu \"" + menu + "\" on \"" + window + "\"" +
             (shown ? Controls(*shown) : std::string()));
        return false;
    }
    Note("open menu \"" + menu + "\"");
    if (!Click(*title)) {
        return false;
    }
    // The open menu's items show below the bar, in a window of their own.
    const auto deadline = Deadline(kMenuTimeout);
    const testkit::ScreenRect bar = bars.front()->extents;
    for (;;) {
        for (const Accessible& open : Windows()) {
            const std::vector<const Accessible*> entries =
                open.FindAll([&](const Accessible& node) {
                    return node.role == "menu item" && node.Caption() == item && Shows(node) &&
                           node.extents.y >= bar.y + bar.height;
                });
            if (!entries.empty()) {
                Shot("menu " + menu);
                if (!entries.front()->enabled) {
                    Note("menu item \"" + item + "\" is disabled");
                    testkit::PressKeys("Escape");
                    return false;
                }
                Note("choose \"" + item + "\"");
                return Click(*entries.front());
            }
        }
        if (Clock::now() >= deadline) {
            Note("menu \"" + menu + "\" shows no item \"" + item + "\"");
            Shot("menu " + menu + " without " + item);
            testkit::PressKeys("Escape");
            return false;
        }
        std::this_thread::sleep_for(kPollStep);
    }
}

bool ProgramOnDesktop::PutOnClipboard(const std::string& text) {
    Note("put \"" + text + "\" on the clipboard");
    const fs::path file = sandbox_.WriteFile("clipboard.txt", text);
    clipboard_.reset();
    // In the foreground, so that it stays the tool's own process until the next text or the
    // end of the walk.
    clipboard_ = std::make_unique<testkit::StartedTool>(
        std::vector<std::string>{"xclip", "-quiet", "-selection", "clipboard", "-i", file.string()},
        sandbox_.Root() / "xclip.log");
    const auto deadline = Deadline(kMenuTimeout);
    for (;;) {
        const testkit::ToolRun given =
            testkit::RunTool({"xclip", "-out", "-selection", "clipboard"});
        if (given.exitStatus == 0 && given.output == text) {
            return true;
        }
        if (Clock::now() >= deadline) {
            Note("the clipboard does not give the text back: " + given.errors);
            return false;
        }
        std::this_thread::sleep_for(kPollStep);
    }
}

std::optional<Accessible> ProgramOnDesktop::Maximise(const std::string& window) {
    const auto maximised = [](const Accessible& shown) {
        return shown.extents.width > testkit::Desktop::kWidth - kMaximisedMargin;
    };
    for (int attempt = 0; attempt < kMaximiseAttempts; ++attempt) {
        const std::optional<Accessible> shown = Window(window);
        if (!shown) {
            Note("no window \"" + window + "\" to maximise");
            return std::nullopt;
        }
        // The title bar lies just above the window's inside.
        Note("double click on the title bar of \"" + window + "\"");
        testkit::DoubleClickAt(shown->extents.CenterX(), shown->extents.y - kTitleBarMiddle);
        if (std::optional<Accessible> done = WaitForWindow(window, kFrameTimeout, maximised)) {
            return done;
        }
    }
    return std::nullopt;
}

std::optional<Accessible> ProgramOnDesktop::ResizeWindow(const std::string& window, int width,
                                                         int height) {
    const std::optional<Accessible> shown = Window(window);
    if (!shown) {
        Note("no window \"" + window + "\" to resize");
        return std::nullopt;
    }
    const testkit::ScreenRect at = shown->extents;
    Note("resize \"" + window + "\" from " + std::to_string(at.width) + "x" +
         std::to_string(at.height) + " to " + std::to_string(width) + "x" + std::to_string(height));
    // The window manager resizes from the corner nearest the pointer.
    const int fromX = at.x + at.width - kCornerInset;
    const int fromY = at.y + at.height - kCornerInset;
    testkit::DragWith("alt", 3, fromX, fromY, fromX + width - at.width, fromY + height - at.height);
    const auto near = [](int value, int wanted) { return std::abs(value - wanted) <= kSizeSlack; };
    return WaitForWindow(window, kFrameTimeout, [&](const Accessible& resized) {
        return near(resized.extents.width, width) && near(resized.extents.height, height);
    });
}

std::optional<std::string> ProgramOnDesktop::AnswerMessageBox(const std::string& title,
                                                              const std::string& button,
                                                              std::chrono::milliseconds timeout) {
    const std::optional<Accessible> box = WaitForWindow(title, timeout);
    if (!box) {
        return std::nullopt;
    }
    const std::string text = MessageText(*box);
    Note("message box \"" + title + "\":\n" + text);
    Shot("message " + title);
    if (!ClickControl(title, "push button", button) || !WaitUntilGone(title, kCloseTimeout)) {
        return std::nullopt;
    }
    return text;
}

std::optional<Accessible> ProgramOnDesktop::MainWindow() const {
    for (Accessible& window : Windows()) {
        if (!window.FindAll([](const Accessible& n) { return n.role == "menu bar"; }).empty()) {
            return std::move(window);
        }
    }
    return std::nullopt;
}

bool ProgramOnDesktop::LeaveByFileExit(const char* saveAnswer) {
    const std::optional<Accessible> main = MainWindow();
    if (!main) {
        Note("no main window shows to leave by File > Exit");
        return false;
    }
    if (!ChooseMenu(main->name, "File", "Exit") ||
        !AnswerMessageBox("Software Exit", "Yes", kExitQuestionTimeout)) {
        return false;
    }
    if (saveAnswer != nullptr &&
        !AnswerMessageBox("Illustration Data", saveAnswer, kExitQuestionTimeout)) {
        return false;
    }
    return WaitForExit(kExitTimeout) == std::optional<int>(0);
}

std::optional<int> ProgramOnDesktop::WaitForExit(std::chrono::milliseconds timeout) {
    if (!program_) {
        return std::nullopt;
    }
    const std::optional<int> status = program_->WaitForExit(
        std::chrono::duration_cast<std::chrono::milliseconds>(Deadline(timeout) - Clock::now()));
    Note(status ? "the program ended with status " + std::to_string(*status)
                : "the program still runs after " + std::to_string(timeout.count() / 1000) + " s");
    return status;
}

} // namespace desktop
