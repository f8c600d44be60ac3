// A whole report fill as the program drives it, over a small template with nested conditions
// and a table with head, row and tail: tests/fixtures/report.rtf filled gives
// tests/fixtures/report-filled.rtf byte for byte.
#include "output/template/template_document.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

TEST(TemplateFixture, ReportFillRoundTrip) {
    testkit::Sandbox sandbox;
    const std::filesystem::path fixtures = TEMPLATE_FIXTURES;
    const auto target = sandbox.Root() / "report-filled.rtf";

    output::TemplateDocument document;
    ASSERT_EQ(document.FileRead(fixtures / "report.rtf"), output::TemplateError::OK);
    EXPECT_EQ(document.KillInfo(), output::TemplateError::OK);
    document.SubToken("R-PHName", "Ann Lee");
    document.SubToken("R-Age", "73");
    document.SubToken("SPOUSE", ""); // a flag key: given with the empty text
    document.SubToken("LSF", "12.5");
    EXPECT_EQ(document.DoLogic(), output::TemplateError::OK);
    EXPECT_EQ(document.DoSub(), output::TemplateError::OK);
    document.TableClear();
    document.TableEntry("2002~$4,000.00");
    document.TableEntry("2003~$4,150.00|2004~$4,310.00");
    EXPECT_EQ(document.DoTable("PLANHOLDER1"), output::TemplateError::OK);
    ASSERT_EQ(document.FileWrite(target), output::TemplateError::OK);

    EXPECT_EQ(testkit::ReadFileBytes(target),
              testkit::ReadFileBytes(fixtures / "report-filled.rtf"));
}

} // namespace
