// The print file's header block, its buffered reading and writing, and its CRC.
#include "family/print/src/printfile/print_file_buffer.h"
#include "family/print/src/printfile/print_file_crc.h"
#include "family/print/src/printfile/print_file_layout.h"
#include "family/print/tests/print_file_fixture.h"

#include "platform/crc/crc16.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <fcntl.h>

namespace {

using namespace pressel;
using pressel_test::Descriptor;

TEST(PrintFileHeader, TablesLieWhereReadersLookForThem) {
    // The extra page record moves every table after the page table by 16 bytes.
    EXPECT_EQ(kPageTableOffset, 440u);
    EXPECT_EQ(kLineTableOffset, 856u);
    EXPECT_EQ(kPictureCountOffset, 43981u);
    EXPECT_EQ(kPrintFileHeaderSize, 44375u);
}

TEST(PrintFileHeader, RoundTripsEveryFieldAndCutsLongNames) {
    PrintFileHeader header = pressel_test::MakeSoundFile().header;
    header.defaultFont = 1;
    header.fonts[9] = FontRecord{std::string(40, 'F'), 2, 34};
    header.colours[19] = 0x00ABCDEF;
    header.pages[kMaxPages].firstBodyLine = 1724;
    header.lines[kLineRecords - 1] =
        LineRecord{-5, RunStyle{13, 9, -200, 19, 18}, 7, -3, -70000, -2, -30, 123456789};
    header.pictures[49] = 0xFFFFFFFF;
    header.printerDriver = "winspool";
    header.printerPort = std::string(70, 'P');

    const std::vector<std::uint8_t> block = EncodePrintFileHeader(header);
    ASSERT_EQ(block.size(), kPrintFileHeaderSize);
    EXPECT_EQ(std::string(block.begin(), block.begin() + 4), "HuxF");
    const PrintFileHeader back = DecodePrintFileHeader(block);

    header.fonts[9].faceName.resize(kFaceNameSize - 1);
    header.printerPort.resize(kPrinterNameSize - 1);
    EXPECT_EQ(back.defaultFont, 1);
    for (int i = 0; i < kMaxFonts; ++i) {
        EXPECT_EQ(back.fonts[i].faceName, header.fonts[i].faceName);
        EXPECT_EQ(back.fonts[i].charSet, header.fonts[i].charSet);
        EXPECT_EQ(back.fonts[i].pitchAndFamily, header.fonts[i].pitchAndFamily);
    }
    EXPECT_EQ(back.colours, header.colours);
    EXPECT_EQ(back.pageCount, header.pageCount);
    EXPECT_EQ(back.pages, header.pages);
    EXPECT_EQ(back.lines, header.lines);
    EXPECT_EQ(back.pictureCount, header.pictureCount);
    EXPECT_EQ(back.pictures, header.pictures);
    EXPECT_EQ(back.printerDriver, header.printerDriver);
    EXPECT_EQ(back.printerDevice, "");
    EXPECT_EQ(back.printerPort, header.printerPort);
}

TEST(PrintFileHeader, ShortBlockReadsAsZero) {
    const std::vector<std::uint8_t> block =
        EncodePrintFileHeader(pressel_test::MakeSoundFile().header);
    const PrintFileHeader back =
        DecodePrintFileHeader(std::span(block).first(kPageTableOffset + kPageRecordSize));
    EXPECT_EQ(back.pageCount, 1);
    EXPECT_EQ(back.pages[0].firstHeaderLine, kFirstHeaderFooterLine);
    EXPECT_EQ(back.pages[1], PageRecord{});
    EXPECT_EQ(back.lines[0], LineRecord{});
}

class PrintFileBufferTest : public ::testing::Test {
protected:
    std::string WriteThrough(const std::vector<std::uint8_t>& bytes) {
        const std::filesystem::path path = sandbox_.Root() / "buffer.bin";
        {
            const Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600));
            PrintFileBuffer buffer(file.Get());
            EXPECT_TRUE(buffer.PutBytes(bytes));
            EXPECT_EQ(buffer.Tell(), static_cast<std::int64_t>(bytes.size()));
            EXPECT_TRUE(buffer.Flush());
        }
        return testkit::ReadFileBytes(path);
    }

    testkit::Sandbox sandbox_;
};

std::vector<std::uint8_t> Pattern(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    }
    return bytes;
}

TEST_F(PrintFileBufferTest, WritesAndReadsAcrossManyBufferFills) {
    const std::vector<std::uint8_t> bytes = Pattern(3 * PrintFileBuffer::kSize + 17);
    const std::string written = WriteThrough(bytes);
    ASSERT_EQ(written, std::string(bytes.begin(), bytes.end()));

    const Descriptor file = pressel_test::OpenForReading(sandbox_.Root() / "buffer.bin");
    PrintFileBuffer buffer(file.Get());
    std::vector<std::uint8_t> read;
    std::uint8_t byte = 0;
    while (buffer.GetByte(byte)) {
        read.push_back(byte);
    }
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(buffer.Tell(), static_cast<std::int64_t>(bytes.size()));
}

TEST_F(PrintFileBufferTest, SeeksCountFromWhatTheCallerConsumed) {
    const std::vector<std::uint8_t> bytes = Pattern(2 * PrintFileBuffer::kSize);
    WriteThrough(bytes);
    const Descriptor file = pressel_test::OpenForReading(sandbox_.Root() / "buffer.bin");
    PrintFileBuffer buffer(file.Get());
    std::uint8_t byte = 0;
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(buffer.GetByte(byte));
    }
    // The buffer read a whole block ahead; a tell and a relative seek still count from 10.
    EXPECT_EQ(buffer.Seek(0, PrintFileBuffer::Origin::kCurrent), 10);
    EXPECT_EQ(buffer.Seek(5, PrintFileBuffer::Origin::kCurrent), 15);
    ASSERT_TRUE(buffer.GetByte(byte));
    EXPECT_EQ(byte, bytes[15]);
    // Back to an earlier offset, whatever was buffered before.
    EXPECT_EQ(buffer.Seek(3, PrintFileBuffer::Origin::kStart), 3);
    ASSERT_TRUE(buffer.GetByte(byte));
    EXPECT_EQ(byte, bytes[3]);
    EXPECT_EQ(buffer.Seek(-1, PrintFileBuffer::Origin::kEnd),
              static_cast<std::int64_t>(bytes.size()) - 1);
    ASSERT_TRUE(buffer.GetByte(byte));
    EXPECT_EQ(byte, bytes.back());
    EXPECT_FALSE(buffer.GetByte(byte));
}

TEST_F(PrintFileBufferTest, FailedWriteAnswersFalseAndKeepsThePendingBytes) {
    const Descriptor file = pressel_test::OpenForReading("/dev/null");
    PrintFileBuffer buffer(file.Get());
    const std::vector<std::uint8_t> bytes = Pattern(PrintFileBuffer::kSize - 1);
    EXPECT_TRUE(buffer.PutBytes(bytes));
    // The last byte fills the buffer, whose flush into a read-only descriptor fails.
    EXPECT_FALSE(buffer.PutByte(1));
    EXPECT_FALSE(buffer.PutByte(2));
    EXPECT_FALSE(buffer.Flush());
}

TEST(PrintFileCrc, StoresTheStandardCrcBigEndian) {
    testkit::Sandbox sandbox;
    const std::uint16_t digits = PrintFileCrc(sandbox.WriteFile("digits", "123456789"));
    EXPECT_EQ(digits & 0xFF, 0xD6);
    EXPECT_EQ(digits >> 8, 0x4E);
    EXPECT_EQ(PrintFileCrc(sandbox.WriteFile("empty", "")), 0);
    EXPECT_EQ(PrintFileCrc(sandbox.Root() / "missing"), 0);
    // Across several 4096-byte blocks, the same as the whole file at once.
    const std::vector<std::uint8_t> big = Pattern(3 * 4096 + 5);
    const std::string bigText(big.begin(), big.end());
    EXPECT_EQ(PrintFileCrc(sandbox.WriteFile("big", bigText)), crc::Crc16Of(bigText));
}

} // namespace
