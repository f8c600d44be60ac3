// The table generator as the build runs it: a malformed CSV file stops it with a message that
// names the file and the line, and leaves no source behind.
#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

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
