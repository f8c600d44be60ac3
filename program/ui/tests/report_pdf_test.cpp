// The reports as a client reads them. Each client is typed into the main window as a user types
// it, the report is saved through File, Save Report as PDF, and the PDF is read back with
// independent tools: pdftotext for the words and their boxes, qpdf for where each picture is
// drawn, pdfinfo for the title. Every case checks the amounts, factors, dates and marks its
// report must print and those its choices exclude, and the geometry of every page: each word
// and picture inside the printable area, no picture over a word and no word over another. The
// first page of each report is drawn as a PNG file in the sandbox for a person to look at, beside
// a copy of the whole PDF file under the same name.
//
// The expected amounts are worked by hand from the IRS tables of 2002 (Single Life, Uniform
// Lifetime, Joint and Last Survivor) and the rules of each type; a required distribution is the
// account value over the divisor, raised to the next whole dollar.
#include "program/report/compose/report_composer.h"
#include "program/store/user_info.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/report_service.h"
#include "program/ui/support/src/pdf_file_name.h"

#include "platform/automation/creation.h"
#include "platform/forms/application.h"
#include "platform/forms/testing/driver.h"
#include "platform/runtime/windows1252.h"
#include "platform/system/clock.h"
#include "platform/system/folders.h"
#include "platform/system/program_identity.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/pdf_layout.h"
#include "platform/testing/sandbox.h"
#include "platform/testing/zip_damage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace {

using namespace ui;

namespace fs = std::filesystem;
using illustration::IllustrationType;
// Field tags and the texts typed into them, in the order a user types them.
using Typed = std::vector<std::pair<std::string, std::string>>;
using Texts = std::vector<std::string>;

const fs::path kArchive = TALLOWMERE_RESOURCE_ARCHIVE;

// The representative window's texts by field (0 first name, 1 initial, 2 last name, 4 agency,
// 5 office, 6 mobile, 7 fax, 8 e-mail, 9 street, 10 city, 11 zip) and the state.
struct Representative {
    std::vector<std::pair<int, std::string>> fields;
    std::string state;
};

// Every field filled, long, with the characters rich text gives a meaning to.
const Representative kLongRepresentative = {{{0, "Ann"},
                                             {1, "B"},
                                             {2, "Lee"},
                                             {4, "Lee {Tax} R\\D Group"},
                                             {5, "516-555-0100"},
                                             {6, "516-555-0101"},
                                             {7, "516-555-0102"},
                                             {8, "ann\\lee@example.com"},
                                             {9, "1200 Northwest Harborview Boulevard, Suite 400"},
                                             {10, "Port Washington"},
                                             {11, "11050-1234"}},
                                            "NY"};
// Only the name and the agency: no initial, address or contact number.
const Representative kShortRepresentative = {{{0, "Ann"}, {2, "Lee"}, {4, "Lee Agency"}}, ""};

// What the header shows of each representative.
const Texts kLongRepresentativeShown = {"Ann B. Lee",
                                        "Lee {Tax} R\\D Group",
                                        "1200 Northwest Harborview Boulevard, Suite 400",
                                        "Port Washington, NY 11050-1234",
                                        "Office: 516-555-0100",
                                        "Mobile: 516-555-0101",
                                        "Fax: 516-555-0102",
                                        "Email: ann\\lee@example.com"};
const Texts kShortRepresentativeShown = {"Ann Lee - Lee Agency"};

// The printable area of a page: all of it but a quarter inch at each edge, which printers
// cannot reach.
constexpr double kUnprintablePoints = 18;

// Checks the geometry of every page of a report.
void ExpectLaidOut(const std::vector<testkit::PdfPage>& pages) {
    for (std::size_t number = 0; number < pages.size(); ++number) {
        const testkit::PdfPage& page = pages[number];
        SCOPED_TRACE("page " + std::to_string(number + 1));
        const testkit::PdfBox printable{kUnprintablePoints, kUnprintablePoints,
                                        page.width - kUnprintablePoints,
                                        page.height - kUnprintablePoints};
        for (const testkit::PdfBox& picture : page.pictures) {
            EXPECT_TRUE(picture.Inside(printable))
                << "picture " << picture.left << "," << picture.top << " to " << picture.right
                << "," << picture.bottom;
            for (const testkit::PdfWord& word : page.words) {
                EXPECT_FALSE(picture.Overlaps(word.box))
                    << "\"" << word.text << "\" under the picture at " << picture.left << ","
                    << picture.top;
            }
        }
        for (std::size_t i = 0; i < page.words.size(); ++i) {
            const testkit::PdfWord& word = page.words[i];
            EXPECT_TRUE(word.box.Inside(printable))
                << "\"" << word.text << "\" at " << word.box.left << "," << word.box.top;
            for (std::size_t j = i + 1; j < page.words.size(); ++j) {
                EXPECT_FALSE(word.box.Overlaps(page.words[j].box))
                    << "\"" << word.text << "\" over \"" << page.words[j].text << "\"";
            }
        }
    }
}

// A report saved as PDF and read back.
struct SavedReport {
    fs::path pdf;
    std::vector<testkit::PdfPage> pages;
    // The text of every page line by line as pdftotext lays it out, each run of blanks and
    // line ends one blank, in Windows-1252: a table's row reads as one line.
    std::string words;
};

std::string OneBlankBetweenWords(const std::string& text) {
    std::string words;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\n' || c == '\f';
        if (!blank) {
            words += c;
        } else if (!words.empty() && words.back() != ' ') {
            words += ' ';
        }
    }
    return words;
}

// The keys of the Stretch template that do not begin with "R-" and are not flags or table names,
// which stand after "$#".
const char* const kStretchTemplateKeys[] = {
    "x.xx%", "XY",  "PHStart", "PHEnd", "SHStart", "SHEnd", "BHStart", "BHEnd", "S^",
    "LSF",   "LSS", "LLT",     "FSF",   "FSS",     "FLT",   "RSF",     "RSS",   "RLT"};

// The words of `report` hold every text of `printed` and none of `excluded`, no template token
// or marker is left, and every page is laid out.
void ExpectPrinted(const SavedReport& report, const Texts& printed, const Texts& excluded) {
    for (const std::string& text : printed) {
        EXPECT_NE(report.words.find(text), std::string::npos) << "missing \"" << text << "\" in\n"
                                                              << report.words;
    }
    for (const std::string& text : excluded) {
        EXPECT_EQ(report.words.find(text), std::string::npos) << "printed \"" << text << "\" in\n"
                                                              << report.words;
    }
    for (const char* leftOver : {"R-", "$#", "~"}) {
        EXPECT_EQ(report.words.find(leftOver), std::string::npos) << leftOver;
    }
    for (const char* key : kStretchTemplateKeys) {
        EXPECT_EQ(report.words.find(key), std::string::npos) << key;
    }
    for (const testkit::PdfPage& page : report.pages) {
        for (const testkit::PdfWord& word : page.words) {
            EXPECT_NE(word.text, ",") << "a lone comma";
        }
    }
    ExpectLaidOut(report.pages);
}

// The program's main window with its reports composed on the print document, into the work
// folder `work`, and the representative entered in their window.
struct ClientWindow {
    ClientWindow(IllustrationType type, const Representative& representative, const fs::path& work,
                 const fs::path& archive = kArchive)
        : service(app, composer, ReportLocations{archive, work}) {
        fs::create_directories(work);
        program.IllustrationType = type;
        main.SetServices(service, main.Store());
        main.Show();
        for (const auto& form : app.Forms()) {
            if (auto* window = dynamic_cast<frmRepInfo*>(form.get())) {
                for (const auto& [index, text] : representative.fields) {
                    window->txtInput(index).SetText(text);
                }
                window->cmboState.Clear();
                window->cmboState.AddItem(representative.state);
                window->cmboState.SetListIndex(0);
            }
        }
    }

    // Types each field as a user does: into the field, then on to the next.
    void Type(const Typed& typed) {
        for (const auto& [tag, text] : typed) {
            forms::TextBox& field = main.txtInput(main.SetIndex(tag));
            driver.Focus(field);
            driver.Type(field, text);
        }
        driver.PressTab();
    }

    // The Stretch report's sections, as the report menu's check marks set them.
    void Sections(bool cover, bool wrenhall, bool taxes, bool ledger, bool graph) {
        const std::pair<forms::Menu*, bool> items[] = {{&main.mnuReportCover, cover},
                                                       {&main.mnuReportWrenhall, wrenhall},
                                                       {&main.mnuReportTaxes, taxes},
                                                       {&main.mnuReportLedger, ledger},
                                                       {&main.mnuReportGraph, graph}};
        for (const auto& [item, on] : items) {
            if (item->Checked() != on) {
                driver.ChooseMenuItem(*item);
            }
        }
    }

    fs::path PdfPath() const {
        return store::PDFDir() / runtime::Windows1252ToUtf8(PdfFileName(
                                     main.validated.name, main.Program().IllustrationType));
    }

    // File, Save Report as PDF; the saved file read back, its first page drawn as `picture`.png.
    SavedReport Save(const fs::path& picture) {
        const std::size_t boxes = driver.MessageBoxes().size();
        driver.ExpectMessageBox("Adobe Acrobat File Saved", forms::vbOK);
        driver.ChooseMenuItem(main.mnuFileExportPDF);
        EXPECT_EQ(driver.MessageBoxes().size(), boxes + 1);
        SavedReport report;
        report.pdf = PdfPath();
        EXPECT_TRUE(fs::exists(report.pdf)) << report.pdf;
        const testkit::ToolRun check = testkit::RunTool({"qpdf", "--check", report.pdf.string()});
        EXPECT_EQ(check.exitStatus, 0) << check.output << check.errors;
        report.pages = testkit::ReadPdfLayout(report.pdf);
        const testkit::ToolRun text =
            testkit::RunTool({"pdftotext", "-layout", report.pdf.string(), "-"});
        EXPECT_EQ(text.exitStatus, 0) << text.errors;
        report.words = runtime::Utf8ToWindows1252(OneBlankBetweenWords(text.output));
        const testkit::ToolRun render =
            testkit::RunTool({"pdftoppm", "-png", "-r", "60", "-f", "1", "-l", "1", "-singlefile",
                              report.pdf.string(), picture.string()});
        EXPECT_EQ(render.exitStatus, 0) << render.errors;
        // The case's own copy, which the next case of the same client does not replace.
        std::error_code copied;
        fs::copy_file(report.pdf, picture.string() + ".pdf", fs::copy_options::overwrite_existing,
                      copied);
        EXPECT_FALSE(copied) << copied.message();
        return report;
    }

    forms::Application app;
    forms::testing::Driver driver{app};
    ProgramState program;
    frmMain& main = app.Create<frmMain>(program);
    compose::ReportComposer composer;
    ReportService service;
};

// The Output module registered in the sandbox's own registry, as the program's installation
// registers it; the clock on 06/15/2011.
class ReportPdfTest : public testing::Test {
protected:
    void SetUp() override {
        sandbox.SetEnvironment("TALLOWMERE_REGISTRY", (sandbox.Root() / "registry.ini").string());
        ASSERT_EQ(automation::RegisterServer(OUTPUT_MODULE), S_OK);
    }

    fs::path Work() const { return sandbox.Root() / "work"; }
    fs::path Picture(const std::string& name) const { return sandbox.Root() / name; }

    testkit::Sandbox sandbox;
    sys::ScopedClock clock{sys::LocalDateTime{2011, 6, 15, 10, 0, 0}};
};

// The planholder's and a beneficiary's required distribution, each for a client with every
// optional field filled and long, and for one with the optional fields left empty; a planholder
// whose plan delays the first distribution year to the year of retirement and one not yet 70
// and one half; a surviving spouse who may delay. The dates of the first distribution year
// stand in the table, where no tense can be wrong, and the year's deadline under it.
TEST_F(ReportPdfTest, TheRequiredDistributionReportsPrintTheirClientsWithLongAndEmptyFields) {
    struct Case {
        const char* name;
        IllustrationType type;
        Typed typed;
        bool joint = false; // the joint table with a spouse more than ten years younger
        const Representative* representative;
        Texts printed;
        Texts excluded;
        const char* planType = "IRA";
        bool survivingSpouse = false;
    };
    // Wordings the reports once had: a past tense for a date to come, a deadline for "each
    // later distribution" that was this year's, a distribution year that "began" on its last
    // day, and a blank before a colon where no age was given.
    const Texts oldWordings = {"You reached", "each later distribution", "began on", " :"};
    const Case cases[] = {
        // Born 03/15/1940: 70 and one half on 09/15/2010, age 71 at the end of 2011, beginning
        // date April 1, 2011. The spouse, born 1955, is 56: Joint and Last Survivor 71/56 is
        // 30.1, and 250,000 / 30.1 = 8,305.65; half of it is the excise tax.
        {"planholder, long",
         IllustrationType::PlanholderRmd,
         {{"8-PartFirst", "Alexandria"},
          {"8-PartMiddle", "Catherine"},
          {"8-PartLast", "Worthington Fitzgerald"},
          {"7-PartDOB", "03/15/1940"},
          {"7-SpouseDOB", "07/04/1955"},
          {"8-PlanName0", "Harbor Point Retirement Savings Rollover Account"},
          {"7-DD0", "05/05/2011"},
          {"3-Year0", "2011"},
          {"6-AcctValue0", "250000"}},
         true,
         &kLongRepresentative,
         {"Prepared for Alexandria Catherine Worthington Fitzgerald", "March 15, 1940",
          "Date of death May 5, 2011", "Spouse beneficiary born: July 4, 1955",
          "Plan name: Harbor Point Retirement Savings Rollover Account", "$250,000",
          "Joint Life Expectancy", "Distribution period: 30.1 for age 71 / 56", "$8,306",
          "Age 70 and one half on: September 15, 2010", "Required beginning date: April 1, 2011",
          "The distribution for 2011 must be taken by December 31, 2011.", "$4,153",
          "since 2022 are not applied"},
         {"()", "Uniform Lifetime table, which assumes"}},
        // No middle name, plan name or spouse: the Uniform Lifetime divisor at 71 is 26.5, and
        // 100,000 / 26.5 = 3,773.58.
        {"planholder, empty",
         IllustrationType::PlanholderRmd,
         {{"8-PartFirst", "John"},
          {"8-PartLast", "Sample"},
          {"7-PartDOB", "03/15/1940"},
          {"3-Year0", "2011"},
          {"6-AcctValue0", "100000"}},
         false,
         &kShortRepresentative,
         {"Prepared for John Sample", "Uniform Lifetime", "Distribution period: 26.5 for age 71",
          "$3,774", "$1,887", "since 2022 are not applied"},
         {"()", "Spouse beneficiary", "Date of death", "Office:", "Joint Life Expectancy"}},
        // A 401(k) that lets the planholder wait until retiring in 2011, after reaching 70 and
        // one half: 2011 is the first distribution year, whose distribution may wait until
        // April 1, 2012. Uniform Lifetime at 71, 26.5: $3,774.
        {"401(k), retired after 70 and one half",
         IllustrationType::PlanholderRmd,
         {{"8-PartFirst", "John"},
          {"8-PartLast", "Sample"},
          {"7-PartDOB", "03/15/1940"},
          {"7-PlanRetDate", "06/30/2011"},
          {"3-Year0", "2011"},
          {"6-AcctValue0", "100000"}},
         false,
         &kShortRepresentative,
         {"Plan type: 401(k)", "Distribution period: 26.5 for age 71", "$3,774",
          "Age 70 and one half on: September 15, 2010", "Required beginning date: April 1, 2012",
          "The distribution for 2011 must be taken by April 1, 2012**. ** Although you can wait "
          "until April 1, 2012 to withdraw",
          "Your retirement date is June 30, 2011."},
         {"For an individual retirement account", "403(b)"},
         "401(k)"},
        // Born 03/15/1945: 70 and one half on 09/15/2015, so nothing is due for 2011.
        {"not yet 70 and one half",
         IllustrationType::PlanholderRmd,
         {{"8-PartFirst", "John"},
          {"8-PartLast", "Sample"},
          {"7-PartDOB", "03/15/1945"},
          {"3-Year0", "2011"},
          {"6-AcctValue0", "100000"}},
         false,
         &kShortRepresentative,
         {"Distribution period: N/A", "Age 70 and one half on: September 15, 2015",
          "Required beginning date: April 1, 2016", "Required minimum distribution for 2011 $0"},
         {"for age"}},
        // The original planholder died in 2008; the beneficiary, born 12/07/1941, is 68 at the
        // end of 2009: Single Life 18.6, less one for each year since, 16.6 in 2011, and
        // 50,000 / 16.6 = 3,012.05.
        {"beneficiary, long",
         IllustrationType::BeneficiaryRmd,
         {{"8-BeneFirst", "Sally"},
          {"8-BeneMiddle", "Elizabeth"},
          {"8-BeneLast", "Worthington Fitzgerald"},
          {"7-BeneDOB", "12/07/1941"},
          {"8-PlanName1", "Harbor Point Inherited Individual Retirement Plan"},
          {"7-DD1", "05/01/2008"},
          {"3-Year1", "2011"},
          {"6-AcctValue1", "50000"}},
         false,
         &kLongRepresentative,
         {"Prepared for Sally Elizabeth Worthington Fitzgerald", "December 7, 1941",
          "Original planholder died: May 1, 2008",
          "Plan name: Harbor Point Inherited Individual Retirement Plan", "$50,000",
          "Distribution period: 16.6 for age 68 minus 2",
          "your first distribution year is the year that ends on December 31, 2009",
          "reduced by one for each year since", "$3,013", "$1,507", "since 2022 are not applied"},
         {"()", "surviving spouse of the original planholder"}},
        {"beneficiary, empty",
         IllustrationType::BeneficiaryRmd,
         {{"8-BeneFirst", "Sally"},
          {"8-BeneLast", "Sample"},
          {"7-BeneDOB", "12/07/1941"},
          {"7-DD1", "05/01/2008"},
          {"3-Year1", "2011"},
          {"6-AcctValue1", "50000"}},
         false,
         &kShortRepresentative,
         {"Prepared for Sally Sample", "16.6", "$3,013", "$1,507"},
         {"()", "Office:"}},
        // A surviving spouse of a planholder born 02/02/1944, who would have been 70 and one
        // half on 08/02/2014: distributions may wait until the end of 2014, so none is due for
        // 2011. The spouse's period is the life expectancy at each year's age.
        {"surviving spouse",
         IllustrationType::BeneficiaryRmd,
         {{"8-BeneFirst", "Mary"},
          {"8-BeneLast", "Sample"},
          {"7-BeneDOB", "12/07/1945"},
          {"7-OriginalDOB", "02/02/1944"},
          {"7-DD1", "05/01/2008"},
          {"3-Year1", "2011"},
          {"6-AcctValue1", "50000"}},
         false,
         &kShortRepresentative,
         {"Prepared for Mary Sample", "(born February 2, 1944)", "Distribution period: N/A",
          "Required minimum distribution for 2011 $0",
          "single life expectancy at your age in the distribution year",
          "Distributions to you may be delayed until December 31, 2014."},
         {"reduced by one", "other than a surviving spouse", "for age"},
         "IRA",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClientWindow window(c.type, *c.representative, Work());
        const int list = c.type == IllustrationType::PlanholderRmd ? 0 : 1;
        window.driver.Focus(window.main.cmboPlanType(list));
        window.driver.ChooseItem(window.main.cmboPlanType(list), c.planType);
        if (c.type == IllustrationType::PlanholderRmd) {
            window.driver.Click(window.main.optUseJoint(c.joint ? 0 : 1));
        }
        if (c.survivingSpouse) {
            window.driver.Click(window.main.chkSurvivingSpouse);
        }
        window.Type(c.typed);
        const SavedReport report = window.Save(Picture(c.name));
        Texts printed = c.printed;
        Texts excluded = c.excluded;
        excluded.insert(excluded.end(), oldWordings.begin(), oldWordings.end());
        const Texts& representative = c.representative == &kLongRepresentative
                                          ? kLongRepresentativeShown
                                          : kShortRepresentativeShown;
        printed.insert(printed.end(), representative.begin(), representative.end());
        printed.push_back(std::string("Plan type: ") + c.planType);
        ExpectPrinted(report, printed, excluded);
    }
}

// The 72(t) report for the two choices of "RMD Annual Recalculation": all seven methods, or the
// required distribution method only, which uses no interest rate and so says nothing of its
// bound; and with a spouse, the joint methods. Age 70 at the end
// of 2011, both balances 100,000 at 5.00%: Single Life 17.0 and Uniform Lifetime 27.4 give
// 5,882.35 and 3,649.64; amortized over 17.0 and 27.4 years, 8,869.91 and 6,781.24; annuitized
// (factor 11.33417), 8,822.88. With a spouse of 65, Joint and Last Survivor 70/65 is 24.3:
// 4,115.23, and amortized over 24.3 years 7,200.07. Without a spouse the joint divisor is 1.0
// and the joint lines are left out.
TEST_F(ReportPdfTest, TheEqualPaymentsReportPrintsTheMethodsItsChoiceAsksFor) {
    const Typed client = {{"8-EqualFirst", "Margaret"},    {"8-EqualMiddle", "Anne"},
                          {"8-EqualLast", "Holloway"},     {"7-EqualDOB", "06/01/1941"},
                          {"8-EqualPlanName", "IRA Plan"}, {"7-EqualDate", "06/01/2011"},
                          {"6-EqualAcctValue1", "100000"}};
    const Typed fixedMethods = {{"6-EqualAcctValue2", "100000"}, {"1-EqualROR", "5.00"}};
    const Typed spouse = {{"7-EqualSpouseDOB1", "06/01/1946"}};
    const Texts shared = {"Prepared for: Margaret Anne Holloway",
                          "June 1, 1941",
                          "Age in 2011: 70",
                          "Plan: IRA Plan",
                          "Calculation date: June 1, 2011",
                          "Chosen Life expectancy table Divisor Annual payment",
                          "Single Life 17.0 $5,882.35",
                          "Uniform Lifetime 27.4 $3,649.64",
                          "Prepared by Ann B. Lee",
                          "since 2022 are not applied"};
    const Texts amortization = {"Interest rate assumed: 5.00%",
                                "$8,869.91",
                                "$6,781.24",
                                "$8,822.88",
                                "Amortization over single life expectancy",
                                "Annuitization",
                                "120 percent of the federal mid-term rate"};
    const Texts joint = {"Spouse beneficiary born: June 1, 1946 (age 65)",
                         "Joint and Last Survivor 24.3 $4,115.23"};
    const std::string noSpouseNote = "No spouse beneficiary was given";
    const Texts spouseLines = {"Joint and Last Survivor", "joint life expectancy",
                               "Spouse beneficiary born"};
    struct Case {
        const char* name;
        bool rmdOnly;
        bool spouse;
        int chosen;
        Texts printed;
        Texts excluded;
    };
    const Case cases[] = {
        {"all methods",
         false,
         false,
         4,
         {"X Amortization over uniform lifetime $6,781.24"},
         {"Required minimum distribution method only", "X Uniform Lifetime"}},
        {"required distribution method only",
         true,
         false,
         1,
         {"Required minimum distribution method only", "X Uniform Lifetime 27.4 $3,649.64"},
         {"$0.00", "Interest rate assumed", "Amortization", "Annuitization", "$8,869.91"}},
        {"all methods with a spouse",
         false,
         true,
         5,
         {"X Amortization over joint life expectancy $7,200.07"},
         {"Required minimum distribution method only"}},
        {"required distribution method only with a spouse",
         true,
         true,
         2,
         {"Required minimum distribution method only", "X Joint and Last Survivor 24.3 $4,115.23"},
         {"$0.00", "Interest rate assumed", "Amortization", "Annuitization"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClientWindow window(IllustrationType::EqualPayments, kLongRepresentative, Work());
        window.Type(client);
        if (c.spouse) {
            window.Type(spouse);
        }
        if (c.rmdOnly) {
            window.driver.Click(window.main.chkRMDOnce);
        } else {
            window.Type(fixedMethods);
        }
        window.driver.Click(window.main.optEqualPmt(c.chosen));
        const SavedReport report = window.Save(Picture(c.name));
        Texts printed = shared;
        printed.insert(printed.end(), c.printed.begin(), c.printed.end());
        Texts excluded = c.excluded;
        Texts& amortizationShown = c.rmdOnly ? excluded : printed;
        amortizationShown.insert(amortizationShown.end(), amortization.begin(), amortization.end());
        if (c.spouse) {
            printed.insert(printed.end(), joint.begin(), joint.end());
            excluded.push_back(noSpouseNote);
        } else {
            printed.push_back(noSpouseNote);
            excluded.insert(excluded.end(), spouseLines.begin(), spouseLines.end());
        }
        ExpectPrinted(report, printed, excluded);
    }
}

// A value too long for the rest of its line, typed in capitals to the length its field takes,
// wraps within its column: every word of it starts at or right of its first word, and some stand
// on a line below.
TEST_F(ReportPdfTest, AValueTooLongForItsLineWrapsInItsColumn) {
    const std::string capitalName = "MAXIMILLIANO BARTHOLOMEW WORTHINGTON-SMYTHE";
    const std::string capitalPlan = "HARBOR POINT RETIREMENT SAVINGS ROLLOVER ACCOUNTS";
    struct Case {
        const char* name;
        IllustrationType type;
        Typed typed;
        std::string value;
    };
    const Case cases[] = {
        {"planholder's plan name",
         IllustrationType::PlanholderRmd,
         {{"8-PartFirst", "John"},
          {"8-PartLast", "Sample"},
          {"7-PartDOB", "03/15/1940"},
          {"8-PlanName0", capitalPlan},
          {"3-Year0", "2011"},
          {"6-AcctValue0", "100000"}},
         capitalPlan},
        {"beneficiary's plan name",
         IllustrationType::BeneficiaryRmd,
         {{"8-BeneFirst", "Sally"},
          {"8-BeneLast", "Sample"},
          {"7-BeneDOB", "12/07/1941"},
          {"8-PlanName1", capitalPlan},
          {"7-DD1", "05/01/2008"},
          {"3-Year1", "2011"},
          {"6-AcctValue1", "50000"}},
         capitalPlan},
        {"72(t) client's name",
         IllustrationType::EqualPayments,
         {{"8-EqualFirst", "MAXIMILLIANO"},
          {"8-EqualMiddle", "BARTHOLOMEW"},
          {"8-EqualLast", "WORTHINGTON-SMYTHE"},
          {"7-EqualDOB", "06/01/1941"},
          {"8-EqualPlanName", "IRA Plan"},
          {"7-EqualDate", "06/01/2011"},
          {"6-EqualAcctValue1", "100000"}},
         capitalName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClientWindow window(c.type, kShortRepresentative, Work());
        if (c.type != IllustrationType::EqualPayments) {
            const int list = c.type == IllustrationType::PlanholderRmd ? 0 : 1;
            window.driver.Focus(window.main.cmboPlanType(list));
            window.driver.ChooseItem(window.main.cmboPlanType(list), "IRA");
        } else {
            window.driver.Click(window.main.chkRMDOnce);
        }
        window.Type(c.typed);
        const SavedReport report = window.Save(Picture(c.name));
        ExpectPrinted(report, {c.value}, {});
        ASSERT_FALSE(report.pages.empty());
        std::vector<std::string> words;
        for (std::size_t start = 0; start < c.value.size();) {
            const std::size_t end = std::min(c.value.find(' ', start), c.value.size());
            words.push_back(c.value.substr(start, end - start));
            start = end + 1;
        }
        const auto boxOf = [&](const std::string& text) -> const testkit::PdfBox* {
            for (const testkit::PdfWord& word : report.pages.front().words) {
                if (word.text == text) {
                    return &word.box;
                }
            }
            return nullptr;
        };
        const testkit::PdfBox* first = boxOf(words.front());
        ASSERT_NE(first, nullptr) << words.front();
        bool wrapped = false;
        for (const std::string& text : words) {
            const testkit::PdfBox* box = boxOf(text);
            ASSERT_NE(box, nullptr) << text;
            EXPECT_GE(box->left, first->left - 0.5) << "\"" << text << "\" left of its column";
            wrapped = wrapped || box->top > first->bottom;
        }
        EXPECT_TRUE(wrapped) << "the value fits on one line: the case tests no wrap";
    }
}

// The Stretch client of 06/15/2011: born 01/01/1950 (61 at the end of 2011), 20 years of the
// planholder, 100,000 growing at 8%, with 5,000 a year added for the first 3 years.
const Typed kStretchPlanholder = {{"8-StretchPFirst", "John"},
                                  {"8-StretchPLast", "Sample"},
                                  {"7-StretchPDOB", "01/01/1950"},
                                  {"2-StretchPLEO", "20"},
                                  {"8-StretchPlanName", "IRA Plan"},
                                  {"6-StretchAcctValue", "100000"},
                                  {"6-StretchAcctCont", "5000"},
                                  {"2-StretchContYrs", "3"},
                                  {"1-StretchROR", "8"}};
// The same planholder without contributions: 100,000 growing by 8%, 108,000, 116,640 and
// 125,971 at the ends of the first years; at 70 in 2020, 199,900 over 27.4 is 7,296.
const Typed kStretchPlanholderWithoutContributions = {{"8-StretchPFirst", "John"},
                                                      {"8-StretchPLast", "Sample"},
                                                      {"7-StretchPDOB", "01/01/1950"},
                                                      {"2-StretchPLEO", "20"},
                                                      {"8-StretchPlanName", "IRA Plan"},
                                                      {"6-StretchAcctValue", "100000"},
                                                      {"1-StretchROR", "8"}};
const Typed kStretchSpouse = {{"8-StretchSFirst", "Susan"},
                              {"8-StretchSLast", "Sample"},
                              {"7-StretchSDOB", "01/01/1955"},
                              {"2-StretchSLEO", "25"}};
const Typed kStretchBeneficiary = {
    {"8-StretchBFirst", "Jack"}, {"8-StretchBLast", "Sample"}, {"7-StretchBDOB", "01/01/1990"}};

// The Stretch report with and without a spouse, with and without its tax page, with a state and
// without one, with contributions and without. Every section is on unless a case says
// otherwise. The planholder's first ledger lines, before any distribution: paid in to date
// 105,000, 110,000 and 115,000, then no more; the balance with the year's contribution grows by
// 8%: 113,400, 127,872 and 143,502. The tax page's shares lost to taxes agree with its amounts
// and are printed with two decimals each.
TEST_F(ReportPdfTest, TheStretchReportFollowsTheSpouseTheTaxPageAndTheState) {
    const Texts shared = {
        "A Legacy Plan for",     "IRA Plan", "$100,000", "8.00%", "since 2022 are not applied",
        "Your Account Over Time"};
    // What only contributions bring: their amount, the sum with the account value and the
    // ledgers' column of what was paid in.
    const Texts contributions = {"$5,000 a year for 3 years. Together that is $105,000 working",
                                 "Paid in to date"};
    const Texts withoutContributions = {"Together that is", "Paid in to date", "a year for"};
    const Texts ledger2011 = {"2011 61 105,000 0 0 113,400", "2012 62 110,000 0 0 127,872",
                              "2013 63 115,000 0 0 143,502"};
    const std::string taxSchedules = "and the federal income tax schedules of 2002 to 2012;";
    struct Case {
        const char* name;
        bool spouse;
        std::optional<sys::LocalDateTime> today; // 06/15/2011 unless given
        std::string state;                       // the client's state; none when empty
        bool taxes;
        Texts printed;
        Texts excluded;
        Typed longNames = {}; // typed over the names
        const Representative* representative = &kLongRepresentative;
        const Typed* planholder = &kStretchPlanholder;
        bool roth = false;
    };
    const Case cases[] = {
        // Every name as long as its fields take.
        {"spouse, New York, long names",
         true,
         std::nullopt,
         "NY",
         true,
         {"A Legacy Plan for Christopher Bartholomew Worthington-Smythe",
          "Your spouse, Alexandrina Evangelina Worthington-Smythe,",
          "After Alexandrina Evangelina Worthington-Smythe, your beneficiary Maximilliano "
          "Sebastianus Worthington-Smythe inherits",
          "the federal income tax rates of 2011 and the New York income tax rates",
          "Three Ways to Take an Inherited Account"},
         {"After you"},
         {{"8-StretchPFirst", "Christopher"},
          {"8-StretchPMiddle", "Bartholomew"},
          {"8-StretchPLast", "Worthington-Smythe"},
          {"8-StretchSFirst", "Alexandrina"},
          {"8-StretchSMiddle", "Evangelina"},
          {"8-StretchSLast", "Worthington-Smythe"},
          {"8-StretchBFirst", "Maximilliano"},
          {"8-StretchBMiddle", "Sebastianus"},
          {"8-StretchBLast", "Worthington-Smythe"}}},
        {"spouse, New York",
         true,
         std::nullopt,
         "NY",
         true,
         {"A Legacy Plan for John Sample", "Susan Sample",
          "After Susan Sample, your beneficiary Jack Sample inherits",
          "the federal income tax rates of 2011 and the New York income tax rates",
          "Three Ways to Take an Inherited Account",
          "Your spouse, Susan Sample, then becomes the owner of the account, worth $335,281,",
          // (115,722 + 28,875) / 389,943, (101,507 + 34,251) / 457,528 and
          // (579,387 + 188,819) / 2,577,768.
          "After taxes $245,346 $321,769 $1,809,562", "Share lost to taxes (%) 37.08 29.67 29.80",
          // 136,892 + 88,500 + 2,577,768 = 2,803,160, over the 63 years of the ledgers.
          "could total $2,803,000 from 2011 through 2073."},
         {"After you", "an own account", "over 62 years"}},
        {"no spouse, California",
         false,
         std::nullopt,
         "CA",
         true,
         {"After you, your beneficiary Jack Sample inherits",
          "the federal income tax rates of 2011 and the California income tax rates"},
         {"Susan", "After Jack Sample", "spouse, ,"}},
        // A year after the last federal schedule takes the schedule of 2012, and says so.
        {"a year past the schedules",
         true,
         sys::LocalDateTime{2026, 6, 15, 10, 0, 0},
         "NY",
         true,
         {"the federal income tax rates of 2012 and the New York income tax rates"},
         {"rates of 2026"}},
        // Without the tax page no state is needed and none is named. The representative has no
        // address: the cover leaves no comma of a city.
        {"no tax page, no state",
         true,
         std::nullopt,
         "",
         false,
         {"Susan Sample", "Ann Lee Lee Agency",
          "Illustrated with the life expectancy tables of 2002 and required distributions from "
          "age 70 and one half; the tables"},
         {"Error", "Three Ways to Take an Inherited Account", "Office:", "income tax schedules"},
         {},
         &kShortRepresentative},
        {"no contributions, Texas",
         false,
         std::nullopt,
         "TX",
         true,
         {"John Sample, your IRA Plan held $100,000 when this illustration was prepared.",
          "2011 61 0 0 108,000", "2012 62 0 0 116,640", "2013 63 0 0 125,971",
          "2020 70 7,296 7,296", "the Texas income tax rates", taxSchedules},
         {"Susan"},
         {},
         &kLongRepresentative,
         &kStretchPlanholderWithoutContributions},
        // A Roth account: neither the planholder nor the spouse takes a distribution, and the
        // beneficiary's owe no income tax.
        {"Roth, New York",
         true,
         std::nullopt,
         "NY",
         true,
         {"As the account is a Roth account, you take no distributions while you live, from 2011 "
          "through 2030, and it keeps growing.",
          "then becomes the owner of the account",
          "and leaves it growing without distributions from 2031 through 2035.",
          "2020 70 115,000 0 0", "2035 80 0 0", "Federal income tax $0 $0 $0",
          "State income tax $0 $0 $0", "Share lost to taxes (%) 0.00 0.00 0.00",
          "The distributions follow the life expectancy tables of 2002; the tables"},
         {"you take only the required minimum distribution", "takes required distributions",
          "start at age 70 and one half"},
         {},
         &kLongRepresentative,
         &kStretchPlanholder,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<sys::ScopedClock> later;
        if (c.today) {
            later.emplace(*c.today);
        }
        ClientWindow window(IllustrationType::Stretch, *c.representative, Work());
        window.Sections(true, true, c.taxes, true, true);
        window.Type(*c.planholder);
        if (c.spouse) {
            window.Type(kStretchSpouse);
        } else {
            window.driver.Click(window.main.chkSkipSpouse);
        }
        window.Type(kStretchBeneficiary);
        window.Type(c.longNames);
        if (c.roth) {
            window.driver.Click(window.main.chkRoth);
        }
        if (!c.state.empty()) {
            window.driver.Focus(window.main.cmboState);
            window.driver.ChooseItem(window.main.cmboState, c.state);
        }
        const SavedReport report = window.Save(Picture(c.name));
        Texts printed = shared;
        printed.insert(printed.end(), c.printed.begin(), c.printed.end());
        Texts excluded = c.excluded;
        const bool contributed = c.planholder == &kStretchPlanholder;
        if (contributed) {
            printed.insert(printed.end(), contributions.begin(), contributions.end());
        } else {
            excluded.insert(excluded.end(), withoutContributions.begin(),
                            withoutContributions.end());
        }
        if (!c.today && contributed) {
            printed.insert(printed.end(), ledger2011.begin(), ledger2011.end());
        }
        if (c.taxes) {
            printed.push_back(taxSchedules);
        }
        if (c.representative == &kLongRepresentative) {
            printed.push_back("Port Washington, NY 11050-1234");
        }
        ExpectPrinted(report, printed, excluded);
        // A new illustration's graph shows every year of the phase.
        EXPECT_EQ(window.main.hScrollGraph.Value(), window.main.hScrollGraph.Max());
        EXPECT_GT(window.main.hScrollGraph.Max(), window.main.hScrollGraph.Min() + 10);
    }
}

// An account of $1 with no spouse: the lump sum is the few dollars it has grown to, and every
// required distribution of the beneficiary rounds to $0, so that way of taking the account
// distributes nothing and loses nothing to taxes. Its share lost prints 0.00 beside the other
// two, and no key of the template is left on any page. The tax page is drawn as a PNG file for a
// person to look at.
TEST_F(ReportPdfTest, AOneDollarAccountPrintsEveryShareLostToTaxes) {
    ClientWindow window(IllustrationType::Stretch, kLongRepresentative, Work());
    window.Sections(true, true, true, true, true);
    window.Type({{"8-StretchPFirst", "John"},
                 {"8-StretchPLast", "Sample"},
                 {"7-StretchPDOB", "01/01/1950"},
                 {"2-StretchPLEO", "20"},
                 {"8-StretchPlanName", "IRA Plan"},
                 {"6-StretchAcctValue", "1"},
                 {"1-StretchROR", "8"}});
    window.driver.Click(window.main.chkSkipSpouse);
    window.Type(kStretchBeneficiary);
    window.driver.Focus(window.main.cmboState);
    window.driver.ChooseItem(window.main.cmboState, "NY");
    const SavedReport report = window.Save(Picture("one dollar"));
    ExpectPrinted(report,
                  {"Three Ways to Take an Inherited Account", "Distributions $3 $4 $0",
                   "After taxes $3 $3 $0", "Share lost to taxes (%) 0.00 21.82 0.00"},
                  {});

    std::size_t taxPage = 0;
    for (std::size_t number = 0; number < report.pages.size() && taxPage == 0; ++number) {
        for (const testkit::PdfWord& word : report.pages[number].words) {
            if (word.text == "Inherited") {
                taxPage = number + 1;
            }
        }
    }
    ASSERT_NE(taxPage, 0u);
    const std::string page = std::to_string(taxPage);
    const testkit::ToolRun render =
        testkit::RunTool({"pdftoppm", "-png", "-r", "60", "-f", page, "-l", page, "-singlefile",
                          report.pdf.string(), Picture("one dollar, tax page").string()});
    EXPECT_EQ(render.exitStatus, 0) << render.errors;
}

// With its tax page in the report, a Stretch illustration without a state is refused on the
// state list, and no PDF is written.
TEST_F(ReportPdfTest, AStretchTaxPageWithoutAStateIsRefused) {
    ClientWindow window(IllustrationType::Stretch, kLongRepresentative, Work());
    window.Sections(true, true, true, true, true);
    window.Type(kStretchPlanholder);
    window.Type(kStretchSpouse);
    window.Type(kStretchBeneficiary);
    window.driver.ExpectMessageBox("Missing Required Information.", forms::vbOK);
    window.driver.ChooseMenuItem(window.main.mnuFileExportPDF);
    ASSERT_EQ(window.driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(window.app.ActiveControl(), &window.main.cmboState);
    EXPECT_FALSE(fs::exists(window.PdfPath()));
    EXPECT_EQ(window.main.VSPrinter1.PageCount(), 0);
}

// The program's resource archive with one byte changed in each of three of its pictures: the
// Stretch report is refused under the program's own name, naming the first damaged picture it
// needs; nothing is claimed saved, no PDF is written, and the illustration stays as typed.
TEST_F(ReportPdfTest, AStretchReportWithDamagedPicturesIsRefusedNamingThePicture) {
    const fs::path archive = sandbox.Root() / "Tallowmere.icf";
    fs::copy_file(kArchive, archive);
    for (const char* member : {"100side.bmp", "Wrenpic.jpg", "PileofCashMed.jpg"}) {
        testkit::DamageZipMember(archive, member);
    }
    ClientWindow window(IllustrationType::Stretch, kLongRepresentative, Work(), archive);
    window.Sections(true, true, true, true, true);
    window.Type(kStretchPlanholder);
    window.Type(kStretchSpouse);
    window.Type(kStretchBeneficiary);
    window.driver.Focus(window.main.cmboState);
    window.driver.ChooseItem(window.main.cmboState, "NY");
    window.driver.ExpectMessageBox(std::string(sys::FileDescription()), forms::vbOK);
    window.driver.ChooseMenuItem(window.main.mnuFileExportPDF);
    ASSERT_EQ(window.driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(window.driver.MessageBoxes()[0].prompt.rfind(
                  "The program's resource file is damaged: 100side.bmp in Tallowmere.icf cannot "
                  "be read.",
                  0),
              0u)
        << window.driver.MessageBoxes()[0].prompt;
    EXPECT_FALSE(fs::exists(window.PdfPath()));
    EXPECT_EQ(window.main.VSPrinter1.PageCount(), 0);
    EXPECT_FALSE(window.app.Ended());
    EXPECT_EQ(window.main.GetField("8-StretchPFirst"), "John");
}

// Where the PDF goes and what names it: the PDF folder in the documents folder (both made when
// missing), a file name in UTF-8 for a client whose name is not plain ASCII, the program's file
// description as the document's title; the print job carries the same name.
TEST_F(ReportPdfTest, ThePdfIsSavedInThePdfFolderUnderTheClientsNameAndTheProgramsTitle) {
    fs::remove_all(sys::DocumentsFolder());
    ClientWindow window(IllustrationType::PlanholderRmd, kShortRepresentative, Work());
    window.Type({{"8-PartFirst", "Jos\xE9"},
                 {"8-PartLast", "Ca\xF1"
                                "ete"},
                 {"7-PartDOB", "03/15/1940"},
                 {"3-Year0", "2011"},
                 {"6-AcctValue0", "100000"}});
    const SavedReport report = window.Save(Picture("accented name"));
    EXPECT_EQ(report.pdf, sys::DocumentsFolder() / "PDF" /
                              "Jos\xC3\xA9"
                              "Ca\xC3\xB1"
                              "eteRMD.pdf");
    ExpectPrinted(report,
                  {"Prepared for Jos\xE9 Ca\xF1"
                   "ete",
                   "$3,774"},
                  {});
    const std::string& saved = window.driver.MessageBoxes().back().prompt;
    EXPECT_EQ(saved.rfind("Jos\xE9"
                          "Ca\xF1"
                          "eteRMD.pdf\r\nwas saved in the ",
                          0),
              0u)
        << saved;

    const testkit::ToolRun info = testkit::RunTool({"pdfinfo", report.pdf.string()});
    const std::size_t title = info.output.find("Title:");
    ASSERT_NE(title, std::string::npos) << info.output;
    const std::size_t end = info.output.find('\n', title);
    EXPECT_EQ(OneBlankBetweenWords(info.output.substr(title, end - title)),
              "Title: " + std::string(sys::FileDescription()));

    window.driver.ChooseMenuItem(window.main.mnuFilePrint);
    const std::string log = testkit::ReadFileBytes(sandbox.Root() / "printer" / "print-log.txt");
    EXPECT_NE(log.find("start \"" + std::string(sys::FileDescription()) + "\""), std::string::npos)
        << log;
}

// A PDF that cannot be written is reported in the PDF export's own words with the error's
// number; no folder or file name of the machine is shown, and nothing is claimed saved.
TEST_F(ReportPdfTest, AnExportThatCannotBeWrittenGivesTheErrorNumberOnly) {
    ClientWindow window(IllustrationType::PlanholderRmd, kShortRepresentative, Work());
    window.Type({{"8-PartFirst", "John"},
                 {"8-PartLast", "Sample"},
                 {"7-PartDOB", "03/15/1940"},
                 {"3-Year0", "2011"},
                 {"6-AcctValue0", "100000"}});
    // A file where the PDF folder should be: neither the folder nor the PDF can be made.
    fs::create_directories(sys::DocumentsFolder());
    sandbox.WriteFile(fs::relative(sys::DocumentsFolder() / "PDF", sandbox.Root()), "in the way");
    window.driver.ExpectMessageBox("Adobe Acrobat File Not Saved", forms::vbOK);
    window.driver.ChooseMenuItem(window.main.mnuFileExportPDF);
    ASSERT_EQ(window.driver.MessageBoxes().size(), 1u);
    const std::string& prompt = window.driver.MessageBoxes()[0].prompt;
    EXPECT_EQ(prompt.rfind("An error type ", 0), 0u) << prompt;
    EXPECT_NE(prompt.find(" occurred \r\nwhile creating the PDF file.\r\nPlease try again."),
              std::string::npos)
        << prompt;
    EXPECT_EQ(prompt.find(sandbox.Root().string()), std::string::npos) << prompt;
    EXPECT_EQ(prompt.find("RMD.pdf"), std::string::npos) << prompt;
}

} // namespace
