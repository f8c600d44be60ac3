// The page list of the preview and the pages a job takes as bitmaps: picture pages from the
// current folder around the document's pages, the count and handles written over the job's
// template path, and requests the field cannot hold refused.
#include "family/print/pressel.h"
#include "family/print/src/preview/page_list.h"
#include "family/print/tests/print_file_fixture.h"
#include "family/print/tests/render_surface.h"

#include "platform/testing/sandbox.h"
#include "platform/win32/bmp_file.h"
#include "platform/win32/font_provider.h"
#include "platform/win32/testing/pixels.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <deque>

namespace {

using namespace pressel;

TEST(PageList, PicturesBeforeThenTheDocumentThenPicturesAfter) {
    struct Case {
        int position;
        PageEntry entry;
        const char* file; // picture pages only
    };
    // Two pictures before, three document pages, one picture after.
    const Case cases[] = {
        {0, {PageKind::kPictureBefore, 0}, "VPre00.BMP"},
        {1, {PageKind::kPictureBefore, 1}, "VPre01.BMP"},
        {2, {PageKind::kDocument, 0}, nullptr},
        {3, {PageKind::kDocument, 1}, nullptr},
        {4, {PageKind::kDocument, 2}, nullptr},
        {5, {PageKind::kPictureAfter, 0}, "VPost00.BMP"},
    };
    const PageList list(PicturePages{2, 1}, 3);
    EXPECT_EQ(list.Size(), 6);
    for (const Case& row : cases) {
        SCOPED_TRACE(row.position);
        EXPECT_EQ(list.At(row.position), row.entry);
        if (row.file != nullptr) {
            EXPECT_EQ(PicturePageFile(list.At(row.position)), row.file);
        }
    }
}

TEST(PageList, CountsOutsideTheNamesReadAsTheNearestTheyAllow) {
    EXPECT_EQ(PageList(PicturePages{-4, -1}, -2).Size(), 0);
    EXPECT_EQ(PageList(PicturePages{INT_MAX, INT_MAX}, SHRT_MAX).Size(),
              2 * kMaxPicturePages + kMaxPages);
    EXPECT_EQ(PicturePageFile({PageKind::kPictureAfter, 99}), "VPost99.BMP");
}

class PageBitmaps : public ::testing::Test {
protected:
    void SetUp() override {
        win32::UseFontSource(win32::FontSource::FixedMetrics);
        std::strcpy(job_.printFilePath, (sandbox_.Root() / "job.hux").c_str());
        job_.flags = 255;
    }

    void WritePages(int pages) {
        const pressel_test::SoundFile file = pressel_test::MakeNumberedPages(pages);
        pressel_test::WritePrintFile(job_.printFilePath, file.header, file.stream);
    }

    // A picture page in the current folder (the sandbox) of one colour.
    static void WritePicture(const std::string& name, int width, COLORREF colour) {
        const win32::testing::OwnedBitmap picture(win32::testing::SolidBitmap(width, 2, colour));
        const std::vector<std::uint8_t> bytes = win32::EncodeBmp(picture.get());
        ASSERT_FALSE(bytes.empty());
        std::FILE* file = std::fopen(name.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    // The count and handles the job holds at the start of its template path, read as the host
    // reads them: 32-bit numbers.
    std::vector<HBITMAP> ReturnedBitmaps() const {
        std::int32_t count = 0;
        std::memcpy(&count, job_.templatePath, sizeof count);
        std::vector<HBITMAP> bitmaps;
        for (std::int32_t i = 0; i < count && i < 63; ++i) {
            std::uint32_t handle = 0;
            std::memcpy(&handle, job_.templatePath + 4 + 4 * i, sizeof handle);
            bitmaps.push_back(reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(handle)));
        }
        return bitmaps;
    }

    testkit::Sandbox sandbox_;
    PrintJob job_{};
};

BITMAP Description(HBITMAP bitmap) {
    BITMAP description{};
    GetObject(bitmap, sizeof description, &description);
    return description;
}

COLORREF TopLeftColour(HBITMAP bitmap) {
    const HDC memory = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const COLORREF colour = GetPixel(memory, 0, 0);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return colour;
}

TEST_F(PageBitmaps, JobReceivesTheCountAndTheHandlesInListOrder) {
    WritePages(3);
    WritePicture("VPre00.BMP", 3, RGB(255, 0, 0));
    WritePicture("VPre01.BMP", 4, RGB(0, 255, 0));
    WritePicture("VPost00.BMP", 5, RGB(0, 0, 255));
    job_.picturePagesBefore = 2;
    job_.picturePagesAfter = 1;

    ASSERT_EQ(_PrintPreviewDlg(nullptr, &job_), 0);
    std::int32_t count = 0;
    std::memcpy(&count, job_.templatePath, sizeof count);
    ASSERT_EQ(count, 6);
    const std::vector<HBITMAP> bitmaps = ReturnedBitmaps();
    std::deque<win32::testing::OwnedBitmap> owned; // in place: an owner does not move
    for (const HBITMAP bitmap : bitmaps) {
        ASSERT_NE(bitmap, nullptr);
        owned.emplace_back(bitmap);
    }
    // The pictures by their widths and colours, the pages as monochrome letter-size sheets at
    // the screen's 96 dpi.
    struct Expected {
        int width;
        int height;
        int bitsPerPixel;
        COLORREF topLeft;
    };
    const COLORREF white = RGB(255, 255, 255);
    const Expected expected[] = {
        {3, 2, 24, RGB(255, 0, 0)}, {4, 2, 24, RGB(0, 255, 0)}, {816, 1056, 1, white},
        {816, 1056, 1, white},      {816, 1056, 1, white},      {5, 2, 24, RGB(0, 0, 255)},
    };
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        SCOPED_TRACE(i);
        const BITMAP description = Description(bitmaps[i]);
        EXPECT_EQ(description.bmWidth, expected[i].width);
        EXPECT_EQ(description.bmHeight, expected[i].height);
        EXPECT_EQ(description.bmBitsPixel, expected[i].bitsPerPixel);
        EXPECT_EQ(TopLeftColour(bitmaps[i]), expected[i].topLeft);
    }
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        pressel_test::ExpectMatchesStoredImage(bitmaps[static_cast<std::size_t>(page) + 1],
                                               "numbered-page-" + std::to_string(page));
    }
}

TEST_F(PageBitmaps, RequestsTheFieldCannotHoldAreRefusedWithNothingWritten) {
    WritePages(3);
    struct Case {
        int before;
        int after;
        int result;
    };
    // The field holds a count and 63 handles: 60 + 3 pages fits exactly.
    const Case cases[] = {
        {60, 0, 0},
        {0, 60, 0},
        {61, 0, 1},
        {0, 61, 1},
        {-1, 0, 1},
        {0, -1, 1},
        {INT_MAX, INT_MAX, 1},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(std::to_string(row.before) + " before, " + std::to_string(row.after) +
                     " after");
        std::memset(job_.templatePath, 'x', sizeof job_.templatePath);
        job_.picturePagesBefore = row.before;
        job_.picturePagesAfter = row.after;
        EXPECT_EQ(_PrintPreviewDlg(nullptr, &job_), row.result);
        if (row.result != 0) {
            EXPECT_EQ(std::string(job_.templatePath, sizeof job_.templatePath),
                      std::string(sizeof job_.templatePath, 'x'));
            continue;
        }
        // No picture files: the picture pages have no bitmap.
        const std::vector<HBITMAP> bitmaps = ReturnedBitmaps();
        ASSERT_EQ(bitmaps.size(), 63u);
        for (std::size_t i = 0; i < bitmaps.size(); ++i) {
            const bool page = row.before == 60 ? i >= 60 : i < 3;
            EXPECT_EQ(bitmaps[i] != nullptr, page) << i;
            const win32::testing::OwnedBitmap owned(bitmaps[i]);
        }
    }
}

} // namespace
