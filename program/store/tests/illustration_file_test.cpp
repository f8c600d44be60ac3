#include "program/store/illustration_file.h"

#include "program/store/tests/store_fixture.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/clock.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace store;

using illustration::IllustrationType;
using store::testing::ReadBytes;
using store::testing::WriteBytes;

class IllustrationFileTest : public store::testing::StoreTest {
protected:
    // Starts a new illustration named `first` and saves it; the number it got.
    std::string SaveNew(const std::string& first) {
        CurrentIllustration current = Current();
        NewIllustration(current);
        fields.SetText(0, first);
        saved = false;
        EXPECT_TRUE(SaveIllustration(current, controls, driver));
        return fields.Text(kDatabaseIndexField);
    }

    std::string RecordAt(std::int64_t number) const {
        return ReadBytes(DataFile())
            .substr(static_cast<std::size_t>(number - 1) * kRecordLength, kRecordLength);
    }

    RecordControls controls;
    sys::ScopedClock clock{sys::LocalDateTime{2011, 4, 1, 9, 30, 0}};
};

TEST_F(IllustrationFileTest, NewIllustrationStartsEmptyWithoutANumber) {
    fields.SetText(0, "Margaret");
    fields.SetText(kDatabaseIndexField, "4");
    CurrentIllustration current = Current();
    NewIllustration(current);
    EXPECT_EQ(fields.Text(0), "");
    EXPECT_EQ(fields.Text(8), "2011");   // 3-Year0
    EXPECT_EQ(fields.Text(16), "2011");  // 3-Year1
    EXPECT_EQ(fields.Text(9), "$0");     // 6-AcctValue0
    EXPECT_EQ(fields.Text(31), "0.00%"); // 1-EqualROR
    EXPECT_EQ(fields.Text(19), "04/01/2011");
    EXPECT_EQ(fields.Text(kDatabaseIndexField), "0");
    EXPECT_TRUE(saved);
}

TEST_F(IllustrationFileTest, NewIllustrationsTakeTheNumberAfterTheLastRecordWhenWritten) {
    EXPECT_EQ(SaveNew("Ann"), "1");
    EXPECT_EQ(SaveNew("Bob"), "2");
    EXPECT_TRUE(saved);
    EXPECT_EQ(IllustrationRecordCount(), 2);
    EXPECT_EQ(RecordAt(1).substr(2, 3), "Ann");
    EXPECT_EQ(RecordAt(2).substr(460, 6), "2     ");

    // An illustration started before the file grew still lands after the last record.
    CurrentIllustration current = Current();
    NewIllustration(current);
    fields.SetText(0, "Cleo");
    const auto startedEarly = fields.Text(kDatabaseIndexField);
    {
        illustration::IllustrationFields other;
        IllustrationType otherType = IllustrationType::Stretch;
        bool otherSaved = false;
        CurrentIllustration elsewhere{otherType, other, otherSaved};
        NewIllustration(elsewhere);
        other.SetText(0, "Dora");
        ASSERT_TRUE(SaveIllustration(elsewhere, controls, driver));
        EXPECT_EQ(other.Text(kDatabaseIndexField), "3");
    }
    EXPECT_EQ(startedEarly, "0");
    ASSERT_TRUE(SaveIllustration(current, controls, driver));
    EXPECT_EQ(fields.Text(kDatabaseIndexField), "4");
    EXPECT_EQ(RecordAt(3).substr(2, 4), "Dora");
    EXPECT_EQ(RecordAt(4).substr(2, 4), "Cleo");
}

TEST_F(IllustrationFileTest, SavedIllustrationIsWrittenAtItsNumberAndNeverBeyondTheEnd) {
    SaveNew("Ann");
    SaveNew("Bob");
    struct Case {
        const char* number;
        const char* writtenAt;
        std::int64_t count;
    };
    const Case cases[] = {
        {"1", "1", 2},   // replaces its own record
        {"1.4", "1", 2}, // rounded
        {"9", "3", 3},   // past the end: appended
        {"-2", "4", 4},  // below 1: new
        {"abc", "5", 5},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.number);
        fields.SetText(kDatabaseIndexField, row.number);
        fields.SetText(0, std::string("Eve ") + row.number);
        CurrentIllustration current = Current();
        ASSERT_TRUE(SaveIllustration(current, controls, driver));
        EXPECT_EQ(IllustrationRecordCount(), row.count);
        EXPECT_EQ(RecordAt(std::stoi(row.writtenAt)).substr(2, 4), "Eve ");
    }
    EXPECT_EQ(RecordAt(2).substr(2, 3), "Bob");
}

TEST_F(IllustrationFileTest, FileErrorsAreReportedAndLeaveTheIllustrationUnsaved) {
    SaveNew("Ann");
    const std::string before = ReadBytes(DataFile());
    CurrentIllustration current = Current();
    NewIllustration(current);
    saved = false;
    {
        // Room for half of the new record only.
        store::testing::DiskFullAfter full(before.size() + kRecordLength / 2);
        driver.ExpectMessageBox("Error Writing to Database", forms::vbOK);
        EXPECT_FALSE(SaveIllustration(current, controls, driver));
    }
    EXPECT_EQ(driver.MessageBoxes().back().prompt, "An error occurred. Type: 61.\r\nDisk full\r\n");
    EXPECT_EQ(ReadBytes(DataFile()), before);
    EXPECT_FALSE(saved);
    EXPECT_EQ(fields.Text(kDatabaseIndexField), "0");

    // A data folder that is not there.
    WriteBytes(Folder("install") / "dataloc.txt", (Folder("missing") / "data").string() + "\r\n");
    driver.ExpectMessageBox("Error Writing to Database", forms::vbOK);
    EXPECT_FALSE(SaveIllustration(current, controls, driver));
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(DataFile()), before);
}

TEST_F(IllustrationFileTest, DeleteMarksOneRecordAndUndeleteRevivesEvery) {
    SaveNew("Ann");
    SaveNew("Bob");
    SaveNew("Cleo");
    std::string third = RecordAt(3);
    third[0] = '7'; // a status neither live nor deleted
    std::string bytes = ReadBytes(DataFile());
    bytes.replace(2 * kRecordLength, kRecordLength, third);
    WriteBytes(DataFile(), bytes);

    DeleteRecord(1);
    EXPECT_EQ(RecordAt(1)[0], '0');
    EXPECT_EQ(RecordAt(2)[0], '1');
    EXPECT_EQ(RecordAt(1).substr(1), ReadBytes(DataFile()).substr(1, kRecordLength - 1));
    EXPECT_THROW(DeleteRecord(4), runtime::RuntimeError);

    WriteBytes(DataFile(), ReadBytes(DataFile()) + "0partial"); // a torn last write
    UndeleteRecords(ReadIllustrationFile());
    EXPECT_EQ(ReadBytes(DataFile()).substr(3 * kRecordLength), "0partial");
    const auto records = ReadIllustrationRecords();
    ASSERT_EQ(records.size(), 3u);
    for (const std::string& record : records) {
        EXPECT_EQ(record[0], '1');
    }
    EXPECT_EQ(records[2].substr(1), third.substr(1));
}

TEST_F(IllustrationFileTest, NoFileMeansNoRecords) {
    EXPECT_EQ(IllustrationRecordCount(), 0);
    EXPECT_TRUE(ReadIllustrationRecords().empty());
    UndeleteRecords(ReadIllustrationFile());
    EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

// The Options menu's count rounds the file's length over the record length, halves to even:
// a partial record counts from 501 bytes on.
TEST_F(IllustrationFileTest, TheRoundedCountCountsAPartialRecordFromHalfOn) {
    EXPECT_EQ(RoundedRecordCount(), 0); // no file
    const std::pair<std::size_t, std::int64_t> cases[] = {
        {1, 0}, {500, 0}, {501, 1}, {600, 1}, {1000, 1}, {1499, 1}, {1500, 2}, {2500, 2}, {2501, 3},
    };
    for (const auto& [length, count] : cases) {
        SCOPED_TRACE(length);
        WriteBytes(DataFile(), std::string(length, '1'));
        EXPECT_EQ(RoundedRecordCount(), count);
        EXPECT_EQ(IllustrationRecordCount(), static_cast<std::int64_t>(length / kRecordLength));
    }
}

} // namespace
