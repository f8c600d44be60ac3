// Metafiles in memory: their bytes checked when they are made, their records enumerated, and the
// stretched-DIB record played into a bitmap.
#include "platform/win32/tests/metafile_bytes.h"
#include "platform/win32/tests/pixels.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using metafile_bytes::Bytes;
using metafile_bytes::Metafile;
using metafile_bytes::Record;
using metafile_bytes::StretchDibRecord;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

HMETAFILE MakeMetafile(const Bytes& bytes) {
    return SetMetaFileBitsEx(static_cast<UINT>(bytes.size()), bytes.data());
}

// Plays every record into `dc` and keeps the functions and the alignment of what it was given.
struct Played {
    std::vector<WORD> functions;
    bool aligned = true;
    bool allPlayed = true;
};

int PlayInto(HDC dc, HANDLETABLE* handles, METARECORD* record, int objects, LPARAM data) {
    Played& played = *reinterpret_cast<Played*>(data);
    played.functions.push_back(record->rdFunction);
    played.aligned = played.aligned && reinterpret_cast<std::uintptr_t>(record) % 4 == 0;
    played.allPlayed = played.allPlayed &&
                       PlayMetaFileRecord(dc, handles, record, static_cast<UINT>(objects)) != 0;
    return 1;
}

struct PictureCase {
    const char* name;
    Bytes dib;
    int width;
    int height;
    Picture expected;
};

TEST(MetafileTest, StretchDibRecordDrawsItsPicture) {
    const PictureCase cases[] = {
        // Three pixels a row, so that the 24-bit rows of 9 bytes are padded to 12.
        {"24 bits",
         metafile_bytes::Dib24({{kRed, kGreen, kBlue}, {kBlack, kWhite, kRed}}),
         3,
         2,
         {"rgb", "#.r"}},
        {"1 bit",
         metafile_bytes::Dib1({"10011", "01110", "00001"}, kWhite, kBlack),
         5,
         3,
         {"#..##", ".###.", "....#"}},
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.name);
        // A comment record before the picture is passed over.
        const HMETAFILE metafile = MakeMetafile(
            Metafile({Record(0x0626, {1, 2, 3, 4}), StretchDibRecord(c.dib, c.width, c.height)}));
        ASSERT_NE(metafile, nullptr);
        EXPECT_EQ(GetObjectType(metafile), DWORD{OBJ_METAFILE});
        TestCanvas canvas(c.width, c.height);
        Played played;
        EXPECT_TRUE(
            EnumMetaFile(canvas.dc(), metafile, PlayInto, reinterpret_cast<LPARAM>(&played)));
        EXPECT_EQ(played.functions, (std::vector<WORD>{0x0626, META_STRETCHDIB}));
        EXPECT_TRUE(played.aligned);
        EXPECT_TRUE(played.allPlayed);
        EXPECT_EQ(canvas.Pixels(), c.expected) << Show(canvas.Pixels());
        EXPECT_TRUE(DeleteMetaFile(metafile));
    }
}

TEST(MetafileTest, EnumerationStopsAtTheEndRecordOrWhenTheCallbackSays) {
    // Records after the end record are not enumerated.
    Bytes bytes = Metafile({Record(0x0626, {})});
    const Bytes after = Record(0x0627, {});
    bytes.insert(bytes.end(), after.begin(), after.end());
    bytes[6] = static_cast<std::uint8_t>(bytes.size() / 2);
    const HMETAFILE metafile = MakeMetafile(bytes);
    ASSERT_NE(metafile, nullptr);
    std::vector<WORD> functions;
    const auto collect = [](HDC, HANDLETABLE*, METARECORD* record, int, LPARAM data) {
        reinterpret_cast<std::vector<WORD>*>(data)->push_back(record->rdFunction);
        return 1;
    };
    EXPECT_TRUE(EnumMetaFile(nullptr, metafile, collect, reinterpret_cast<LPARAM>(&functions)));
    EXPECT_EQ(functions, std::vector<WORD>{0x0626});
    const auto stop = [](HDC, HANDLETABLE*, METARECORD*, int, LPARAM) { return 0; };
    EXPECT_FALSE(EnumMetaFile(nullptr, metafile, stop, 0));

    const std::size_t live = win32::LiveObjectCount();
    EXPECT_TRUE(DeleteMetaFile(metafile));
    EXPECT_EQ(win32::LiveObjectCount(), live - 1);
    EXPECT_EQ(GetObjectType(metafile), 0u);
    EXPECT_FALSE(DeleteMetaFile(metafile));
    EXPECT_FALSE(EnumMetaFile(nullptr, metafile, collect, reinterpret_cast<LPARAM>(&functions)));
}

struct MalformedCase {
    const char* name;
    Bytes bytes;
};

// `bytes` with the 32-bit value at `offset` replaced.
Bytes With32(Bytes bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return bytes;
}

TEST(MetafileTest, MalformedBytesMakeNoMetafile) {
    // One comment record of 4 words at byte 18, then the end record at byte 26; 16 words in all.
    const Bytes good = Metafile({Record(0x0626, {1, 2})});
    ASSERT_EQ(good.size(), 32u);
    ASSERT_NE(MakeMetafile(good), nullptr);
    Bytes wrongType = good;
    wrongType[0] = 3;
    Bytes wrongHeaderSize = good;
    wrongHeaderSize[2] = 8;
    const MalformedCase cases[] = {
        {"shorter than the header", Bytes(good.begin(), good.begin() + 17)},
        {"unknown type", wrongType},
        {"header of 8 words", wrongHeaderSize},
        {"size below the header", With32(good, 6, 8)},
        {"size beyond the data", With32(good, 6, 17)},
        {"record running past the end", With32(good, 18, 8)},
        {"record of size 0", With32(good, 18, 0)},
        {"record of size 2", With32(good, 18, 2)},
        {"end record past the end", With32(good, 26, 4)},
        {"size cutting the end record", With32(good, 6, 15)},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MakeMetafile(c.bytes), nullptr);
    }
    EXPECT_EQ(SetMetaFileBitsEx(100, nullptr), nullptr);
}

TEST(MetafileTest, StretchDibRecordWhosePictureDoesNotFitIsNotPlayed) {
    const Bytes whole = StretchDibRecord(metafile_bytes::Dib24({{kRed, kRed}, {kRed, kRed}}), 2, 2);
    TestCanvas canvas(2, 2);
    // The record's size cut two words short of its bits, then to its parameters alone.
    for (const std::uint32_t words : {static_cast<std::uint32_t>(whole.size() / 2 - 2), 14u}) {
        SCOPED_TRACE(words);
        const Bytes cut = With32(whole, 0, words);
        std::vector<DWORD> record((whole.size() + 3) / 4);
        std::memcpy(record.data(), cut.data(), cut.size());
        EXPECT_FALSE(PlayMetaFileRecord(canvas.dc(), nullptr,
                                        reinterpret_cast<const METARECORD*>(record.data()), 0));
        EXPECT_EQ(canvas.Pixels(), (Picture{"..", ".."}));
    }
    EXPECT_FALSE(PlayMetaFileRecord(canvas.dc(), nullptr, nullptr, 0));
}

} // namespace
