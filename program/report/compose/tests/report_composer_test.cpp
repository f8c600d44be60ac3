// The report from its filled rich text to a PDF file, checked by independent tools: qpdf checks
// the file, pdftotext reads its words, pdfimages lists the pictures of each page, pdftoppm draws
// its first page to a PNG file for a person to look at. Everything stays in the test's sandbox.
#include "program/report/compose/report_composer.h"

#include "program/report/compose/tests/filled_reports.h"
#include "program/report/report_error.h"
#include "program/report/resource_extraction.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/pdf_images.h"
#include "platform/testing/pdf_layout.h"
#include "platform/testing/sandbox.h"
#include "platform/testing/zip_damage.h"
#include "platform/zip/zip_archive.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {

using namespace compose;

using illustration::IllustrationType;
using ::testing::HasSubstr;
using ::testing::Not;

// Draws the report's pictures and logos with Pillow into `folder`: each a plain colour block, the
// logos with their placement files (centred, half an inch high, the width from the picture).
void DrawPictures(const std::filesystem::path& folder) {
    const std::string script = R"(
import sys
from PIL import Image
folder = sys.argv[1]
for name, size in [("100side.bmp", (60, 90)), ("Wrenpic.jpg", (80, 60)),
                   ("PileofCashMed.jpg", (30, 30)), ("StretchLogo.gif", (90, 30)),
                   ("RMDLogo.gif", (60, 20))]:
    Image.new("RGB", size, (40, 90, 160)).save(folder + "/" + name)
Image.new("RGB", (200, 120), (200, 60, 40)).save(folder + "/RMDGraph.bmp")
)";
    const testkit::ToolRun run = testkit::RunTool({testkit::kSystemPython, "-c", script, folder});
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
}

class ReportComposerTest : public ::testing::Test {
protected:
    testkit::Sandbox sandbox;
    std::filesystem::path pictures = sandbox.Root() / "pictures";
    std::filesystem::path work = sandbox.Root() / "work";
    std::filesystem::path archive = sandbox.Root() / "Tallowmere.icf";
    ReportComposer composer;

    void SetUp() override {
        std::filesystem::create_directories(pictures);
        std::filesystem::create_directories(work);
        ASSERT_NO_FATAL_FAILURE(DrawPictures(pictures));
        sandbox.WriteFile("pictures/StretchLogo.txt", "0, 0, 720, 0\r\n");
        sandbox.WriteFile("pictures/RMDLogo.txt", "0, 1440, 720, 2160\r\n");
        for (const char* member :
             {"100side.bmp", "Wrenpic.jpg", "PileofCashMed.jpg", "StretchLogo.gif",
              "StretchLogo.txt", "RMDLogo.gif", "RMDLogo.txt"}) {
            ASSERT_EQ(archive::AddFile(archive, pictures / member, archive::kResourcePassword),
                      archive::ZipResult::Success);
        }
    }

    report::Composition For(IllustrationType type, const report::ReportSections& sections = {},
                            bool taxPage = false) const {
        report::Composition composition;
        composition.type = type;
        composition.richText = compose::testing::FilledReport(type, sections, taxPage);
        composition.sections = sections;
        composition.taxPage = taxPage;
        composition.resourceArchive = archive;
        composition.workFolder = work;
        // The Stretch graph, as report production hands it on.
        composition.graph =
            std::make_shared<const std::string>(testkit::ReadFileBytes(pictures / "RMDGraph.bmp"));
        composition.illustrationDate = "January 5, 2004";
        composition.programLabel = "Tallowmere";
        composition.majorVersion = 1;
        composition.minorVersion = 4;
        return composition;
    }

    // The number of pictures drawn on each page of `pdf`, by page.
    static std::map<int, int> PicturesByPage(const std::filesystem::path& pdf) {
        std::map<int, int> pictures;
        for (const testkit::PdfImageUse& use : testkit::ReadPdfImages(pdf)) {
            ++pictures[use.page];
        }
        return pictures;
    }

    // The PDF's text, pages separated by form feeds.
    static std::string TextOf(const std::filesystem::path& pdf) {
        const testkit::ToolRun run = testkit::RunTool({"pdftotext", pdf.string(), "-"});
        EXPECT_EQ(run.exitStatus, 0) << run.errors;
        return run.output;
    }
};

const report::ReportSections kAllSections{true, true, true, true, true};

TEST_F(ReportComposerTest, EachTypeBecomesACheckedPdfWithItsWordsAndPages) {
    struct Case {
        const char* name;
        IllustrationType type;
        int pages;
        const char* amount;
        const char* year;
    };
    const Case kCases[] = {
        // Pages: one ledger page for the short reports; the Stretch cover, Wrenhall, tax, two
        // ledger and graph pages.
        {"RMD", IllustrationType::PlanholderRmd, 1, "$18867.50", "2035"},
        {"RMBD", IllustrationType::BeneficiaryRmd, 1, "$9412.50", "2034"},
        {"Equal", IllustrationType::EqualPayments, 1, "$24,118.00", "2028"},
        {"Stretch", IllustrationType::Stretch, 6, "$412,500", "2063"},
    };
    for (const Case& testCase : kCases) {
        SCOPED_TRACE(testCase.name);
        ASSERT_NO_THROW(composer.Compose(For(testCase.type, kAllSections, true)));
        EXPECT_EQ(composer.PageCount(), testCase.pages);
        const std::filesystem::path pdf = sandbox.Root() / (std::string(testCase.name) + ".pdf");
        ASSERT_NO_THROW(composer.ExportPdf(pdf));

        const testkit::ToolRun check = testkit::RunTool({"qpdf", "--check", pdf.string()});
        EXPECT_EQ(check.exitStatus, 0) << check.output << check.errors;
        const testkit::ToolRun pages = testkit::RunTool({"qpdf", "--show-npages", pdf.string()});
        EXPECT_EQ(pages.output, std::to_string(testCase.pages) + "\n");

        const std::string text = TextOf(pdf);
        EXPECT_THAT(text, HasSubstr(compose::testing::kClientName));
        EXPECT_THAT(text, HasSubstr(compose::testing::kRepresentativeLine));
        EXPECT_THAT(text, HasSubstr(testCase.amount));
        EXPECT_THAT(text, HasSubstr(testCase.year));
        EXPECT_THAT(text, Not(HasSubstr("$#")));
        EXPECT_THAT(text, Not(HasSubstr("~")));
        const std::string lastFooter =
            "Page " + std::to_string(testCase.pages) + " of " + std::to_string(testCase.pages);
        EXPECT_THAT(text, HasSubstr(lastFooter));
        EXPECT_THAT(text, HasSubstr("January 5, 2004"));
        EXPECT_THAT(text, HasSubstr("Tallowmere Version 1.4"));

        const std::filesystem::path image = sandbox.Root() / testCase.name;
        const testkit::ToolRun render =
            testkit::RunTool({"pdftoppm", "-png", "-r", "60", "-f", "1", "-l", "1", "-singlefile",
                              pdf.string(), image.string()});
        EXPECT_EQ(render.exitStatus, 0) << render.errors;
        EXPECT_TRUE(std::filesystem::exists(image.string() + ".png"));
    }
}

// Which pictures land on which page of the Stretch report, section by section. The tax page's
// pictures need the tax page; the first ledger page comes after it when it is there.
TEST_F(ReportComposerTest, StretchPicturesAndLogosFollowTheSections) {
    struct Case {
        const char* name;
        report::ReportSections sections;
        bool taxPage;
        std::map<int, int> picturesByPage;
    };
    const Case kCases[] = {
        // cover: side picture and both logos; Wrenhall picture; three tax pictures; the
        // Stretch logo on the first ledger page; the graph and the Stretch logo last.
        {"all sections", kAllSections, true, {{1, 3}, {2, 1}, {3, 3}, {4, 1}, {6, 2}}},
        {"taxes on, no tax page", kAllSections, false, {{1, 3}, {2, 1}, {3, 1}, {5, 2}}},
        {"ledger only", {false, false, false, true, false}, false, {{1, 1}}},
        {"tax page and ledger", {false, false, true, true, false}, true, {{1, 3}, {2, 1}}},
    };
    for (const Case& testCase : kCases) {
        SCOPED_TRACE(testCase.name);
        ASSERT_NO_THROW(
            composer.Compose(For(IllustrationType::Stretch, testCase.sections, testCase.taxPage)));
        const std::filesystem::path pdf = sandbox.Root() / "stretch.pdf";
        ASSERT_NO_THROW(composer.ExportPdf(pdf));
        EXPECT_EQ(PicturesByPage(pdf), testCase.picturesByPage);
    }
    // The logos and pictures are read in memory: nothing is left in the work folder.
    EXPECT_TRUE(std::filesystem::is_empty(work));
}

// The Stretch logo, on the cover, the first ledger page and the graph page, is decoded once for
// the report and is one image of the PDF file, which the three pages refer to.
TEST_F(ReportComposerTest, ALogoOnSeveralPagesIsOneImageOfThePdf) {
    ASSERT_NO_THROW(composer.Compose(For(IllustrationType::Stretch, kAllSections, true)));
    const std::filesystem::path pdf = sandbox.Root() / "stretch.pdf";
    ASSERT_NO_THROW(composer.ExportPdf(pdf));
    // The Stretch logo is the fixture's only picture of 90 x 30.
    std::map<int, int> logoObjectByPage;
    for (const testkit::PdfImageUse& use : testkit::ReadPdfImages(pdf)) {
        if (use.width == 90 && use.height == 30) {
            logoObjectByPage[use.page] = use.object;
        }
    }
    ASSERT_EQ(logoObjectByPage.size(), 3u);
    const int object = logoObjectByPage.begin()->second;
    EXPECT_EQ(logoObjectByPage, (std::map<int, int>{{1, object}, {4, object}, {6, object}}));
}

// The graph fills its room on the graph page (1 to 7.5 inches across, 1.5 to 6.375 inches down)
// as far as its proportions allow, centred across it, whatever size it was drawn at: the
// report's 624 x 468, or another size drawn while the Graph tab showed.
TEST_F(ReportComposerTest, TheGraphFillsItsRoomWhateverSizeItWasDrawnAt) {
    struct Case {
        int width; // pixels
        int height;
        testkit::PdfBox expected; // points from the page's top left corner
    };
    const Case kCases[] = {
        {624, 468, {72, 108, 540, 459}},
        {1000, 250, {72, 108, 540, 225}},       // as wide as the room: 468 x 117
        {300, 600, {218.25, 108, 393.75, 459}}, // as high as the room: 175.5 x 351
    };
    for (const Case& testCase : kCases) {
        SCOPED_TRACE(std::to_string(testCase.width) + " x " + std::to_string(testCase.height));
        const std::string script = "import sys\nfrom PIL import Image\nImage.new('RGB', (" +
                                   std::to_string(testCase.width) + ", " +
                                   std::to_string(testCase.height) +
                                   "), (200, 60, 40)).save(sys.argv[1])\n";
        const testkit::ToolRun draw = testkit::RunTool(
            {testkit::kSystemPython, "-c", script, (pictures / "RMDGraph.bmp").string()});
        ASSERT_EQ(draw.exitStatus, 0) << draw.errors;
        ASSERT_NO_THROW(composer.Compose(
            For(IllustrationType::Stretch, {false, false, false, false, true}, false)));
        const std::filesystem::path pdf = sandbox.Root() / "graph.pdf";
        ASSERT_NO_THROW(composer.ExportPdf(pdf));
        const std::vector<testkit::PdfPage> pages = testkit::ReadPdfLayout(pdf);
        ASSERT_FALSE(pages.empty());
        // The graph is drawn first, then the logo.
        ASSERT_EQ(pages.back().pictures.size(), 2u);
        const testkit::PdfBox& graph = pages.back().pictures.front();
        EXPECT_NEAR(graph.left, testCase.expected.left, 0.1);
        EXPECT_NEAR(graph.top, testCase.expected.top, 0.1);
        EXPECT_NEAR(graph.right, testCase.expected.right, 0.1);
        EXPECT_NEAR(graph.bottom, testCase.expected.bottom, 0.1);
    }
}

TEST_F(ReportComposerTest, OtherTypesGetTheDefaultLogoOnTheirFirstPage) {
    ASSERT_NO_THROW(composer.Compose(For(IllustrationType::PlanholderRmd)));
    const std::filesystem::path pdf = sandbox.Root() / "rmd.pdf";
    ASSERT_NO_THROW(composer.ExportPdf(pdf));
    EXPECT_EQ(PicturesByPage(pdf), (std::map<int, int>{{1, 1}}));
}

// A report that cannot be composed leaves no document: nothing is printed or exported, and
// the former PDF file stays as it was.
TEST_F(ReportComposerTest, AFailedCompositionLeavesNothingToPrintOrExport) {
    const std::filesystem::path pdf = sandbox.WriteFile("kept.pdf", "former file");
    ASSERT_NO_THROW(composer.Compose(For(IllustrationType::PlanholderRmd)));

    report::Composition nested = For(IllustrationType::PlanholderRmd);
    nested.richText = std::string(1000, '{');
    EXPECT_THROW(composer.Compose(nested), report::ReportError);
    EXPECT_EQ(composer.PageCount(), 0);
    EXPECT_THROW(composer.ExportPdf(pdf), report::ReportError);
    EXPECT_THROW(composer.Print(), report::ReportError);
    EXPECT_EQ(testkit::ReadFileBytes(pdf), "former file");
    EXPECT_TRUE(composer.PageImages(72).empty());
}

// A picture or placement member that reads but is not what it should be refuses the report,
// naming the member.
TEST_F(ReportComposerTest, ADamagedPictureOrPlacementFileAbandonsTheReport) {
    struct Case {
        const char* member;
        const char* contents;
        const char* message;
    };
    const Case kCases[] = {
        {"RMDLogo.gif", "GIF89a, but no more",
         "The program's resource file is damaged: RMDLogo.gif in Tallowmere.icf is not a picture"},
        {"RMDLogo.txt", "0, 0", "RMDLogo.txt in the resource archive is damaged"},
    };
    for (const Case& testCase : kCases) {
        SCOPED_TRACE(testCase.member);
        const std::filesystem::path file = sandbox.WriteFile(testCase.member, testCase.contents);
        ASSERT_EQ(archive::AddFile(archive, file, archive::kResourcePassword),
                  archive::ZipResult::Success);
        try {
            composer.Compose(For(IllustrationType::BeneficiaryRmd));
            ADD_FAILURE() << "composed";
        } catch (const report::ReportError& error) {
            EXPECT_THAT(error.what(), HasSubstr(testCase.message));
        }
        EXPECT_EQ(composer.PageCount(), 0);
        ASSERT_EQ(archive::AddFile(archive, pictures / testCase.member, archive::kResourcePassword),
                  archive::ZipResult::Success);
    }
}

// A member the archive holds but cannot read (one byte of its stored data changed, so that its
// check fails) is a damaged installation: the report is refused under the program's own name,
// with the member named, and leaves no document. Only a member the archive does not hold at
// all is left out, as before.
TEST_F(ReportComposerTest, AMemberThatFailsItsCheckRefusesTheReportByName) {
    const std::filesystem::path sound = sandbox.Root() / "sound.icf";
    std::filesystem::copy_file(archive, sound);
    struct Case {
        const char* member;
        bool everyReport; // the default logo: every report draws it; the others only Stretch's
    };
    const Case kCases[] = {{"100side.bmp", false},       {"Wrenpic.jpg", false},
                           {"PileofCashMed.jpg", false}, {"StretchLogo.gif", false},
                           {"StretchLogo.txt", false},   {"RMDLogo.gif", true}};
    for (const auto& [member, everyReport] : kCases) {
        SCOPED_TRACE(member);
        std::filesystem::copy_file(sound, archive,
                                   std::filesystem::copy_options::overwrite_existing);
        testkit::DamageZipMember(archive, member);
        if (!everyReport) {
            EXPECT_NO_THROW(composer.Compose(For(IllustrationType::PlanholderRmd)));
        }
        try {
            composer.Compose(For(IllustrationType::Stretch, kAllSections, true));
            ADD_FAILURE() << "composed";
        } catch (const report::ExtractionError& error) {
            EXPECT_THAT(error.what(),
                        HasSubstr("The program's resource file is damaged: " + std::string(member) +
                                  " in Tallowmere.icf cannot be read."));
        }
        EXPECT_EQ(composer.PageCount(), 0);
    }

    // Without the Wrenhall picture at all, the report is made without it.
    std::filesystem::remove(archive);
    for (const char* member : {"100side.bmp", "PileofCashMed.jpg", "StretchLogo.gif",
                               "StretchLogo.txt", "RMDLogo.gif", "RMDLogo.txt"}) {
        ASSERT_EQ(archive::AddFile(archive, pictures / member, archive::kResourcePassword),
                  archive::ZipResult::Success);
    }
    ASSERT_NO_THROW(composer.Compose(For(IllustrationType::Stretch, kAllSections, true)));
    const std::filesystem::path pdf = sandbox.Root() / "without-wrenhall.pdf";
    ASSERT_NO_THROW(composer.ExportPdf(pdf));
    EXPECT_EQ(PicturesByPage(pdf).count(2), 0u) << "no picture on the Wrenhall page";
}

TEST_F(ReportComposerTest, AnExportThatFailsSaysSo) {
    ASSERT_NO_THROW(composer.Compose(For(IllustrationType::EqualPayments)));
    const std::filesystem::path pdf = sandbox.Root() / "no such folder" / "Equal.pdf";
    EXPECT_THROW(composer.ExportPdf(pdf), report::ReportError);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ReportComposerTest, RendersEachPageForTheScreen) {
    ASSERT_NO_THROW(composer.Compose(For(IllustrationType::Stretch, kAllSections, true)));
    const std::vector<printdoc::PageImage> images = composer.PageImages(30);
    ASSERT_EQ(images.size(), 6U);
    for (const printdoc::PageImage& image : images) {
        // A letter page at 30 dots to the inch, on white at its top left corner.
        EXPECT_EQ(image.width, 255);
        EXPECT_EQ(image.height, 330);
        ASSERT_EQ(image.pixels.size(), 255U * 330U);
        EXPECT_EQ(image.pixels.front(), 0xFFFFFFFFu);
    }
}

} // namespace
