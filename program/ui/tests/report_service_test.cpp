// The main window's reports through the report service: inputs typed, the Report tab opened as a
// user would, and what reaches the composer checked: the filled text of each type with the
// client, the representative, the amounts and the year, and no token or marker left.
#include "program/ui/report_service.h"

#include "program/report/report_error.h"
#include "program/report/tests/visible_text.h"
#include "program/ui/main_form.h"

#include "platform/automation/creation.h"
#include "platform/forms/application.h"
#include "platform/forms/testing/driver.h"
#include "platform/system/clock.h"
#include "platform/testing/sandbox.h"
#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ui {
namespace {

namespace fs = std::filesystem;
using illustration::IllustrationType;
using Fields = std::map<std::string, std::string>;

const fs::path kArchive = TALLOWMERE_RESOURCE_ARCHIVE;

// Lays out nothing: keeps what it was given, and runs `duringCompose` inside Compose.
struct RecordingComposer : report::Composer {
    void Compose(const report::Composition& composition) override {
        compositions.push_back(composition);
        if (duringCompose) {
            duringCompose();
        }
    }
    int PageCount() const override { return compositions.empty() ? 0 : 1; }
    void Print() override { ++prints; }
    void ExportPdf(const fs::path& path) override { exports.push_back(path); }

    std::vector<report::Composition> compositions;
    std::function<void()> duringCompose;
    int prints = 0;
    std::vector<fs::path> exports;
};

// The program's main window on 06/15/2011 with its reports going through the service, the
// Output module registered in the sandbox's registry and the representative Ann B. Lee of
// Lee Agency.
struct ReportWindow {
    ReportWindow(IllustrationType type, const Fields& fields, report::Composer& composer,
                 const fs::path& archive = kArchive) {
        sandbox.SetEnvironment("TALLOWMERE_REGISTRY", (sandbox.Root() / "registry.ini").string());
        EXPECT_EQ(automation::RegisterServer(OUTPUT_MODULE), S_OK);
        program.IllustrationType = type;
        service = std::make_unique<ReportService>(app, composer,
                                                  ReportLocations{archive, sandbox.Root()});
        main.SetServices(*service, main.Store());
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

    testkit::Sandbox sandbox;
    sys::ScopedClock clock{sys::LocalDateTime{2011, 6, 15, 10, 0, 0}};
    forms::Application app;
    forms::testing::Driver driver{app};
    ProgramState program;
    frmMain& main = app.Create<frmMain>(program);
    std::unique_ptr<ReportService> service;
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

TEST(ReportService, TheReportTabComposesEachTypeFilledFromTheWindow) {
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
        ReportWindow window(c.type, *c.fields, composer);
        window.OpenReportTab();

        ASSERT_EQ(composer.compositions.size(), 1u);
        const report::Composition& composition = composer.compositions[0];
        EXPECT_EQ(composition.type, c.type);
        EXPECT_EQ(composition.illustrationDate, "June 15, 2011");
        EXPECT_EQ(composition.workFolder, window.sandbox.Root());
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
        EXPECT_TRUE(window.main.mnuReport.Enabled());
        EXPECT_EQ(window.main.MousePointer(), forms::vbDefault);
    }
}

} // namespace
} // namespace ui
