// A template of the layout rules, converted on the fixed-metrics test device as the converter's
// tests convert it, and its page drawn into a monochrome page bitmap: the two halves of the
// library meet on the print file, and the picture of the page is kept as a stored image.
#include "family/print/src/device_twips.h"
#include "family/print/src/loaded_print_file.h"
#include "family/print/src/page_renderer.h"
#include "family/print/tests/converter_fixture.h"
#include "family/print/tests/render_surface.h"

#include <gtest/gtest.h>

namespace {

using namespace pressel;
using pressel_test::Colours;
using pressel_test::RenderSurface;
using pressel_test::Scale;

// Headers and footers, wrapping, tabs, alignments, justification, formats, colours and drawings.
constexpr char kBody[] =
    R"({\header\pard\qr Page $#Page of $#LastPage\par}{\footer\pard\qc Foot\par})"
    R"(\pard one two three four five six seven eight nine ten eleven twelve thirteen)"
    R"( fourteen fifteen sixteen\par)"
    R"(\pard ab\tab cd\par\pard\tqr\tx5000\tab right\par)"
    R"(\pard\qc centred\par\pard\qr right\par)"
    R"(\pard\qj one two three four five six seven eight nine ten eleven twelve thirteen)"
    R"( fourteen fifteen sixteen\par)"
    R"(\pard a{\b\i\ul b}{\f1\cf1 c}{\fs48 d}\par)"
    R"(\pard a{\*\do\dpline\dpptx10\dppty20\dpptx3000\dppty40\dpx100\dpy200\dplinew15)"
    R"(\dplinecor255\dplinecog0\dplinecob0}{\*\do\dprect\dpx50\dpy60\dpxsize4000\dpysize500)"
    R"(\dplinew5\dpfillpat1\dpfillfgcb255\dpfillbgcg255}b\par)";

class ConvertedPage : public pressel_test::ConverterTest {};

TEST_F(ConvertedPage, DrawsAsTheStoredImage) {
    const pressel_test::Conversion conversion = Convert(kBody);
    ASSERT_EQ(conversion.result, 0);
    ASSERT_EQ(conversion.header.pageCount, 1);
    const LoadResult loaded = LoadPrintFile(conversion.path);
    ASSERT_NE(loaded.file, nullptr);
    RenderSurface surface(kDefaultPageSize.x, kDefaultPageSize.y, Colours::kMonochrome,
                          Scale::kScreen);
    EXPECT_TRUE(RenderPage(surface.Dc(), *loaded.file, 0, POINT{0, 0}, PictureMode::kBitmap));
    pressel_test::ExpectMatchesStoredImage(surface.Bitmap(), "converted_page");
}

} // namespace
