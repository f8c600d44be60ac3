// A saved client's report is the one made before saving. A client of each type is prepared as
// a representative prepares one, its report saved as PDF and the client saved; the next day
// the client is opened from a window as a restart leaves it, and from one whose choices all
// differ, and its report saved again. The two PDFs must read the same (pdftotext) and every
// page, the Stretch graph page included, must be drawn the same (pdftoppm). The PDFs stay in
// the sandbox, named after the client, for a person to look at.
#include "program/report/compose/report_composer.h"
#include "program/store/illustration_file.h"
#include "program/store/user_info.h"
#include "program/ui/report_service.h"
#include "program/ui/support/src/pdf_file_name.h"
#include "program/ui/tests/saved_clients.h"

#include "platform/automation/creation.h"
#include "platform/runtime/windows1252.h"
#include "platform/system/clock.h"
#include "platform/system/folders.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

using namespace ui;

namespace fs = std::filesystem;

const fs::path kArchive = TALLOWMERE_RESOURCE_ARCHIVE;

// The program's run with its reports composed and saved as the program does.
struct ReportingSession {
    ReportingSession(IllustrationType type, const fs::path& work)
        : session(type), service(session.app, composer, ReportLocations{kArchive, work}) {
        session.main.SetServices(service, session.store);
    }

    ProgramSession session;
    compose::ReportComposer composer;
    ReportService service;
};

// A report as the PDF reader shows it: its words as pdftotext lays them out, and each page
// drawn by pdftoppm.
struct ReadReport {
    std::string text;
    std::vector<std::string> pages; // the pixels of each page, as PPM files
};

class SavedReportTest : public ::testing::Test {
protected:
    SavedReportTest() {
        sandbox.SetEnvironment("TALLOWMERE_REGISTRY", (sandbox.Root() / "registry.ini").string());
        EXPECT_EQ(automation::RegisterServer(OUTPUT_MODULE), S_OK);
        sys::EnterProgramFolder();
        KeepRepresentative();
        fs::create_directories(Work());
    }

    fs::path Work() const { return sandbox.Root() / "work"; }

    // File > Save Report as PDF File; the PDF copied to `name`.pdf in the sandbox and read.
    ReadReport Export(ReportingSession& r, const std::string& name) {
        ProgramSession& s = r.session;
        s.driver.ExpectMessageBox("Adobe Acrobat File Saved", forms::vbOK);
        s.driver.ChooseMenuItem(s.main.mnuFileExportPDF);
        const fs::path pdf =
            store::PDFDir() / runtime::Windows1252ToUtf8(
                                  PdfFileName(s.main.validated.name, s.program.IllustrationType));
        const fs::path copy = sandbox.Root() / (name + ".pdf");
        std::error_code copied;
        fs::copy_file(pdf, copy, fs::copy_options::overwrite_existing, copied);
        EXPECT_FALSE(copied) << pdf << ": " << copied.message();
        ReadReport report;
        const testkit::ToolRun text =
            testkit::RunTool({"pdftotext", "-layout", copy.string(), "-"});
        EXPECT_EQ(text.exitStatus, 0) << text.errors;
        report.text = text.output;
        const fs::path pages = sandbox.Root() / (name + "-pages");
        fs::create_directories(pages);
        const testkit::ToolRun drawn =
            testkit::RunTool({"pdftoppm", "-r", "50", copy.string(), (pages / "page").string()});
        EXPECT_EQ(drawn.exitStatus, 0) << drawn.errors;
        std::vector<fs::path> files;
        for (const fs::directory_entry& file : fs::directory_iterator(pages)) {
            files.push_back(file.path());
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            report.pages.push_back(testkit::ReadFileBytes(file));
        }
        return report;
    }

    static void ExpectSameReport(const ReadReport& reopened, const ReadReport& saved) {
        EXPECT_EQ(reopened.text, saved.text);
        ASSERT_EQ(reopened.pages.size(), saved.pages.size());
        for (std::size_t page = 0; page < saved.pages.size(); ++page) {
            EXPECT_TRUE(reopened.pages[page] == saved.pages[page])
                << "page " << page + 1 << " is drawn otherwise";
        }
    }

    testkit::Sandbox sandbox;
    sys::ScopedClock clock{sys::LocalDateTime{2011, 6, 15, 10, 0, 0}};
};

TEST_F(SavedReportTest, AReopenedClientsReportIsTheOneMadeBeforeSaving) {
    // One of each type, and the two Stretch clients whose graph entries a restart once lost.
    std::vector<Client> clients;
    for (const Client& client : Clients()) {
        for (const char* name :
             {"RMD, joint with a spouse", "RMD, 401(k) retired", "RMBD, surviving spouse",
              "SEPP, fixed joint", "spouse, Spouse Beneficiary", "Skip, All Years"}) {
            if (client.name == std::string(name)) {
                clients.push_back(client);
            }
        }
    }
    ASSERT_EQ(clients.size(), 6u);
    std::vector<ReadReport> saved;
    {
        ReportingSession r(IllustrationType::PlanholderRmd, Work());
        ProgramSession& s = r.session;
        s.Start([&s](frmData& browser) { s.driver.Click(browser.cmdNew); });
        for (const Client& client : clients) {
            SCOPED_TRACE(client.name);
            s.driver.ChooseMenuItem(NewItem(s.main, client.type));
            client.prepare(s);
            // From the client's own tab, where a reopened client shows: a report made while the
            // graph page shows draws its graph at the page's size.
            s.driver.ChooseTab(s.main.TabOne1, static_cast<int>(client.type));
            saved.push_back(Export(r, "saved " + std::to_string(saved.size() + 1)));
            s.driver.ChooseMenuItem(s.main.mnuFileSave);
            EXPECT_TRUE(s.program.IllustrationSaved);
        }
        EXPECT_EQ(s.driver.MessageBoxes().size(), clients.size()) << "a message besides the PDF's";
    }
    ASSERT_EQ(store::IllustrationRecordCount(), static_cast<int>(clients.size()));

    const sys::ScopedClock nextDay{sys::LocalDateTime{2011, 6, 16, 9, 0, 0}};
    for (std::size_t record = 0; record < clients.size(); ++record) {
        SCOPED_TRACE(clients[record].name);
        const int position = static_cast<int>(record + 1);
        {
            SCOPED_TRACE("after a restart");
            ReportingSession r(IllustrationType::PlanholderRmd, Work());
            ProgramSession& s = r.session;
            s.Start([&s, position](frmData& browser) { s.OpenRow(browser, position); });
            ExpectSameReport(Export(r, "restart " + std::to_string(position)), saved[record]);
            EXPECT_EQ(s.driver.MessageBoxes().size(), 1u);
        }
        SCOPED_TRACE("from a window whose choices all differ");
        ReportingSession r(IllustrationType::Stretch, Work());
        ProgramSession& s = r.session;
        s.Start([&s](frmData& browser) { s.driver.Click(browser.cmdNew); });
        ChangeEveryChoice(s);
        s.Load(position);
        ExpectSameReport(Export(r, "changed " + std::to_string(position)), saved[record]);
        EXPECT_EQ(s.driver.MessageBoxes().size(), 2u); // the save question and the PDF's
        EXPECT_FALSE(s.app.Ended());
    }
}

} // namespace
