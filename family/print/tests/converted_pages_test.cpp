// Templates of the converter's layout rules and macros converted on the fixed-metrics device,
// then drawn by the pages-to-bitmaps run of the preview and compared with stored images: what the
// converter lays out is what a job's page bitmaps show.
#include "family/print/pressel.h"
#include "family/print/tests/converter_fixture.h"
#include "family/print/tests/render_surface.h"
#include "family/print/tests/template_picture.h"

#include "platform/win32/testing/pixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

using pressel_test::Conversion;

// One paragraph or more for every layout rule: wrapping, a word wider than the line, default,
// right and centred tabs, the alignments, justification, spacing, indents, hidden text, formats
// with a 24-point size, and a drawn line and rectangle.
constexpr char kLayoutRules[] =
    R"(\pard word0000a word0001a word0002a word0003a word0004a word0005a word0006a word0007a\par)"
    R"(\pard ab wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww cd\par)"
    R"(\pard ab\tab cd\par\pard\li1000\fi-1000\tab ef\par)"
    R"(\pard\qr\tqr\tx5000\tab abc def\par\pard\tqc\tx5000\tab abcd\par)"
    R"(\pard\qc abc\par\pard\qr abc\par\pard\ql abc\par)"
    R"(\pard\qj word0000a word0001a word0002a word0003a word0004a word0005a word0006a word0007a)"
    R"( word0008a\par\pard\qj a b\tab c d\line)"
    R"(\pard\sb100\sa50 ab\line cd\par ef\par)"
    R"(\pard\li240\fi120\ri7200 aaa bbb ccc ddd\par)"
    R"(\pard ab{\v  hidden}cd\par{\v gone\par}ef\par)"
    R"(\pard a{\b\i\ul b}{\f1\cf1 c}{\fs48 d}\par)"
    R"(\pard a{\*\do\dpline\dpptx10\dppty20\dpptx300\dppty40\dpx100\dpy200\dplinew15)"
    R"(\dplinecor255\dplinecog0\dplinecob0}{\*\do\dprect\dpx50\dpy60\dpxsize400\dpysize500)"
    R"(\dplinew5\dpfillpat1\dpfillfgcb255\dpfillbgcg255}b\par)";

// Three pages under a first-page header and a header and footer with page numbers.
constexpr char kHeadersAndFooters[] =
    R"({\header\pard\qr Page $#Page of $#LastPage\par}{\headerf\pard First\par})"
    R"({\footer\pard Foot\par}\titlepg\pard one\page two\page three\par)";

// Field values, a condition, a table of the job and one of the job's pictures.
constexpr char kMacros[] =
    R"(\pard $Client is $Age.\par $#if $Age Shown$#endif $#if $Nope Hidden$#endif\par)"
    R"(\pard Head\par $#table 0$#tableentry$#TE0\tab $#TE1\par $#endtable)"
    R"(\pard a$#graph 0 600 500 b\par)";

const PrintField kFields[] = {{"$Age", "61"}, {"$Client", "Ann Lee"}};
const PrintFieldTable kFieldTable{2, kFields};
const char* const kCells[] = {"a1", "b1", "a2", "b2"};
const std::int16_t kRowPlain[] = {0};
const std::int16_t* const kRowInfo[] = {kRowPlain, kRowPlain};
const PrintTable kTables[] = {{2, 2, kCells, kRowInfo}};
const PrintTableList kTableList{1, kTables};

class ConvertedPages : public pressel_test::ConverterTest {
protected:
    void SetUp() override {
        ConverterTest::SetUp();
        job_.fields = &kFieldTable;
        job_.tables = &kTableList;
        job_.pictureCount = 1;
        job_.pictures[0] = win32::testing::SolidBitmap(40, 40, RGB(0, 0, 0));
    }
    void TearDown() override {
        DeleteObject(job_.pictures[0]);
        ConverterTest::TearDown();
    }

    // Draws every page of the conversion through the pages-to-bitmaps run and compares page n
    // (from 1) with the stored image "<name>-<n>".
    void ExpectPagesAsStored(const Conversion& conversion, const std::string& name) {
        ASSERT_EQ(conversion.result, 0);
        PrintJob job = job_;
        job.flags = 255;
        std::strcpy(job.printFilePath, conversion.path.c_str());
        ASSERT_EQ(_PrintPreviewDlg(nullptr, &job), 0);
        std::int32_t count = 0;
        std::memcpy(&count, job.templatePath, sizeof count);
        ASSERT_EQ(count, conversion.header.pageCount);
        for (std::int32_t page = 0; page < count; ++page) {
            std::uint32_t handle = 0;
            std::memcpy(&handle, job.templatePath + 4 + 4 * page, sizeof handle);
            const win32::testing::OwnedBitmap bitmap(
                reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(handle)));
            SCOPED_TRACE(page + 1);
            pressel_test::ExpectMatchesStoredImage(bitmap.get(),
                                                   name + "-" + std::to_string(page + 1));
        }
    }

    PrintJob job_{};
};

TEST_F(ConvertedPages, LayoutRulesDrawAsStored) {
    ExpectPagesAsStored(Convert(kLayoutRules), "converted-layout");
}

TEST_F(ConvertedPages, WrapsEscapesAndDroppedPicturesDrawAsStored) {
    // A word that does not fit after a tab on the line's next line; a zero-byte escape that is
    // no character; a picture hidden, one in a false condition, and one shown.
    const std::string picture = pressel_test::RedPixelPicture();
    const Conversion conversion =
        Convert(R"(\pard\tab )" + std::string(70, 'w') + R"(\par\pard ab\'00AAcd\par)" +
                R"(\pard a{\v )" + picture + R"(}b$#if $Nope )" + picture + R"($#endif c\par)" +
                R"(\pard a)" + picture + R"(b\par)");
    EXPECT_EQ(conversion.header.pictureCount, 1);
    ExpectPagesAsStored(conversion, "converted-wrapping");
    DeleteObject(conversion.PictureAt(0));
}

TEST_F(ConvertedPages, HeadersAndFootersDrawOnEachPage) {
    ExpectPagesAsStored(Convert(kHeadersAndFooters), "converted-headers");
}

TEST_F(ConvertedPages, MacrosDrawTheirValuesAndPictures) {
    ExpectPagesAsStored(Convert(kMacros, {.fields = &kFieldTable, .job = &job_}),
                        "converted-macros");
}

} // namespace
