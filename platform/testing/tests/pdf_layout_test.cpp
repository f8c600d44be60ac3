#include "platform/testing/pdf_layout.h"

#include "platform/testing/sandbox.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A PDF file of the given objects (numbered from 1; object 1 the catalogue) with its cross
// reference table, so that the tools read it without repairing it.
std::string PdfOf(const std::vector<std::string>& objects) {
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        const std::string number = std::to_string(offset);
        pdf += std::string(10 - number.size(), '0') + number + " 00000 n \n";
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

std::string Stream(const std::string& dictionary, const std::string& data) {
    return "<< " + dictionary + " /Length " + std::to_string(data.size()) + " >>\nstream\n" + data +
           "\nendstream";
}

// One US Letter page: the word "Hello" in 12-point Helvetica on the baseline 700 points up from
// the bottom at 72 from the left, and words that XHTML escapes on a line below; an image drawn into
// 100 x 50 points at (200, 300) from the bottom left; the same image under a scale of 2 and an
// inner matrix of 10 x 10 at (5, 5), that is 20 x 20 points at (10, 10); and a string holding what
// looks like operators.
TEST(PdfLayoutTest, WordsAndPicturesLandWhereThePageDrawsThem) {
    testkit::Sandbox sandbox;
    const std::string content = "BT /F1 12 Tf 72 700 Td (Hello) Tj ET\n"
                                "BT /F1 12 Tf 72 600 Td (<a&b> \"c\") Tj ET\n"
                                "q 100 0 0 50 200 300 cm /Im1 Do Q\n"
                                "q 2 0 0 2 0 0 cm q 10 0 0 10 5 5 cm /Im1 Do Q Q\n"
                                "BT /F1 1 Tf 500 10 Td (q 9 0 0 9 0 0 cm /Im1 Do Q) Tj ET";
    const std::string pdf = PdfOf({
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R /Resources << "
        "/Font << /F1 5 0 R >> /XObject << /Im1 6 0 R >> >> >>",
        Stream("", content),
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
        Stream("/Type /XObject /Subtype /Image /Width 1 /Height 1 /ColorSpace /DeviceGray "
               "/BitsPerComponent 8",
               std::string(1, '\x80')),
    });
    const std::vector<testkit::PdfPage> pages =
        testkit::ReadPdfLayout(sandbox.WriteFile("page.pdf", pdf));
    ASSERT_EQ(pages.size(), 1u);
    const testkit::PdfPage& page = pages[0];
    EXPECT_EQ(page.width, 612);
    EXPECT_EQ(page.height, 792);

    ASSERT_FALSE(page.words.empty());
    const testkit::PdfWord& hello = page.words[0];
    EXPECT_EQ(hello.text, "Hello");
    EXPECT_NEAR(hello.box.left, 72, 0.5);
    EXPECT_LT(hello.box.top, 92); // the baseline, 792 - 700 points from the top
    EXPECT_GT(hello.box.bottom, 90);
    ASSERT_GE(page.words.size(), 3u);
    EXPECT_EQ(page.words[1].text, "<a&b>");
    EXPECT_EQ(page.words[2].text, "\"c\"");

    ASSERT_EQ(page.pictures.size(), 2u);
    const testkit::PdfBox expected[] = {{200, 442, 300, 492}, {10, 762, 30, 782}};
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(page.pictures[i].left, expected[i].left, 1e-6);
        EXPECT_NEAR(page.pictures[i].top, expected[i].top, 1e-6);
        EXPECT_NEAR(page.pictures[i].right, expected[i].right, 1e-6);
        EXPECT_NEAR(page.pictures[i].bottom, expected[i].bottom, 1e-6);
    }
    EXPECT_TRUE(page.pictures[0].Overlaps({250, 400, 260, 450}));
    EXPECT_FALSE(page.pictures[0].Overlaps({300, 442, 310, 492})); // only the edge is shared
    EXPECT_TRUE(page.pictures[1].Inside({0, 700, 100, 792}));
    EXPECT_FALSE(page.pictures[0].Inside({0, 0, 299, 792}));
}

TEST(PdfLayoutTest, AFileThatIsNoPdfFailsTheTest) {
    testkit::Sandbox sandbox;
    const auto file = sandbox.WriteFile("not.pdf", "no PDF at all");
    EXPECT_NONFATAL_FAILURE(testkit::ReadPdfLayout(file), "");
}

} // namespace
