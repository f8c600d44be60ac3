// Saved work on the real program, driven only by real mouse clicks and key strokes
// (ProgramOnDesktop): a representative saves a Stretch client with the spouse skipped and the
// "All Years" graph, then a beneficiary client, each after reading its report and saving it as
// PDF; she leaves, starts the program again and opens both from the browser. Each comes back
// with its fields and choices, no message comes up, the program keeps running, and each report
// saved again as PDF reads as the one saved before.
#include "program/tests/program_on_desktop.h"

#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using desktop::Accessible;
using desktop::kChangeTimeout;
using desktop::kReportTimeout;
using desktop::kWindowTimeout;
using desktop::LargestPicture;
using desktop::PdfText;
using desktop::ProgramOnDesktop;
using desktop::Showing;

// The shared profile's representative, so that the program starts at the browser.
constexpr const char* kAgentInformation =
    "[Agent Information]\r\n"
    "First=Pat\r\nLast=Rivera\r\nAgency=Northgate Planning\r\n"
    "Address=400 Elm Ave\r\nCity=Columbus\r\nZip=43004\r\n"
    "State=35\r\n";

struct Field {
    const char* frame;
    const char* label;
    std::string text;
    const char* shows = nullptr; // what it shows once left, when that is not the text typed
};

// A client as typed, the boxes checked for it, and how the program names it.
struct Client {
    const char* caption;            // the main window's caption for the type
    const char* newItem;            // the File menu's item that starts one
    const char* inputTab;           // its input tab
    std::vector<Field> fields;      // typed in this order
    std::vector<const char*> boxes; // check boxes clicked before the fields, by caption
    const char* graphEntry;  // the graph list's entry chosen on the graph page; none: nullptr
    const char* browserName; // the browser's "Last, First"
    const char* pdfFile;
};

std::string ThisYear() {
    const std::chrono::year_month_day today{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return std::to_string(static_cast<int>(today.year()));
}

std::vector<Client> Clients() {
    return {
        {"Stretch Projection",
         "New Stretch Illustration",
         "Stretch",
         {{"Planholder", "First *", "Harold"},
          {"Planholder", "Last *", "Brennan"},
          {"Planholder", "Date of Birth *", "02/11/1948"},
          {"Planholder", "Years Life Expectancy *", "15"},
          {"Non-Spouse Beneficiary", "First *", "Megan"},
          {"Non-Spouse Beneficiary", "Last *", "Brennan"},
          {"Non-Spouse Beneficiary", "Date of Birth *", "09/23/1980"},
          {"Non-Spouse Beneficiary", "State to Use for Income Tax Comparison Page", "NY"},
          {"Plan Information", "Plan Name *", "Brennan IRA"},
          {"Plan Information", "Account Value *", "500000", "$500,000"},
          {"Plan Information", "Hypothetical Rate of Return *", "5.5", "5.50%"}},
         {"Skip"},
         "All Years",
         "Brennan, Harold",
         "HaroldBrennanStretch.pdf"},
        {"RMBD Calculator",
         "New RMBD Illustration",
         "Beneficiary",
         {{"Personal", "First *", "Grace"},
          {"Personal", "Last *", "Moreno"},
          {"Personal", "Date of Birth *", "06/14/1954"},
          {"Plan Information", "Plan Name", "Inherited IRA"},
          {"Plan Information", "Original Planholder's Date of Death *", "08/20/2022"},
          {"Plan Information", "Original Planholder's Date of Birth *", "01/05/1949"},
          {"RMD Calculation", "Calculation Year *", ThisYear()},
          {"RMD Calculation", "Account Value (Generally on Last Day Prior to Calculation Year) *",
           "210000", "$210,000"}},
         {"Surviving Spouse Beneficiary - Not Taken Ownership"},
         nullptr,
         "Moreno, Grace",
         "GraceMorenoRMBD.pdf"},
    };
}

bool BoxChecked(const Accessible& window, const char* box) {
    const Accessible* found = Showing(window, "check box", box);
    return found != nullptr && found->checked;
}

bool EntrySelected(const Accessible& window, const char* entry) {
    const Accessible* found = Showing(window, "list item", entry);
    return found != nullptr && found->selected;
}

// The Report tab: the report's first page comes up in the report view.
void ReadTheReport(ProgramOnDesktop& program, const Client& client, const std::string& when) {
    ASSERT_TRUE(program.ClickControl(client.caption, "page tab", "Report"));
    const auto pageShows = [](const Accessible& window) {
        const Accessible* page = LargestPicture(window);
        return page != nullptr && page->extents.width > 200;
    };
    EXPECT_TRUE(program.WaitForWindow(client.caption, kReportTimeout, pageShows))
        << "no report page shows";
    program.Step(std::string("report of ") + client.browserName + " " + when);
}

// File > Save Report as PDF File, from the Report tab: what pdftotext reads of the PDF.
std::string ExportThePdf(ProgramOnDesktop& program, const Client& client) {
    if (!program.ChooseMenu(client.caption, "File", "Save Report as PDF File")) {
        ADD_FAILURE() << "no PDF menu item";
        return {};
    }
    const std::optional<std::string> said =
        program.AnswerMessageBox("Adobe Acrobat File Saved", "OK", kReportTimeout);
    if (!said || said->find(client.pdfFile) == std::string::npos) {
        ADD_FAILURE() << "no word that " << client.pdfFile << " was saved";
        return {};
    }
    const fs::path pdf = program.Home().documents / "PDF" / client.pdfFile;
    const std::string text = PdfText(pdf);
    EXPECT_NE(text.find("Rivera"), std::string::npos) << "no representative in " << pdf;
    return text;
}

// The bytes of the illustration file in the data folder (the representative's is the other
// ".flt" file there).
std::size_t StoredBytes(const ProgramOnDesktop& program) {
    std::size_t bytes = 0;
    std::error_code unreadable;
    for (fs::directory_iterator file(program.Home().data, unreadable), end;
         !unreadable && file != end; file.increment(unreadable)) {
        const fs::path& path = file->path();
        if (path.extension() == ".flt" && path.filename() != "RepInfo.flt") {
            bytes += static_cast<std::size_t>(fs::file_size(path, unreadable));
        }
    }
    return bytes;
}

// The client typed, its boxes checked and its graph entry chosen, its report read and saved as
// PDF, then the client saved through File > Save Illustration. The answer is the PDF's text.
std::string PrepareAndSave(ProgramOnDesktop& program, const Client& client, std::size_t saved) {
    SCOPED_TRACE(client.browserName);
    for (const char* box : client.boxes) {
        EXPECT_TRUE(program.ClickControl(client.caption, "check box", box));
        EXPECT_TRUE(
            program.WaitForWindow(client.caption, kChangeTimeout,
                                  [box](const Accessible& w) { return BoxChecked(w, box); }))
            << "clicking \"" << box << "\" did not check it";
    }
    for (const Field& field : client.fields) {
        EXPECT_TRUE(program.FillField(client.caption, field.frame, field.label, field.text))
            << field.label;
    }
    program.Step(std::string("typed ") + client.browserName);
    if (client.graphEntry != nullptr) {
        EXPECT_TRUE(program.ClickControl(client.caption, "page tab", "Graph"));
        EXPECT_TRUE(program.WaitForWindow(client.caption, kReportTimeout,
                                          [&](const Accessible& w) {
                                              return Showing(w, "list item", client.graphEntry) !=
                                                     nullptr;
                                          }))
            << "the graph page does not offer \"" << client.graphEntry << "\"";
        EXPECT_TRUE(program.ClickControl(client.caption, "list item", client.graphEntry));
        EXPECT_TRUE(program.WaitForWindow(
            client.caption, kChangeTimeout,
            [&](const Accessible& w) { return EntrySelected(w, client.graphEntry); }))
            << "clicking \"" << client.graphEntry << "\" did not choose it";
        program.Step(std::string("graph of ") + client.browserName);
    }
    ReadTheReport(program, client, "before saving");
    const std::string text = ExportThePdf(program, client);
    EXPECT_TRUE(program.ChooseMenu(client.caption, "File", "Save Illustration"));
    const auto deadline = program.Deadline(kChangeTimeout);
    while (StoredBytes(program) < 1000 * saved && desktop::Clock::now() < deadline) {
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(StoredBytes(program), 1000 * saved) << "the client is not in the illustration file";
    return text;
}

// In the browser that shows: the client's row clicked, then Ok; the window of its type comes
// up with no message before it.
bool OpenFromTheBrowser(ProgramOnDesktop& program, const std::string& browser,
                        const Client& client) {
    if (!program.ClickControl(browser, "table cell", client.browserName) ||
        !program.WaitForWindow(browser, kChangeTimeout, [&](const Accessible& w) {
            const Accessible* cell = Showing(w, "table cell", client.browserName);
            return cell != nullptr && cell->selected;
        })) {
        return false;
    }
    // A message box that comes up instead is told in the log and fails the wait.
    return program.ClickControl(browser, "push button", "Ok") &&
           program.WaitForWindow(client.caption, kWindowTimeout,
                                 [&](const Accessible&) { return !program.Window(browser); });
}

// The reopened client as it was saved: its fields, boxes and graph entry, and a report that
// reads as the one saved before.
void ExpectAsSaved(ProgramOnDesktop& program, const Client& client, const std::string& savedPdf) {
    SCOPED_TRACE(client.browserName);
    program.Step(std::string("reopened ") + client.browserName);
    for (const Field& field : client.fields) {
        EXPECT_EQ(program.FieldText(client.caption, field.frame, field.label),
                  std::optional<std::string>(field.shows != nullptr ? field.shows : field.text))
            << field.label;
    }
    const std::optional<Accessible> window = program.Window(client.caption);
    ASSERT_TRUE(window);
    for (const char* box : client.boxes) {
        EXPECT_TRUE(BoxChecked(*window, box)) << "\"" << box << "\" is not checked";
    }
    if (client.graphEntry != nullptr) {
        EXPECT_TRUE(program.ClickControl(client.caption, "page tab", "Graph"));
        EXPECT_TRUE(program.WaitForWindow(
            client.caption, kReportTimeout,
            [&](const Accessible& w) { return EntrySelected(w, client.graphEntry); }))
            << "the graph page does not show \"" << client.graphEntry << "\" chosen";
        program.Step(std::string("graph of reopened ") + client.browserName);
    }
    ReadTheReport(program, client, "after reopening");
    EXPECT_EQ(ExportThePdf(program, client), savedPdf) << "the report reads otherwise";
}

void LeaveByFileExit(ProgramOnDesktop& program, const char* caption) {
    ASSERT_TRUE(program.ChooseMenu(caption, "File", "Exit"));
    ASSERT_TRUE(program.AnswerMessageBox("Software Exit", "Yes", kWindowTimeout));
    EXPECT_EQ(program.WaitForExit(kWindowTimeout), std::optional<int>(0));
}

TEST(SavedWorkDesktopTest, AStretchClientWithTheSpouseSkippedAndABeneficiaryComeBackAfterARestart) {
    testkit::Sandbox sandbox;
    ProgramOnDesktop program(sandbox);
    fs::create_directories(program.Home().windows);
    std::ofstream(program.Home().windows / "Hux.INI", std::ios::binary) << kAgentInformation;
    const std::vector<Client> clients = Clients();

    ASSERT_TRUE(program.Start({"/3"}));
    ASSERT_TRUE(program.WaitForWindow("0 Saved Illustrations", kWindowTimeout));
    ASSERT_TRUE(program.ClickControl("0 Saved Illustrations", "push button", "New"));
    ASSERT_TRUE(program.WaitUntilGone("0 Saved Illustrations", kWindowTimeout));
    std::vector<std::string> pdfs;
    for (const Client& client : clients) {
        if (!pdfs.empty()) {
            ASSERT_TRUE(
                program.ChooseMenu(clients[pdfs.size() - 1].caption, "File", client.newItem));
        }
        ASSERT_TRUE(program.WaitForWindow(client.caption, kWindowTimeout));
        pdfs.push_back(PrepareAndSave(program, client, pdfs.size() + 1));
    }
    LeaveByFileExit(program, clients.back().caption);

    // The next start, of another type: the browser lists both.
    ASSERT_TRUE(program.Start({"/0"}));
    const std::string browser = "2 Saved Illustrations";
    ASSERT_TRUE(program.WaitForWindow(browser, kWindowTimeout));
    program.Step("browser after the restart");
    ASSERT_TRUE(OpenFromTheBrowser(program, browser, clients[0]))
        << "the Stretch client did not open";
    ExpectAsSaved(program, clients[0], pdfs[0]);

    ASSERT_TRUE(program.ChooseMenu(clients[0].caption, "File", "Load Illustration..."));
    ASSERT_TRUE(program.WaitForWindow(browser, kWindowTimeout));
    ASSERT_TRUE(OpenFromTheBrowser(program, browser, clients[1]))
        << "the beneficiary client did not open";
    ExpectAsSaved(program, clients[1], pdfs[1]);

    LeaveByFileExit(program, clients[1].caption);
}

} // namespace
