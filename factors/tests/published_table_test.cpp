// The CSV reader behind the table generator: what it refuses, what it accepts, and that the
// project's copy of each table is byte for byte the published table it was taken from.
#include "factors/tables/published_table.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using factors::tables::ReadPublishedTable;
using factors::tables::TableError;
using factors::tables::TableShape;

constexpr TableShape kOneAge{"age,divisor", 1, 0, false};
constexpr TableShape kAgePairs{"age1,age2,multiple", 2, 5, false};
constexpr TableShape kLastTwoAges{"age,divisor", 1, 114, true};

// A table file written into the test's own folder for one case.
class TableFile {
public:
    explicit TableFile(const std::string& text) {
        std::filesystem::create_directories(path_.parent_path());
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~TableFile() { std::filesystem::remove(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_ = testkit::SandboxFolderOfRunningTest() / "table.csv";
};

TEST(PublishedTable, RefusesMalformedFilesNamingTheLine) {
    struct Case {
        std::string text;
        TableShape shape;
        std::string expectedMessage; // part of the error after the file name
    };
    const Case cases[] = {
        {"", kOneAge, ":1: the header is missing"},
        {"age,value\n0,1.0\n", kOneAge, ":1: the header is not"},
        {"age,divisor\n0,1.0\n\n1,2.0\n", kOneAge, ":3: empty line"},
        {"age,divisor\n0,1.0\n\n", kOneAge, ":3: empty line"},
        {"age,divisor\n0\n", kOneAge, ":2: expected 2 fields"},
        {"age,divisor\n0,1.0,2\n", kOneAge, ":2: expected 2 fields"},
        {"age,divisor\nx,1.0\n", kOneAge, ":2: an age is not"},
        {"age,divisor\n-1,1.0\n", kOneAge, ":2: an age is not"},
        {"age,divisor\n116,1.0\n", kOneAge, ":2: an age is not"},
        {"age,divisor\n 5,1.0\n", kOneAge, ":2: an age is not"},
        {"age,divisor\n5,0.0\n", kOneAge, ":2: the value is not"},
        {"age,divisor\n5,1.25\n", kOneAge, ":2: the value is not"},
        {"age,divisor\n5,101.0\n", kOneAge, ":2: the value is not"},
        {"age,divisor\n5,-1.0\n", kOneAge, ":2: the value is not"},
        {"age,divisor\n5,1e1\n", kOneAge, ":2: the value is not"},
        {"age,divisor\n5,.5\n", kOneAge, ":2: the value is not"},
        {"age,divisor\n5,1.\n", kOneAge, ":2: the value is not"},
        {"age,divisor\n5,\n", kOneAge, ":2: the value is not"},
        {"age,divisor\n0,1.0\n5,1.0\n5,2.0\n", kOneAge, ":4: this age is given twice"},
        {"age1,age2,multiple\n6,5,1.0\n", kAgePairs, ":2: the first age is above the second"},
        {"age1,age2,multiple\n4,5,1.0\n", kAgePairs, ":2: an age is not a whole number from 5"},
        {"age1,age2,multiple\n5,6,1.0\n6,5,1.0\n", kAgePairs, ":3: the first age is above"},
        {"age,divisor\n114,1.0\n", kLastTwoAges, ": has 1 rows where the complete table has 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TableFile file(c.text);
        try {
            ReadPublishedTable(file.path(), c.shape);
            ADD_FAILURE() << "accepted";
        } catch (const TableError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(file.path().string() + c.expectedMessage), std::string::npos)
                << message;
        }
    }
}

TEST(PublishedTable, ReadsRowsWithCrLfAndWithoutAFinalLineEnd) {
    TableFile file("age,divisor\r\n115,1.0\r\n114,27\r\n");
    const auto rows = ReadPublishedTable(file.path(), kLastTwoAges);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].age, 115);
    EXPECT_EQ(rows[0].olderAge, 115);
    EXPECT_EQ(rows[0].value, 1.0f);
    EXPECT_EQ(rows[1].value, 27.0f);

    TableFile pairs("age1,age2,multiple\n5,115,76.6");
    const auto pairRows = ReadPublishedTable(pairs.path(), kAgePairs);
    ASSERT_EQ(pairRows.size(), 1u);
    EXPECT_EQ(pairRows[0].age, 5);
    EXPECT_EQ(pairRows[0].olderAge, 115);
    EXPECT_EQ(pairRows[0].value, 76.6f);
}

TEST(PublishedTable, MissingFileIsAnError) {
    EXPECT_THROW(ReadPublishedTable("no-such-table.csv", kOneAge), TableError);
}

TEST(PublishedTable, ProjectCopyIsThePublishedTable) {
    // The SHA-256 digests of the published tables as they were delivered with their sources. A
    // copy that no longer matches was changed by hand; a correction of a published table brings
    // its new copy and its new digest together.
    struct Case {
        const factors::tables::PublishedTable& table;
        const char* sha256;
    };
    const Case cases[] = {
        {factors::tables::kIrsSingleLife,
         "1562ec68f01152a7e9f69e6bb1c5b6bb9464c3a8ec585e0ee362653fdd55e704"},
        {factors::tables::kIrsJointLastSurvivor,
         "85697531fc76ba3a9afdeeeb587820af29b8044e3a21b22f68a5e697e0b9bd8a"},
        {factors::tables::kIrsUniformLifetime,
         "4277a7e53af936b29cbfcfc2d111e8e311ae7c10f8fed722f5ce514d8e83aa89"},
        {factors::tables::kAnnuityTableV,
         "85e7c4dc436521c623c42a240c1dbc32036faf53db0bcd70dba4663361d339c8"},
        {factors::tables::kAnnuityTableVi,
         "c1cdf93b3b8f2af229afff83439e3532e511c9c89566788555076307942d92cf"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.table.fileName);
        EXPECT_EQ(testkit::Sha256Digest(std::filesystem::path(TALLOWMERE_TABLES_DIR) /
                                        row.table.fileName),
                  row.sha256);
    }
}

} // namespace
