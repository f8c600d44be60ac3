// The template's own pictures: a `pict` group's metafile read into a bitmap, the groups whose
// data are no good metafile read past without one, and the bitmaps placed by the converter.
#include "family/print/src/convert/rtf_interpreter.h"
#include "family/print/src/convert/rtf_keywords.h"
#include "family/print/tests/converter_fixture.h"
#include "family/print/tests/print_file_fixture.h"

#include "platform/testing/sandbox.h"
#include "platform/win32/testing/pixels.h"
#include "platform/win32/tests/metafile_bytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace pressel;
using metafile_bytes::Bytes;
using win32::testing::PixelsOf;
using win32::testing::PixelsOfRows;
using win32::testing::SamePixels;
using Rows = std::vector<std::vector<COLORREF>>;

constexpr std::size_t kBufferLength = 100;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

const Rows kSmallPicture = {{kRed, kGreen, kBlue}, {kBlack, kWhite, kRed}};

Bytes StretchDib(const Rows& rows) {
    return metafile_bytes::StretchDibRecord(metafile_bytes::Dib24(rows),
                                            static_cast<int>(rows.front().size()),
                                            static_cast<int>(rows.size()));
}

// A picture group of the metafile, its digits in lines of 64 as writers break them.
std::string PictureGroup(const std::string& digits,
                         const char* size = "\\picwgoal300\\pichgoal200") {
    std::string group = std::string("{\\pict\\wmetafile8") + size + "\r\n";
    for (std::size_t i = 0; i < digits.size(); i += 64) {
        group += digits.substr(i, 64) + "\r\n";
    }
    return group + "}";
}

std::string PictureGroup(const Bytes& metafile) {
    return PictureGroup(metafile_bytes::Hex(metafile));
}

class RtfPictureTest : public ::testing::Test {
protected:
    // The first device contexts make the stock objects, which live on: made here, so that the
    // counts of live objects see only what the reader makes.
    void SetUp() override {
        ReleaseDC(nullptr, GetDC(nullptr));
        DeleteDC(CreateCompatibleDC(nullptr));
    }

    // Interprets the template to its end and answers each stop as "code:text".
    std::vector<std::string> Stops(const std::string& text) {
        const std::filesystem::path path = sandbox_.WriteFile("template.rtf", text);
        file_ = std::make_unique<pressel_test::Descriptor>(
            pressel_test::OpenForReading(path).Release());
        tokenizer_ = std::make_unique<RtfTokenizer>(file_->Get());
        interpreter_ = std::make_unique<RtfInterpreter>(*tokenizer_);
        interpreter_->SetPictureProgress([this] { ++progressReports_; });
        std::vector<std::string> stops;
        std::string word;
        for (int code = interpreter_->Interpret(kBufferLength, state_, word); code != kRtfEnd;
             code = interpreter_->Interpret(kBufferLength, state_, word)) {
            stops.push_back(std::to_string(code) + ":" + word);
            if (code == kRtfPictureDone) {
                pictures_.push_back(interpreter_->TakePicture());
            }
        }
        return stops;
    }

    testkit::Sandbox sandbox_;
    std::unique_ptr<pressel_test::Descriptor> file_;
    std::unique_ptr<RtfTokenizer> tokenizer_;
    std::unique_ptr<RtfInterpreter> interpreter_;
    FormatState state_;
    std::vector<OwnedBitmap> pictures_;
    int progressReports_ = 0;
};

using Strings = std::vector<std::string>;

struct PictureCase {
    const char* name;
    const char* size; // and what else comes before the data
    Bytes dib;
    Rows expected;
};

TEST_F(RtfPictureTest, StretchDibRecordBecomesTheBitmap) {
    const PictureCase cases[] = {
        // Three pixels a row, so that the rows of 9 bytes are padded to 12.
        {"24 bits", "\\picwgoal300\\pichgoal200", metafile_bytes::Dib24(kSmallPicture),
         kSmallPicture},
        // A line break ends the size word; another comes before the data.
        {"1 bit",
         "\\picwgoal300\\pichgoal200\r\n{\\*\\blipuid 1a2b}",
         metafile_bytes::Dib1({"10011", "01110"}, kBlue, kWhite),
         {{kWhite, kBlue, kBlue, kWhite, kWhite}, {kBlue, kWhite, kWhite, kWhite, kBlue}}},
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.name);
        pictures_.clear();
        const int width = static_cast<int>(c.expected.front().size());
        const int height = static_cast<int>(c.expected.size());
        const Bytes metafile =
            metafile_bytes::Metafile({metafile_bytes::StretchDibRecord(c.dib, width, height)});
        EXPECT_EQ(Stops("a" + PictureGroup(metafile_bytes::Hex(metafile), c.size) + "after"),
                  (Strings{"0:a", "100:pict", "0:after"}));
        ASSERT_EQ(pictures_.size(), 1u);
        ASSERT_TRUE(pictures_[0]);
        EXPECT_TRUE(SamePixels(PixelsOfRows(c.expected), PixelsOf(pictures_[0].get())));
        EXPECT_EQ(state_.pictureWidth, 300);
        EXPECT_EQ(state_.pictureHeight, 200);
    }
}

TEST_F(RtfPictureTest, LastStretchDibWinsAndEarlierBitmapsAreDeleted) {
    const Rows second = {{kBlue}, {kGreen}};
    const Bytes metafile =
        metafile_bytes::Metafile({StretchDib(kSmallPicture), StretchDib(second)});
    const std::size_t live = win32::LiveObjectCount();
    Stops(PictureGroup(metafile) + "after");
    ASSERT_EQ(pictures_.size(), 1u);
    EXPECT_TRUE(SamePixels(PixelsOfRows(second), PixelsOf(pictures_[0].get())));
    EXPECT_EQ(win32::LiveObjectCount(), live + 1) << "only the last record's bitmap is kept";
    // A picture not taken is deleted by the next one and by the interpreter's end.
    const std::filesystem::path path =
        sandbox_.WriteFile("two.rtf", PictureGroup(metafile) + PictureGroup(metafile));
    pressel_test::Descriptor file = pressel_test::OpenForReading(path);
    {
        RtfTokenizer tokenizer(file.Get());
        RtfInterpreter interpreter(tokenizer);
        std::string word;
        while (interpreter.Interpret(kBufferLength, state_, word) != kRtfEnd) {
            EXPECT_EQ(win32::LiveObjectCount(), live + 2);
        }
    }
    EXPECT_EQ(win32::LiveObjectCount(), live + 1);
}

// `bytes` with the 32-bit value at `offset` replaced.
Bytes With32(Bytes bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return bytes;
}

struct BadPictureCase {
    const char* name;
    std::string group;
};

TEST_F(RtfPictureTest, GroupsWithoutAGoodMetafileGiveNoBitmapAndReadingGoesOn) {
    const Bytes good = metafile_bytes::Metafile({StretchDib(kSmallPicture)});
    const std::string digits = metafile_bytes::Hex(good);
    const std::uint32_t words = static_cast<std::uint32_t>(good.size() / 2);
    std::string upperCase = digits;
    upperCase[40] = 'F';
    // Bytes 6-9 hold the metafile's size in words, bytes 18-21 the first record's.
    const BadPictureCase cases[] = {
        {"size below the header", PictureGroup(With32(good, 6, 8))},
        {"size beyond the template", PictureGroup(With32(good, 6, 0x7FFFFFFF))},
        {"size beyond the data", PictureGroup(With32(good, 6, words + 4))},
        {"record running past the end", PictureGroup(With32(good, 18, words))},
        {"record of size 0", PictureGroup(With32(good, 18, 0))},
        // Bytes 30-33 hold the record's source height and width: 16000 x 16000.
        {"source larger than the record's picture", PictureGroup(With32(good, 30, 0x3E803E80))},
        {"data ending early", PictureGroup(digits.substr(0, digits.size() - 8))},
        {"upper-case digit", PictureGroup(upperCase)},
        {"header cut short", "{\\pict\\wmetafile8 0100 0900}"},
        {"no picture group data", "{\\pict\\wmetafile8\\picwgoal300}"},
        {"no stretch-DIB record",
         PictureGroup(metafile_bytes::Metafile({metafile_bytes::Record(0x0626, {1, 2})}))},
        {"another picture kind",
         "{\\pict\\pngblip 89504e470d0a1a0a0000000d494844520000000100000001}"},
    };
    const std::size_t live = win32::LiveObjectCount();
    for (const BadPictureCase& c : cases) {
        SCOPED_TRACE(c.name);
        pictures_.clear();
        // Text enough after the group that the template can hold the sizes the cases claim.
        const Strings stops = Stops(c.group + "after" + std::string(200, ' '));
        ASSERT_GE(stops.size(), 2u);
        EXPECT_EQ((Strings{stops[0], stops[1]}), (Strings{"100:pict", "0:after"}));
        ASSERT_EQ(pictures_.size(), 1u);
        EXPECT_FALSE(pictures_[0]);
        EXPECT_EQ(win32::LiveObjectCount(), live);
    }
}

TEST_F(RtfPictureTest, LongPicturesReportProgressEvery2048Words) {
    // 48 x 60 pixels of 24 bits: 8640 bytes of bits, 4370 words with the headers.
    const Rows rows(60, std::vector<COLORREF>(48, kGreen));
    const Bytes metafile = metafile_bytes::Metafile({StretchDib(rows)});
    const int words = static_cast<int>(metafile.size() / 2);
    ASSERT_GT(words - 9, 2 * 2048);
    Stops(PictureGroup(metafile));
    EXPECT_EQ(progressReports_, (words - 9) / 2048);
    ASSERT_EQ(pictures_.size(), 1u);
    EXPECT_TRUE(SamePixels(PixelsOfRows(rows), PixelsOf(pictures_[0].get())));
}

using pressel_test::Conversion;
using pressel_test::ConverterTest;

// Deletes the bitmaps the converter made.
void DeleteTemplatePictures(const Conversion& conversion) {
    for (int i = 0; i < conversion.header.pictureCount; ++i) {
        DeleteObject(conversion.PictureAt(i));
    }
}

TEST_F(ConverterTest, TemplatePictureJoinsThePictureTableAndItsLine) {
    const Bytes metafile = metafile_bytes::Metafile({StretchDib(kSmallPicture)});
    const std::size_t live = win32::LiveObjectCount();
    // A picture 400 twips high raises the line's ascent from 240; one 8000 wide leaves too
    // little room after "a" (1800 + 120 + 8000) for the six letters after it.
    const Conversion conversion = Convert(
        "\\pard a" + PictureGroup(metafile) + "b " +
        PictureGroup(metafile_bytes::Hex(metafile), "\\picwgoal8000\\pichgoal400") + "cdefgh\\par");
    EXPECT_EQ(conversion.result, 0);
    EXPECT_EQ(conversion.BodyLines(0),
              (Strings{"x=1800 a=400 d=60|a|<pic:0 300x200>|b |<pic:1 8000x400>|",
                       "x=1800 a=240 d=60|cdefgh|"}));
    ASSERT_EQ(conversion.header.pictureCount, 2);
    EXPECT_EQ(win32::LiveObjectCount(), live + 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(SamePixels(PixelsOfRows(kSmallPicture), PixelsOf(conversion.PictureAt(i))));
    }
    DeleteTemplatePictures(conversion);
}

TEST_F(ConverterTest, TemplatePicturesBeyondFiftyAreDeleted) {
    const std::string group =
        PictureGroup(metafile_bytes::Hex(metafile_bytes::Metafile({StretchDib(kSmallPicture)})),
                     "\\picwgoal100\\pichgoal100");
    std::string body = "\\pard ";
    for (int i = 0; i < kMaxPictures + 1; ++i) {
        body += group;
    }
    const std::size_t live = win32::LiveObjectCount();
    const Conversion conversion = Convert(body + "\\par");
    EXPECT_EQ(conversion.result, 0);
    ASSERT_EQ(conversion.header.pictureCount, kMaxPictures);
    EXPECT_EQ(win32::LiveObjectCount(), live + kMaxPictures);
    const Strings lines = conversion.BodyLines(0);
    ASSERT_EQ(lines.size(), 1u);
    std::string expected = "x=1800 a=240 d=60|";
    for (int i = 0; i < kMaxPictures; ++i) {
        expected += "<pic:" + std::to_string(i) + " 100x100>|";
    }
    EXPECT_EQ(lines[0], expected);
    DeleteTemplatePictures(conversion);
}

TEST_F(ConverterTest, CallersPicturesArePlacedOnlyWhileThePictureTableHasRoom) {
    PrintJob job{};
    job.pictureCount = 1;
    job.pictures[0] = CreateCompatibleBitmap(layoutDc_, 4, 4);
    const std::string group =
        PictureGroup(metafile_bytes::Hex(metafile_bytes::Metafile({StretchDib(kSmallPicture)})),
                     "\\picwgoal100\\pichgoal100");
    // The caller's picture 0 and the template's pictures fill the table's 50 entries first.
    for (const int templatePictures : {kMaxPictures - 2, kMaxPictures - 1}) {
        SCOPED_TRACE(templatePictures);
        std::string body = "\\pard ";
        for (int i = 0; i < templatePictures; ++i) {
            body += group;
        }
        const Conversion conversion = Convert(body + "$#graph 0 100 100\\par", {.job = &job});
        EXPECT_EQ(conversion.result, 0);
        const std::string line = conversion.BodyLines(0).at(0);
        const bool graphPlaced = line.find("<pic:0 100x100>") != std::string::npos;
        EXPECT_EQ(graphPlaced, templatePictures < kMaxPictures - 1) << line;
        for (int i = 1; i < conversion.header.pictureCount; ++i) {
            DeleteObject(conversion.PictureAt(i));
        }
    }
    DeleteObject(job.pictures[0]);
}

} // namespace
