// PDF files of a canvas, checked by qpdf and poppler: structure, text and its order, images,
// names, failures, and where the ink lands compared with the page bitmap.
#include "output/canvas/pdf_export.h"

#include "canvas_fixture.h"
#include "output/canvas/page_bitmap.h"

#include "platform/system/clock.h"
#include "platform/system/files.h"
#include "platform/testing/outside_tool.h"
#include "platform/win32/font_provider.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>

namespace {

using namespace output;

using PdfExport = FixedFontCanvas;

int CountOf(const std::string& text, const std::string& piece) {
    int count = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos;
         at = text.find(piece, at + piece.size())) {
        ++count;
    }
    return count;
}

std::string Words(const std::string& text) {
    std::istringstream in(text);
    std::string word;
    std::string words;
    while (in >> word) {
        words += (words.empty() ? "" : " ") + word;
    }
    return words;
}

// Writes the canvas as folder/name.pdf and checks it with qpdf.
std::filesystem::path Export(const Canvas& canvas, const std::filesystem::path& folder,
                             const std::string& name = "page") {
    EXPECT_EQ(canvas.Export((folder / name).string(), 1), CanvasError::OK);
    std::filesystem::path file = folder / (name + ".pdf");
    testkit::ToolRun check = testkit::RunTool({"qpdf", "--check", file.string()});
    EXPECT_EQ(check.exitStatus, 0) << check.output;
    return file;
}

std::string PdfText(const std::filesystem::path& file, int page = 0) {
    std::vector<std::string> arguments{"pdftotext"};
    if (page > 0) {
        arguments.insert(arguments.end(), {"-f", std::to_string(page), "-l", std::to_string(page)});
    }
    arguments.insert(arguments.end(), {file.string(), "-"});
    return Words(testkit::RunTool(arguments).output);
}

TEST_F(PdfExport, OneBlackPageIsSevenObjects) {
    sys::ScopedClock clock(sys::LocalDateTime{2024, 1, 2, 3, 4, 5});
    canvas->PutText("Hello world");
    std::filesystem::path file = Export(*canvas, sandbox.Root());
    std::string pdf = sys::ReadWholeFile(file);
    EXPECT_EQ(pdf.substr(0, 10), "%PDF-1.1\r\n");
    EXPECT_EQ(CountOf(pdf, " 0 obj\r\n"), 7);
    EXPECT_EQ(CountOf(pdf, "/BaseFont /Times-Roman\r\n"), 1);
    EXPECT_NE(pdf.find("2 0 obj\r\n<<\r\n  /Type /Font"), std::string::npos);
    EXPECT_NE(pdf.find("  /Size 8\r\n"), std::string::npos);
    EXPECT_NE(pdf.find("  /MediaBox [ 0 0 612 792 ]\r\n"), std::string::npos);
    EXPECT_NE(pdf.find("  /Title (page.pdf)\r\n"), std::string::npos);
    EXPECT_NE(pdf.find("  /Creator (\"Output.Canvas\" Version 2003.02)\r\n"), std::string::npos);
    EXPECT_NE(pdf.find("  /CreationDate (D:20240102030405)\r\n"), std::string::npos);
    // The word's baseline: 792 - (1440 + 240 ascent) / 20.
    EXPECT_NE(pdf.find("BT 0.00 0.00 0.00 rg /F0 11.2 Tf 72 708 Td (Hello world) Tj ET"),
              std::string::npos);
    EXPECT_EQ(PdfText(file), "Hello world");
    EXPECT_EQ(pdf.substr(pdf.size() - 7), "%%EOF\r\n");
}

TEST_F(PdfExport, FontsMapToTheStandardFonts) {
    struct Case {
        std::int32_t type;
        bool bold;
        bool italic;
        const char* expected;
    };
    const Case cases[] = {
        {2, false, false, "Times-Roman"},       {7, true, true, "Times-BoldItalic"},
        {3, true, true, "Courier-BoldOblique"}, {3, false, false, "Courier"},
        {1, false, true, "Helvetica-Oblique"},  {1, true, false, "Helvetica-Bold"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        FontChoice font;
        font.type = c.type;
        font.bold = c.bold;
        font.italic = c.italic;
        EXPECT_STREQ(kPdfBaseFonts[PdfBaseFontIndex(font)], c.expected);
    }
}

TEST_F(PdfExport, WordsComeOutInOrderPageByPage) {
    std::string first;
    for (int i = 0; i < 40; ++i) {
        first += "alpha" + std::to_string(i) + " ";
    }
    canvas->PutText(first + "{NEWPARAGRAPH} {FONTTYPE,1} {FONTBOLD,TRUE} bold words");
    canvas->SetFontType(3);
    canvas->PutText("{NEWPAGE} {COLOROFTEXT,0,0,255} second page");
    std::filesystem::path file = Export(*canvas, sandbox.Root());
    EXPECT_EQ(PdfText(file, 1), Words(first + "bold words"));
    EXPECT_EQ(PdfText(file, 2), "second page");
    std::string pdf = sys::ReadWholeFile(file);
    EXPECT_NE(pdf.find("/BaseFont /Helvetica-Bold"), std::string::npos);
    // Each page sets its own font and colour.
    EXPECT_NE(pdf.find("BT 0.00 0.00 1.00 rg /F9 11.2 Tf"), std::string::npos);
}

TEST_F(PdfExport, StringsAreEscaped) {
    canvas->PutText("(a)\\b");
    std::string name = "t(i)tle\xE9";
    std::filesystem::path file = Export(*canvas, sandbox.Root(), name);
    std::string pdf = sys::ReadWholeFile(file);
    EXPECT_NE(pdf.find("(\\(a\\)\\\\b) Tj"), std::string::npos);
    EXPECT_NE(pdf.find("/Title (t\\(i\\)tle\\351.pdf)"), std::string::npos);
    EXPECT_EQ(PdfText(file), "(a)\\b");
}

TEST_F(PdfExport, NamesFailuresAndFormats) {
    // A folder of its own, so that the listing below holds only what the exports left.
    std::filesystem::path folder = sandbox.Root() / "exports";
    std::filesystem::create_directory(folder);
    EXPECT_EQ(canvas->Export((folder / "empty").string(), 1), CanvasError::CanvasEmpty);
    canvas->PutText("x");
    EXPECT_EQ(canvas->Export((folder / "other").string(), 2), CanvasError::InvalidFormat);
    EXPECT_EQ(canvas->Export((folder / "missing" / "file").string(), 1),
              CanvasError::CannotAccessFile);
    std::filesystem::create_directory(folder / "sub");
    EXPECT_EQ(canvas->Export(folder.string() + "\\sub\\file", 1), CanvasError::OK);
    EXPECT_TRUE(std::filesystem::exists(folder / "sub" / "file.pdf"));
    // An existing file is replaced whole.
    EXPECT_EQ(canvas->Export(folder.string() + "/sub/file", 1), CanvasError::OK);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        left.push_back(entry.path().lexically_relative(folder).string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"sub", "sub/file.pdf"}));
}

TEST_F(PdfExport, ImagesReadBackPixelForPixel) {
    // Odd sizes, noise that fills and resets the compression table, and long runs.
    struct Case {
        int width;
        int height;
        bool noise;
    };
    const Case cases[] = {{1, 1, true}, {47, 33, true}, {181, 97, true}, {64, 64, false}};
    std::mt19937 random(7);
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        HBITMAP picture = CreateBitmap(c.width, c.height, 1, 24, nullptr);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, picture);
        std::string rgb;
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                COLORREF colour = c.noise ? random() & 0xFFFFFF : 0x336699;
                SetPixel(dc, x, y, colour);
                rgb += {static_cast<char>(GetRValue(colour)), static_cast<char>(GetGValue(colour)),
                        static_cast<char>(GetBValue(colour))};
            }
        }
        SelectObject(dc, previous);
        DeleteDC(dc);
        expected.push_back(rgb);
        ASSERT_EQ(canvas->PutImage(1440, 1440, 0, 0,
                                   std::to_string(reinterpret_cast<std::uintptr_t>(picture)), 0),
                  CanvasError::OK);
    }
    std::filesystem::path file = Export(*canvas, sandbox.Root());
    std::string pdf = sys::ReadWholeFile(file);
    EXPECT_NE(pdf.find("/I3 Do"), std::string::npos);
    // No text was placed, so no font is in use: the images are objects 2 to 5.
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        testkit::ToolRun stream =
            testkit::RunTool({"qpdf", "--show-object=" + std::to_string(i + 2),
                              "--filtered-stream-data", file.string()});
        EXPECT_EQ(stream.exitStatus, 0);
        EXPECT_TRUE(stream.output == expected[i]) << stream.output.size() << " bytes";
    }
}

// The suite runs a second time under a decimal-comma locale (tallowmere_add_test DECIMAL_COMMA):
// PDF numbers keep their decimal point there too.
TEST_F(PdfExport, NumbersIgnoreADecimalCommaLocale) {
    std::filesystem::path folder = sandbox.Root();
    canvas->SetColorOfFill(0x0080FF);
    canvas->PutPolygon("0:0|100:0|100:100", 20, false, true);
    canvas->PutText("x");
    EXPECT_EQ(canvas->Export((folder / "page").string(), 1), CanvasError::OK);
    std::string pdf = sys::ReadWholeFile(folder / "page.pdf");
    EXPECT_NE(pdf.find(" 1.00 0.50 0.00 rg"), std::string::npos);
    EXPECT_NE(pdf.find(" 11.2 Tf"), std::string::npos);
}

// The PDF rendered by poppler and the page bitmap put their ink in the same places: lines and
// polygons within a pixel or two, each line of text with the same top, baseline and left edge.
TEST(PdfAgainstBitmap, InkLandsWhereThePageBitmapPutsIt) {
    win32::UseFontSource(win32::FontSource::System);
    Canvas canvas(std::vector<DeviceInfo>{});
    canvas.PutLine(1440, 7200, 8640, 7200, 40);
    canvas.SetColorOfFill(0x0000FF);
    canvas.SetColorOfLine(0x0000FF);
    canvas.PutPolygon("1440:8640|4320:8640|4320:10080|1440:10080", 20, true, true);
    canvas.PutText("Baseline {FONTSIZE,24} HIGH {FONTSIZE,12} text {NEWPARAGRAPH} "
                   "{NEWPARAGRAPH} {FONTTYPE,1} {FONTNAME,Arial} Second paragraph");

    testkit::Sandbox sandbox;
    const std::filesystem::path& folder = sandbox.Root();
    std::filesystem::path file = Export(canvas, folder);
    testkit::ToolRun render = testkit::RunTool(
        {"pdftoppm", "-r", "96", "-singlefile", file.string(), (folder / "poppler").string()});
    ASSERT_EQ(render.exitStatus, 0);
    Pixels pdf = ReadPpm(folder / "poppler.ppm");
    OwnedBitmap page = RenderPage(canvas, 1);
    Pixels bitmap = PixelsOf(page.Get());
    ASSERT_EQ(pdf.width, bitmap.width);
    ASSERT_EQ(pdf.height, bitmap.height);

    struct Box {
        int left = 1 << 30;
        int top = 1 << 30;
        int right = -1;
        int bottom = -1;
    };
    // The ink of one kind inside a band of rows.
    auto inkBox = [](const Pixels& pixels, int firstRow, int lastRow, bool red) {
        Box box;
        for (int y = firstRow; y <= lastRow; ++y) {
            for (int x = 0; x < pixels.width; ++x) {
                COLORREF c = pixels.At(x, y);
                bool dark = GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128;
                bool isRed = GetRValue(c) > 160 && GetGValue(c) < 96 && GetBValue(c) < 96;
                if (red ? isRed : dark) {
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                           std::max(box.bottom, y)};
                }
            }
        }
        return box;
    };
    struct Band {
        const char* name;
        int firstRow;
        int lastRow;
        bool red;
        int tolerance;
        bool compareRight; // text is narrower in the PDF's fonts
    };
    const Band bands[] = {
        {"first text line", 90, 140, false, 2, false},
        {"second paragraph", 141, 200, false, 2, false},
        // Paths stand one point (1.33 pixels) lower in the PDF.
        {"line", 470, 490, false, 2, true},
        {"polygon", 560, 680, true, 2, true},
    };
    for (const Band& band : bands) {
        SCOPED_TRACE(band.name);
        Box expected = inkBox(bitmap, band.firstRow, band.lastRow, band.red);
        Box actual = inkBox(pdf, band.firstRow, band.lastRow, band.red);
        ASSERT_GE(expected.right, 0);
        EXPECT_NEAR(actual.left, expected.left, band.tolerance);
        EXPECT_NEAR(actual.top, expected.top, band.tolerance);
        EXPECT_NEAR(actual.bottom, expected.bottom, band.tolerance);
        if (band.compareRight) {
            EXPECT_NEAR(actual.right, expected.right, band.tolerance);
        }
    }
}

} // namespace
