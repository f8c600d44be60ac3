// The table generator as the build runs it: a row added to a table file reaches the library's
// data with no change of code; a malformed CSV file stops it with a message that names the file
// and the line, and leaves no source behind.
#include "factors/life_tables.h"

#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

testkit::ToolRun Generate(const fs::path& tables, const fs::path& source) {
    return testkit::RunTool({TALLOWMERE_GENERATOR, tables.string(), source.string()});
}

class GenerateLifeTables : public testing::Test {
protected:
    void SetUp() override { fs::copy(TALLOWMERE_TABLES_DIR, tables_); }

    testkit::Sandbox sandbox_;
    const fs::path tables_ = sandbox_.Root() / "tables";
    const fs::path source_ = sandbox_.Root() / "life_tables_data.cpp";
};

TEST_F(GenerateLifeTables, WritesTheSourceFromGoodTables) {
    const testkit::ToolRun run = Generate(tables_, source_);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_TRUE(fs::exists(source_));
    EXPECT_FALSE(fs::exists(source_.string() + ".tmp"));
}

// The values of one table in a generated source, in the order the library holds them.
std::vector<float> GeneratedValues(const fs::path& source, const std::string& declaration) {
    std::ifstream in(source);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string opening = declaration + " = {{";
    const auto start = text.find(opening);
    if (start == std::string::npos) {
        return {};
    }
    std::istringstream lines(text.substr(start + opening.size()));
    std::vector<float> values;
    for (std::string line; std::getline(lines, line) && !line.starts_with("}};");) {
        std::istringstream tokens(line.substr(0, line.find("//")));
        for (std::string token; tokens >> token;) {
            values.push_back(std::stof(token));
        }
    }
    return values;
}

TEST_F(GenerateLifeTables, AnAddedRowReachesTheLibrarysData) {
    // Table V has no age 96 and Table VI no pair 30/40 yet.
    std::ofstream(tables_ / "reg-1.72-9-table-v.csv", std::ios::app) << "96,3.4\n";
    std::ofstream(tables_ / "reg-1.72-9-table-vi.csv", std::ios::app) << "30,40,44.4\n";
    const testkit::ToolRun run = Generate(tables_, source_);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;

    const auto single = GeneratedValues(source_, "const SingleLifeTable SINGLETABLE2001");
    ASSERT_EQ(single.size(), std::size_t{factors::kAgeCount});
    EXPECT_EQ(single[96], 3.4f);
    EXPECT_FALSE(factors::IsHeld(single[97]));
    const auto joint = GeneratedValues(source_, "const JointLifeTable JOINTTABLE2001");
    ASSERT_EQ(joint.size(), std::size_t{factors::kPairCount});
    EXPECT_EQ(joint[factors::PairIndex(30, 40)], 44.4f);
    EXPECT_FALSE(factors::IsHeld(joint[factors::PairIndex(31, 40)]));
}

TEST_F(GenerateLifeTables, MalformedRowStopsItWithoutWritingTheSource) {
    std::ofstream(tables_ / "reg-1.72-9-table-v.csv", std::ios::trunc)
        << "age,multiple\n5,76.6\n6,75.6.1\n";
    const testkit::ToolRun run = Generate(tables_, source_);
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.errors.find("reg-1.72-9-table-v.csv:3: the value is not"), std::string::npos)
        << run.errors;
    EXPECT_FALSE(fs::exists(source_));
    EXPECT_FALSE(fs::exists(source_.string() + ".tmp"));
}

} // namespace
