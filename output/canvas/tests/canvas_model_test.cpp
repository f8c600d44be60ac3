// The canvas model: defaults, properties and their clamping, devices, page flags, items other
// than text, and transactions.
#include "canvas_fixture.h"

#include "platform/printing/printers.h"

#include <cstdlib>

namespace {

using namespace output;

using CanvasModel = FixedFontCanvas;

TEST_F(CanvasModel, AFreshCanvasIsALetterPageOnTheScreen) {
    EXPECT_EQ(canvas->PageTotal(), 0);
    EXPECT_EQ(canvas->Page(), 1);
    EXPECT_EQ(canvas->PageX(), 12240);
    EXPECT_EQ(canvas->PageY(), 15840);
    EXPECT_EQ(canvas->CursorX(), 1440);
    EXPECT_EQ(canvas->CursorY(), 1440);
    EXPECT_EQ(canvas->GetMargins().rightEdge, 12240 - 1440);
    EXPECT_EQ(canvas->GetMargins().bottomEdge, 15840 - 1440);
    EXPECT_EQ(canvas->Font().name, "Times New Roman");
    EXPECT_EQ(canvas->Colours().fill, 0xFFFFFFu);
    EXPECT_EQ(canvas->DrawScale(), 96);
    EXPECT_EQ(canvas->DeviceList(), "");
}

TEST_F(CanvasModel, PropertiesClampOrIgnoreOutOfRangeValues) {
    struct Case {
        const char* name;
        void (Canvas::*set)(std::int32_t);
        std::int32_t (*get)(const Canvas&);
        std::int32_t value;
        std::int32_t expected;
    };
    auto fontSize = [](const Canvas& c) { return c.Font().size; };
    auto justify = [](const Canvas& c) {
        return static_cast<std::int32_t>(c.GetMargins().justify);
    };
    auto scale = [](const Canvas& c) { return c.DrawScale(); };
    auto page = [](const Canvas& c) { return c.Page(); };
    const Case cases[] = {
        {"font size 4", &Canvas::SetFontSize, fontSize, 4, 8},
        {"font size 100", &Canvas::SetFontSize, fontSize, 100, 72},
        {"font size 30", &Canvas::SetFontSize, fontSize, 30, 30},
        {"draw scale 20", &Canvas::SetDrawScale, scale, 20, 48},
        {"draw scale 300", &Canvas::SetDrawScale, scale, 300, 192},
        {"justify 4", &Canvas::SetJustify, justify, 4, 0},
        {"justify -1", &Canvas::SetJustify, justify, -1, 0},
        {"justify 3", &Canvas::SetJustify, justify, 3, 3},
        {"page 0", &Canvas::SetPage, page, 0, 1},
        {"page 500", &Canvas::SetPage, page, 500, 500},
        {"page past the last", &Canvas::SetPage, page, kMaxCanvasPage + 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        canvas->Reset(0);
        (canvas.get()->*c.set)(c.value);
        EXPECT_EQ(c.get(*canvas), c.expected);
    }
}

TEST_F(CanvasModel, ResetWithADeviceNumberPastTheListIsTheScreen) {
    canvas->SetMarginLeft(720);
    canvas->PutLine(0, 0, 100, 100, 1);
    EXPECT_EQ(canvas->Reset(1), CanvasError::InvalidDevice);
    EXPECT_EQ(canvas->CurrentDevice(), nullptr);
    EXPECT_EQ(canvas->GetMargins().left, 1440);
    EXPECT_EQ(canvas->PageTotal(), 0);
    EXPECT_TRUE(canvas->Items().lines.empty());
    EXPECT_EQ(canvas->Reset(-1), CanvasError::InvalidDevice);
}

TEST_F(CanvasModel, APrinterGivesItsPaperSizeAndResolution) {
    std::filesystem::path folder = sandbox.Root();
    setenv(printing::kFilePrinterVariable, folder.c_str(), 1);
    Canvas printerCanvas;
    const std::vector<printing::DeviceEntry> entries = printing::DevicesSection();
    unsetenv(printing::kFilePrinterVariable);
    ASSERT_EQ(printerCanvas.DeviceList(), printing::kFilePrinterName);
    const DeviceInfo& device = printerCanvas.Devices().front();
    // Driver and port come from the printer's [Devices] value, "<driver>,<port>".
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(device.driverName + "," + device.portName, entries[0].value);
    EXPECT_EQ(device.portName, folder.string());
    EXPECT_EQ(device.pixelsPerInchY, 300);
    EXPECT_EQ(device.physicalWidthHundredths, 850);
    EXPECT_EQ(printerCanvas.Reset(1), CanvasError::OK);
    EXPECT_EQ(printerCanvas.PageX(), 12240);
    EXPECT_EQ(printerCanvas.PageY(), 15840);
    // Measured at 300 pixels per inch: 12 points are 50 pixels, 25 pixels a character.
    EXPECT_EQ(printerCanvas.Measure("ab").cx, 2 * 25 * 1440 / 300);
}

TEST_F(CanvasModel, PageFlagsTellBlackAndWhiteFromColour) {
    canvas->PutLine(0, 0, 10, 10, 1);
    canvas->SetPage(3);
    canvas->SetColorOfLine(0xFFFFFF);
    canvas->PutLine(0, 0, 10, 10, 1);
    canvas->SetColorOfLine(0x0000FF);
    canvas->SetPage(4);
    canvas->PutLine(0, 0, 10, 10, 1);
    EXPECT_EQ(canvas->PageTotal(), 4);
    EXPECT_EQ(canvas->State().pages.flags, (std::vector<std::uint8_t>{1, 0, 1, 2}));
    // A polygon flags its outline colour only when outlined, its fill colour only when filled.
    canvas->SetPage(2);
    EXPECT_EQ(canvas->PutPolygon("0:0|10:0|10:10", 1, /*doLine*/ false, /*doFill*/ true),
              CanvasError::OK);
    EXPECT_EQ(canvas->State().pages.flags[1], 1);
}

TEST_F(CanvasModel, PolygonsAndLines) {
    EXPECT_EQ(canvas->PutPolygon("0:0|10:0", 5, true, true), CanvasError::PolygonError);
    EXPECT_EQ(canvas->PutPolygon("0:0|10:0", 5, false, false), CanvasError::OK);
    EXPECT_EQ(canvas->PutPolygon("0:0|10:0|10:10", 0, true, false), CanvasError::OK);
    canvas->PutLine(1, 2, 3, 4, 1000);
    ASSERT_EQ(canvas->Items().polygons.size(), 1u);
    EXPECT_EQ(canvas->Items().polygons[0].width, 1);
    EXPECT_EQ(canvas->Items().polygons[0].fillColour, 0xFFFFFFu);
    ASSERT_EQ(canvas->Items().lines.size(), 1u);
    EXPECT_EQ(canvas->Items().lines[0].width, 360);
}

TEST_F(CanvasModel, ImagesFromHandlesAndFiles) {
    HBITMAP bitmap = CreateBitmap(48, 24, 1, 24, nullptr);
    std::string handle = std::to_string(reinterpret_cast<std::uintptr_t>(bitmap));
    EXPECT_EQ(canvas->PutImage(0, 2000, 0, 0, handle, 0), CanvasError::OK);
    ASSERT_EQ(canvas->Items().images.size(), 1u);
    const ImageItem& image = canvas->Items().images[0];
    EXPECT_EQ(image.x, canvas->CursorX());
    EXPECT_EQ(image.y, 2000);
    EXPECT_EQ(image.width, 48 * 1440 / 96);
    EXPECT_EQ(image.height, 24 * 1440 / 96);
    EXPECT_EQ(canvas->State().pages.flags, std::vector<std::uint8_t>{2});

    // A number that is not a bitmap (here a font) is not taken over.
    HFONT font = CreateFontA(-16, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    std::string fontHandle = std::to_string(reinterpret_cast<std::uintptr_t>(font));
    EXPECT_EQ(canvas->PutImage(0, 0, 0, 0, fontHandle, 0), CanvasError::OK);
    EXPECT_EQ(canvas->PutImage(0, 0, 0, 0, "0", 0), CanvasError::OK);
    EXPECT_EQ(canvas->Items().images.size(), 1u);
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    DeleteObject(font);

    std::filesystem::path folder = sandbox.Root();
    EXPECT_EQ(canvas->PutImage(0, 0, 0, 0, (folder / "missing").string(), 1),
              CanvasError::CannotAccessFile);
    EXPECT_EQ(canvas->PutImage(0, 0, 0, 0, handle, 2), CanvasError::InvalidFormat);
    EXPECT_EQ(canvas->Items().images.size(), 1u);

    // The canvas owns the bitmap it took: a reset deletes it.
    canvas->Reset(0);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
}

TEST_F(CanvasModel, FontsDifferingOnlyInTypeShareARecordAndTheFirstMatchWins) {
    canvas->PutText("a");
    canvas->SetFontType(1);
    canvas->SetFontName("TIMES NEW ROMAN");
    canvas->PutText("b");
    canvas->SetFontBold(true);
    canvas->PutText("c");
    ASSERT_EQ(canvas->Items().fonts.size(), 2u);
    EXPECT_EQ(canvas->Items().fonts[0].choice.type, 2);
    EXPECT_EQ(canvas->Items().words[0].font, 0u);
    EXPECT_EQ(canvas->Items().words[1].font, 1u);
    EXPECT_EQ(canvas->Items().fonts[0].blankWidth, kCharTwips);
}

TEST_F(CanvasModel, MarginsMoveTheCursorWhereItStandsOnThem) {
    canvas->SetMarginTop(2000);
    EXPECT_EQ(canvas->CursorY(), 2000);
    canvas->SetMarginIndent(360);
    EXPECT_EQ(canvas->CursorX(), 1800);
    canvas->SetMarginLeft(720);
    EXPECT_EQ(canvas->CursorX(), 1080);
    canvas->SetMarginBottom(1000);
    canvas->SetMarginRight(1000);
    EXPECT_EQ(canvas->GetMargins().bottomEdge, 15840 - 1000);
    EXPECT_EQ(canvas->GetMargins().rightEdge, 12240 - 1000);
    // Once the page holds an item, the top margin no longer moves the cursor.
    canvas->PutText("x");
    canvas->SetCursorY(3000);
    canvas->SetMarginTop(3000);
    canvas->SetMarginTop(4000);
    EXPECT_EQ(canvas->CursorY(), 3000);
    // Nor do the left margin and indent once the line holds a word.
    canvas->SetCursorX(1080);
    canvas->PutText("y");
    canvas->SetMarginLeft(100);
    EXPECT_EQ(canvas->CursorX(), 1080 + kCharTwips);
}

TEST_F(CanvasModel, PagesStopAtTheLastPageNumber) {
    canvas->SetPage(kMaxCanvasPage);
    canvas->NewPage();
    canvas->PutText("{PAGENUMBER,+5} last");
    EXPECT_EQ(canvas->Page(), kMaxCanvasPage);
    EXPECT_EQ(canvas->PageTotal(), kMaxCanvasPage);
    EXPECT_EQ(canvas->State().pages.flags.size(), static_cast<std::size_t>(kMaxCanvasPage));
}

TEST_F(CanvasModel, TransactionsRollBackExactlyAndNest) {
    EXPECT_EQ(canvas->TransStop(true), CanvasError::TransactionError);
    canvas->PutText("kept");
    const CanvasState before = canvas->State();
    canvas->TransStart();
    canvas->SetFontSize(20);
    canvas->PutText("gone {NEWPAGE} also gone");
    canvas->PutLine(0, 0, 1, 1, 1);
    canvas->TransStart();
    canvas->PutPolygon("0:0|1:0|1:1", 1, true, true);
    EXPECT_EQ(canvas->TransStop(true), CanvasError::OK);
    EXPECT_EQ(canvas->Items().polygons.size(), 1u);
    EXPECT_EQ(canvas->PageTotal(), 2);
    EXPECT_EQ(canvas->TransStop(false), CanvasError::OK);

    const CanvasState& after = canvas->State();
    EXPECT_EQ(after.cursorX, before.cursorX);
    EXPECT_EQ(after.cursorY, before.cursorY);
    EXPECT_EQ(after.pages.total, 1);
    EXPECT_EQ(after.pages.flags, before.pages.flags);
    EXPECT_EQ(after.font.size, 12);
    EXPECT_EQ(after.line.words, 1);
    EXPECT_EQ(canvas->Items().words.size(), 1u);
    EXPECT_EQ(canvas->Items().words[0].text, "kept");
    EXPECT_EQ(canvas->Items().fonts.size(), 1u);
    EXPECT_TRUE(canvas->Items().lines.empty());
    EXPECT_TRUE(canvas->Items().polygons.empty());
    EXPECT_EQ(canvas->TransStop(false), CanvasError::TransactionError);
}

} // namespace
