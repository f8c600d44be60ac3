#include "platform/printdoc/print_document.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/pdf_images.h"
#include "platform/testing/runtime_errors.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

namespace fs = std::filesystem;
using printdoc::Alignment;
using printdoc::PrintDocument;

constexpr std::int32_t kOneInch = 1440;

class PrintDocumentTest : public testing::Test {
protected:
    // The text of each page of an exported PDF, after qpdf has checked the file.
    std::vector<std::string> PdfPages(const fs::path& pdf) {
        testkit::ToolRun check = testkit::RunTool({"qpdf", "--check", pdf.string()});
        EXPECT_EQ(check.exitStatus, 0) << check.output << check.errors;
        testkit::ToolRun text = testkit::RunTool({"pdftotext", "-layout", pdf.string(), "-"});
        EXPECT_EQ(text.exitStatus, 0) << text.errors;
        std::vector<std::string> pages;
        std::string rest = text.output;
        for (std::size_t end = rest.find('\f'); end != std::string::npos; end = rest.find('\f')) {
            pages.push_back(rest.substr(0, end));
            rest.erase(0, end + 1);
        }
        return pages;
    }

    // The left and right columns with ink on the rows from `top` to `bottom` of a page image.
    static std::pair<int, int> InkColumns(const printdoc::PageImage& image, int top, int bottom) {
        int left = image.width;
        int right = -1;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < image.width; ++x) {
                if ((image.pixels[static_cast<std::size_t>(y) * image.width + x] & 0xFF) < 0x80) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        return {left, right};
    }

    testkit::Sandbox sandbox_;
    PrintDocument document_;
};

TEST_F(PrintDocumentTest, AnExportedPdfHoldsEveryPageAndItsText) {
    document_.SetDocumentName("Client Report \x96 Smith");
    document_.StartDoc();
    document_.SetFontName("Times New Roman");
    document_.SetFontSize(12);
    document_.WriteText("Distribution for ");
    document_.SetFontBold(true);
    document_.WriteParagraph("Jane M\xFCller");
    document_.NewPage();
    document_.WriteParagraph("Total $12,345.67 in 2004");
    document_.EndDoc();
    fs::path pdf = sandbox_.Root() / "report.pdf";
    document_.ExportPdf(pdf);

    std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("Distribution for Jane M\xC3\xBCller"), std::string::npos) << pages[0];
    EXPECT_NE(pages[1].find("Total $12,345.67 in 2004"), std::string::npos) << pages[1];
    testkit::ToolRun info = testkit::RunTool({"pdfinfo", pdf.string()});
    EXPECT_NE(info.output.find("Client Report \xE2\x80\x93 Smith"), std::string::npos)
        << info.output;
    EXPECT_NE(info.output.find("612 x 792 pts"), std::string::npos) << info.output;
}

TEST_F(PrintDocumentTest, AReopenedPageKeepsItsTextAndTakesMore) {
    document_.StartDoc();
    document_.WriteParagraph("First page body");
    document_.NewPage();
    document_.WriteParagraph("Second page body");
    document_.EndDoc();
    testkit::ExpectRuntimeError(runtime::ErrorNumber::InvalidPropertyValue,
                                [&] { document_.OpenPage(3); });
    for (int page = 1; page <= document_.PageCount(); ++page) {
        document_.OpenPage(page);
        EXPECT_EQ(document_.CurrentPage(), page);
        document_.SetCurrentY(document_.PageHeight() - 1008);
        document_.SetTextAlign(Alignment::Centre);
        document_.WriteText("Page " + std::to_string(page) + " of 2\r\n");
        document_.ClosePage();
    }
    EXPECT_EQ(document_.PageCount(), 2);
    fs::path pdf = sandbox_.Root() / "reopened.pdf";
    document_.ExportPdf(pdf);
    std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("First page body"), std::string::npos);
    EXPECT_NE(pages[0].find("Page 1 of 2"), std::string::npos);
    EXPECT_NE(pages[1].find("Second page body"), std::string::npos);
    EXPECT_NE(pages[1].find("Page 2 of 2"), std::string::npos);
}

TEST_F(PrintDocumentTest, ARunIsMeasuredInItsOwnFont) {
    document_.SetFontName("Arial");
    document_.SetFontSize(10);
    // Liberation Sans: "A" advances 1366/2048 em, 133.4 twips at 10 points; the bold face
    // is wider (1479/2048 em).
    EXPECT_EQ(document_.MeasureText("A"), 133);
    EXPECT_EQ(document_.MeasureText("AAAAAAAAAA"), 1334);
    document_.SetFontBold(true);
    EXPECT_EQ(document_.MeasureText("AAAAAAAAAA"), 1444);
    document_.SetFontName("Courier New");
    document_.SetFontSize(12);
    EXPECT_EQ(document_.MeasureText("Total\r\n"), 720); // 5 x 0.6 em; line ends take no room
}

TEST_F(PrintDocumentTest, LongParagraphsWrapWithinTheMarginsAndFlowOntoNewPages) {
    document_.StartDoc();
    document_.SetFontName("Arial");
    document_.SetFontSize(12);
    std::string paragraph;
    for (int word = 1; word <= 800; ++word) {
        paragraph += "word" + std::to_string(word) + " ";
    }
    document_.WriteParagraph(paragraph);
    document_.EndDoc();
    EXPECT_GE(document_.PageCount(), 2);
    printdoc::PageImage image = document_.RenderPage(1, 72);
    auto [left, right] = InkColumns(image, 0, image.height);
    EXPECT_GE(left, 71);   // the left margin, one inch at 72 per inch
    EXPECT_LE(right, 540); // the right margin, 8.5 - 1 inches
    EXPECT_GT(right, 500); // lines are filled
    fs::path pdf = sandbox_.Root() / "long.pdf";
    document_.ExportPdf(pdf);
    std::string text;
    for (const std::string& page : PdfPages(pdf)) {
        text += page;
    }
    EXPECT_NE(text.find("word1 "), std::string::npos);
    EXPECT_NE(text.find("word800"), std::string::npos);
}

// A run placed so that it ends at the right margin by the width MeasureText answers (as a right
// tab stop at the margin places it) stays on its line: the measured width is rounded to a whole
// twip, and the run must not wrap for the fraction the rounding dropped.
TEST_F(PrintDocumentTest, ARunEndingAtTheRightMarginByItsMeasuredWidthStaysOnItsLine) {
    const char* kTexts[] = {"Annual payment", "$8,869.91",   "Year-end value", "Total received",
                            "Distribution",   "$105,000.00", "Divisor",        "Lifetime"};
    for (const char* text : kTexts) {
        SCOPED_TRACE(text);
        PrintDocument document;
        document.StartDoc();
        document.SetFontName("Times New Roman");
        document.SetFontSize(11);
        const std::int32_t top = document.CurrentY();
        document.SetCurrentX(document.PageWidth() - document.MarginRight() -
                             document.MeasureText(text));
        document.WriteParagraph(text);
        const std::int32_t oneText = document.CurrentY() - top;
        document.WriteParagraph("x");
        EXPECT_EQ(oneText, document.CurrentY() - top - oneText) << "the run wrapped";
    }
}

TEST_F(PrintDocumentTest, AlignedTextStandsBetweenTheMargins) {
    struct Case {
        Alignment alignment;
        int left; // expected ink columns at 72 per inch, within 3 pixels
        int right;
    };
    // "MMMM" in Courier New 12 points is 4 x 0.6 em = 576 twips (0.4 inch) wide, 28.8 pixels;
    // the margins stand at 72 and 540 pixels. The ink of "M" fills nearly its whole advance.
    const Case kCases[] = {
        {Alignment::Left, 72, 101},
        {Alignment::Centre, 292, 320},
        {Alignment::Right, 511, 540},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.alignment));
        PrintDocument document;
        document.StartDoc();
        document.SetFontName("Courier New");
        document.SetFontSize(12);
        document.SetTextAlign(c.alignment);
        document.WriteParagraph("MMMM");
        document.EndDoc();
        printdoc::PageImage image = document.RenderPage(1, 72);
        auto [left, right] = InkColumns(image, 72, 100);
        EXPECT_NEAR(left, c.left, 3);
        EXPECT_NEAR(right, c.right, 3);
    }
}

TEST_F(PrintDocumentTest, PicturesAndLinesAreDrawnWhereTheyArePlaced) {
    testkit::ToolRun made = testkit::RunTool(
        {testkit::kSystemPython, "-c",
         "import sys\nfrom PIL import Image\nImage.new('RGB', (8, 8), (255, 0, 0)).save("
         "sys.argv[1] + '.jpg')\nImage.new('RGB', (8, 8), (0, 255, 0)).save(sys.argv[1] + "
         "'.gif')\nImage.new('RGB', (8, 8), (0, 0, 255)).save(sys.argv[1] + '.bmp')\n",
         (sandbox_.Root() / "solid").string()});
    ASSERT_EQ(made.exitStatus, 0) << made.errors;
    struct Case {
        const char* file;
        std::uint32_t colour; // 0xRRGGBB, JPEG within a margin
    };
    const Case kCases[] = {
        {"solid.jpg", 0xFF0000}, {"solid.gif", 0x00FF00}, {"solid.bmp", 0x0000FF}};
    document_.StartDoc();
    int slot = 0;
    for (const Case& c : kCases) {
        document_.DrawPicture(printdoc::Picture::Load(sandbox_.Root() / c.file),
                              kOneInch * (1 + 2 * slot++), kOneInch, kOneInch, kOneInch);
    }
    document_.DrawLine(kOneInch, 3 * kOneInch, 7 * kOneInch, 3 * kOneInch);
    document_.EndDoc();
    printdoc::PageImage image = document_.RenderPage(1, 72);
    ASSERT_EQ(image.width, 612);
    ASSERT_EQ(image.height, 792);
    slot = 0;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.file);
        int centreX = 72 * (1 + 2 * slot++) + 36;
        std::uint32_t pixel = image.pixels[static_cast<std::size_t>(108) * image.width + centreX];
        for (int shift : {16, 8, 0}) {
            EXPECT_NEAR(static_cast<int>((pixel >> shift) & 0xFF),
                        static_cast<int>((c.colour >> shift) & 0xFF), 8);
        }
        // Outside the picture the page is white.
        EXPECT_EQ(image.pixels[static_cast<std::size_t>(180) * image.width + centreX], 0xFFFFFFFFu);
    }
    // The line, 1/100 inch wide, darkens the row it crosses.
    EXPECT_LT(image.pixels[static_cast<std::size_t>(216) * image.width + 300] & 0xFF, 0xC0u);
}

// One decoded picture drawn on several pages is one image in the PDF file, which every page
// refers to; drawn a second time on one page it takes a second image, so that no page names an
// image twice (qpdf checks the file); a picture decoded apart is an image of its own. pdfimages
// lists each use with the number of the object that holds the image.
TEST_F(PrintDocumentTest, APictureDrawnOnManyPagesIsHeldOnceInThePdf) {
    testkit::ToolRun made =
        testkit::RunTool({testkit::kSystemPython, "-c",
                          "import sys\nfrom PIL import Image\nImage.effect_noise((40, 30), 60)."
                          "convert('RGB').save(sys.argv[1])\n",
                          (sandbox_.Root() / "noise.bmp").string()});
    ASSERT_EQ(made.exitStatus, 0) << made.errors;
    const printdoc::Picture shared = printdoc::Picture::Load(sandbox_.Root() / "noise.bmp");
    const printdoc::Picture apart = printdoc::Picture::Load(sandbox_.Root() / "noise.bmp");
    document_.StartDoc();
    for (int page = 1; page <= 3; ++page) {
        if (page > 1) {
            document_.NewPage();
        }
        document_.DrawPicture(shared, kOneInch, kOneInch);
        if (page == 2) {
            document_.DrawPicture(shared, 3 * kOneInch, kOneInch, kOneInch, kOneInch);
        }
    }
    document_.DrawPicture(apart, kOneInch, 4 * kOneInch);
    document_.EndDoc();
    const fs::path pdf = sandbox_.Root() / "pictures.pdf";
    document_.ExportPdf(pdf);

    const testkit::ToolRun check = testkit::RunTool({"qpdf", "--check", pdf.string()});
    EXPECT_EQ(check.exitStatus, 0) << check.output << check.errors;
    std::vector<std::pair<int, int>> pageAndObject;
    for (const testkit::PdfImageUse& use : testkit::ReadPdfImages(pdf)) {
        pageAndObject.emplace_back(use.page, use.object);
    }
    ASSERT_EQ(pageAndObject.size(), 5u);
    const int sharedObject = pageAndObject[0].second;
    const int secondOnAPage = pageAndObject[2].second;
    const std::vector<std::pair<int, int>> expectedShared = {
        {1, sharedObject}, {2, sharedObject}, {2, secondOnAPage}, {3, sharedObject}};
    EXPECT_EQ(std::vector(pageAndObject.begin(), pageAndObject.begin() + 4), expectedShared);
    EXPECT_NE(secondOnAPage, sharedObject);
    EXPECT_EQ(pageAndObject[4].first, 3);
    EXPECT_NE(pageAndObject[4].second, sharedObject);
    EXPECT_NE(pageAndObject[4].second, secondOnAPage);
}

// A JPEG picture goes into the PDF file as the JPEG file it was read from, byte for byte; a
// BMP picture's pixels are compressed into it. pdfimages names each image's encoding and, with
// -j, writes a JPEG image out as it is held.
TEST_F(PrintDocumentTest, AJpegPictureIsHeldInThePdfAsItsFile) {
    testkit::ToolRun made = testkit::RunTool(
        {testkit::kSystemPython, "-c",
         "import sys\nfrom PIL import Image\nimage = Image.effect_noise((40, 30), "
         "60).convert('RGB')"
         "\nimage.save(sys.argv[1] + '.jpg', quality=80)\nimage.save(sys.argv[1] + '.bmp')\n",
         (sandbox_.Root() / "noise").string()});
    ASSERT_EQ(made.exitStatus, 0) << made.errors;
    document_.StartDoc();
    document_.DrawPicture(printdoc::Picture::Load(sandbox_.Root() / "noise.jpg"), kOneInch,
                          kOneInch);
    document_.DrawPicture(printdoc::Picture::Load(sandbox_.Root() / "noise.bmp"), kOneInch,
                          3 * kOneInch);
    document_.EndDoc();
    const fs::path pdf = sandbox_.Root() / "jpeg.pdf";
    document_.ExportPdf(pdf);

    const testkit::ToolRun check = testkit::RunTool({"qpdf", "--check", pdf.string()});
    EXPECT_EQ(check.exitStatus, 0) << check.output << check.errors;
    std::vector<std::string> encodings;
    for (const testkit::PdfImageUse& use : testkit::ReadPdfImages(pdf)) {
        encodings.push_back(use.encoding);
    }
    EXPECT_EQ(encodings, (std::vector<std::string>{"jpeg", "image"}));
    const testkit::ToolRun extract =
        testkit::RunTool({"pdfimages", "-j", "-f", "1", "-l", "1", pdf.string(),
                          (sandbox_.Root() / "held").string()});
    ASSERT_EQ(extract.exitStatus, 0) << extract.errors;
    EXPECT_EQ(testkit::ReadFileBytes(sandbox_.Root() / "held-000.jpg"),
              testkit::ReadFileBytes(sandbox_.Root() / "noise.jpg"));
}

// Cairo compresses at zlib's default level unless told otherwise; the file's pictures are
// compressed at the fastest level (a zlib header of 78 01), and their pixels come back whole
// (a picture in colour: Cairo writes a grey one with one value a pixel).
TEST_F(PrintDocumentTest, APictureIsCompressedAtTheFastestLevelWithoutLoss) {
    const fs::path bmp = sandbox_.Root() / "noise.bmp";
    const fs::path raw = sandbox_.Root() / "noise.rgb";
    testkit::ToolRun made = testkit::RunTool(
        {testkit::kSystemPython, "-c",
         "import sys\nfrom PIL import Image\nimage = Image.merge('RGB', [Image.effect_noise("
         "(120, 90), 60) for _ in range(3)])\nimage.save(sys.argv[1])\nopen(sys.argv[2], "
         "'wb').write(image.tobytes())\n",
         bmp.string(), raw.string()});
    ASSERT_EQ(made.exitStatus, 0) << made.errors;
    document_.StartDoc();
    document_.DrawPicture(printdoc::Picture::Load(bmp), kOneInch, kOneInch);
    document_.EndDoc();
    const fs::path pdf = sandbox_.Root() / "fast.pdf";
    document_.ExportPdf(pdf);

    const std::vector<testkit::PdfImageUse> images = testkit::ReadPdfImages(pdf);
    ASSERT_EQ(images.size(), 1u);
    const std::string object = "--show-object=" + std::to_string(images[0].object);
    const testkit::ToolRun stored =
        testkit::RunTool({"qpdf", object, "--raw-stream-data", pdf.string()});
    ASSERT_EQ(stored.exitStatus, 0) << stored.errors;
    EXPECT_EQ(stored.output.substr(0, 2), std::string("\x78\x01"));
    const testkit::ToolRun pixels =
        testkit::RunTool({"qpdf", object, "--filtered-stream-data", pdf.string()});
    ASSERT_EQ(pixels.exitStatus, 0) << pixels.errors;
    EXPECT_TRUE(pixels.output == testkit::ReadFileBytes(raw));
}

TEST_F(PrintDocumentTest, AFailedExportWritesNothingAndSaysSo) {
    document_.StartDoc();
    document_.WriteParagraph("Text");
    testkit::ExpectRuntimeError(runtime::ErrorNumber::InvalidPropertyValue,
                                [&] { document_.ExportPdf(sandbox_.Root() / "open.pdf"); });
    document_.EndDoc();
    testkit::ExpectRuntimeError(runtime::ErrorNumber::PathNotFound, [&] {
        document_.ExportPdf(sandbox_.Root() / "no such folder" / "report.pdf");
    });
    EXPECT_FALSE(fs::exists(sandbox_.Root() / "open.pdf"));
    PrintDocument empty;
    testkit::ExpectRuntimeError(runtime::ErrorNumber::InvalidProcedureCall,
                                [&] { empty.ExportPdf(sandbox_.Root() / "empty.pdf"); });
    EXPECT_FALSE(fs::exists(sandbox_.Root() / "empty.pdf"));
}

TEST_F(PrintDocumentTest, PrintingSendsTheDocumentToTheFilePrinterAsOnePdf) {
    document_.SetDocumentName("Stretch Report");
    document_.StartDoc();
    document_.WriteParagraph("Printed page one");
    document_.NewPage();
    document_.WriteParagraph("Printed page two");
    document_.EndDoc();
    document_.Print();
    fs::path folder = sandbox_.Root() / "printer";
    EXPECT_EQ(testkit::ReadFileBytes(folder / "print-log.txt"), "job 1 start \"Stretch Report\"\n"
                                                                "job 1 page 1 job1-page1.pdf\n"
                                                                "job 1 end 1 pages\n");
    std::vector<std::string> pages = PdfPages(folder / "job1-page1.pdf");
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[1].find("Printed page two"), std::string::npos);
    testkit::ExpectRuntimeError(static_cast<runtime::ErrorNumber>(482),
                                [&] { document_.Print("No Such Printer"); });
}

} // namespace
