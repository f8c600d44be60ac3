// The program's windows on a real X server, driven only by real mouse clicks and key strokes
// (ProgramOnDesktop): a click into a field selects what it shows, so that the amount typed is
// the amount the report prints; the main window maximised and then made smaller than its
// minimum keeps its tabs and its report view inside it; the Tab key shows where the focus is on
// the start-up window; the about box shows the program's icon; and text that Windows-1252
// cannot hold is refused as it is typed or pasted, while Latin-1 names reach the report.
#include "program/tests/program_on_desktop.h"

#include "platform/testing/desktop_input.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/screen_pixels.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <thread>

namespace {

using namespace desktop;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// How long a message box is given to come up where none should.
constexpr auto kNoMessageWait = 2s;

constexpr const char* kBrowser = "0 Saved Illustrations";
constexpr const char* kMain = "Planholder RMD Calculator";
constexpr const char* kAmount = "Account Value (Generally on Last Day Prior to Calculation Year) *";
constexpr const char* kYear = "Calculation Year *";
// The box that refuses a character: it bears the program's title.
constexpr const char* kRefusal = "Tallowmere";

// The representative, known from the shared profile, so that the program goes straight on.
void WriteRepresentative(ProgramOnDesktop& program) {
    fs::create_directories(program.Home().windows);
    std::ofstream(program.Home().windows / "Hux.INI", std::ios::binary)
        << "[Agent Information]\r\nFirst=Dana\r\nInitial=L\r\nLast=Brooks\r\n"
           "Agency=Lakeside Planning\r\nAddress=9 Pine Rd\r\nCity=Dayton\r\nZip=45402\r\n"
           "State=35\r\n";
}

// From the start of the program with "/0": the browser's New gives an empty RMD illustration.
void OpenNewRmdIllustration(ProgramOnDesktop& program) {
    ASSERT_TRUE(program.WaitForWindow(kBrowser, kWindowTimeout));
    ASSERT_TRUE(program.ClickControl(kBrowser, "push button", "New"));
    ASSERT_TRUE(program.WaitUntilGone(kBrowser, kWindowTimeout));
    ASSERT_TRUE(program.WaitForWindow(kMain, kWindowTimeout));
}

struct FieldEntry {
    const char* frame;
    const char* label;
    const char* text;
};

// An RMD client: born 03/15/1950, so 75 on 12/31/2025; Uniform Lifetime divisor 22.9;
// 250,000 / 22.9 = 10,917.03, taken up to the next whole dollar: $10,918.
const FieldEntry kRmdClient[] = {
    {"Personal", "First *", "Robert"},
    {"Personal", "Last *", "Hansen"},
    {"Personal", "Date of Birth *", "03/15/1950"},
    {"RMD Calculation", kYear, "2025"},
};

void TypeTheClient(ProgramOnDesktop& program, const std::vector<FieldEntry>& fields) {
    for (const FieldEntry& field : fields) {
        EXPECT_TRUE(program.FillField(kMain, field.frame, field.label, field.text)) << field.label;
    }
    EXPECT_TRUE(program.ClickControl(kMain, "radio button", "No")) << "the spouse option";
}

bool FieldShows(ProgramOnDesktop& program, const char* frame, const char* label,
                const std::string& text) {
    return program
        .WaitForWindow(kMain, kChangeTimeout,
                       [&](const Accessible&) {
                           return program.FieldText(kMain, frame, label) ==
                                  std::optional<std::string>(text);
                       })
        .has_value();
}

// The Report tab clicked: the report's first page shows.
std::optional<Accessible> ShowTheReport(ProgramOnDesktop& program) {
    if (!program.ClickControl(kMain, "page tab", "Report")) {
        return std::nullopt;
    }
    return program.WaitForWindow(kMain, kReportTimeout, [](const Accessible& window) {
        const Accessible* page = LargestPicture(window);
        return page != nullptr && page->extents.width > 200;
    });
}

// File > Save Report as PDF File: the text of the PDF the program says it saved.
std::string ExportedPdfText(ProgramOnDesktop& program, std::string* fileName = nullptr) {
    if (!program.ChooseMenu(kMain, "File", "Save Report as PDF File")) {
        return {};
    }
    const std::optional<std::string> said =
        program.AnswerMessageBox("Adobe Acrobat File Saved", "OK", kReportTimeout);
    std::smatch where;
    if (!said ||
        !std::regex_search(*said, where,
                           std::regex("^(.*)\\n\\s*was saved in the (.*) file folder\\."))) {
        ADD_FAILURE() << "no word that the PDF was saved: " << said.value_or("");
        return {};
    }
    if (fileName != nullptr) {
        *fileName = where[1].str();
    }
    const fs::path pdf = fs::path(where[2].str()) / where[1].str();
    EXPECT_TRUE(fs::exists(pdf)) << pdf;
    return PdfText(pdf);
}

// ---------------------------------------------------------------------------------------------

TEST(DesktopTest, AClickIntoAFieldSelectsWhatItShowsSoThatTheReportPrintsTheAmountTyped) {
    testkit::Sandbox sandbox;
    ProgramOnDesktop program(sandbox);
    WriteRepresentative(program);
    ASSERT_TRUE(program.Start({"/0"}));
    OpenNewRmdIllustration(program);
    TypeTheClient(program, {std::begin(kRmdClient), std::end(kRmdClient)});

    // The amount left empty shows "$0" once the focus has gone on.
    ASSERT_TRUE(program.ClickField(kMain, "RMD Calculation", kAmount, 0.5));
    ASSERT_TRUE(program.ClickField(kMain, "RMD Calculation", kYear, 0.5));
    ASSERT_TRUE(FieldShows(program, "RMD Calculation", kAmount, "$0"))
        << "the empty amount does not show $0";
    program.Step("the amount shows $0");

    // A plain click, left of the "0" that the amount shows at its right.
    ASSERT_TRUE(program.ClickField(kMain, "RMD Calculation", kAmount, 0.3));
    EXPECT_TRUE(program.WaitForWindow(kMain, kChangeTimeout, [&](const Accessible&) {
        const std::optional<Accessible> field = program.Field(kMain, "RMD Calculation", kAmount);
        return field && field->focused;
    })) << "the click did not give the amount the focus";
    program.Step("clicked into the amount: its 0 selected");
    testkit::TypeText("250000");
    EXPECT_TRUE(FieldShows(program, "RMD Calculation", kAmount, "250000"))
        << "typing over the amount gave "
        << program.FieldText(kMain, "RMD Calculation", kAmount).value_or("nothing");
    program.Step("250000 typed over the 0");

    // A click in the field that has the focus puts the caret where it falls: at the end, so
    // that the backspace takes the last digit alone.
    ASSERT_TRUE(program.ClickField(kMain, "RMD Calculation", kAmount, 1.0));
    testkit::PressKeys("BackSpace");
    EXPECT_TRUE(FieldShows(program, "RMD Calculation", kAmount, "25000"))
        << "the second click did not put the caret at the end: the backspace gave "
        << program.FieldText(kMain, "RMD Calculation", kAmount).value_or("nothing");
    testkit::TypeText("0");
    EXPECT_TRUE(FieldShows(program, "RMD Calculation", kAmount, "250000"));
    program.Step("the caret placed at the end by the second click");

    ASSERT_TRUE(ShowTheReport(program)) << "no report page shows";
    program.Step("report of the amount typed");
    const std::string text = ExportedPdfText(program);
    EXPECT_NE(text.find("$250,000"), std::string::npos) << text;
    EXPECT_NE(text.find("$10,918"), std::string::npos) << text;
    EXPECT_EQ(text.find("$2,500,000"), std::string::npos) << text;
    ASSERT_TRUE(program.ClickControl(kMain, "page tab", "Planholder"));
    EXPECT_TRUE(FieldShows(program, "RMD Calculation", kAmount, "$250,000"));
    program.Step("the amount as the field shows it after leaving it");
    EXPECT_TRUE(program.LeaveByFileExit("No")) << "File > Exit did not end the program cleanly";
}

// ---------------------------------------------------------------------------------------------

// Each showing tab's header lies wholly inside the window.
void ExpectTabHeadersInside(const Accessible& window) {
    const testkit::ScreenRect inside = window.extents;
    int headers = 0;
    // The hidden tabs of the other types stand in the bar without a size.
    for (const Accessible* tab : window.FindAll([](const Accessible& node) {
             return node.role == "page tab" && !node.extents.Empty();
         })) {
        ++headers;
        SCOPED_TRACE(tab->Caption());
        const testkit::ScreenRect at = tab->extents;
        EXPECT_GE(at.x, inside.x);
        EXPECT_LE(at.x + at.width, inside.x + inside.width)
            << "the tab's header reaches past the window's right edge";
        EXPECT_EQ(tab->visible.width, at.width) << "the window cuts the tab's header off";
    }
    EXPECT_EQ(headers, 2) << "the RMD window shows the Planholder and Report tabs";
}

// The report view's scroll bar that runs down stands inside the window, at its right.
void ExpectTheReportViewsScrollBarInside(const Accessible& window) {
    const Accessible* page = LargestPicture(window);
    ASSERT_NE(page, nullptr) << "no report page shows";
    const Accessible* view = ScrolledView(window, *page);
    ASSERT_NE(view, nullptr) << "the report page has no scroll bars";
    const std::vector<const Accessible*> downward = view->FindAll([](const Accessible& node) {
        return node.role == "scroll bar" && node.extents.height > node.extents.width;
    });
    ASSERT_EQ(downward.size(), 1u) << "the report view has no scroll bar that runs down";
    const testkit::ScreenRect bar = downward.front()->visible;
    EXPECT_FALSE(bar.Empty()) << "the window cuts the scroll bar off";
    EXPECT_LE(bar.x + bar.width, window.extents.x + window.extents.width);
    EXPECT_GT(bar.height, 50) << "too little of the scroll bar shows";
}

TEST(DesktopTest, MaximisedThenSmallerThanItsMinimumTheWindowKeepsItsTabsAndItsReportView) {
    testkit::Sandbox sandbox;
    ProgramOnDesktop program(sandbox);
    WriteRepresentative(program);
    ASSERT_TRUE(program.Start({"/0"}));
    OpenNewRmdIllustration(program);
    std::vector<FieldEntry> client(std::begin(kRmdClient), std::end(kRmdClient));
    client.push_back({"RMD Calculation", kAmount, "250000"});
    TypeTheClient(program, client);
    ASSERT_TRUE(ShowTheReport(program)) << "no report page shows";
    program.Step("the report at the first size");

    const std::optional<Accessible> maximised = program.Maximise(kMain);
    ASSERT_TRUE(maximised) << "the double click on the title bar did not maximise the window";
    program.Step("maximised");
    ExpectTabHeadersInside(*maximised);

    // 640 x 520 pixels: wide enough, lower than the minimum of 9000 twips (600 pixels).
    constexpr int kWidth = 640;
    constexpr int kHeight = 520;
    const std::optional<Accessible> small = program.ResizeWindow(kMain, kWidth, kHeight);
    ASSERT_TRUE(small) << "the drag did not make the window " << kWidth << " x " << kHeight;
    program.Step("smaller than its minimum");
    ExpectTabHeadersInside(*small);
    ExpectTheReportViewsScrollBarInside(*small);

    // Both headers take a click: the input tab, and the Report tab again.
    ASSERT_TRUE(program.ClickControl(kMain, "page tab", "Planholder"));
    EXPECT_TRUE(program.WaitForWindow(kMain, kChangeTimeout, [](const Accessible& window) {
        return Showing(window, "label", "First *") != nullptr;
    })) << "the Planholder tab did not come up";
    program.Step("the input tab, smaller than its minimum");
    const std::optional<Accessible> again = ShowTheReport(program);
    ASSERT_TRUE(again) << "the Report tab's header did not take the click";
    program.Step("the report again, smaller than its minimum");
    ExpectTheReportViewsScrollBarInside(*again);
    EXPECT_TRUE(program.LeaveByFileExit("No")) << "File > Exit did not end the program cleanly";
}

// ---------------------------------------------------------------------------------------------

TEST(DesktopTest, TheTabKeyShowsWhereTheFocusIsOnTheStartUpWindow) {
    testkit::Sandbox sandbox;
    ProgramOnDesktop program(sandbox);
    WriteRepresentative(program);
    ASSERT_TRUE(program.Start({}));
    ASSERT_TRUE(program.WaitForWindow(kStartWindow, kWindowTimeout));

    // The focus starts on Ok; Tab goes on to Cancel and the chosen type, Shift+Tab back, and
    // the Down key chooses the next type and takes the focus with it.
    const std::string planholder = "Planholder Required Minimum Distribution Calculator";
    const std::string beneficiary = "Required Minimum Beneficiary Distribution Calculator";
    struct Step {
        const char* keys;
        const char* role;
        std::string name;
    };
    const Step steps[] = {
        {"", "push button", "Ok"},
        {"Tab", "push button", "Cancel"},
        {"Tab", "radio button", planholder},
        {"Tab", "push button", "Ok"},
        {"shift+Tab", "radio button", planholder},
        {"Down", "radio button", beneficiary},
    };
    struct Seen {
        std::string control;
        testkit::ScreenRect at;
        fs::path shot;
    };
    std::vector<Seen> seen;
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.keys) + " to " + step.name);
        if (*step.keys != '\0') {
            testkit::PressKeys(step.keys);
        }
        const std::optional<Accessible> window =
            program.WaitForWindow(kStartWindow, kChangeTimeout, [&](const Accessible& w) {
                const Accessible* control = Showing(w, step.role, step.name);
                return control != nullptr && control->focused;
            });
        ASSERT_TRUE(window) << "the focus is not on " << step.name;
        std::this_thread::sleep_for(200ms); // the focus drawn
        const fs::path shot = program.Shot(std::string("focus on ") + step.name);
        seen.push_back({step.name, Showing(*window, step.role, step.name)->visible, shot});
    }
    // Each control looks different while it holds the focus from how it looks without it.
    for (const Seen& focused : seen) {
        SCOPED_TRACE(focused.control + " in " + focused.shot.filename().string());
        const testkit::ScreenPixels with = testkit::ReadPixels(focused.shot, focused.at);
        ASSERT_GT(with.width, 0);
        int compared = 0;
        for (const Seen& other : seen) {
            if (other.control != focused.control) {
                const testkit::ScreenPixels without = testkit::ReadPixels(other.shot, focused.at);
                EXPECT_NE(with.rgb, without.rgb) << "no focus shows on it: it looks the same in "
                                                 << other.shot.filename().string() << ", where "
                                                 << other.control << " has the focus";
                ++compared;
            }
        }
        EXPECT_GT(compared, 0);
    }
    // Esc is Cancel: the program ends.
    testkit::PressKeys("Escape");
    EXPECT_TRUE(program.WaitForExit(kWindowTimeout)) << "Esc did not end the program";
}

// ---------------------------------------------------------------------------------------------

TEST(DesktopTest, TheAboutBoxShowsTheProgramsIcon) {
    testkit::Sandbox sandbox;
    ProgramOnDesktop program(sandbox);
    WriteRepresentative(program);
    ASSERT_TRUE(program.Start({"/0"}));
    OpenNewRmdIllustration(program);
    ASSERT_TRUE(program.ChooseMenu(kMain, "Help", "About..."));
    const std::optional<Accessible> about =
        program.WaitForWindow("About Tallowmere", kWindowTimeout);
    ASSERT_TRUE(about) << "Help > About did not open the about box";
    std::this_thread::sleep_for(200ms);
    const fs::path shot = program.Shot("the about box");
    const Accessible* icon = LargestPicture(*about);
    ASSERT_NE(icon, nullptr) << "the about box shows no picture";
    program.Note("the icon stands at " + std::to_string(icon->visible.x) + "," +
                 std::to_string(icon->visible.y) + ", " + std::to_string(icon->visible.width) +
                 " x " + std::to_string(icon->visible.height));
    EXPECT_LE(icon->visible.x + icon->visible.width, about->extents.x + about->extents.width / 4)
        << "the icon stands in the box's left column";
    // The icon: gold bars on dark blue.
    const testkit::ScreenPixels pixels = testkit::ReadPixels(shot, icon->visible);
    ASSERT_GT(pixels.width, 0);
    int gold = 0;
    int blue = 0;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            const std::uint32_t rgb = pixels.At(x, y);
            const int red = static_cast<int>(rgb >> 16);
            const int green = static_cast<int>((rgb >> 8) & 0xFF);
            const int bluePart = static_cast<int>(rgb & 0xFF);
            gold += red > 200 && green > 160 && bluePart < 150 ? 1 : 0;
            blue += red < 40 && bluePart > 70 ? 1 : 0;
        }
    }
    EXPECT_GT(gold, 60) << "the icon's bars do not show";
    EXPECT_GT(blue, 200) << "the icon's ground does not show";
    ASSERT_TRUE(program.ClickControl("About Tallowmere", "push button", "OK"));
    EXPECT_TRUE(program.WaitUntilGone("About Tallowmere", kChangeTimeout));
    EXPECT_TRUE(program.LeaveByFileExit()) << "File > Exit did not end the program cleanly";
}

// ---------------------------------------------------------------------------------------------

// The refusal's box comes up and is answered; its text says which characters the field holds.
void ExpectRefused(ProgramOnDesktop& program, const std::string& what) {
    const std::optional<std::string> said =
        program.AnswerMessageBox(kRefusal, "OK", kWindowTimeout);
    ASSERT_TRUE(said) << what << " brought no message";
    EXPECT_NE(said->find("Windows-1252"), std::string::npos) << *said;
    EXPECT_NE(said->find("é, ñ, ü, ø and ß"), std::string::npos) << *said;
}

// No message box comes up for a while.
void ExpectNoMessage(ProgramOnDesktop& program, const std::string& what) {
    std::this_thread::sleep_for(kNoMessageWait);
    EXPECT_FALSE(program.Window(kRefusal)) << what << " brought a second message in one visit";
}

TEST(DesktopTest, ACharacterWindows1252CannotHoldIsRefusedAndLatinNamesReachTheReport) {
    testkit::Sandbox sandbox;
    ProgramOnDesktop program(sandbox);
    WriteRepresentative(program);
    ASSERT_TRUE(program.Start({"/0"}));
    OpenNewRmdIllustration(program);

    // Typed: the field stays as it was, with the message; typed again in the same visit, only
    // the beep.
    ASSERT_TRUE(program.FillField(kMain, "Personal", "First *", "Wei"));
    ASSERT_TRUE(FieldShows(program, "Personal", "First *", "Wei"));
    testkit::TypeText("李");
    ExpectRefused(program, "李 typed");
    program.Step("李 typed: the field as it was");
    EXPECT_EQ(program.FieldText(kMain, "Personal", "First *"), std::optional<std::string>("Wei"));
    testkit::TypeText("李");
    ExpectNoMessage(program, "李 typed again");
    EXPECT_EQ(program.FieldText(kMain, "Personal", "First *"), std::optional<std::string>("Wei"));

    // Pasted into another field: its own message.
    ASSERT_TRUE(program.PutOnClipboard("Wang 王"));
    ASSERT_TRUE(program.ClickField(kMain, "Personal", "Last *", 0.5));
    testkit::PressKeys("ctrl+v");
    ExpectRefused(program, "Wang 王 pasted");
    program.Step("Wang 王 pasted: the field as it was");
    EXPECT_EQ(program.FieldText(kMain, "Personal", "Last *"), std::optional<std::string>(""));

    // Latin-1 names, pasted as a person copies them from elsewhere, reach the report and the
    // PDF's name.
    const std::pair<const char*, const char*> latin[] = {
        {"First *", "José"}, {"Last *", "Müller-Øß"}, {"Plan Name", "€uro Ø Plan"}};
    for (const auto& [label, text] : latin) {
        SCOPED_TRACE(label);
        const char* frame = std::string(label) == "Plan Name" ? "Plan Information" : "Personal";
        ASSERT_TRUE(program.PutOnClipboard(text));
        ASSERT_TRUE(program.ClickField(kMain, frame, label, 0.5));
        testkit::PressKeys("ctrl+a ctrl+v");
        EXPECT_TRUE(FieldShows(program, frame, label, text))
            << program.FieldText(kMain, frame, label).value_or("nothing");
    }
    EXPECT_FALSE(program.Window(kRefusal)) << "a Latin-1 text was refused";
    TypeTheClient(program, {std::begin(kRmdClient) + 2, std::end(kRmdClient)});
    EXPECT_TRUE(program.FillField(kMain, "RMD Calculation", kAmount, "250000"));
    ASSERT_TRUE(ShowTheReport(program)) << "no report page shows";
    program.Step("the report of José Müller-Øß");
    std::string pdfName;
    const std::string text = ExportedPdfText(program, &pdfName);
    EXPECT_EQ(pdfName.rfind("JoséMüller", 0), 0u) << pdfName;
    EXPECT_NE(pdfName.find("RMD.pdf"), std::string::npos) << pdfName;
    EXPECT_NE(text.find("José Müller-Øß"), std::string::npos) << text;
    EXPECT_NE(text.find("€uro Ø Plan"), std::string::npos) << text;

    // The representative window refuses the same way, and keeps Latin-1 text.
    ASSERT_TRUE(program.ChooseMenu(kMain, "Options", "Representative Information..."));
    ASSERT_TRUE(program.WaitForWindow(kRepresentativeWindow, kWindowTimeout));
    ASSERT_TRUE(program.PutOnClipboard("Crème & Søn 李"));
    ASSERT_TRUE(program.ClickField(kRepresentativeWindow, "", "Agency Name", 0.5));
    testkit::PressKeys("ctrl+a ctrl+v");
    ExpectRefused(program, "Crème & Søn 李 pasted");
    program.Step("Crème & Søn 李 pasted: the agency as it was");
    EXPECT_EQ(program.FieldText(kRepresentativeWindow, "", "Agency Name"),
              std::optional<std::string>("Lakeside Planning"));
    ASSERT_TRUE(program.PutOnClipboard("Crème & Søn"));
    ASSERT_TRUE(program.ClickField(kRepresentativeWindow, "", "Agency Name", 0.5));
    testkit::PressKeys("ctrl+a ctrl+v");
    EXPECT_TRUE(program.WaitForWindow(kRepresentativeWindow, kChangeTimeout, [&](auto&) {
        return program.FieldText(kRepresentativeWindow, "", "Agency Name") ==
               std::optional<std::string>("Crème & Søn");
    }));
    program.Step("Crème & Søn pasted");
    ASSERT_TRUE(program.ClickControl(kRepresentativeWindow, "push button", "Ok"));
    ASSERT_TRUE(program.WaitUntilGone(kRepresentativeWindow, kWindowTimeout));
    const std::string record = testkit::ReadFileBytes(program.Home().data / "RepInfo.flt");
    ASSERT_EQ(record.size(), 1000u);
    EXPECT_EQ(record.substr(51, 30), std::string("Cr\xE8me & S\xF8n").append(19, ' '));
    EXPECT_TRUE(program.LeaveByFileExit("No")) << "File > Exit did not end the program cleanly";
}

} // namespace
