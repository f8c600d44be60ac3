// _UtilCompressFile and _UtilExpandFile on files in the sandbox: round trips, the header's
// checks, and what each failure leaves behind.
#include "family/util/umbrant.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

enum { kDone = 0, kNoSource = 1, kNoTarget = 2, kNotCompressed = 4, kFailed = 5, kBadCrc = 6 };

std::string Le32(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<char>(value >> (8 * i));
    }
    return bytes;
}

std::uint32_t CrcOf(const std::string& data) {
    return static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

std::string Varied(std::size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        // Runs of text and noise, so that both literals and copies occur.
        data[i] =
            (i / 300) % 2 == 0 ? "amount date text "[i % 17] : static_cast<char>(generator() % 256);
    }
    return data;
}

class CompressedFile : public testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (sandbox_.Root() / name).string(); }
    void Write(const std::string& name, const std::string& contents) const {
        sandbox_.WriteFile(name, contents);
    }
    std::string Read(const std::string& name) const {
        return testkit::ReadFileBytes(sandbox_.Root() / name);
    }
    int Compress(const std::string& source, const std::string& target, int dictionary = 1,
                 int coding = 0) const {
        return _UtilCompressFile(PathOf(source).c_str(), PathOf(target).c_str(), dictionary,
                                 coding);
    }
    int Expand(const std::string& source, const std::string& target) const {
        return _UtilExpandFile(PathOf(source).c_str(), PathOf(target).c_str());
    }

    testkit::Sandbox sandbox_;
};

TEST_F(CompressedFile, RoundTripsFilesOfManySizes) {
    for (const std::size_t size : {0UL, 1UL, 2UL, 517UL, 4096UL, 12289UL, 300000UL}) {
        for (const int coding : {0, 1}) {
            SCOPED_TRACE(testing::Message() << size << " bytes, coding " << coding);
            const std::string data = Varied(size, static_cast<unsigned>(size));
            Write("plain", data);
            ASSERT_EQ(Compress("plain", "packed", 1, coding), kDone);
            const std::string packed = Read("packed");
            EXPECT_EQ(packed.substr(0, 12), "KemC" + Le32(0) + Le32(CrcOf(data)));
            ASSERT_EQ(Expand("packed", "unpacked"), kDone);
            EXPECT_TRUE(Read("unpacked") == data);
        }
    }
}

TEST_F(CompressedFile, EmptyFileIsSixteenBytesAndExpandsToAnEmptyFile) {
    Write("empty", "");
    ASSERT_EQ(Compress("empty", "packed", 0), kDone);
    EXPECT_EQ(Read("packed"), "KemC" + Le32(0) + Le32(0) + std::string("\x00\x04\x01\xff", 4));
    Write("unpacked", "old contents");
    EXPECT_EQ(Expand("packed", "unpacked"), kDone);
    EXPECT_EQ(Read("unpacked"), "");
}

TEST_F(CompressedFile, DictionaryCodesAndCodingsGiveTheFormatBytes) {
    struct Case {
        int dictionary;
        int coding;
        int result;
        std::string formatBytes; // empty: the target is left empty
    };
    const Case cases[] = {
        {0, 0, kDone, {"\x00\x04", 2}},         {1, 0, kDone, {"\x00\x06", 2}},
        {2, 1, kDone, {"\x01\x05", 2}},         {2, 7, kDone, {"\x00\x05", 2}},
        {0x100, 0x101, kDone, {"\x01\x04", 2}}, {3, 0, 4, ""},
    };
    Write("plain", "some text to compress, some text to compress");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dictionary << " " << c.coding);
        EXPECT_EQ(Compress("plain", "packed", c.dictionary, c.coding), c.result);
        const std::string packed = Read("packed");
        EXPECT_EQ(packed.substr(std::min<std::size_t>(12, packed.size()), 2), c.formatBytes);
    }
}

TEST_F(CompressedFile, AsciiAndBinaryCodingExpandAlike) {
    const std::string text = Varied(20000, 5);
    Write("plain", text);
    ASSERT_EQ(Compress("plain", "binary", 2, 0), kDone);
    ASSERT_EQ(Compress("plain", "ascii", 2, 1), kDone);
    EXPECT_NE(Read("binary"), Read("ascii"));
    ASSERT_EQ(Expand("binary", "from-binary"), kDone);
    ASSERT_EQ(Expand("ascii", "from-ascii"), kDone);
    EXPECT_TRUE(Read("from-binary") == text);
    EXPECT_TRUE(Read("from-ascii") == text);
}

TEST_F(CompressedFile, AFileThatIsNoContainerNeverTouchesTheTarget) {
    Write("plain", Varied(1000, 1));
    ASSERT_EQ(Compress("plain", "packed"), kDone);
    const std::string packed = Read("packed");
    struct Case {
        const char* name;
        std::string contents;
    };
    const Case cases[] = {
        {"empty", ""},
        {"short", packed.substr(0, 11)},
        {"other magic", "Kemc" + packed.substr(4)},
        {"reserved word 1", packed.substr(0, 4) + Le32(1) + packed.substr(8)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write("bad", c.contents);
        Write("target", "kept");
        EXPECT_EQ(Expand("bad", "target"), kNotCompressed);
        EXPECT_EQ(Read("target"), "kept");
        EXPECT_EQ(Expand("bad", "new"), kNotCompressed);
        EXPECT_FALSE(fs::exists(sandbox_.Root() / "new"));
    }
}

// A damaged stream or a wrong CRC fails and leaves the target as it was: an existing one keeps
// its contents, a missing one is not created.
TEST_F(CompressedFile, DamagedStreamsFailAndLeaveTheTargetAsItWas) {
    const std::string data = Varied(30000, 2);
    Write("plain", data);
    ASSERT_EQ(Compress("plain", "packed"), kDone);
    const std::string packed = Read("packed");
    struct Case {
        const char* name;
        std::string contents;
        int result;
    };
    const Case cases[] = {
        {"wrong CRC", packed.substr(0, 8) + Le32(CrcOf(data) ^ 1) + packed.substr(12), kBadCrc},
        {"truncated", packed.substr(0, packed.size() / 2), kFailed},
        // A copy of 3 bytes one back as the first code.
        {"copy before the start", "KemC" + Le32(0) + Le32(0) + std::string("\x00\x04\x1f\x00", 4),
         kFailed},
        {"fewer than 4 stream bytes", "KemC" + Le32(0) + Le32(0) + std::string("\x00\x04\x01", 3),
         kFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write("bad", c.contents);
        Write("target", "kept");
        EXPECT_EQ(Expand("bad", "target"), c.result);
        EXPECT_TRUE(Read("target") == "kept") << "the target keeps its contents";
        EXPECT_EQ(Expand("bad", "new"), c.result);
        EXPECT_FALSE(fs::exists(sandbox_.Root() / "new"));
        EXPECT_EQ(
            std::count_if(fs::directory_iterator(sandbox_.Root()), fs::directory_iterator(),
                          [](const fs::directory_entry& entry) { return entry.is_regular_file(); }),
            4)
            << "plain, packed, bad and target: no temporary file is left beside the target";
    }
}

TEST_F(CompressedFile, RefusesMissingFilesAndASourceAsItsOwnTarget) {
    Write("plain", "contents");
    ASSERT_EQ(Compress("plain", "packed"), kDone);
    const std::string packed = Read("packed");
    EXPECT_EQ(Compress("missing", "out"), kNoSource);
    EXPECT_EQ(Expand("missing", "out"), kNoSource);
    EXPECT_EQ(Compress("plain", "no-folder/out"), kNoTarget);
    EXPECT_EQ(Expand("packed", "no-folder/out"), kNoTarget);
    EXPECT_EQ(Compress("plain", "plain"), kNoTarget);
    EXPECT_EQ(Expand("packed", "packed"), kNoTarget);
    fs::create_directory(sandbox_.Root() / "folder");
    EXPECT_EQ(Compress("plain", "folder"), kNoTarget);
    EXPECT_EQ(Expand("packed", "folder"), kNoTarget);
    EXPECT_TRUE(fs::is_empty(sandbox_.Root() / "folder"));
    fs::create_symlink(sandbox_.Root() / "packed", sandbox_.Root() / "link");
    EXPECT_EQ(Expand("packed", "link"), kNoTarget);
    EXPECT_EQ(Read("plain"), "contents");
    EXPECT_EQ(Read("packed"), packed);
    EXPECT_EQ(_UtilCompressFile(nullptr, PathOf("out").c_str(), 0, 0), kNoSource);
}

} // namespace
