// Each type's report text filled from the resource archive's template through the Output
// module's Template object, and the Stretch graph drawn by its Graph object.
#include "program/report/graph_production.h"
#include "program/report/report_error.h"
#include "program/report/report_production.h"
#include "program/report/resource_extraction.h"
#include "program/report/substitute_rtf.h"
#include "program/report/tests/stretch_fixture.h"
#include "program/report/tests/visible_text.h"

#include "platform/automation/creation.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

namespace {

using namespace report;

namespace fs = std::filesystem;
using illustration::IllustrationFields;
using illustration::IllustrationType;

const fs::path kArchive = TALLOWMERE_RESOURCE_ARCHIVE;

void ExpectFinished(const std::string& rtf, const std::vector<std::string>& shown) {
    const std::string visible = report::testing::VisibleText(rtf);
    EXPECT_EQ(rtf.find("R-"), std::string::npos) << rtf;
    EXPECT_EQ(rtf.find("$#"), std::string::npos) << rtf;
    EXPECT_EQ(visible.find('~'), std::string::npos) << visible;
    for (const std::string& text : shown) {
        EXPECT_NE(visible.find(text), std::string::npos) << text << " in " << visible;
    }
}

class ReportTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox_.SetEnvironment("TALLOWMERE_REGISTRY", (sandbox_.Root() / "registry.ini").string());
        ASSERT_EQ(automation::RegisterServer(OUTPUT_MODULE), S_OK);
    }

    ReportRequest Request(IllustrationType type) const {
        ReportRequest request;
        request.type = type;
        request.resourceArchive = kArchive;
        request.workFolder = sandbox_.Root();
        return request;
    }

    // Report fields as a calculation leaves them: every tag given a text of its own.
    static IllustrationFields
    Fields(std::initializer_list<std::pair<const char*, std::string>> texts) {
        IllustrationFields fields;
        for (int index = illustration::kFirstReportField; index < illustration::kReportEndMarker;
             ++index) {
            fields.SetText(index, "x");
        }
        const auto show = [](const std::string&) { FAIL() << "unknown tag"; };
        for (const auto& [tag, text] : texts) {
            illustration::SetField(fields, text, tag, show);
        }
        return fields;
    }

    testkit::Sandbox sandbox_;
    ReportProduction production_;
    const std::string representative = "Pat Reyes \\bullet  Reyes Planning\\par Office: 555-0100";
};

TEST_F(ReportTextTest, EveryTypeIsFilledWithNoTokenOrMarkerLeft) {
    struct Case {
        IllustrationType type;
        std::string spouseDate;
        IllustrationFields fields;
    };
    const Case cases[] = {
        {IllustrationType::PlanholderRmd, "03/04/1940",
         Fields({{"R-PHName", "Ann Lee"},
                 {"R-Aname", representative},
                 {"R-RMD", "$12,345"},
                 {"R-YYYY", "2004"},
                 {"R-1", "~X"},
                 {"R-2", "~4"},
                 {"R-RetDate", "~R"},
                 {"R-NoteYear1", ""}})},
        {IllustrationType::PlanholderRmd, "",
         Fields({{"R-PHName", "Ann Lee"},
                 {"R-Aname", representative},
                 {"R-RMD", "$12,345"},
                 {"R-YYYY", "2004"},
                 {"R-1", "~I"},
                 {"R-2", "~X"},
                 {"R-RetDate", "June 1, 2004"}})},
        {IllustrationType::BeneficiaryRmd, "",
         Fields({{"R-PHName", "Ann Lee"},
                 {"R-Aname", representative},
                 {"R-RMD", "$12,345"},
                 {"R-YYYY", "2004"},
                 {"R-1", "~S"},
                 {"R-2", "~X"}})},
        {IllustrationType::EqualPayments, "",
         Fields({{"R-PHName", "Ann Lee"},
                 {"R-Aname", representative},
                 {"R-Payment1", "$12,345"},
                 {"R-YYYY", "2004"},
                 {"R-IRSPen", "~K"},
                 {"R-RBD", "~J"},
                 {"R-1", " X"},
                 {"R-NameAgent", " Pat Reyes "}})},
    };
    const calc::StretchProjection unused;
    for (const Case& row : cases) {
        SCOPED_TRACE(static_cast<int>(row.type));
        ReportRequest request = Request(row.type);
        request.spouseBirthDate = row.spouseDate;
        const std::string text = production_.ReportText(request, row.fields, unused);
        ExpectFinished(text, {"Ann Lee", "Pat Reyes", "Reyes Planning", "$12,345", "2004"});
        // The template is filled in memory: no file of it is written into the work folder.
        EXPECT_FALSE(fs::exists(sandbox_.Root() / TemplateMember(row.type, row.spouseDate)));
    }
}

TEST_F(ReportTextTest, TheStretchReportFillsWithEverySectionCombination) {
    const report::testing::ProjectionShape shape{13, 20, 47, 1500};
    const calc::StretchProjection projection = report::testing::MakeProjection(shape);
    const IllustrationFields fields;
    for (int switches = 0; switches < 32; ++switches) {
        SCOPED_TRACE(switches);
        ReportRequest request = Request(IllustrationType::Stretch);
        request.stretch = report::testing::MakeInputs(shape);
        request.stretch.sections = {(switches & 1) != 0, (switches & 2) != 0, (switches & 4) != 0,
                                    (switches & 8) != 0, (switches & 16) != 0};
        const std::string text = production_.ReportText(request, fields, projection);
        std::vector<std::string> shown;
        if (request.stretch.sections.cover) {
            shown = {"Ann {A} Lee", "Pat Reyes", "Reyes Planning", "January 5, 2004"};
        }
        if (request.stretch.sections.taxes) {
            shown.push_back("$481,000"); // the lump sum
        }
        if (request.stretch.sections.ledger) {
            shown.push_back("2051"); // the last year
            shown.push_back("1,500");
        }
        ExpectFinished(text, shown);
    }
}

// The template is read and filled in memory: a report needs no work folder to write it into,
// and the Stretch rewrite and the field substitution both run on the text.
TEST_F(ReportTextTest, TheTemplateIsFilledWithoutAFile) {
    const report::testing::ProjectionShape shape{13, 20, 47, 1500};
    const calc::StretchProjection projection = report::testing::MakeProjection(shape);
    for (const IllustrationType type :
         {IllustrationType::Stretch, IllustrationType::EqualPayments}) {
        SCOPED_TRACE(static_cast<int>(type));
        ReportRequest request = Request(type);
        request.workFolder = sandbox_.Root() / "no such folder";
        request.stretch = report::testing::MakeInputs(shape);
        request.stretch.sections.cover = true;
        const std::string text = production_.ReportText(
            request, Fields({{"R-PHName", "Ann Lee"}, {"R-Aname", representative}}), projection);
        ExpectFinished(text, {"Pat Reyes"});
        EXPECT_FALSE(fs::exists(request.workFolder));
    }
}

TEST_F(ReportTextTest, AFailedExtractionAbandonsTheReportWithItsMessage) {
    ReportRequest request = Request(IllustrationType::EqualPayments);
    request.resourceArchive = sandbox_.Root() / "missing.icf";
    try {
        production_.ReportText(request, IllustrationFields(), calc::StretchProjection());
        ADD_FAILURE() << "no error";
    } catch (const ReportError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Critical Error Type 1\r\n\r\nThe required file missing.icf is damaged.\r\n"
                  "Please reinstall your software, then try again.");
    }
}

TEST_F(ReportTextTest, ExtractionDeletesExactlyTheMembersItExtracted) {
    std::ofstream(sandbox_.Root() / "RMDLogo.bak") << "the user's own file";
    {
        const ExtractedMembers logo(kArchive, "RMDLogo.*", sandbox_.Root());
        ASSERT_EQ(logo.Result(), archive::ZipResult::Success);
        EXPECT_EQ(logo.Files().size(), 2U);
        EXPECT_TRUE(fs::exists(sandbox_.Root() / "RMDLogo.gif"));
        EXPECT_TRUE(fs::exists(sandbox_.Root() / "RMDLogo.txt"));
    }
    EXPECT_FALSE(fs::exists(sandbox_.Root() / "RMDLogo.gif"));
    EXPECT_FALSE(fs::exists(sandbox_.Root() / "RMDLogo.txt"));
    EXPECT_TRUE(fs::exists(sandbox_.Root() / "RMDLogo.bak"));
}

TEST_F(ReportTextTest, TheGraphReplacesTheOldPictureAndAnEmptyPhaseDrawsAnEmptyGraph) {
    const report::testing::ProjectionShape shape{13, 13, 47, 1500};
    const calc::StretchProjection projection = report::testing::MakeProjection(shape);
    GraphRequest request;
    request.resourceArchive = kArchive;
    request.workFolder = sandbox_.Root();
    request.accountValue = "500000";
    request.background = true;
    const fs::path file = sandbox_.Root() / kGraphFileName;
    std::ofstream(file) << "stale";
    for (const auto phase :
         {calc::StretchProjection::kAllYears, calc::StretchProjection::kSpouse}) {
        SCOPED_TRACE(static_cast<int>(phase));
        request.phase = phase;
        request.scrollAge = GraphScrollRange(projection, phase).max;
        const GraphPicture picture = DrawStretchGraph(request, projection);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->substr(0, 2), "BM");
        std::ifstream drawn(file, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(drawn), {}), *picture);
    }
    // A drawing that fails leaves no graph behind, never the old one.
    request.width = -5;
    EXPECT_THROW(DrawStretchGraph(request, projection), ReportError);
    EXPECT_FALSE(fs::exists(file));
}

// A graph is drawn once for its inputs: asked again for the same request and projection, the
// graphs of the run answer the picture drawn before without drawing (the file, removed in
// between, is not made again); another input draws anew, and the last few graphs stay kept.
TEST_F(ReportTextTest, AGraphIsDrawnOnceForItsInputs) {
    const report::testing::ProjectionShape shape{13, 13, 47, 1500};
    calc::StretchProjection projection = report::testing::MakeProjection(shape);
    GraphRequest request;
    request.resourceArchive = kArchive;
    request.workFolder = sandbox_.Root();
    request.accountValue = "500000";
    request.scrollAge = GraphScrollRange(projection, request.phase).max;
    const fs::path file = sandbox_.Root() / kGraphFileName;
    StretchGraphs graphs;

    const GraphPicture first = graphs.Picture(request, projection);
    ASSERT_NE(first, nullptr);
    fs::remove(file);
    EXPECT_EQ(graphs.Picture(request, projection), first);
    EXPECT_FALSE(fs::exists(file));

    struct Change {
        const char* name;
        std::function<void(GraphRequest&, calc::StretchProjection&)> apply;
    };
    const Change kChanges[] = {
        {"top view", [](GraphRequest& asked, calc::StretchProjection&) { asked.topView = true; }},
        {"size", [](GraphRequest& asked, calc::StretchProjection&) { asked.width = 300; }},
        {"a balance", [](GraphRequest& asked, calc::StretchProjection& cells) {
             cells.SetCell(asked.phase, calc::StretchProjection::kClosingBalance, 5, 77);
         }}};
    for (const Change& change : kChanges) {
        SCOPED_TRACE(change.name);
        GraphRequest changed = request;
        calc::StretchProjection changedProjection = projection;
        change.apply(changed, changedProjection);
        const GraphPicture drawn = graphs.Picture(changed, changedProjection);
        ASSERT_NE(drawn, nullptr);
        EXPECT_NE(drawn, first);
        EXPECT_TRUE(fs::exists(file));
        fs::remove(file);
    }
    // The first graph is still kept among the last few.
    EXPECT_EQ(graphs.Picture(request, projection), first);
    EXPECT_FALSE(fs::exists(file));

    // A drawing that fails is not kept: asked again, it fails again.
    GraphRequest failing = request;
    failing.width = -5;
    EXPECT_THROW(graphs.Picture(failing, projection), ReportError);
    EXPECT_THROW(graphs.Picture(failing, projection), ReportError);

    // Beyond the kept few, the oldest graph is drawn anew.
    for (int width = 100; width < 100 + static_cast<int>(StretchGraphs::kKeptGraphs); ++width) {
        GraphRequest other = request;
        other.width = width;
        graphs.Picture(other, projection);
    }
    EXPECT_NE(graphs.Picture(request, projection), first);
}

} // namespace
