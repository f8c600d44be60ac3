#include "program/store/compaction.h"

#include "program/store/illustration_record.h"
#include "program/store/tests/store_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace store;

using store::testing::ReadBytes;
using store::testing::WriteBytes;

// A record with its status (position 1), a name (3-32), its number (461-466) and its
// illustration date (467-476).
std::string Record(char status, const std::string& name, const std::string& number,
                   const std::string& date) {
    std::string record(kRecordLength, ' ');
    record[0] = status;
    record[1] = '0';
    record.replace(2, name.size(), name);
    record.replace(460, number.size(), number);
    record.replace(466, date.size(), date);
    return record;
}

class CompactionTest : public store::testing::StoreTest {
protected:
    CompactionTest() {
        WriteBytes(DataFile(), Record('1', "Ann", "1", "04/01/2011") +
                                   Record('0', "Bob", "2", "04/02/2011") +
                                   Record('1', "Cleo", "3", "not a date") +
                                   Record('7', "Dora", "4", "04/04/2011") +
                                   Record('1', "Eve", "5", "04/05/2011"));
    }

    void Compact() {
        CurrentIllustration current = Current();
        CompactDatabase(current, driver);
    }
};

TEST_F(CompactionTest, KeepsLiveDatedRecordsRenumberedAndReports) {
    fields.SetText(kDatabaseIndexField, "5");
    saved = true;
    driver.ExpectMessageBox("Compact Database", forms::vbYes);
    driver.ExpectMessageBox("Compact Database Complete", forms::vbOK);
    Compact();
    EXPECT_EQ(ReadBytes(DataFile()),
              Record('1', "Ann", "1", "04/01/2011") + Record('1', "Eve", "2", "04/05/2011"));
    EXPECT_EQ(fields.Text(kDatabaseIndexField), "2");
    EXPECT_TRUE(saved);
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    EXPECT_EQ(driver.MessageBoxes()[0].prompt,
              "Your database has 5 saved illustrations of which 1\r\n"
              "have been deleted. Compacting your database will:\r\n"
              " - permanently remove the deleted illustrations\r\n"
              " - verify the integrity of your data\r\n\r\nDo you wish to proceed?");
    EXPECT_EQ(driver.MessageBoxes()[1].prompt,
              "Your database now has 2 saved illustrations.\r\n"
              " 1 deleted illustrations were permanently removed.\r\n"
              " 2 damaged illustrations were also removed.\r\n\r\n"
              "Reminder: Now is an excellent time to backup your data.");
}

// Every record dropped is counted: the counts of the question and of the report add up, also
// with a partial record that a write cut short at the end of the file.
TEST_F(CompactionTest, EveryDroppedRecordIsCountedByItsReason) {
    struct Case {
        const char* name;
        std::string tail;
        const char* question;
        const char* report;
    };
    const Case cases[] = {
        {"whole records", "", "has 5 saved illustrations of which 1\r\n",
         "now has 2 saved illustrations.\r\n 1 deleted illustrations were permanently removed."
         "\r\n 2 damaged illustrations"},
        {"a partial record at the end", "1Fay", "has 6 saved illustrations of which 1\r\n",
         "now has 2 saved illustrations.\r\n 1 deleted illustrations were permanently removed."
         "\r\n 3 damaged illustrations"},
    };
    const std::string records = ReadBytes(DataFile());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(DataFile(), records + c.tail);
        driver.ExpectMessageBox("Compact Database", forms::vbYes);
        driver.ExpectMessageBox("Compact Database Complete", forms::vbOK);
        Compact();
        const auto& boxes = driver.MessageBoxes();
        ASSERT_GE(boxes.size(), 2u);
        EXPECT_NE(boxes[boxes.size() - 2].prompt.find(c.question), std::string::npos)
            << boxes[boxes.size() - 2].prompt;
        EXPECT_NE(boxes.back().prompt.find(c.report), std::string::npos) << boxes.back().prompt;
        EXPECT_EQ(ReadBytes(DataFile()),
                  Record('1', "Ann", "1", "04/01/2011") + Record('1', "Eve", "2", "04/05/2011"));
    }
}

TEST_F(CompactionTest, CurrentIllustrationWhoseRecordIsDroppedBecomesNew) {
    for (const char* number : {"3", "2", "9"}) {
        SCOPED_TRACE(number);
        WriteBytes(DataFile(), Record('1', "Ann", "1", "04/01/2011") +
                                   Record('0', "Bob", "2", "04/02/2011") +
                                   Record('1', "Cleo", "3", ""));
        fields.SetText(kDatabaseIndexField, number);
        saved = true;
        driver.ExpectMessageBox("Compact Database", forms::vbYes);
        driver.ExpectMessageBox("Compact Database Complete", forms::vbOK);
        Compact();
        EXPECT_EQ(fields.Text(kDatabaseIndexField), "0");
        EXPECT_FALSE(saved);
    }
}

TEST_F(CompactionTest, NoLeavesEverythingAsItWas) {
    const std::string before = ReadBytes(DataFile());
    fields.SetText(kDatabaseIndexField, "5");
    driver.ExpectMessageBox("Compact Database", forms::vbNo);
    Compact();
    EXPECT_EQ(ReadBytes(DataFile()), before);
    EXPECT_EQ(fields.Text(kDatabaseIndexField), "5");
}

TEST_F(CompactionTest, EmptyFileStaysEmpty) {
    WriteBytes(DataFile(), "");
    driver.ExpectMessageBox("Compact Database", forms::vbYes);
    driver.ExpectMessageBox("Compact Database Complete", forms::vbOK);
    Compact();
    EXPECT_EQ(ReadBytes(DataFile()), "");
    EXPECT_NE(driver.MessageBoxes()[1].prompt.find("now has 0 saved"), std::string::npos);
}

TEST_F(CompactionTest, ErrorsLeaveTheFileAndNoTemporaryFile) {
    const std::string before = ReadBytes(DataFile());
    // Files an earlier, interrupted run might have left.
    const auto leftover = Folder("data") / ".Tallowmere.flt.tmp-1-0";
    WriteBytes(leftover, "left over");
    WriteBytes(Folder("program") / "Temp.flt", "left over");
    {
        store::testing::DiskFullAfter full(kRecordLength / 2);
        driver.ExpectMessageBox("Compact Database", forms::vbYes);
        driver.ExpectMessageBox("Error Reading Database", forms::vbOK);
        Compact();
    }
    EXPECT_EQ(driver.MessageBoxes().back().prompt, "An error occurred. Type: 61.\r\nDisk full\r\n");
    EXPECT_EQ(ReadBytes(DataFile()), before);
    EXPECT_EQ(ReadBytes(leftover), "left over");
    EXPECT_EQ(ReadBytes(Folder("program") / "Temp.flt"), "left over");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(Folder("data"))) {
        ++files;
    }
    EXPECT_EQ(files, 2); // the file and the leftover

    std::filesystem::remove(DataFile());
    driver.ExpectMessageBox("Error Reading Database", forms::vbOK);
    Compact();
    EXPECT_EQ(driver.MessageBoxes().back().prompt,
              "An error occurred. Type: 53.\r\nFile not found\r\n");
}

} // namespace
