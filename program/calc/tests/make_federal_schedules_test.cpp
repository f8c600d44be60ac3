// The generator of the federal schedule data refuses every malformed table with a message that
// names the file and the line, and writes nothing then.
#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string kHeader = "year,status,row,threshold,rate\n";

// The rows of a valid schedule of one year (the 2012 figures).
std::string ScheduleRows(const std::string& year) {
    std::string text;
    for (const char* status : {"single", "mfj", "hoh"}) {
        const char* thresholds[] = {"0", "8700", "35350", "85650", "178650", "388350"};
        const char* rates[] = {"10", "15", "25", "28", "33", "35"};
        for (int row = 0; row < 6; ++row) {
            text += year + "," + status + "," + std::to_string(row + 1) + "," + thresholds[row] +
                    "," + rates[row] + "\n";
        }
    }
    return text;
}

std::string Schedules() {
    return kHeader + ScheduleRows("2012");
}

const std::string kExemptions = "year,amount\n2012,3800\n";

class MakeFederalSchedulesTest : public testing::Test {
protected:
    testkit::ToolRun Generate(const std::string& schedules, const std::string& exemptions) {
        fs::remove(output);
        return testkit::RunTool(
            {TALLOWMERE_SCHEDULE_GENERATOR, sandbox.WriteFile("schedules.csv", schedules).string(),
             sandbox.WriteFile("exemptions.csv", exemptions).string(), output.string()});
    }

    testkit::Sandbox sandbox;
    fs::path output = sandbox.Root() / "out.cpp";
};

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST_F(MakeFederalSchedulesTest, WritesTheDataOfValidTables) {
    const testkit::ToolRun run = Generate(Schedules(), kExemptions);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    const std::string text = testkit::ReadFileBytes(output);
    EXPECT_NE(text.find("{2012, 3800, {{"), std::string::npos) << text;
    EXPECT_NE(text.find("{178650, 33}"), std::string::npos) << text;
}

std::string ProjectTable(const std::string& fileName) {
    return testkit::ReadFileBytes(fs::path(TALLOWMERE_CALC_TABLES) / fileName);
}

// A year added to the project's tables reaches the generated data with no change of code.
TEST_F(MakeFederalSchedulesTest, AnAddedYearReachesTheData) {
    const testkit::ToolRun run =
        Generate(ProjectTable("federal-tax-rate-schedules-2002-2012.csv") + ScheduleRows("2013"),
                 ProjectTable("federal-exemptions-2002-2012.csv") + "2013,3900\n");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const std::string text = testkit::ReadFileBytes(output);
    EXPECT_NE(text.find("{2012, 3800, {{"), std::string::npos) << text;
    EXPECT_NE(text.find("{2013, 3900, {{"), std::string::npos) << text;
}

TEST_F(MakeFederalSchedulesTest, RefusesMalformedTables) {
    struct Case {
        const char* name;
        std::string schedules;
        std::string exemptions;
        const char* message;
    };
    const std::string valid = Schedules();
    const Case cases[] = {
        {"header", Replace(valid, "year,status", "year,kind"), kExemptions, "header"},
        {"field count", Replace(valid, "2012,mfj,1,0,10", "2012,mfj,1,0"), kExemptions,
         "schedules.csv:8: expected 5 fields"},
        {"status", Replace(valid, "2012,hoh,2", "2012,hh,2"), kExemptions, "unknown status"},
        {"row number", Replace(valid, "2012,single,6", "2012,single,7"), kExemptions,
         "row outside 1 to 6"},
        {"row twice", Replace(valid, "2012,single,6", "2012,single,5"), kExemptions,
         "row given twice"},
        {"threshold", Replace(valid, "8700", "87x0"), kExemptions, "not a whole number"},
        {"negative threshold", Replace(valid, "8700", "-8700"), kExemptions, "not a whole number"},
        {"rate", Replace(valid, ",33\n", ",abc\n"), kExemptions, "not a rate"},
        {"rate of 100", Replace(valid, ",35\n", ",100\n"), kExemptions, "not a rate"},
        {"descending", Replace(valid, "2012,single,3,35350", "2012,single,3,5350"), kExemptions,
         "thresholds do not ascend"},
        {"first row", Replace(valid, "2012,single,1,0,", "2012,single,1,5,"), kExemptions,
         "row 1 does not start at 0"},
        {"missing exemption", valid, "year,amount\n", "no exemption amount for 2012"},
        {"exemption without schedule", valid, kExemptions + "2013,3900\n",
         "a year without a schedule"},
        {"year gap", Schedules() + ScheduleRows("2014"), kExemptions + "2014,3900\n",
         "the years are not consecutive at 2014"},
        {"empty", "", kExemptions, "header"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testkit::ToolRun run = Generate(c.schedules, c.exemptions);
        EXPECT_NE(run.exitStatus, 0);
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
        EXPECT_FALSE(fs::exists(output));
    }
}

} // namespace
