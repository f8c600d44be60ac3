#include "platform/system/record_file.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/runtime_errors.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

namespace fs = std::filesystem;

using sys::RecordAccess;
using sys::RecordFile;
using testkit::ErrorNumberOf;
using testkit::ReadFileBytes;
using testkit::Sandbox;

// A record of `length` bytes: `text` padded with blanks, as the program stores its texts.
std::string Record(const std::string& text, std::size_t length = 10) {
    std::string record = text;
    record.resize(length, ' ');
    return record;
}

class RecordFileTest : public ::testing::Test {
protected:
    Sandbox sandbox;
    fs::path path = sandbox.Root() / "Tallowmere.flt";
};

TEST_F(RecordFileTest, WritesAndReadsRecordsBack) {
    {
        RecordFile file(path, 10, RecordAccess::ReadWrite);
        EXPECT_EQ(file.RecordCount(), 0);
        file.Write(1, Record("1one"));
        file.Write(2, Record("1two"));
        file.Write(3, Record("1three"));
        file.Write(2, Record("0two"));
        file.Close();
    }
    EXPECT_EQ(ReadFileBytes(path), Record("1one") + Record("0two") + Record("1three"));
    RecordFile file(path, 10, RecordAccess::Read);
    EXPECT_EQ(file.RecordCount(), 3);
    EXPECT_EQ(file.Read(1), Record("1one"));
    EXPECT_EQ(file.Read(2), Record("0two"));
    EXPECT_EQ(file.Read(3), Record("1three"));
}

TEST_F(RecordFileTest, WritingPastTheEndExtendsTheFile) {
    RecordFile file(path, 10, RecordAccess::ReadWrite);
    file.Write(1, Record("first"));
    file.Write(4, Record("fourth"));
    EXPECT_EQ(file.RecordCount(), 4);
    EXPECT_EQ(fs::file_size(path), 40u);
    EXPECT_EQ(file.Read(2), std::string(10, '\0'));
    EXPECT_EQ(file.Read(4), Record("fourth"));
}

TEST_F(RecordFileTest, PartialTailIsNotCountedAndReadsDoNotChangeIt) {
    sandbox.WriteFile("Tallowmere.flt", Record("one") + Record("two") + "tail");
    RecordFile file(path, 10, RecordAccess::ReadWrite);
    EXPECT_EQ(file.RecordCount(), 2);
    EXPECT_EQ(file.Read(3), std::string("tail") + std::string(6, '\0'));
    EXPECT_EQ(file.Read(7), std::string(10, '\0'));
    file.Close();
    EXPECT_EQ(ReadFileBytes(path), Record("one") + Record("two") + "tail");

    RecordFile again(path, 10, RecordAccess::ReadWrite);
    again.Write(3, Record("three"));
    EXPECT_EQ(again.RecordCount(), 3);
    EXPECT_EQ(again.Read(3), Record("three"));
}

TEST_F(RecordFileTest, BadRecordNumbersAreRefused) {
    sandbox.WriteFile("Tallowmere.flt", Record("one"));
    RecordFile file(path, 10, RecordAccess::ReadWrite);
    for (std::int64_t number :
         {std::int64_t{0}, std::int64_t{-1}, std::int64_t{-1000}, std::int64_t{2147483648}}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(ErrorNumberOf([&] { file.Read(number); }), 63);
        EXPECT_EQ(ErrorNumberOf([&] { file.Write(number, Record("x")); }), 63);
    }
    EXPECT_EQ(ReadFileBytes(path), Record("one"));
}

TEST_F(RecordFileTest, OpeningAndAccessErrors) {
    EXPECT_EQ(ErrorNumberOf([&] { RecordFile(path, 10, RecordAccess::Read); }), 53);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(ErrorNumberOf([&] {
                  RecordFile(sandbox.Root() / "no/folder/x.flt", 10, RecordAccess::ReadWrite);
              }),
              76);
    fs::create_directory(sandbox.Root() / "folder.flt");
    EXPECT_EQ(
        ErrorNumberOf([&] { RecordFile(sandbox.Root() / "folder.flt", 10, RecordAccess::Read); }),
        75);

    sandbox.WriteFile("Tallowmere.flt", Record("one"));
    RecordFile reader(path, 10, RecordAccess::Read);
    EXPECT_EQ(ErrorNumberOf([&] { reader.Write(1, Record("changed")); }), 75);
    EXPECT_EQ(ReadFileBytes(path), Record("one"));
}

// The runtime allows records of 1 to 32767 bytes; other lengths, and records of another
// length than the file's, are its error 59, bad record length.
TEST_F(RecordFileTest, BadRecordLengthsAreRefused) {
    sandbox.WriteFile("Tallowmere.flt", Record("one"));
    for (std::size_t length : {std::size_t{0}, std::size_t{32768}, std::size_t{1} << 40,
                               std::numeric_limits<std::size_t>::max()}) {
        SCOPED_TRACE(length);
        EXPECT_EQ(ErrorNumberOf([&] {
                      RecordFile file(path, length, RecordAccess::ReadWrite);
                      file.Write(2, std::string(1, 'x'));
                  }),
                  59);
    }
    RecordFile longest(sandbox.Root() / "longest.flt", 32767, RecordAccess::ReadWrite);
    EXPECT_EQ(longest.Read(2147483647), std::string(32767, '\0'));
    RecordFile writer(path, 10, RecordAccess::ReadWrite);
    EXPECT_EQ(ErrorNumberOf([&] { writer.Write(1, "short"); }), 59);
    EXPECT_EQ(ErrorNumberOf([&] { writer.Write(1, Record("too long", 11)); }), 59);
    EXPECT_EQ(ReadFileBytes(path), Record("one"));
}

TEST_F(RecordFileTest, ThousandByteRecordsAsTheProgramUsesThem) {
    RecordFile file(path, 1000, RecordAccess::ReadWrite);
    for (int n = 1; n <= 7; ++n) {
        file.Write(n, Record(std::to_string(n), 1000));
    }
    EXPECT_EQ(file.RecordCount(), 7);
    EXPECT_EQ(file.Read(5).substr(0, 2), "5 ");
    file.Close();
    EXPECT_EQ(fs::file_size(path), 7000u);
}

} // namespace
