// The generator of the federal schedule data refuses every malformed table with a message that
// names the file and the line, and writes nothing then.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

struct GeneratorRun {
    int status;
    std::string output;
};

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
    GeneratorRun Generate(const std::string& schedules, const std::string& exemptions) {
        std::ofstream(folder / "schedules.csv", std::ios::binary) << schedules;
        std::ofstream(folder / "exemptions.csv", std::ios::binary) << exemptions;
        fs::remove(output);
        const std::string command = std::string("'") + TALLOWMERE_SCHEDULE_GENERATOR + "' '" +
                                    (folder / "schedules.csv").string() + "' '" +
                                    (folder / "exemptions.csv").string() + "' '" + output.string() +
                                    "' 2>&1";
        GeneratorRun run{-1, {}};
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe) {
            char buffer[512];
            while (std::fgets(buffer, sizeof buffer, pipe)) {
                run.output += buffer;
            }
            run.status = pclose(pipe);
        }
        return run;
    }

    // A folder of the test's own: CTest runs the tests of this file side by side.
    fs::path folder =
        fs::current_path() / (std::string("make_federal_schedules_") +
                              testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path output = folder / "out.cpp";

    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
};

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST_F(MakeFederalSchedulesTest, WritesTheDataOfValidTables) {
    const GeneratorRun run = Generate(Schedules(), kExemptions);
    EXPECT_EQ(run.status, 0) << run.output;
    std::ifstream in(output);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find("{2012, 3800, {{"), std::string::npos) << text;
    EXPECT_NE(text.find("{178650, 33}"), std::string::npos) << text;
}

std::string ProjectTable(const std::string& fileName) {
    std::ifstream in(fs::path(TALLOWMERE_CALC_TABLES) / fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A year added to the project's tables reaches the generated data with no change of code.
TEST_F(MakeFederalSchedulesTest, AnAddedYearReachesTheData) {
    const GeneratorRun run =
        Generate(ProjectTable("federal-tax-rate-schedules-2002-2012.csv") + ScheduleRows("2013"),
                 ProjectTable("federal-exemptions-2002-2012.csv") + "2013,3900\n");
    ASSERT_EQ(run.status, 0) << run.output;
    std::ifstream in(output);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
        const GeneratorRun run = Generate(c.schedules, c.exemptions);
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
        EXPECT_FALSE(fs::exists(output));
    }
}

} // namespace
