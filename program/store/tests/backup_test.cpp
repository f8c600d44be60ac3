#include "program/store/backup.h"

#include "program/store/illustration_record.h"
#include "program/store/tests/store_fixture.h"

#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace store;

namespace fs = std::filesystem;
using store::testing::ReadBytes;
using store::testing::WriteBytes;

class BackupTest : public store::testing::StoreTest {
protected:
    BackupTest() {
        WriteBytes(DataFile(), kRecords);
        fields.SetText(kDatabaseIndexField, "2");
        saved = true;
    }

    fs::path LocalArchive() const { return Folder("program") / "RMDData.zip"; }
    fs::path DiskArchive() const { return Folder("floppy") / "RMDData.zip"; }

    // The illustration file an archive holds; empty when it holds none.
    std::string ArchivedFile(const fs::path& archivePath) {
        const fs::path folder = Folder("unpacked");
        fs::create_directories(folder);
        const auto result = archive::ExtractMember(archivePath, "Tallowmere.flt", folder, "");
        return result == archive::ZipResult::Success ? ReadBytes(folder / "Tallowmere.flt") : "";
    }

    // A disk archive whose only member is an illustration file of `file`.
    void ArchiveOnTheDisk(const std::string& file) {
        const fs::path source = Folder("install") / "Tallowmere.flt";
        WriteBytes(source, file);
        fs::remove(DiskArchive());
        ASSERT_EQ(archive::AddFile(DiskArchive(), source, ""), archive::ZipResult::Success);
    }

    void Restore(BackupKind kind) {
        CurrentIllustration current = Current();
        RestoreClientData(kind, current, driver);
    }

    // `count` live Stretch records filled with `filler`.
    static std::string Records(int count, char filler) {
        std::string record(kRecordLength, filler);
        record[0] = kLiveRecord;
        record[1] = '3';
        std::string records;
        for (int number = 0; number < count; ++number) {
            records += record;
        }
        return records;
    }

    const std::string kRecords = Records(1, '1') + Records(1, '2');
};

TEST_F(BackupTest, DiskBackupCopiesTheArchiveToDriveA) {
    driver.ExpectMessageBox("Backup Client Data", forms::vbOK);
    driver.ExpectMessageBox("Successful Backup", forms::vbOK);
    BackupClientData(BackupKind::Disk, driver);
    EXPECT_EQ(ArchivedFile(DiskArchive()), kRecords);
    EXPECT_EQ(store::testing::UnzipTest(DiskArchive()), 0);
    EXPECT_FALSE(fs::exists(LocalArchive()));
    EXPECT_EQ(driver.MessageBoxes().back().prompt,
              "Your client data was successfully archived to\r\nthe disk in your floppy "
              "drive.\r\n\r\nLabel this disk and store it in a safe place.");
}

TEST_F(BackupTest, InternetBackupAndCancelLeaveTheLocalArchive) {
    BackupClientData(BackupKind::Internet, driver);
    EXPECT_TRUE(driver.MessageBoxes().empty());
    EXPECT_EQ(ArchivedFile(LocalArchive()), kRecords);

    driver.ExpectMessageBox("Backup Client Data", forms::vbCancel);
    BackupClientData(BackupKind::Disk, driver);
    EXPECT_EQ(ArchivedFile(LocalArchive()), kRecords);
    EXPECT_FALSE(fs::exists(DiskArchive()));
}

TEST_F(BackupTest, BackupFailuresAreReported) {
    fs::remove(DataFile());
    driver.ExpectMessageBox("Error creating Zip File", forms::vbOK);
    BackupClientData(BackupKind::Disk, driver);
    EXPECT_EQ(driver.MessageBoxes().back().prompt,
              archive::ResultText(archive::ZipResult::MissingFile));

    WriteBytes(DataFile(), kRecords);
    unsetenv("TALLOWMERE_DRIVE_A"); // no drive A:
    driver.ExpectMessageBox("Backup Client Data", forms::vbOK);
    driver.ExpectMessageBox("Client Data Backup Failure", forms::vbOK);
    BackupClientData(BackupKind::Disk, driver);
    EXPECT_EQ(driver.MessageBoxes().back().prompt,
              "An error occurred. Type: 68.\r\nDevice unavailable\r\n\r\n"
              "Your data was not backed up. Please try again.");
    EXPECT_EQ(ArchivedFile(LocalArchive()), kRecords);
}

TEST_F(BackupTest, RestoreReplacesTheFileAndMakesTheCurrentIllustrationNew) {
    const std::string archived = Records(3, 'r');
    const fs::path source = Folder("install") / "Tallowmere.flt";
    WriteBytes(source, archived);
    ASSERT_EQ(archive::AddFile(DiskArchive(), source, ""), archive::ZipResult::Success);

    Restore(BackupKind::Internet);
    EXPECT_EQ(ReadBytes(DataFile()), kRecords);

    driver.ExpectMessageBox("Restore Client Data", forms::vbCancel);
    Restore(BackupKind::Disk);
    EXPECT_EQ(ReadBytes(DataFile()), kRecords);
    EXPECT_TRUE(saved);

    driver.ExpectMessageBox("Restore Client Data", forms::vbOK);
    driver.ExpectMessageBox("Successful Data Restore", forms::vbOK);
    Restore(BackupKind::Disk);
    EXPECT_EQ(ReadBytes(DataFile()), archived);
    EXPECT_EQ(fields.Text(kDatabaseIndexField), "0");
    EXPECT_FALSE(saved);
}

TEST_F(BackupTest, EmptyDiskArchiveAsksForTheDiskAgain) {
    WriteBytes(DiskArchive(), "");
    driver.ExpectMessageBox("Restore Client Data", forms::vbOK);
    driver.ExpectMessageBox("Restore Client Data", forms::vbCancel);
    Restore(BackupKind::Disk);
    EXPECT_EQ(ReadBytes(DataFile()), kRecords);
}

TEST_F(BackupTest, ArchivesThatCannotBeRestoredLeaveTheFile) {
    const fs::path other = Folder("install") / "Other.flt";
    WriteBytes(other, "not the illustration file");
    const fs::path withoutMember = Folder("install") / "WithoutMember.zip";
    ASSERT_EQ(archive::AddFile(withoutMember, other, ""), archive::ZipResult::Success);
    const fs::path encrypted = Folder("install") / "Encrypted.zip";
    const fs::path source = Folder("install") / "Tallowmere.flt";
    WriteBytes(source, std::string(kRecordLength, 'x'));
    ASSERT_EQ(archive::AddFile(encrypted, source, "secret"), archive::ZipResult::Success);
    struct Case {
        const char* name;
        std::string bytes;
        archive::ZipResult result;
    };
    const Case cases[] = {
        {"damaged", "PK\x03\x04 this is no archive", archive::ZipResult::DamagedArchive},
        {"without the member", ReadBytes(withoutMember), archive::ZipResult::MissingMember},
        {"encrypted", ReadBytes(encrypted), archive::ZipResult::WrongPassword},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        WriteBytes(DiskArchive(), row.bytes);
        driver.ExpectMessageBox("Restore Client Data", forms::vbOK);
        driver.ExpectMessageBox("Error Reading Archive File", forms::vbOK);
        Restore(BackupKind::Disk);
        EXPECT_EQ(driver.MessageBoxes().back().prompt,
                  "Your client data was NOT restored.\r\n" + archive::ResultText(row.result) +
                      " Result code = " + std::to_string(static_cast<int>(row.result)) + ".");
        EXPECT_EQ(ReadBytes(DataFile()), kRecords);
        EXPECT_EQ(fields.Text(kDatabaseIndexField), "2");
        EXPECT_TRUE(saved);
    }

    // Whole members that are no illustration file: refused as the file's reader would refuse
    // them, and the saved illustrations stay.
    const std::pair<const char*, std::string> notIllustrations[] = {
        {"text", "24 bytes of plain text.\r\n"},
        {"empty", ""},
        {"a record of no known type", std::string(kRecordLength, 'x')},
        {"a good record and a bad one", Records(1, 'g') + std::string(kRecordLength, 'x')},
    };
    for (const auto& [name, member] : notIllustrations) {
        SCOPED_TRACE(name);
        ArchiveOnTheDisk(member);
        driver.ExpectMessageBox("Restore Client Data", forms::vbOK);
        driver.ExpectMessageBox("Error Reading Archive File", forms::vbOK);
        Restore(BackupKind::Disk);
        EXPECT_EQ(driver.MessageBoxes().back().prompt,
                  "Your client data was NOT restored.\r\n"
                  "The archived file holds no saved illustrations.");
        EXPECT_EQ(ReadBytes(DataFile()), kRecords);
        EXPECT_EQ(fields.Text(kDatabaseIndexField), "2");
        EXPECT_TRUE(saved);
    }
    // A partial record after whole ones is not read, and does not stop the restore.
    ArchiveOnTheDisk(Records(2, 'p') + "1partial");
    driver.ExpectMessageBox("Restore Client Data", forms::vbOK);
    driver.ExpectMessageBox("Successful Data Restore", forms::vbOK);
    Restore(BackupKind::Disk);
    EXPECT_EQ(ReadBytes(DataFile()), Records(2, 'p') + "1partial");

    fs::remove(DiskArchive());
    driver.ExpectMessageBox("Restore Client Data", forms::vbOK);
    driver.ExpectMessageBox("Client Data Restore Failure", forms::vbOK);
    Restore(BackupKind::Disk);
    EXPECT_EQ(driver.MessageBoxes().back().prompt,
              "An error occurred. Type: 53.\r\nFile not found\r\n\r\n"
              "Your client data was not restored. Please try again.");
    EXPECT_EQ(ReadBytes(DataFile()), Records(2, 'p') + "1partial");
}

} // namespace
