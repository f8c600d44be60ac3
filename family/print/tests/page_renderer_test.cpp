// Drawing lines and pages of hand-built print files into memory bitmaps. Text comes from the
// fixed-metrics font source: a character height of h pixels draws every character but the blank
// as a box h/2 - 1 wide and 3h/4 high on the baseline, advancing h/2, with an ascent of h,
// a descent and internal leading of h/4.
#include "family/print/src/render/page_renderer.h"

#include "family/print/src/render/device_twips.h"
#include "family/print/src/render/line_renderer.h"
#include "family/print/tests/print_file_fixture.h"
#include "family/print/tests/render_surface.h"

#include "platform/testing/sandbox.h"
#include "platform/win32/testing/pixels.h"

#include <gtest/gtest.h>

namespace {

using namespace pressel;
using pressel_test::Colours;
using pressel_test::RenderSurface;
using pressel_test::Scale;
using pressel_test::Stream;
using win32::testing::OwnedBitmap;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr std::int16_t kCharacterHeight = -20; // boxes 9 wide, 15 high, advancing 10

// A file of lines written one after another, each line's record pointing at its tokens.
class FileBuilder {
public:
    FileBuilder() {
        header.fonts[0].faceName = "Arial";
        header.colours[0] = kBlack;
        header.colours[1] = kRed;
        header.colours[2] = kBlue;
    }
    // Starts line `index` here: ascent 20, descent 5, the given x, black text of height -20.
    LineRecord& Line(int index, std::int16_t x = 0) {
        LineRecord& line = header.lines[static_cast<std::size_t>(index)];
        line.streamOffset = stream.Offset();
        line.ascent = 20;
        line.descent = 5;
        line.x = x;
        line.style.height = kCharacterHeight;
        return line;
    }
    std::unique_ptr<LoadedPrintFile> Load(const std::filesystem::path& path) const {
        pressel_test::WritePrintFile(path, header, stream);
        return LoadPrintFile(path).file;
    }

    PrintFileHeader header;
    Stream stream;
};

std::vector<std::uint8_t> PictureOperand(std::int8_t index, std::int16_t width,
                                         std::int16_t height) {
    return {static_cast<std::uint8_t>(index), static_cast<std::uint8_t>(width),
            static_cast<std::uint8_t>(width >> 8), static_cast<std::uint8_t>(height),
            static_cast<std::uint8_t>(height >> 8)};
}

void PutI32(std::vector<std::uint8_t>& out, std::int32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
    }
}

std::vector<std::uint8_t> LineOperand(RECT ends, std::int16_t width, COLORREF colour) {
    std::vector<std::uint8_t> operand;
    for (const std::int32_t value : {ends.left, ends.top, ends.right, ends.bottom}) {
        PutI32(operand, value);
    }
    operand.push_back(static_cast<std::uint8_t>(width));
    operand.push_back(static_cast<std::uint8_t>(width >> 8));
    PutI32(operand, static_cast<std::int32_t>(colour));
    return operand;
}

std::vector<std::uint8_t> RectangleOperand(RECT corners, bool border, bool fill) {
    std::vector<std::uint8_t> operand;
    for (const std::int32_t value : {corners.left, corners.top, corners.right, corners.bottom}) {
        PutI32(operand, value);
    }
    operand.insert(operand.end(), {1, 0, static_cast<std::uint8_t>(border ? 1 : 0),
                                   static_cast<std::uint8_t>(fill ? 1 : 0)});
    PutI32(operand, static_cast<std::int32_t>(kBlue));  // border
    PutI32(operand, static_cast<std::int32_t>(kRed));   // fill foreground, never drawn
    PutI32(operand, static_cast<std::int32_t>(kGreen)); // fill background
    return operand;
}

int NonWhite(const RenderSurface& surface, RECT area) {
    return (area.right - area.left) * (area.bottom - area.top) - surface.Count(area, kWhite);
}

TEST(LineRenderer, EndOfLineFirstDrawsNothingAndRestoresTheContext) {
    testkit::Sandbox sandbox;
    FileBuilder builder;
    LineRecord& line = builder.Line(0);
    line.style.textColour = 1;
    line.style.flags = kBoldFlag | kUnderlineFlag;
    line.breakCount = 2;
    line.breakExtra = 40;
    builder.stream.EndOfLine();
    const auto file = builder.Load("line.hux");
    ASSERT_NE(file, nullptr);

    RenderSurface surface(100, 40, Colours::kColour, Scale::kOnePixelPerTwip);
    const HFONT font =
        CreateFontA(kCharacterHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    SelectObject(surface.Dc(), font);
    SetTextColor(surface.Dc(), kGreen);
    RenderLine(surface.Dc(), *file, 0, LinePlace{}, PictureMode::kBitmap);

    EXPECT_EQ(NonWhite(surface, RECT{0, 0, 100, 40}), 0);
    EXPECT_EQ(GetTextColor(surface.Dc()), kGreen);
    EXPECT_EQ(GetCurrentObject(surface.Dc(), OBJ_FONT), font);
    SIZE extent{};
    GetTextExtentPoint32A(surface.Dc(), "a b", 3, &extent);
    EXPECT_EQ(extent.cx, 30) << "justification is off again";
    SelectObject(surface.Dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST(LineRenderer, UnderlineStretchesKeepTheColourWhereTheyBegan) {
    testkit::Sandbox sandbox;
    FileBuilder builder;
    builder.Line(0, 10).style.textColour = 1;
    // Red "AA" and blue "BB" under one underline, "CC" without, blue "DD" underlined to the end.
    builder.stream.Byte(kUnderline, 1).Text("AA").Byte(kTextColour, 2).Text("BB");
    builder.stream.Byte(kUnderline, 0).Text("CC").Byte(kUnderline, 1).Text("DD").EndOfLine();
    const auto file = builder.Load("line.hux");
    ASSERT_NE(file, nullptr);

    RenderSurface surface(100, 40, Colours::kColour, Scale::kOnePixelPerTwip);
    RenderLine(surface.Dc(), *file, 0, LinePlace{}, PictureMode::kBitmap);

    // Below the baseline (row 20) lie only underlines, 5 twips thick at this size.
    const auto below = [](int column) { return RECT{column, 21, column + 1, 40}; };
    EXPECT_EQ(surface.Count(below(25), kRed), 5) << "under AA";
    EXPECT_EQ(surface.Count(below(45), kRed), 5) << "under BB, still in the starting colour";
    EXPECT_EQ(NonWhite(surface, below(65)), 0) << "under CC";
    EXPECT_EQ(surface.Count(below(85), kBlue), 5) << "under DD";
    EXPECT_EQ(surface.Pixel(45, 19), kBlue) << "BB itself is blue";
}

TEST(LineRenderer, UnderlineThicknessFollowsTheFont) {
    // The font's height less internal leading over 20 (over 10 for bold), at least 5.
    struct Case {
        std::int16_t height;
        std::uint8_t flags;
        int thickness;
    };
    const Case cases[] = {
        {-20, 0, 5},
        {-200, 0, 10},
        {-200, kBoldFlag, 20},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(testing::Message() << "height " << row.height << " flags " << +row.flags);
        testkit::Sandbox sandbox;
        FileBuilder builder;
        LineRecord& line = builder.Line(0);
        line.ascent = 200;
        line.style.height = row.height;
        line.style.flags = static_cast<std::uint8_t>(row.flags | kUnderlineFlag);
        builder.stream.Text("A").EndOfLine();
        const auto file = builder.Load("line.hux");
        ASSERT_NE(file, nullptr);
        RenderSurface surface(200, 300, Colours::kColour, Scale::kOnePixelPerTwip);
        RenderLine(surface.Dc(), *file, 0, LinePlace{}, PictureMode::kBitmap);
        EXPECT_EQ(NonWhite(surface, RECT{2, 201, 3, 300}), row.thickness);
    }
}

TEST(LineRenderer, JustificationStartsWhereTheLineSays) {
    struct Case {
        bool fromMoveToX; // otherwise from the start of the line
        int secondBox;    // where "b" of "a b" is drawn
    };
    const Case cases[] = {{true, 20}, {false, 40}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.fromMoveToX ? "justified from the move" : "justified throughout");
        testkit::Sandbox sandbox;
        FileBuilder builder;
        LineRecord& line = builder.Line(0);
        line.breakCount = 1;
        line.breakExtra = 20;
        builder.stream.Text("a b");
        line.justifyFrom = row.fromMoveToX ? builder.stream.Offset() : 0;
        builder.stream.Word(kMoveToX, 100).Text("c d").EndOfLine();
        const auto file = builder.Load("line.hux");
        ASSERT_NE(file, nullptr);
        RenderSurface surface(200, 40, Colours::kColour, Scale::kOnePixelPerTwip);
        RenderLine(surface.Dc(), *file, 0, LinePlace{}, PictureMode::kBitmap);
        const auto box = [&](int left) {
            return surface.Count(RECT{left, 5, left + 9, 20}, kBlack);
        };
        EXPECT_EQ(box(0), 9 * 15);
        EXPECT_EQ(box(row.secondBox), 9 * 15);
        EXPECT_EQ(box(100), 9 * 15);
        EXPECT_EQ(box(140), 9 * 15) << "the blank after c takes the extra 20";
    }
}

TEST(LineRenderer, RectanglesFollowTheirFillAndBorderBytes) {
    struct Case {
        bool border;
        bool fill;
        COLORREF outline;
        COLORREF inside;
    };
    const Case cases[] = {
        {false, false, kWhite, kWhite},
        {false, true, kGreen, kGreen},
        {true, false, kBlue, kWhite},
        {true, true, kBlue, kGreen},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(testing::Message() << "border " << row.border << " fill " << row.fill);
        testkit::Sandbox sandbox;
        FileBuilder builder;
        builder.Line(0);
        builder.stream.Block(kRectangle,
                             RectangleOperand(RECT{10, 10, 50, 40}, row.border, row.fill));
        builder.stream.EndOfLine();
        const auto file = builder.Load("line.hux");
        ASSERT_NE(file, nullptr);
        // The page's x origin 30 less the printing offset 20 moves the rectangle right by 10.
        RenderSurface surface(100, 60, Colours::kColour, Scale::kOnePixelPerTwip);
        RenderLine(surface.Dc(), *file, 0, LinePlace{0, 20, 30}, PictureMode::kBitmap);
        EXPECT_EQ(surface.Pixel(40, 10), row.outline) << "top edge";
        EXPECT_EQ(surface.Pixel(20, 25), row.outline) << "left edge";
        EXPECT_EQ(surface.Pixel(40, 25), row.inside);
        EXPECT_EQ(surface.Count(RECT{0, 0, 100, 60}, kRed), 0)
            << "the fill foreground is never drawn";
    }
}

TEST(LineRenderer, PictureStandsOnTheBaselineInBothModes) {
    for (const PictureMode mode : {PictureMode::kBitmap, PictureMode::kPrinter}) {
        SCOPED_TRACE(mode == PictureMode::kBitmap ? "bitmap" : "printer");
        testkit::Sandbox sandbox;
        const OwnedBitmap picture(win32::testing::SolidBitmap(4, 3, kRed));
        FileBuilder builder;
        builder.header.pictureCount = 1;
        builder.header.pictures[0] =
            static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(picture.get()));
        builder.Line(0, 10).ascent = 60;
        builder.stream.Text("a").Block(kPicture, PictureOperand(0, 40, 30)).Text("b").EndOfLine();
        const auto file = builder.Load("line.hux");
        ASSERT_NE(file, nullptr);
        RenderSurface surface(120, 80, Colours::kColour, Scale::kOnePixelPerTwip);
        RenderLine(surface.Dc(), *file, 0, LinePlace{}, mode);
        EXPECT_EQ(surface.Count(RECT{20, 30, 60, 60}, kRed), 40 * 30);
        EXPECT_EQ(surface.Count(RECT{0, 0, 120, 80}, kRed), 40 * 30) << "nothing above or below";
        EXPECT_EQ(surface.Count(RECT{60, 45, 69, 60}, kBlack), 9 * 15) << "b after the picture";
    }
}

TEST(LineRenderer, IndicesOutsideTheTablesAreSkipped) {
    testkit::Sandbox sandbox;
    FileBuilder builder;
    builder.header.pictureCount = 1;
    builder.header.pictures[0] = 0xFFFFFF; // no bitmap
    builder.Line(0).style.textColour = 1;
    builder.stream.Byte(kFont, 99).Byte(kTextColour, 99).Text("a");
    builder.stream.Block(kPicture, PictureOperand(60, 40, 10));
    builder.stream.Block(kPicture, PictureOperand(-1, 40, 10));
    builder.stream.Block(kPicture, PictureOperand(0, 40, 10)).Text("b").EndOfLine();
    const auto file = builder.Load("line.hux");
    ASSERT_NE(file, nullptr);
    RenderSurface surface(200, 40, Colours::kColour, Scale::kOnePixelPerTwip);
    RenderLine(surface.Dc(), *file, 0, LinePlace{}, PictureMode::kPrinter);
    RenderLine(surface.Dc(), *file, kLineRecords, LinePlace{}, PictureMode::kBitmap);
    RenderLine(surface.Dc(), *file, -1, LinePlace{}, PictureMode::kBitmap);
    EXPECT_EQ(surface.Count(RECT{0, 5, 9, 20}, kRed), 9 * 15) << "a in the colour in force";
    EXPECT_EQ(surface.Count(RECT{130, 5, 139, 20}, kRed), 9 * 15) << "b after three widths";
    EXPECT_EQ(NonWhite(surface, RECT{0, 0, 200, 40}), 2 * 9 * 15);
}

TEST(LineRenderer, TruncatedStreamDrawsWhatItHas) {
    struct Case {
        const char* name;
        int code; // of a token cut off after the text "ab"; 0 for none
        std::vector<std::uint8_t> operand;
    };
    const std::vector<std::uint8_t> rectangle = RectangleOperand(RECT{0, 0, 90, 30}, true, true);
    const Case cases[] = {
        {"ends inside the text", 0, {}},
        {"ends inside a rectangle", kRectangle, {rectangle.begin(), rectangle.begin() + 20}},
        {"ends inside a move", kMoveToX, {0}},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        testkit::Sandbox sandbox;
        FileBuilder builder;
        builder.Line(0);
        builder.stream.Text("ab");
        if (row.code != 0) {
            builder.stream.Block(row.code, row.operand);
        }
        const auto file = builder.Load("line.hux");
        ASSERT_NE(file, nullptr);
        RenderSurface surface(100, 40, Colours::kColour, Scale::kOnePixelPerTwip);
        RenderLine(surface.Dc(), *file, 0, LinePlace{}, PictureMode::kBitmap);
        EXPECT_EQ(NonWhite(surface, RECT{0, 0, 100, 40}), 2 * 9 * 15);
    }
}

// A page with one header line, one body line and a footer of three lines of heights 25, 40 and
// 20; each line marks its last row with a line token in its own colour.
FileBuilder PageOfMarkedLines() {
    FileBuilder builder;
    builder.header.pageCount = 1;
    const auto marked = [&](int index, std::int16_t ascent, std::int16_t descent, COLORREF colour) {
        LineRecord& line = builder.Line(index);
        line.ascent = ascent;
        line.descent = descent;
        const std::int32_t last = ascent + descent - 1;
        builder.stream.Block(kLine, LineOperand(RECT{0, last, 50, last}, 1, colour)).EndOfLine();
    };
    marked(0, 20, 5, RGB(1, 1, 1));
    marked(kFirstHeaderFooterLine, 20, 5, RGB(2, 2, 2));
    marked(kFirstHeaderFooterLine + 1, 20, 5, RGB(3, 3, 3));
    marked(kFirstHeaderFooterLine + 2, 30, 10, RGB(4, 4, 4));
    marked(kFirstHeaderFooterLine + 3, 15, 5, RGB(5, 5, 5));
    PageRecord& page = builder.header.pages[0];
    page.firstHeaderLine = kFirstHeaderFooterLine;
    page.headerTop = 40;
    page.firstFooterLine = kFirstHeaderFooterLine + 1;
    page.footerBottom = 300;
    page.firstBodyLine = 0;
    page.bodyTop = 100;
    page.xOrigin = 20;
    builder.header.pages[1].firstHeaderLine = kFirstHeaderFooterLine + 4;
    builder.header.pages[1].firstBodyLine = 1;
    return builder;
}

TEST(PageRenderer, FooterEndsAtTheFooterBottom) {
    testkit::Sandbox sandbox;
    const auto file = PageOfMarkedLines().Load("page.hux");
    ASSERT_NE(file, nullptr);
    RenderSurface surface(100, 320, Colours::kColour, Scale::kOnePixelPerTwip);
    // The printing offset (10, 5) moves everything left and up.
    EXPECT_TRUE(RenderPage(surface.Dc(), *file, 0, POINT{10, 5}, PictureMode::kBitmap));
    struct Mark {
        int row;
        COLORREF colour;
    };
    const Mark marks[] = {
        {40 + 24, RGB(2, 2, 2)},  // header
        {100 + 24, RGB(1, 1, 1)}, // body
        {215 + 24, RGB(3, 3, 3)}, // footer: 300 - 85 = 215
        {240 + 39, RGB(4, 4, 4)},
        {280 + 19, RGB(5, 5, 5)}, // ends on row 299, just above the footer bottom
    };
    for (const Mark& mark : marks) {
        SCOPED_TRACE(mark.row);
        EXPECT_EQ(surface.Count(RECT{0, mark.row - 5, 100, mark.row - 4}, mark.colour), 50);
        EXPECT_EQ(surface.Pixel(10, mark.row - 5), mark.colour);
    }
}

TEST(PageRenderer, StopsBeforeTheNextLineWhenAsked) {
    testkit::Sandbox sandbox;
    const auto file = PageOfMarkedLines().Load("page.hux");
    ASSERT_NE(file, nullptr);
    RenderSurface surface(100, 320, Colours::kColour, Scale::kOnePixelPerTwip);
    int asked = 0;
    EXPECT_FALSE(RenderPage(surface.Dc(), *file, 0, POINT{0, 0}, PictureMode::kBitmap,
                            [&] { return ++asked == 3; }));
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(surface.Count(RECT{0, 0, 100, 320}, RGB(2, 2, 2)), 50);
    EXPECT_EQ(surface.Count(RECT{0, 0, 100, 320}, RGB(1, 1, 1)), 50);
    EXPECT_EQ(surface.Count(RECT{0, 0, 100, 320}, RGB(3, 3, 3)), 0);
}

TEST(PageRenderer, PagesAndLinesOutsideTheTablesDrawNothing) {
    testkit::Sandbox sandbox;
    FileBuilder builder = PageOfMarkedLines();
    builder.header.pageCount = 40; // more than the table holds
    builder.header.pages[2].firstBodyLine = 30000;
    builder.header.pages[3].firstBodyLine = -5;
    builder.header.pages[3].firstHeaderLine = 20000;
    builder.header.pages[3].firstFooterLine = 20000;
    const auto file = builder.Load("page.hux");
    ASSERT_NE(file, nullptr);
    RenderSurface surface(100, 320, Colours::kColour, Scale::kOnePixelPerTwip);
    for (const int page : {-1, 2, 3, 25, 26, 39}) {
        RenderPage(surface.Dc(), *file, page, POINT{0, 0}, PictureMode::kBitmap);
    }
    EXPECT_EQ(NonWhite(surface, RECT{0, 0, 100, 320}), 0);
}

// A small page of every kind of token, drawn at the screen's resolution.
FileBuilder SamplePage(HBITMAP picture) {
    FileBuilder builder;
    PrintFileHeader& header = builder.header;
    header.fonts[1].faceName = "Times New Roman";
    header.colours[3] = RGB(0, 128, 0);
    header.pageCount = 1;
    header.pictureCount = 1;
    header.pictures[0] = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(picture));
    const auto line = [&](int index, std::int16_t x, std::int16_t height, std::int16_t ascent) {
        LineRecord& record = builder.Line(index, x);
        record.style.height = height;
        record.ascent = ascent;
        record.descent = static_cast<std::int16_t>(ascent / 4);
        return &record;
    };
    line(kFirstHeaderFooterLine, 1080, -240, 240)->style.flags = kBoldFlag;
    builder.stream.Text("REPORT").EndOfLine();
    line(0, 0, -200, 200);
    builder.stream.Text("Plain ").Byte(kTextColour, 1).Byte(kUnderline, 1).Text("red");
    builder.stream.Byte(kUnderline, 0)
        .Byte(kTextColour, 0)
        .Word(kMoveToX, 2400)
        .Text("tab")
        .EndOfLine();
    LineRecord* justified = line(1, 0, -200, 400);
    justified->breakCount = 2;
    justified->breakExtra = 300;
    builder.stream.Byte(kItalic, 1).Text("a b c").Byte(kItalic, 0);
    builder.stream.Block(kPicture, PictureOperand(0, 360, 360)).EndOfLine();
    line(2, 0, -200, 300);
    builder.stream.Block(kLine, LineOperand(RECT{0, 150, 3000, 150}, 30, RGB(0, 0, 255)));
    builder.stream.Block(kRectangle, RectangleOperand(RECT{2000, 0, 3000, 280}, true, true));
    builder.stream.EndOfLine();
    line(kFirstHeaderFooterLine + 1, 2400, -160, 160)->style.textColour = 3;
    builder.stream.Byte(kFont, 1).Text("Page 1").EndOfLine();
    header.pages[0] =
        PageRecord{kFirstHeaderFooterLine + 1, 2100, kFirstHeaderFooterLine, 60, 0, 240, 420, 3600};
    header.pages[1].firstHeaderLine = kFirstHeaderFooterLine + 2;
    header.pages[1].firstBodyLine = 3;
    return builder;
}

TEST(PageRenderer, SamplePageMatchesTheStoredImages) {
    testkit::Sandbox sandbox;
    const OwnedBitmap picture(win32::testing::SolidBitmap(6, 6, RGB(255, 128, 0)));
    const auto file = SamplePage(picture.get()).Load("sample.hux");
    ASSERT_NE(file, nullptr);
    for (const Colours colours : {Colours::kMonochrome, Colours::kColour}) {
        const bool mono = colours == Colours::kMonochrome;
        SCOPED_TRACE(mono ? "monochrome" : "colour");
        RenderSurface surface(3600, 2160, colours, Scale::kScreen);
        RenderPage(surface.Dc(), *file, 0, POINT{0, 0}, PictureMode::kBitmap);
        pressel_test::ExpectMatchesStoredImage(surface.Bitmap(),
                                               mono ? "sample_page_mono" : "sample_page_colour");
    }
}

TEST(DeviceTwips, PageSizeAndOffsetOfThePrinter) {
    testkit::Sandbox sandbox;
    EXPECT_EQ(PageSizeTwips(nullptr).x, kDefaultPageSize.x);
    EXPECT_EQ(PageSizeTwips(nullptr).y, kDefaultPageSize.y);
    EXPECT_EQ(PrintingOffsetTwips(nullptr).x, 0);

    // The file printer: 2550 x 3300 pixels at 300 dpi with a margin of 75 pixels.
    const HDC printer = CreateDCA(nullptr, "File Printer", nullptr, nullptr);
    ASSERT_NE(printer, nullptr);
    SetupPrinterTwips(printer);
    EXPECT_EQ(PageSizeTwips(printer).x, 12240);
    EXPECT_EQ(PageSizeTwips(printer).y, 15840);
    EXPECT_EQ(PrintingOffsetTwips(printer).x, 360);
    EXPECT_EQ(PrintingOffsetTwips(printer).y, 360);
    EXPECT_EQ(GetTextAlign(printer), static_cast<UINT>(TA_BASELINE));
    EXPECT_EQ(GetBkMode(printer), TRANSPARENT);
    DeleteDC(printer);

    // A bitmap context answers no escape: the default sheet.
    const HDC memory = CreateCompatibleDC(nullptr);
    SetupTwips(memory);
    EXPECT_EQ(PageSizeTwips(memory).x, kDefaultPageSize.x);
    DeleteDC(memory);
}

} // namespace
