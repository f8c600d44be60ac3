// The program on a real X server, driven as a representative drives it: only real mouse clicks
// and key strokes reach it (ProgramOnDesktop). The first run goes through the start-up window
// and the representative window; a working session then prepares one client of every
// illustration type, reads the report on screen, exports it as PDF, saves it, reopens one from
// the browser and leaves by File > Exit. The outcomes are checked where a person would see
// them: the PDFs' text, the screen's pixels, the browser's rows, the files and the exit status.
#include "program/tests/program_on_desktop.h"

#include "platform/testing/desktop_input.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/pdf_layout.h"
#include "platform/testing/screen_pixels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using desktop::Accessible;
using desktop::kChangeTimeout;
using desktop::kReportTimeout;
using desktop::kRepresentativeWindow;
using desktop::kStartWindow;
using desktop::kWindowTimeout;
using desktop::LargestPicture;
using desktop::PdfText;
using desktop::ProgramOnDesktop;
using desktop::ScrolledView;
using desktop::Showing;

// ---------------------------------------------------------------------------------------------
// The first run: the start-up window, the representative window, the browser.

// The representative as typed on the first run, and where each value lands in RepInfo.flt
// (1-based positions of its 1000-character record). The state is chosen with the keys
// (kStateKeys).
struct RepresentativeEntry {
    const char* label;
    const char* text;
    std::size_t position;
    std::size_t width;
};
const RepresentativeEntry kRepresentative[] = {
    {"First Name*", "Alice", 1, 20},
    {"Initial", "B", 21, 1},
    {"Last*", "Walker", 22, 30},
    {"Agency Name", "Hillcrest Advisors", 52, 30},
    {"Street / PO Box*", "12 Main St", 82, 60},
    {"City*", "Springfield", 142, 30},
    {"Zip*", "62701", 174, 11},
};

// Keys pressed from the city field and the state the list shows afterwards: Tab reaches the
// list at its first state, End and Up choose the last but one, Home and Down the third.
const std::pair<const char*, const char*> kStateKeys[] = {
    {"Tab", "AL"}, {"End Up", "WY"}, {"Home Down Down", "AZ"}};

TEST(DesktopTest, FirstRunChoosesTheTypeAndKeepsTheRepresentative) {
    testkit::Sandbox sandbox;
    ProgramOnDesktop program(sandbox);
    ASSERT_TRUE(program.Start({}));

    ASSERT_TRUE(program.WaitForWindow(kStartWindow, kWindowTimeout));
    program.Step("start-up window");
    const std::string beneficiaryType = "Required Minimum Beneficiary Distribution Calculator";
    EXPECT_TRUE(program.ClickControl(kStartWindow, "radio button", beneficiaryType));
    EXPECT_TRUE(program.WaitForWindow(kStartWindow, kChangeTimeout, [&](const Accessible& w) {
        const Accessible* option = Showing(w, "radio button", beneficiaryType);
        return option != nullptr && option->checked;
    })) << "clicking the beneficiary option did not choose it";
    program.Step("beneficiary type clicked");
    EXPECT_TRUE(program.ClickControl(kStartWindow, "push button", "Ok"));
    if (!program.WaitForWindow(kRepresentativeWindow, kWindowTimeout)) {
        ADD_FAILURE() << "clicking Ok did not lead on to the representative window";
        // Return presses the focused Ok, so that the rest of the first run can still be seen.
        program.Note("going on with the keyboard: Return");
        testkit::PressKeys("Return");
        ASSERT_TRUE(program.WaitForWindow(kRepresentativeWindow, kWindowTimeout));
    }
    program.Step("representative window");

    for (const RepresentativeEntry& entry : kRepresentative) {
        EXPECT_TRUE(program.FillField(kRepresentativeWindow, "", entry.label, entry.text))
            << entry.label;
    }
    // The state list follows the city in tab order; its keys move through the states.
    EXPECT_TRUE(program.FillField(kRepresentativeWindow, "", "City*", "Springfield"));
    for (const auto& step : kStateKeys) {
        const std::string state = step.second;
        SCOPED_TRACE(step.first);
        testkit::PressKeys(step.first);
        EXPECT_TRUE(program.WaitForWindow(kRepresentativeWindow, kChangeTimeout,
                                          [&](auto&) {
                                              return program.FieldText(kRepresentativeWindow, "",
                                                                       "State*") ==
                                                     std::optional<std::string>(state);
                                          }))
            << "the state list does not show " << state;
    }
    program.Step("representative typed");
    EXPECT_TRUE(program.ClickControl(kRepresentativeWindow, "push button", "Ok"));
    // No illustration is current yet, so the browser comes up at once.
    const std::optional<Accessible> browser =
        program.WaitForWindow("0 Saved Illustrations", kWindowTimeout);
    ASSERT_TRUE(browser) << "the representative window did not close onto the browser";
    program.Step("browser of the first run");
    EXPECT_FALSE(program.Window(kRepresentativeWindow));

    const std::string record = testkit::ReadFileBytes(program.Home().data / "RepInfo.flt");
    ASSERT_EQ(record.size(), 1000u);
    for (const RepresentativeEntry& entry : kRepresentative) {
        SCOPED_TRACE(entry.label);
        std::string expected = entry.text;
        expected.resize(entry.width, ' ');
        EXPECT_EQ(record.substr(entry.position - 1, entry.width), expected);
    }
    EXPECT_EQ(record.substr(171, 2), "AZ") << "the state";

    EXPECT_TRUE(program.ClickControl("0 Saved Illustrations", "push button", "New"));
    EXPECT_TRUE(program.WaitForWindow("RMBD Calculator", kWindowTimeout))
        << "the main window is not the type clicked on the start-up window";
    program.Step("main window of the chosen type");
    ASSERT_TRUE(program.WaitUntilGone("0 Saved Illustrations", kWindowTimeout));

    EXPECT_TRUE(program.LeaveByFileExit()) << "File > Exit did not end the program cleanly";
}

// ---------------------------------------------------------------------------------------------
// A working session: one client of each type.

struct FieldEntry {
    const char* frame;
    const char* label;
    const char* text;
};

struct Client {
    const char* newIllustration; // the File menu's item that starts the type
    const char* caption;         // the main window's caption for the type
    const char* inputTab;        // the caption of the type's input tab
    // The first field takes the typing of a new illustration; the last one typed is left by
    // a click on the Report tab.
    std::vector<FieldEntry> fields;
    const char* lastFieldShows; // what the last field shows once it is left
    std::vector<std::pair<const char*, const char*>> options; // frame, option to click
    const char* pdfFile;              // the client's name without blanks and the type's suffix
    const char* reportName;           // the client as the report names him or her
    std::vector<const char*> amounts; // worked out by hand, as the report prints them
    // Report lines whose value stands at the same tab stop, the value's left edge in line with
    // the others'.
    std::vector<const char*> alignedLabels;
    const char* browserName; // the browser's "Last, First Middle"
};

// The amounts come from the published IRS tables (Uniform Lifetime and Single Life, 2002):
// - RMD: born 03/15/1950, so 75 on 12/31/2025; Uniform Lifetime divisor 22.9;
//   250,000 / 22.9 = 10,917.03, taken up to the next whole dollar: $10,918.
// - RMBD: born 08/22/1985, the planholder died in 2023, so 39 on 12/31/2024; Single Life 44.6,
//   one year less for 2025: 43.6; 180,000 / 43.6 = 4,128.44, taken up: $4,129.
// - SEPP: born 05/10/1968, so 57 on 12/31/2025; Single Life 27.9; the required-distribution
//   method over a single life pays 400,000 / 27.9 = $14,336.92.
// - Stretch: the planholder is under 70 in the first two years, so nothing is paid out; the
//   account grows by 6%: 750,000 x 1.06 = 795,000, then x 1.06 = 842,700 (the ledger's closing
//   values, without "$").
const Client kClients[] = {
    {"New RMD Illustration",
     "Planholder RMD Calculator",
     "Planholder",
     {{"Personal", "First *", "Robert"},
      {"Personal", "Middle", "J"},
      {"Personal", "Last *", "Hansen"},
      {"Personal", "Date of Birth *", "03/15/1950"},
      {"Plan Information", "Plan Name", "Harbor Rollover IRA"},
      {"RMD Calculation", "Calculation Year *", "2025"},
      {"RMD Calculation", "Account Value (Generally on Last Day Prior to Calculation Year) *",
       "250000"}},
     "$250,000",
     {{"Spouse Beneficiary", "No"}},
     "RobertJHansenRMD.pdf",
     "Robert J Hansen",
     {"$10,918"},
     {"Date of birth:", "Plan type:", "Plan name:", "Account value on December 31, 2024:"},
     "Hansen, Robert J"},
    {"New RMBD Illustration",
     "RMBD Calculator",
     "Beneficiary",
     {{"Personal", "First *", "Emily"},
      {"Personal", "Last *", "Carter"},
      {"Personal", "Date of Birth *", "08/22/1985"},
      {"Plan Information", "Plan Name", "Inherited IRA"},
      {"Plan Information", "Original Planholder's Date of Death *", "11/05/2023"},
      {"RMD Calculation", "Calculation Year *", "2025"},
      {"RMD Calculation", "Account Value (Generally on Last Day Prior to Calculation Year) *",
       "180000"}},
     "$180,000",
     {},
     "EmilyCarterRMBD.pdf",
     "Emily Carter",
     {"$4,129"},
     {"Date of birth:", "Original planholder died:", "Plan name:", "Age of Beneficiary on RBD:"},
     "Carter, Emily"},
    {"New SEPP Illustration",
     "Substantially Equal Periodic Payments",
     "SEPP",
     {{"Personal", "First *", "Daniel"},
      {"Personal", "Last *", "Ortiz"},
      {"Personal", "Date of Birth *", "05/10/1968"},
      {"Plan Information", "Plan Name *", "Rollover IRA"},
      {"Plan Information", "Calculation Date *", "01/02/2025"},
      {"Required Minimum Distribution Method",
       "Account Balance - Any Value Between Prior Year End and Calculation Date. *", "400000"},
      {"Fixed Amortization / Annuitization Method",
       "Account Balance - Any Value Between Prior Year End and Calculation Date. *", "400000"},
      {"Fixed Amortization / Annuitization Method",
       "Interest Rate Assumption (Max 120% Fed Mid-Term Rate) *", "4.25"}},
     "4.25%",
     {},
     "DanielOrtizEqual.pdf",
     "Daniel Ortiz",
     {"$14,336.92", "Age in 2025: 57", "Interest rate assumed: 4.25%"},
     {"Prepared for:", "Date of birth:", "Age in 2025:", "Plan:", "Interest rate assumed:"},
     "Ortiz, Daniel"},
    {"New Stretch Illustration",
     "Stretch Projection",
     "Stretch",
     {{"Planholder", "First *", "Margaret"},
      {"Planholder", "Middle", "A"},
      {"Planholder", "Last *", "Lee"},
      {"Planholder", "Date of Birth *", "04/12/1970"},
      {"Planholder", "Years Life Expectancy *", "20"},
      {"Spouse Beneficiary", "First *", "Thomas"},
      {"Spouse Beneficiary", "Last *", "Lee"},
      {"Spouse Beneficiary", "Date of Birth *", "10/03/1972"},
      {"Spouse Beneficiary", "Years Life Expectancy *", "30"},
      {"Non-Spouse Beneficiary", "First *", "Sarah"},
      {"Non-Spouse Beneficiary", "Last *", "Lee"},
      {"Non-Spouse Beneficiary", "Date of Birth *", "06/18/1998"},
      {"Non-Spouse Beneficiary", "State to Use for Income Tax Comparison Page", "NY"},
      {"Plan Information", "Plan Name *", "Traditional IRA"},
      {"Plan Information", "Account Value *", "750000"},
      {"Plan Information", "Hypothetical Rate of Return *", "6"}},
     "6.00%",
     {},
     "MargaretALeeStretch.pdf",
     "Margaret A Lee",
     {"795,000", "842,700"},
     {},
     "Lee, Margaret A"},
};

// The representative of the working session, as the shared profile holds it.
constexpr const char* kAgentInformation = "[Agent Information]\r\n"
                                          "First=Pat\r\nInitial=Q\r\nLast=Rivera\r\n"
                                          "Agency=Northgate Planning\r\nAddress=400 Elm Ave\r\n"
                                          "City=Columbus\r\nZip=43004\r\nState=35\r\n";

// Where the view's scroll bar that runs down, or across, stands.
std::optional<double> ScrollPosition(const Accessible& view, bool down) {
    for (const Accessible* bar : view.FindAll([&](const Accessible& node) {
             return node.role == "scroll bar" && (node.extents.height > node.extents.width) == down;
         })) {
        return bar->value;
    }
    return std::nullopt;
}
std::optional<double> DownwardPosition(const Accessible& view) {
    return ScrollPosition(view, true);
}
std::optional<double> AcrossPosition(const Accessible& view) {
    return ScrollPosition(view, false);
}

// The report tab: the new report shows from the top left of its first page, wherever the last
// report was left, and the mouse wheel scrolls it.
void ReadTheReport(ProgramOnDesktop& program, const Client& client) {
    ASSERT_TRUE(program.ClickControl(client.caption, "page tab", "Report"));
    const std::optional<Accessible> shown =
        program.WaitForWindow(client.caption, kReportTimeout, [](const Accessible& window) {
            const Accessible* page = LargestPicture(window);
            return page != nullptr && page->extents.width > 200;
        });
    ASSERT_TRUE(shown) << "no report page shows on the Report tab";
    const Accessible* view = ScrolledView(*shown, *LargestPicture(*shown));
    ASSERT_NE(view, nullptr) << "the report page has no scroll bars";
    const testkit::ScreenRect area = view->visible;
    const std::optional<double> top = DownwardPosition(*view);
    ASSERT_TRUE(top) << "the report view has no scroll bar that runs down";
    program.Note("the report view's scroll bar stands at " + std::to_string(*top));
    EXPECT_EQ(*top, 0) << "the report of " << client.reportName << " does not show from its top";
    EXPECT_EQ(AcrossPosition(*view), std::optional<double>(0))
        << "the report of " << client.reportName << " does not show from its left";
    const testkit::ScreenPixels before =
        testkit::ReadPixels(program.Shot(std::string("report of ") + client.reportName), area);
    ASSERT_GT(before.width, 0);
    testkit::TurnWheelAt(area.CenterX(), area.CenterY(), testkit::WheelTurn::kDown, 5);
    const auto moved = [&](const Accessible& window) {
        const Accessible* page = LargestPicture(window);
        const Accessible* now = page != nullptr ? ScrolledView(window, *page) : nullptr;
        const std::optional<double> position = now ? DownwardPosition(*now) : std::nullopt;
        return position && *position > *top;
    };
    EXPECT_TRUE(program.WaitForWindow(client.caption, kChangeTimeout, moved))
        << "the mouse wheel did not scroll the report of " << client.reportName;
    const testkit::ScreenPixels after = testkit::ReadPixels(
        program.Shot(std::string("report of ") + client.reportName + " after the wheel"), area);
    EXPECT_TRUE(after.rgb != before.rgb) << "the report view looks the same after the wheel";
}

// Where the value after `label` begins on page 1: the left edge of the first word that
// follows the label's words on its line, in points.
std::optional<double> ValueLeft(const testkit::PdfPage& page, const std::string& label) {
    std::vector<std::string> labelWords;
    std::istringstream words(label);
    for (std::string word; words >> word;) {
        labelWords.push_back(word);
    }
    const std::vector<testkit::PdfWord>& on = page.words;
    for (std::size_t at = 0; at + labelWords.size() < on.size(); ++at) {
        bool matches = true;
        for (std::size_t i = 0; i < labelWords.size() && matches; ++i) {
            matches = on[at + i].text == labelWords[i];
        }
        const testkit::PdfWord& value = on[at + labelWords.size()];
        if (matches && std::abs(value.box.top - on[at].box.top) < 2) {
            return value.box.left;
        }
    }
    return std::nullopt;
}

// The values of the labels' lines stand at one tab stop: a value that begins with a blank
// stands right of the others.
void ExpectValuesInLine(const fs::path& pdf, const std::vector<const char*>& labels) {
    if (labels.empty()) {
        return;
    }
    const std::vector<testkit::PdfPage> pages = testkit::ReadPdfLayout(pdf);
    ASSERT_FALSE(pages.empty()) << pdf;
    const std::optional<double> first = ValueLeft(pages.front(), labels.front());
    ASSERT_TRUE(first) << "no line \"" << labels.front() << "\" in " << pdf;
    for (const char* label : labels) {
        const std::optional<double> left = ValueLeft(pages.front(), label);
        ASSERT_TRUE(left) << "no line \"" << label << "\" in " << pdf;
        EXPECT_NEAR(*left, *first, 0.5) << "the value of \"" << label << "\" stands apart";
    }
}

// The PDF through File > Save Report as PDF File, found where the program says it put it.
void ExportThePdf(ProgramOnDesktop& program, const Client& client) {
    ASSERT_TRUE(program.ChooseMenu(client.caption, "File", "Save Report as PDF File"));
    const std::optional<std::string> said =
        program.AnswerMessageBox("Adobe Acrobat File Saved", "OK", kReportTimeout);
    ASSERT_TRUE(said) << "no word that the PDF of " << client.reportName << " was saved";
    std::smatch where;
    ASSERT_TRUE(std::regex_search(*said, where,
                                  std::regex("^(.*)\\n\\s*was saved in the (.*) file folder\\.")))
        << *said;
    EXPECT_EQ(where[1].str(), client.pdfFile);
    const fs::path folder = where[2].str();
    EXPECT_EQ(folder, program.Home().documents / "PDF") << "the PDF is not in the PDF folder";
    const fs::path pdf = folder / where[1].str();
    ASSERT_TRUE(fs::exists(pdf)) << pdf;
    const std::string text = PdfText(pdf);
    EXPECT_NE(text.find(client.reportName), std::string::npos) << pdf << ":\n" << text;
    for (const char* amount : client.amounts) {
        EXPECT_NE(text.find(amount), std::string::npos) << amount << " in " << pdf << ":\n" << text;
    }
    EXPECT_NE(text.find("Rivera"), std::string::npos) << "the representative is not named";
    ExpectValuesInLine(pdf, client.alignedLabels);
}

// How much of a picture is drawn over its backdrop. The backdrop is what runs along the
// picture's edges; every pixel of another colour is drawn.
struct DrawnPixels {
    std::size_t count = 0;
    std::size_t colours = 0;
};

DrawnPixels DrawnOverBackdrop(const testkit::ScreenPixels& picture) {
    std::set<std::uint32_t> backdrop;
    for (int x = 0; x < picture.width; ++x) {
        backdrop.insert(picture.At(x, 0));
        backdrop.insert(picture.At(x, picture.height - 1));
    }
    for (int y = 0; y < picture.height; ++y) {
        backdrop.insert(picture.At(0, y));
        backdrop.insert(picture.At(picture.width - 1, y));
    }
    DrawnPixels drawn;
    std::set<std::uint32_t> colours;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (!backdrop.contains(picture.At(x, y))) {
                ++drawn.count;
                colours.insert(picture.At(x, y));
            }
        }
    }
    drawn.colours = colours.size();
    return drawn;
}

// The graph on the screen now, as the graph page shows it.
testkit::ScreenPixels GraphOnScreen(ProgramOnDesktop& program, const Client& client,
                                    const std::filesystem::path& screenshot) {
    const std::optional<Accessible> window = program.Window(client.caption);
    const Accessible* picture = window ? LargestPicture(*window) : nullptr;
    return picture != nullptr ? testkit::ReadPixels(screenshot, picture->visible)
                              : testkit::ScreenPixels{};
}

// The graph tab: the picture is drawn, and each entry of the list draws its own.
void ChooseEachGraph(ProgramOnDesktop& program, const Client& client) {
    const std::vector<std::string> entries = {"Planholder", "Spouse Beneficiary",
                                              "Non-Spouse Beneficiary", "All Years"};
    // From the Report tab, whose click left the focus on the tabs, the arrow key goes on.
    testkit::PressKeys("Right");
    ASSERT_TRUE(program.WaitForWindow(client.caption, kReportTimeout, [&](const Accessible& w) {
        return LargestPicture(w) != nullptr && Showing(w, "list item", entries.front());
    })) << "the Right key did not lead from the Report tab to the graph page";
    std::string shown = GraphOnScreen(program, client, program.Look()).rgb;
    std::set<std::string> pictures;
    for (const std::string& entry : entries) {
        SCOPED_TRACE(entry);
        EXPECT_TRUE(program.ClickControl(client.caption, "list item", entry));
        if (!program.WaitForWindow(client.caption, kChangeTimeout, [&](const Accessible& w) {
                const Accessible* item = Showing(w, "list item", entry);
                return item != nullptr && item->selected;
            })) {
            ADD_FAILURE() << "clicking the entry did not choose it";
            continue;
        }
        // Every entry but the first, which shows when the page opens, draws a new picture.
        testkit::ScreenPixels graph = GraphOnScreen(program, client, program.Look());
        for (const auto deadline = program.Deadline(kChangeTimeout);
             entry != entries.front() && graph.rgb == shown && desktop::Clock::now() < deadline;
             std::this_thread::sleep_for(200ms)) {
            graph = GraphOnScreen(program, client, program.Look());
        }
        program.Shot("graph " + entry);
        ASSERT_GT(graph.width, 0) << "no graph on the screen";
        shown = graph.rgb;
        pictures.insert(graph.rgb);
        // A drawn graph has its base, bars, lines, legend and labels over the backdrop, in
        // shades of several colours, even when the scroll bar shows only its first years; a
        // picture that failed to draw holds little more than its backdrop (a black one: the
        // legend's three swatches).
        const DrawnPixels drawn = DrawnOverBackdrop(graph);
        const std::size_t area = static_cast<std::size_t>(graph.width) * graph.height;
        EXPECT_GT(drawn.count * 100, area)
            << drawn.count << " of " << area << " pixels differ from the backdrop";
        EXPECT_GT(drawn.colours, 6u)
            << "the graph holds only " << drawn.colours << " colours besides the backdrop";
    }
    EXPECT_EQ(pictures.size(), entries.size()) << "some entries drew the same picture";
    // The list has the focus from the last click: Home goes back to its first entry.
    testkit::PressKeys("Home");
    EXPECT_TRUE(program.WaitForWindow(client.caption, kChangeTimeout, [&](const Accessible& w) {
        const Accessible* item = Showing(w, "list item", entries.front());
        return item != nullptr && item->selected;
    })) << "Home did not choose the first entry of the list";
}

// File > Save Illustration adds the client's record to the illustration file.
void SaveTheIllustration(ProgramOnDesktop& program, const Client& client, std::size_t saved) {
    ASSERT_TRUE(program.ChooseMenu(client.caption, "File", "Save Illustration"));
    const auto stored = [&] {
        std::size_t bytes = 0;
        if (fs::exists(program.Home().data)) {
            for (const fs::directory_entry& file : fs::directory_iterator(program.Home().data)) {
                if (file.path().extension() == ".flt" && file.path().filename() != "RepInfo.flt") {
                    bytes += file.file_size();
                }
            }
        }
        return bytes;
    };
    const auto deadline = program.Deadline(kChangeTimeout);
    while (stored() < 1000 * saved && desktop::Clock::now() < deadline) {
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(stored(), 1000 * saved)
        << "the illustration file does not hold " << client.reportName;
}

// Back on the input tab, the field that the click on the Report tab left shows what leaving
// it makes of the typing.
void LookAtTheLastField(ProgramOnDesktop& program, const Client& client) {
    ASSERT_TRUE(program.ClickControl(client.caption, "page tab", client.inputTab));
    const FieldEntry& last = client.fields.back();
    EXPECT_TRUE(program.WaitForWindow(client.caption, kChangeTimeout,
                                      [&](const Accessible&) {
                                          return program.FieldText(client.caption, last.frame,
                                                                   last.label) ==
                                                 std::optional<std::string>(client.lastFieldShows);
                                      }))
        << "\"" << last.label << "\" shows "
        << program.FieldText(client.caption, last.frame, last.label).value_or("nothing") << ", not "
        << client.lastFieldShows;
    program.Step(std::string("input tab of ") + client.reportName + " again");
}

void PrepareIllustration(ProgramOnDesktop& program, const Client& client, std::size_t saved) {
    SCOPED_TRACE(client.reportName);
    program.Step(std::string("new illustration for ") + client.reportName);
    // A new illustration takes the typing in its first field at once.
    const FieldEntry& first = client.fields.front();
    testkit::TypeText(first.text);
    EXPECT_TRUE(program.WaitForWindow(client.caption, kChangeTimeout, [&](const Accessible&) {
        return program.FieldText(client.caption, first.frame, first.label) ==
               std::optional<std::string>(first.text);
    })) << "the typing did not reach the first field of the new illustration";
    for (const FieldEntry& field : client.fields) {
        if (&field != &first) {
            EXPECT_TRUE(program.FillField(client.caption, field.frame, field.label, field.text))
                << field.label;
        }
    }
    for (const auto& [frame, option] : client.options) {
        EXPECT_TRUE(program.ClickControl(client.caption, "radio button", option)) << frame;
    }
    program.Step(std::string("typed ") + client.reportName);
    ReadTheReport(program, client);
    if (std::string(client.caption) == "Stretch Projection") {
        ChooseEachGraph(program, client);
    }
    ExportThePdf(program, client);
    LookAtTheLastField(program, client);
    SaveTheIllustration(program, client, saved);
}

TEST(DesktopTest, ARepresentativePreparesEveryTypeAndReopensOne) {
    testkit::Sandbox sandbox;
    ProgramOnDesktop program(sandbox);
    fs::create_directories(program.Home().windows);
    std::ofstream(program.Home().windows / "Hux.INI", std::ios::binary) << kAgentInformation;
    ASSERT_TRUE(program.Start({"/0"}));

    // No illustration is current: the browser comes up over the main window.
    ASSERT_TRUE(program.WaitForWindow("0 Saved Illustrations", kWindowTimeout));
    program.Step("browser at start");
    ASSERT_TRUE(program.ClickControl("0 Saved Illustrations", "push button", "New"));
    ASSERT_TRUE(program.WaitUntilGone("0 Saved Illustrations", kWindowTimeout));

    std::size_t saved = 0;
    for (const Client& client : kClients) {
        if (saved > 0) {
            const char* current = kClients[saved - 1].caption;
            ASSERT_TRUE(program.ChooseMenu(current, "File", client.newIllustration));
        }
        ASSERT_TRUE(program.WaitForWindow(client.caption, kWindowTimeout));
        PrepareIllustration(program, client, ++saved);
    }

    const char* last = kClients[saved - 1].caption;
    ASSERT_TRUE(program.ChooseMenu(last, "File", "Load Illustration..."));
    const std::string browserTitle = std::to_string(saved) + " Saved Illustrations";
    const std::optional<Accessible> browser = program.WaitForWindow(browserTitle, kWindowTimeout);
    ASSERT_TRUE(browser) << "the browser does not list the " << saved << " illustrations";
    program.Step("browser with every type");
    for (const Client& client : kClients) {
        EXPECT_TRUE(Showing(*browser, "table cell", client.browserName)) << client.browserName;
    }
    // Reopen the 72(t) illustration, which the name order puts last, by clicking its row.
    const Client& reopened = kClients[2];
    ASSERT_TRUE(program.ClickControl(browserTitle, "table cell", reopened.browserName));
    const auto selected = [&](const char* name) {
        return [&program, &browserTitle, name] {
            return program.WaitForWindow(browserTitle, kChangeTimeout, [&](const Accessible& w) {
                const Accessible* cell = Showing(w, "table cell", name);
                return cell != nullptr && cell->selected;
            });
        };
    };
    EXPECT_TRUE(selected(reopened.browserName)()) << "clicking the row did not select it";
    // The arrow keys move the selection a row up and back down.
    testkit::PressKeys("Up");
    EXPECT_TRUE(selected(kClients[3].browserName)()) << "Up did not select the row above";
    testkit::PressKeys("Down");
    EXPECT_TRUE(selected(reopened.browserName)()) << "Down did not select the row below";
    ASSERT_TRUE(program.ClickControl(browserTitle, "push button", "Ok"));
    ASSERT_TRUE(program.WaitUntilGone(browserTitle, kWindowTimeout));
    EXPECT_TRUE(program.WaitForWindow(reopened.caption, kWindowTimeout))
        << "the reopened illustration is not of its type";
    program.Step("reopened from the browser");
    EXPECT_EQ(program.FieldText(reopened.caption, "Personal", "First *"),
              std::optional<std::string>("Daniel"));
    EXPECT_EQ(program.FieldText(reopened.caption, "Plan Information", "Calculation Date *"),
              std::optional<std::string>("01/02/2025"));

    EXPECT_TRUE(program.LeaveByFileExit()) << "File > Exit did not end the program cleanly";
}

} // namespace
