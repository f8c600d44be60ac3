// The converter's layout rules on templates converted with fixed-metrics fonts, compared with the
// page and line records and tokens those metrics give (see converter_fixture.h: 120 twips a
// character, lines from x 1800 to 10440, ascent 240 and descent 60 at 12 points).
#include "family/print/src/render/device_twips.h"
#include "family/print/tests/converter_fixture.h"

#include "platform/win32/tests/metafile_bytes.h"
#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"

#include <string>
#include <vector>

namespace {

using pressel_test::AnsweredMessageBoxes;
using pressel_test::Conversion;
using pressel_test::ConverterTest;
using Lines = std::vector<std::string>;

// n words of nine letters ("word0000a" ...), separated by single spaces.
std::string Words(int count, int from = 0) {
    std::string text;
    for (int i = from; i < from + count; ++i) {
        const std::string number = std::to_string(1000 + i).substr(1);
        text += (text.empty() ? "" : " ") + std::string("word0") + number + "a";
    }
    return text;
}

struct LayoutCase {
    const char* name;
    std::string body;
    Lines lines; // the body lines of the first page
};

// Each row's expected lines follow from the fixed metrics; the comments give the arithmetic.
TEST_F(ConverterTest, LinesOfEachLayoutRule) {
    const LayoutCase cases[] = {
        // Seven words and their spaces fill 69 of 72 characters; the eighth does not fit, so
        // the space before it is taken back and it begins the next line.
        {"wrap",
         R"(\pard )" + Words(10) + R"(\par)",
         {"x=1800 a=240 d=60|" + Words(7) + "|", "x=1800 a=240 d=60|" + Words(3, 7) + "|"}},
        // A word of 80 characters stands alone on its line; the words around it break before
        // and after it, and the spaces at both breaks are dropped.
        {"wide word",
         R"(\pard ab )" + std::string(80, 'w') + R"( cd\par)",
         {"x=1800 a=240 d=60|ab|", "x=1800 a=240 d=60|" + std::string(80, 'w') + "|",
          "x=1800 a=240 d=60|cd|"}},
        // Default tabs every 720 twips from the left margin: "ab" ends at 2040, the tab goes to
        // 2520; a tab left of the left indent goes to the indent.
        {"default tab",
         R"(\pard ab\tab cd\par\pard\li1000\fi-1000\tab ef\par)",
         {"x=1800 a=240 d=60|ab|<x:2520>|cd|", "x=1800 a=240 d=60|<x:2800>|ef|"}},
        // The right tab at 5000 pulls "abc def" (840) back to end at 6800; x then stands at
        // 6801, which the right alignment moves to the limit: 1800 + 10440 - 6801.
        {"right tab",
         R"(\pard\qr\tqr\tx5000\tab abc def\par)",
         {"x=5439 a=240 d=60|<x:5960>|abc def|"}},
        // The centred tab at 5000 centres "abcd" (480) on 6800.
        {"centred tab", R"(\pard\tqc\tx5000\tab abcd\par)", {"x=1800 a=240 d=60|<x:6560>|abcd|"}},
        // "abc" is 360 wide: centred by (8640 - 360) / 2, right by 8640 - 360.
        {"alignments",
         R"(\pard\qc abc\par\pard\qr abc\par\pard\ql abc\par)",
         {"x=5940 a=240 d=60|abc|", "x=10080 a=240 d=60|abc|", "x=1800 a=240 d=60|abc|"}},
        // A justified line closed by the wrap widens its six counted spaces by the 360 left
        // over; the paragraph's last line is not justified. Only spaces after the last tab
        // count.
        {"justified",
         R"(\pard\qj )" + Words(10) + R"(\par\pard\qj a b\tab c d\line)",
         {"x=1800 a=240 d=60 j=6/360|" + Words(7) + "|", "x=1800 a=240 d=60|" + Words(3, 7) + "|",
          "x=1800 a=240 d=60 j=1/7560|a b|<x:2520>|c d|"}},
        // Space before goes on a paragraph's first line, space after on its last; a line
        // break starts no paragraph.
        {"spacing",
         R"(\pard\sb100\sa50 ab\line cd\par ef\par)",
         {"x=1800 a=240 d=60|ab|", "x=1800 a=240 d=110|cd|", "x=1800 a=340 d=110|ef|"}},
        // Indents: the first line at left + first-line indent, the others at the left indent;
        // the right indent brings the limit in to 10440 - 7200 = 3240, 12 characters.
        {"indents",
         R"(\pard\li240\fi120\ri7200 aaa bbb ccc ddd\par)",
         {"x=2160 a=240 d=60|aaa bbb|", "x=2040 a=240 d=60|ccc ddd|"}},
        // Hidden text gives no tokens (the runs around it join), and a paragraph of hidden text
        // no line.
        {"hidden",
         R"(\pard ab{\v  hidden}cd\par{\v gone\par}ef\par)",
         {"x=1800 a=240 d=60|abcd|", "x=1800 a=240 d=60|ef|"}},
        // Format tokens before the text they change, colours first, then bold, italic,
        // underline and font; a size change makes a font of 24 points, which the line's
        // heights take.
        {"formats",
         R"(\pard a{\b\i\ul b}{\f1\cf1 c}{\fs48 d}\par)",
         {"x=1800 a=480 d=120|a|<b:1>|<i:1>|<u:1>|b|<cf:1>|<cb:0>|<b:0>|<i:0>|<u:0>|<f:1>|c|"
          "<cf:0>|<cb:0>|<f:0>|<h:-480>|d|"}},
        // A drawn line and rectangle: the object's offset plus its points, its width and
        // colours (red 255 is 255, blue 255 is 16711680).
        {"drawings",
         R"(\pard a{\*\do\dpline\dpptx10\dppty20\dpptx300\dppty40\dpx100\dpy200\dplinew15)"
         R"(\dplinecor255\dplinecog0\dplinecob0}{\*\do\dprect\dpx50\dpy60\dpxsize400\dpysize500)"
         R"(\dplinew5\dpfillpat1\dpfillfgcb255\dpfillbgcg255}b\par)",
         {"x=1800 a=240 d=60|a|<line:110,220-400,240 w15 c255>|"
          "<rect:50,60-450,560 w5 o1 p1 c0/16711680/65280>|b|"}},
        // A template's own picture, a metafile of one red pixel, becomes the first entry of
        // the picture table and is placed at its size; the text after its group goes on.
        {"template picture",
         R"(\pard a{\pict\wmetafile8\picwgoal300\pichgoal200 )" +
             metafile_bytes::Hex(metafile_bytes::Metafile({metafile_bytes::StretchDibRecord(
                 metafile_bytes::Dib24({{RGB(255, 0, 0)}}), 1, 1)})) +
             R"(}b\par)",
         {"x=1800 a=240 d=60|a|<pic:0 300x200>|b|"}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Conversion conversion = Convert(c.body);
        EXPECT_EQ(conversion.result, 0);
        EXPECT_EQ(conversion.BodyLines(0), c.lines);
        for (int i = 0; i < conversion.header.pictureCount; ++i) {
            DeleteObject(conversion.PictureAt(i));
        }
    }
}

// n lines "l0", "l1", ... each ended by \line, and the expected summary of line i.
std::string ShortLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "l" + std::to_string(i) + R"(\line )";
    }
    return text;
}

struct PageCase {
    const char* name;
    std::string body;
    std::vector<int> firstLines; // of each page, then the end marker
};

// A page holds 43 lines of 300 twips between y 1440 and the bottom limit 14400.
TEST_F(ConverterTest, PagesBreakWhereLinesStopFittingOrTheTemplateAsks) {
    const PageCase cases[] = {
        {"page and section", R"(\pard a\par b\page c\sect d\par)", {0, 2, 3, 4}},
        {"full page", R"(\pard )" + ShortLines(50), {0, 43, 50}},
        // The third line of a kept paragraph does not fit: the paragraph moves whole.
        {"keep",
         R"(\pard )" + ShortLines(41) + R"(\par\pard\keep x\line y\line z\par)",
         {0, 42, 45}},
        // The heading kept with the next paragraph moves with that paragraph's first line.
        {"keepn",
         R"(\pard )" + ShortLines(41) + R"(\par\pard\keepn H\par\pard body\par)",
         {0, 42, 44}},
        {"no keeping",
         R"(\pard )" + ShortLines(41) + R"(\par\pard H\par\pard body\par)",
         {0, 43, 44}},
        // 30 pages of text: exactly 25 are laid out.
        {"25 pages", R"(\pard )" + ShortLines(30 * 43), {}},
        // 97 lines a page on paper 32000 high: body lines stop at the last of 1725 records.
        {"body lines full",
         R"(\paperh32000\pard )" + ShortLines(1800),
         {0, 97, 194, 291, 388, 485, 582, 679, 776, 873, 970, 1067, 1164, 1261, 1358, 1455, 1552,
          1649, 1725}},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Conversion conversion = Convert(c.body);
        EXPECT_EQ(conversion.result, 0);
        std::vector<int> expected = c.firstLines;
        if (expected.empty()) {
            for (int page = 0; page <= 25; ++page) {
                expected.push_back(page * 43);
            }
        }
        const int pages = static_cast<int>(expected.size()) - 1;
        ASSERT_EQ(conversion.header.pageCount, pages);
        std::vector<int> firstLines;
        for (int page = 0; page <= pages; ++page) {
            firstLines.push_back(conversion.header.pages[page].firstBodyLine);
        }
        EXPECT_EQ(firstLines, expected);
    }
}

TEST_F(ConverterTest, PageRecordsCarryTheSectionsGeometry) {
    struct Case {
        const char* settings;
        pressel::PageRecord first;
    };
    // GETPHYSPAGESIZE fails on a memory device context: the page stays 12240 x 15840 unless the
    // template sets its size. Footer bottom = paper height - footer distance.
    const Case cases[] = {
        {"", {1725, 15120, 1725, 720, 0, 1800, 1440, 12240}},
        {R"(\paperw10000\paperh20000)", {1725, 19280, 1725, 720, 0, 1800, 1440, 10000}},
        {R"(\margl1000\margt2000\headery300\footery400)",
         {1725, 15440, 1725, 300, 0, 1000, 2000, 12240}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        const Conversion conversion = Convert(std::string(c.settings) + R"(\pard a\par)");
        ASSERT_EQ(conversion.header.pageCount, 1);
        EXPECT_EQ(conversion.header.pages[0], c.first);
    }
}

TEST_F(ConverterTest, HeadersAndFootersDecorateEachPage) {
    const Conversion conversion =
        Convert(R"({\header\pard\qr Page $#Page of $#LastPage\par}{\headerf\pard First\par})"
                R"({\footer\pard Foot\par}\titlepg\pard one\page two\page three\par)");
    ASSERT_EQ(conversion.header.pageCount, 3);
    // The first page takes the first-page header; there is no first-page footer, so it has
    // none. "Page 2 of 3" is 11 characters: right-aligned at 10440 - 1320.
    EXPECT_EQ(conversion.HeaderLines(0), Lines{"x=1800 a=240 d=60|First|"});
    EXPECT_EQ(conversion.FooterLines(0), Lines{});
    EXPECT_EQ(conversion.HeaderLines(1), Lines{"x=9120 a=240 d=60|Page 2 of 3|"});
    EXPECT_EQ(conversion.FooterLines(1), Lines{"x=1800 a=240 d=60|Foot|"});
    EXPECT_EQ(conversion.HeaderLines(2), Lines{"x=9120 a=240 d=60|Page 3 of 3|"});
    EXPECT_EQ(conversion.FooterLines(2), Lines{"x=1800 a=240 d=60|Foot|"});
    EXPECT_EQ(conversion.BodyLines(2), Lines{"x=1800 a=240 d=60|three|"});
}

TEST_F(ConverterTest, HeaderAndFooterLinesPastTheLastRecordAreDropped) {
    // 30 header lines on each of 25 pages would need 750 records; 150 exist.
    std::string header = R"({\header\pard )";
    for (int i = 0; i < 30; ++i) {
        header += R"(h\par )";
    }
    const Conversion conversion = Convert(header + R"(}\pard )" + ShortLines(30 * 43));
    ASSERT_EQ(conversion.header.pageCount, 25);
    EXPECT_EQ(conversion.header.pages[4].firstHeaderLine, 1725 + 4 * 30);
    EXPECT_EQ(conversion.header.pages[4].firstFooterLine, 1725 + 5 * 30);
    EXPECT_EQ(conversion.header.pages[5].firstHeaderLine, 1875);
    EXPECT_EQ(conversion.header.pages[25].firstHeaderLine, 1875);
    EXPECT_EQ(conversion.BodyLines(24).size(), 43u);
}

// A dialog that records the progress it is sent and answers `stopAt` from that report on.
struct ProgressLog {
    std::vector<WPARAM> percents;
    std::size_t stopAt = 0; // 0: never
};
ProgressLog* gProgress = nullptr;

LRESULT CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER && gProgress != nullptr) {
        gProgress->percents.push_back(wParam);
        return gProgress->percents.size() == gProgress->stopAt ? 7 : 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class ConverterDialogTest : public ConverterTest {
protected:
    void SetUp() override {
        ConverterTest::SetUp();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ProgressProc;
        windowClass.lpszClassName = "ConverterProgress";
        RegisterClassA(&windowClass);
        dialog_ = CreateWindowExA(0, "ConverterProgress", "", 0, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
        gProgress = &log_;
    }
    void TearDown() override {
        gProgress = nullptr;
        DestroyWindow(dialog_);
        win32::SetMessageWait(nullptr);
        ConverterTest::TearDown();
    }

    HWND dialog_ = nullptr;
    ProgressLog log_;
};

TEST_F(ConverterDialogTest, ProgressGoesToTheDialogAfterEachBodyLineAndAtTheEnd) {
    const Conversion conversion = Convert(R"(\pard )" + ShortLines(4), {.dialog = dialog_});
    EXPECT_EQ(conversion.result, 0);
    // Four lines and the end of the document, then 100 at the end.
    ASSERT_EQ(log_.percents.size(), 6u);
    EXPECT_TRUE(std::is_sorted(log_.percents.begin(), log_.percents.end()));
    EXPECT_GT(log_.percents[0], 0u);
    EXPECT_EQ(log_.percents.back(), 100u);
}

TEST_F(ConverterDialogTest, ANonZeroAnswerStopsTheLayoutWithThatResult) {
    log_.stopAt = 3;
    const Conversion conversion = Convert(R"(\pard )" + ShortLines(100), {.dialog = dialog_});
    EXPECT_EQ(conversion.result, 7);
    // The header is still written: one page of the three lines laid out.
    EXPECT_EQ(conversion.header.pageCount, 1);
    EXPECT_EQ(conversion.header.pages[1].firstBodyLine, 3);
}

TEST_F(ConverterDialogTest, ATemplateWithoutDefaultFontIsReportedAsCorrupt) {
    const AnsweredMessageBoxes boxes;
    const Conversion conversion =
        ConvertTemplate(R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\pard text\par})", {.dialog = dialog_});
    EXPECT_EQ(conversion.result, 1);
    EXPECT_EQ(boxes.Shown(),
              std::vector<std::string>{"File Error:\nThe print file has been corrupted."});
}

} // namespace

namespace {

TEST_F(ConverterTest, APrinterOfItsOwnDecidesWhereLinesBreak) {
    // The file printer draws at 300 dots an inch, the layout device at 96, so a 10-point font
    // rounds to different heights on each. The page holds as many lines as fit in the printer's
    // heights between y 1440 and 14400.
    const HDC printer = CreateDCA(nullptr, "File Printer", nullptr, nullptr);
    ASSERT_NE(printer, nullptr);
    pressel::SetupTwips(printer);
    LOGFONTA font{};
    font.lfHeight = -200;
    const HFONT probe = CreateFontIndirectA(&font);
    const HGDIOBJ previous = SelectObject(printer, probe);
    TEXTMETRICA metrics{};
    GetTextMetricsA(printer, &metrics);
    SelectObject(printer, previous);
    DeleteObject(probe);
    const int printerLine = metrics.tmAscent + metrics.tmDescent + metrics.tmExternalLeading;
    const int layoutLine = 195 + 45; // 13 pixels of ascent and 3 of descent at 96 dots an inch
    ASSERT_NE(12960 / printerLine, 12960 / layoutLine);

    const std::string body = R"(\pard\fs20 )" + ShortLines(100);
    const Conversion alone = Convert(body);
    EXPECT_EQ(alone.header.pages[1].firstBodyLine, 12960 / layoutLine);
    const Conversion withPrinter = Convert(body, {.printer = printer});
    EXPECT_EQ(withPrinter.header.pages[1].firstBodyLine, 12960 / printerLine);
    // The printer answers GETPHYSPAGESIZE: 2550 x 3300 dots are 12240 x 15840 twips. The lines
    // record the printer's cell height as their font height.
    EXPECT_EQ(withPrinter.header.pages[0].width, 12240);
    EXPECT_EQ(withPrinter.header.lines[0].style.height, metrics.tmHeight);
    EXPECT_EQ(alone.header.lines[0].style.height, -200);
    DeleteDC(printer);
}

} // namespace

namespace {

TEST_F(ConverterTest, ATemplateWithoutColourTableKeepsItsBody) {
    const Conversion conversion =
        ConvertTemplate(R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}\pard text\par})");
    EXPECT_EQ(conversion.result, 0);
    ASSERT_EQ(conversion.header.pageCount, 1);
    EXPECT_EQ(conversion.BodyLines(0), Lines{"x=1800 a=240 d=60|text|"});
}

} // namespace
