// The main window's reports through the report service: inputs typed, the Report tab opened as a
// user would, and what reaches the composer checked: the filled text of each type with the
// client, the representative, the amounts and the year, and no token or marker left.
#include "program/ui/report_service.h"

#include "program/report/compose/report_composer.h"
#include "program/report/graph_production.h"
#include "program/report/report_error.h"
#include "program/report/tests/visible_text.h"
#include "program/store/user_info.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/support/src/pdf_file_name.h"

#include "platform/automation/creation.h"
#include "platform/forms/application.h"
#include "platform/forms/testing/driver.h"
#include "platform/forms/user_actions.h"
#include "platform/system/clock.h"
#include "platform/system/folders.h"
#include "platform/system/program_identity.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"
#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace ui;

namespace fs = std::filesystem;
using illustration::IllustrationType;
using Fields = std::map<std::string, std::string>;

const fs::path kArchive = TALLOWMERE_RESOURCE_ARCHIVE;

// Lays out nothing: keeps what it was given, runs `duringCompose` inside Compose, answers
// `pages` pages once it composed, and fails printing and export with `failure` when it is set
// (export with the run-time error 75, a path or file access error).
struct RecordingComposer : report::Composer {
    static constexpr int kFailureNumber = 75;

    void Compose(const report::Composition& composition) override {
        compositions.push_back(composition);
        if (duringCompose) {
            duringCompose();
        }
    }
    int PageCount() const override { return compositions.empty() ? 0 : pages; }
    std::string PrinterName() const override { return printer; }
    void Print() override {
        if (duringPrint) {
            duringPrint();
        }
        if (!failure.empty()) {
            throw report::ReportError(failure);
        }
        ++prints;
    }
    void ExportPdf(const fs::path& path) override {
        if (!failure.empty()) {
            throw report::ReportError(failure, kFailureNumber);
        }
        exports.push_back(path);
    }

    std::vector<report::Composition> compositions;
    std::function<void()> duringCompose;
    std::function<void()> duringPrint;
    std::string failure;
    std::string printer = "Front Desk";
    int pages = 1;
    int prints = 0;
    std::vector<fs::path> exports;
};

// The program's main window on 06/15/2011 with its reports going through the service into the
// work folder `workFolder`, and the representative Ann B. Lee of Lee Agency.
struct ReportWindow {
    ReportWindow(IllustrationType type, const Fields& fields, report::Composer& composer,
                 const fs::path& workFolder, const fs::path& archive = kArchive,
                 PageImages pageImages = {})
        : service(app, composer, ReportLocations{archive, workFolder}, std::move(pageImages)) {
        program.IllustrationType = type;
        main.SetServices(service, main.Store());
        main.Show();
        for (const auto& form : app.Forms()) {
            if (auto* representative = dynamic_cast<frmRepInfo*>(form.get())) {
                representative->txtInput(0).SetText("Ann");
                representative->txtInput(1).SetText("B");
                representative->txtInput(2).SetText("Lee");
                representative->txtInput(4).SetText("Lee Agency");
                representative->txtInput(5).SetText("555-0100");
            }
        }
        for (const auto& [tag, text] : fields) {
            main.SetField(text, tag);
        }
        // The Stretch report's tax page compares the taxes of the client's state.
        for (int item = 0; item < main.cmboState.ListCount(); ++item) {
            if (main.cmboState.List(item) == "NY") {
                main.cmboState.SetListIndex(item);
            }
        }
    }

    int Tab(const std::string& caption) const {
        for (int tab = 0; tab < main.TabOne1.TabCount(); ++tab) {
            if (main.TabOne1.TabCaption(tab) == caption) {
                return tab;
            }
        }
        ADD_FAILURE() << "no tab " << caption;
        return 0;
    }

    void OpenReportTab() { driver.ChooseTab(main.TabOne1, Tab("&Report")); }

    // The window is usable: its report menu is on, its pointer the arrow, no tab switched off.
    void ExpectUsable() const {
        EXPECT_TRUE(main.mnuReport.Enabled());
        EXPECT_EQ(main.MousePointer(), forms::vbDefault);
        for (int tab = 0; tab < main.TabOne1.TabCount(); ++tab) {
            EXPECT_TRUE(main.TabOne1.TabEnabled(tab)) << tab;
        }
        EXPECT_EQ(main.VSPrinter1.StatusText(), "");
    }

    sys::ScopedClock clock{sys::LocalDateTime{2011, 6, 15, 10, 0, 0}};
    forms::Application app;
    forms::testing::Driver driver{app};
    ProgramState program;
    frmMain& main = app.Create<frmMain>(program);
    ReportService service;
};

// The Output module registered in the sandbox's own registry, as the program's installation
// registers it.
class ReportServiceTest : public testing::Test {
protected:
    void SetUp() override {
        sandbox.SetEnvironment("TALLOWMERE_REGISTRY", (sandbox.Root() / "registry.ini").string());
        ASSERT_EQ(automation::RegisterServer(OUTPUT_MODULE), S_OK);
    }

    testkit::Sandbox sandbox;
};

// Inputs that pass every check of their type on 06/15/2011.
const Fields kRmd = {
    {"8-PartFirst", "John"},         {"8-PartMiddle", "Q"}, {"8-PartLast", "Sample"},
    {"7-PartDOB", "03/15/1940"},     {"3-Year0", "2011"},   {"6-AcctValue0", "$100,000"},
    {"8-PlanName0", "Rollover Plan"}};
const Fields kRmbd = {
    {"8-BeneFirst", "Sally"},        {"8-BeneLast", "Sample"}, {"7-BeneDOB", "12/07/1941"},
    {"7-DD1", "05/01/2008"},         {"3-Year1", "2011"},      {"6-AcctValue1", "50000"},
    {"8-PlanName1", "Inherited IRA"}};
const Fields kEqual = {{"8-EqualFirst", "John"},        {"8-EqualLast", "Sample"},
                       {"7-EqualDOB", "01/01/1950"},    {"8-EqualPlanName", "IRA Plan"},
                       {"7-EqualDate", "06/01/2011"},   {"6-EqualAcctValue1", "$100,000"},
                       {"6-EqualAcctValue2", "100000"}, {"1-EqualROR", "4.00%"}};
const Fields kStretch = {{"8-StretchPFirst", "John"},      {"8-StretchPLast", "Sample"},
                         {"7-StretchPDOB", "01/01/1950"},  {"2-StretchPLEO", "20"},
                         {"8-StretchSFirst", "Susan"},     {"8-StretchSLast", "Sample"},
                         {"7-StretchSDOB", "01/01/1955"},  {"2-StretchSLEO", "25"},
                         {"8-StretchBFirst", "Jack"},      {"8-StretchBLast", "Sample"},
                         {"7-StretchBDOB", "01/01/1990"},  {"8-StretchPlanName", "IRA Plan"},
                         {"6-StretchAcctValue", "100000"}, {"6-StretchAcctCont", "0"},
                         {"1-StretchROR", "8.00%"}};

TEST_F(ReportServiceTest, TheReportTabComposesEachTypeFilledFromTheWindow) {
    struct Case {
        IllustrationType type;
        const Fields* fields;
        std::vector<std::string> shown; // besides the representative
    };
    // Distributions are raised to the next whole dollar. RMD: 100,000 / 26.5 (uniform table,
    // age 71) = 3,773.58. RMBD: single life 18.6 at 68 in 2009, less one a year: 50,000 / 16.6
    // = 3,012.05.
    const Case cases[] = {
        {IllustrationType::PlanholderRmd, &kRmd, {"John Q Sample", "$3,774", "2011", "26.5"}},
        {IllustrationType::BeneficiaryRmd, &kRmbd, {"Sally Sample", "$3,013", "2011", "16.6"}},
        {IllustrationType::EqualPayments, &kEqual, {"John Sample", "$100,000", "2011"}},
        {IllustrationType::Stretch, &kStretch, {"John Sample", "Jack Sample", "$100,000", "2011"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        RecordingComposer composer;
        ReportWindow window(c.type, *c.fields, composer, sandbox.Root());
        window.OpenReportTab();

        ASSERT_EQ(composer.compositions.size(), 1u);
        const report::Composition& composition = composer.compositions[0];
        EXPECT_EQ(composition.type, c.type);
        EXPECT_EQ(composition.illustrationDate, "June 15, 2011");
        EXPECT_EQ(composition.workFolder, sandbox.Root());
        const std::string& rtf = composition.richText;
        const std::string visible = report::testing::VisibleText(rtf);
        EXPECT_EQ(rtf.find("R-"), std::string::npos);
        EXPECT_EQ(rtf.find("$#"), std::string::npos);
        EXPECT_EQ(visible.find('~'), std::string::npos) << visible;
        std::vector<std::string> shown = c.shown;
        shown.insert(shown.end(), {"Ann B. Lee", "Lee Agency", "555-0100"});
        for (const std::string& text : shown) {
            EXPECT_NE(visible.find(text), std::string::npos) << text << " in " << visible;
        }
        EXPECT_TRUE(window.driver.MessageBoxes().empty());
        window.ExpectUsable();
    }
}

// The Report tab draws the report's first page before it makes the others: while the window
// takes its turn to draw, it shows the first page alone, and then all of them in order.
TEST_F(ReportServiceTest, TheFirstPageIsDrawnBeforeTheOthersAreMade) {
    RecordingComposer composer;
    composer.pages = 3;
    std::vector<int> made;
    // Page n is an image n pixels wide.
    ReportWindow window(IllustrationType::PlanholderRmd, kRmd, composer, sandbox.Root(), kArchive,
                        [&made](int page) {
                            made.push_back(page);
                            return forms::Image(page, 1, std::vector<std::uint32_t>(page));
                        });
    const auto widths = [](const std::vector<forms::Image>& pages) {
        std::vector<int> shown;
        for (const forms::Image& page : pages) {
            shown.push_back(page.Width());
        }
        return shown;
    };
    std::vector<int> shownWhileDrawing;
    std::vector<int> madeWhileDrawing;
    window.driver.Queue([&] {
        shownWhileDrawing = widths(window.main.VSPrinter1.Pages());
        madeWhileDrawing = made;
    });
    window.OpenReportTab();
    EXPECT_EQ(shownWhileDrawing, std::vector<int>{1});
    EXPECT_EQ(madeWhileDrawing, std::vector<int>{1});
    EXPECT_EQ(widths(window.main.VSPrinter1.Pages()), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(made, (std::vector<int>{1, 2, 3}));
    window.ExpectUsable();
}

// The report menu's check marks choose the Stretch sections; with the graph section on, the
// graph is drawn (into the work folder) before the pages are composed and handed to the
// composition. A section switched while the Report tab shows composes the report again, with
// the graph drawn before for the same inputs.
TEST_F(ReportServiceTest, TheStretchSectionsFollowTheReportMenuAndTheGraphComesFirst) {
    RecordingComposer composer;
    ReportWindow window(IllustrationType::Stretch, kStretch, composer, sandbox.Root());
    const fs::path graph = sandbox.Root() / report::kGraphFileName;
    std::vector<bool> graphWhenComposed;
    composer.duringCompose = [&] { graphWhenComposed.push_back(fs::exists(graph)); };
    window.main.mnuReportCover.SetChecked(false);
    window.main.mnuReportWrenhall.SetChecked(true);
    window.main.mnuReportTaxes.SetChecked(true);
    window.main.mnuReportLedger.SetChecked(false);
    window.main.mnuReportGraph.SetChecked(true);

    window.OpenReportTab();
    ASSERT_EQ(composer.compositions.size(), 1u);
    const report::ReportSections first = composer.compositions[0].sections;
    EXPECT_FALSE(first.cover);
    EXPECT_TRUE(first.wrenhall);
    EXPECT_TRUE(first.taxes);
    EXPECT_FALSE(first.ledger);
    EXPECT_TRUE(first.graph);
    EXPECT_EQ(graphWhenComposed, std::vector<bool>{true});
    const report::GraphPicture drawn = composer.compositions[0].graph;
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(*drawn, testkit::ReadFileBytes(graph));

    window.driver.ChooseMenuItem(window.main.mnuReportLedger);
    ASSERT_EQ(composer.compositions.size(), 2u);
    EXPECT_TRUE(composer.compositions[1].sections.ledger);
    EXPECT_EQ(composer.compositions[1].graph, drawn);
    EXPECT_TRUE(window.driver.MessageBoxes().empty());
    window.ExpectUsable();
}

// A template the archive does not hold abandons the report with its message; the illustration
// is kept and the next report is tried afresh.
TEST_F(ReportServiceTest, AMissingTemplateIsShownAndTheWindowStaysUsable) {
    const fs::path archive = sandbox.Root() / "Partial.icf";
    ASSERT_EQ(archive::AddFile(archive, sandbox.WriteFile("other/RMDLogo.txt", "0 0 1440 0"),
                               archive::kResourcePassword),
              archive::ZipResult::Success);
    RecordingComposer composer;
    ReportWindow window(IllustrationType::PlanholderRmd, kRmd, composer, sandbox.Root(), archive);
    // A damaged installation speaks under the program's own name.
    const std::string title(sys::FileDescription());
    window.driver.ExpectMessageBox(title, forms::vbOK);
    window.driver.ExpectMessageBox(title, forms::vbOK);

    window.OpenReportTab();
    window.driver.ChooseMenuItem(window.main.mnuFileExportPDF);

    EXPECT_TRUE(composer.compositions.empty());
    EXPECT_TRUE(composer.exports.empty());
    const auto& boxes = window.driver.MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u); // no "saved" claim follows
    EXPECT_NE(boxes[0].prompt.find("Partial.icf is damaged"), std::string::npos) << boxes[0].prompt;
    EXPECT_EQ(boxes[0].icon, forms::MessageBoxIcon::Critical);
    EXPECT_EQ(window.main.GetField("8-PartFirst"), "John");
    EXPECT_EQ(window.main.VSPrinter1.PageCount(), 0);
    window.ExpectUsable();
}

// While a report is composed no second one starts: the report menu cannot be reached and a
// request that comes anyway is refused.
TEST_F(ReportServiceTest, NoSecondReportStartsWhileOneIsComposed) {
    RecordingComposer composer;
    ReportWindow window(IllustrationType::PlanholderRmd, kRmd, composer, sandbox.Root());
    bool menuReached = true;
    bool nestedProduced = true;
    composer.duringCompose = [&] {
        try {
            window.driver.ChooseMenuItem(window.main.mnuReportCover);
        } catch (const forms::UnreachableError&) {
            menuReached = false;
        }
        calc::StretchProjection work;
        nestedProduced = window.service.ProduceReport(window.main, work, false);
        EXPECT_EQ(window.main.MousePointer(), forms::vbHourglass);
    };

    window.OpenReportTab();
    EXPECT_FALSE(menuReached);
    EXPECT_FALSE(nestedProduced);
    EXPECT_EQ(composer.compositions.size(), 1u);
    window.ExpectUsable();
}

// Print and PDF export reach the composed document; when the composer cannot, nothing claims
// success: printing shows the composer's message, the export the error's number in the PDF
// export's own words, with no folder or file name in them.
TEST_F(ReportServiceTest, PrintAndExportUseTheComposedReportAndShowTheirFailures) {
    RecordingComposer composer;
    ReportWindow window(IllustrationType::PlanholderRmd, kRmd, composer, sandbox.Root());
    window.driver.ExpectMessageBox("Adobe Acrobat File Saved", forms::vbOK);
    window.driver.ChooseMenuItem(window.main.mnuFilePrint);
    window.driver.ChooseMenuItem(window.main.mnuFileExportPDF);
    EXPECT_EQ(composer.prints, 1);
    ASSERT_EQ(composer.exports.size(), 1u);
    EXPECT_EQ(composer.exports[0].filename(), "JohnQSampleRMD.pdf");

    composer.failure = "The printer is out of paper.";
    window.driver.ExpectMessageBox("Report Not Printed", forms::vbOK);
    window.driver.ExpectMessageBox("Adobe Acrobat File Not Saved", forms::vbOK);
    window.driver.ChooseMenuItem(window.main.mnuFilePrint);
    window.driver.ChooseMenuItem(window.main.mnuFileExportPDF);
    const auto& boxes = window.driver.MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].prompt, composer.failure);
    EXPECT_EQ(boxes[2].prompt,
              "An error type 75 occurred \r\nwhile creating the PDF file.\r\nPlease try again.");
    EXPECT_EQ(composer.prints, 1);
    EXPECT_EQ(composer.exports.size(), 1u);
    window.ExpectUsable();
}

// File, Print prints on the user's default printer, and the Report tab names it while the
// report is sent; without a default printer nothing is printed and the box says why.
TEST_F(ReportServiceTest, PrintingGoesToTheDefaultPrinterAndSaysWhich) {
    RecordingComposer composer;
    ReportWindow window(IllustrationType::PlanholderRmd, kRmd, composer, sandbox.Root());
    std::vector<std::string> statusWhilePrinting;
    composer.duringPrint = [&] {
        statusWhilePrinting.push_back(window.main.VSPrinter1.StatusText());
    };
    window.driver.ChooseMenuItem(window.main.mnuFilePrint);
    EXPECT_EQ(composer.prints, 1);
    EXPECT_EQ(statusWhilePrinting, std::vector<std::string>{"Printing on Front Desk . . ."});
    EXPECT_TRUE(window.driver.MessageBoxes().empty());
    window.ExpectUsable();

    composer.printer.clear();
    window.driver.ExpectMessageBox("Report Not Printed", forms::vbOK);
    window.driver.ChooseMenuItem(window.main.mnuFilePrint);
    EXPECT_EQ(composer.prints, 1);
    ASSERT_EQ(window.driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(window.driver.MessageBoxes()[0].prompt.rfind("No default printer is chosen", 0), 0u);
    window.ExpectUsable();
}

// The graph page draws the chosen phase at the picture box's size; a drawing that fails shows
// its message and no graph rather than the one before.
TEST_F(ReportServiceTest, TheGraphPageShowsTheDrawnGraphAndNeverAStaleOne) {
    const fs::path work = sandbox.Root() / "work";
    fs::create_directory(work);
    RecordingComposer composer;
    ReportWindow window(IllustrationType::Stretch, kStretch, composer, work);
    window.driver.ChooseTab(window.main.TabOne1, window.Tab("&Graph"));
    window.driver.Tick(window.main.Timer1);
    const forms::Picture& shown = window.main.picGraph.GetPicture();
    EXPECT_EQ(shown.Format(), forms::PictureFormat::Bmp);
    EXPECT_EQ(shown.WidthPixels(), window.main.picGraph.Width() / 15);
    EXPECT_EQ(shown.HeightPixels(), window.main.picGraph.Height() / 15);
    EXPECT_GT(window.main.hScrollGraph.Max(), window.main.hScrollGraph.Min());
    EXPECT_GE(window.main.hScrollGraph.Value(), window.main.hScrollGraph.Min());

    fs::remove_all(work);
    sandbox.WriteFile("work", "not a folder");
    window.driver.ExpectMessageBox("Graph Not Drawn", forms::vbOK);
    window.driver.Click(window.main.chkGrayScale);
    EXPECT_EQ(window.driver.MessageBoxes().size(), 1u);
    EXPECT_TRUE(window.main.picGraph.GetPicture().IsEmpty());
    window.ExpectUsable();
}

// The PDF text as pdftotext reads it.
std::string PdfText(const fs::path& pdf) {
    const testkit::ToolRun run = testkit::RunTool({"pdftotext", "-layout", pdf.string(), "-"});
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    return run.output;
}

// From typed inputs through File, Export to PDF to a checked PDF per type on the print
// document, shown on the Report tab; the first page drawn to PNG beside it for a person to look
// at.
TEST_F(ReportServiceTest, EachTypeIsExportedAsACheckedPdfFromTheFileMenu) {
    struct Case {
        IllustrationType type;
        const Fields* fields;
        int pages;
        std::vector<std::string> shown; // besides the representative
    };
    const Case cases[] = {
        {IllustrationType::PlanholderRmd, &kRmd, 1, {"John Q Sample", "$3,774", "2011"}},
        {IllustrationType::BeneficiaryRmd, &kRmbd, 1, {"Sally Sample", "$3,013", "2011"}},
        {IllustrationType::EqualPayments, &kEqual, 1, {"John Sample", "$100,000", "2011"}},
        // Every section: the cover, Wrenhall and tax pages, the planholder's, spouse's and
        // beneficiary's ledgers, the 2011 to 2055 ledger over two pages, and the graph.
        {IllustrationType::Stretch,
         &kStretch,
         9,
         {"John Sample", "Jack Sample", "$100,000", "2011"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        compose::ReportComposer composer;
        ReportWindow window(
            c.type, *c.fields, composer, sandbox.Root(), kArchive, [&composer](int page) {
                printdoc::PageImage image = composer.PageImage(page, /*dotsPerInch*/ 30);
                return forms::Image(image.width, image.height, std::move(image.pixels));
            });
        for (forms::Menu* section : {&window.main.mnuReportCover, &window.main.mnuReportWrenhall,
                                     &window.main.mnuReportTaxes, &window.main.mnuReportLedger,
                                     &window.main.mnuReportGraph}) {
            section->SetChecked(true);
        }
        window.driver.ExpectMessageBox("Adobe Acrobat File Saved", forms::vbOK);
        window.driver.ChooseMenuItem(window.main.mnuFileExportPDF);
        ASSERT_EQ(window.driver.MessageBoxes().size(), 1u);
        const fs::path pdf = store::PDFDir() / PdfFileName(window.main.validated.name, c.type);
        ASSERT_TRUE(fs::exists(pdf)) << pdf;

        const testkit::ToolRun check = testkit::RunTool({"qpdf", "--check", pdf.string()});
        EXPECT_EQ(check.exitStatus, 0) << check.output << check.errors;
        const testkit::ToolRun pages = testkit::RunTool({"qpdf", "--show-npages", pdf.string()});
        EXPECT_EQ(pages.output, std::to_string(c.pages) + "\n");
        EXPECT_EQ(composer.PageCount(), c.pages);
        EXPECT_EQ(window.main.VSPrinter1.PageCount(), c.pages);

        const std::string text = PdfText(pdf);
        std::vector<std::string> shown = c.shown;
        shown.insert(shown.end(), {"Ann B. Lee", "Lee Agency", "555-0100"});
        for (const std::string& word : shown) {
            EXPECT_NE(text.find(word), std::string::npos) << word << " in " << text;
        }
        for (const char* leftOver : {"R-", "$#", "~"}) {
            EXPECT_EQ(text.find(leftOver), std::string::npos) << leftOver << " in " << text;
        }

        const fs::path image = pdf.parent_path() / pdf.stem();
        const testkit::ToolRun render =
            testkit::RunTool({"pdftoppm", "-png", "-r", "60", "-f", "1", "-l", "1", "-singlefile",
                              pdf.string(), image.string()});
        EXPECT_EQ(render.exitStatus, 0) << render.errors;
        EXPECT_TRUE(fs::exists(image.string() + ".png"));
        window.ExpectUsable();
    }
}

} // namespace
