// Printers: the file printer's list entry, capabilities, jobs, pages and aborts.
#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/printers.h"
#include "platform/win32/tests/png_pixels.h"
#include "platform/win32/windows.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox_.SetEnvironment(win32::kFilePrinterVariable, folder_.string());
    }
    std::string Log() const { return testkit::ReadFileBytes(folder_ / win32::kFilePrinterLog); }
    testkit::Sandbox sandbox_;
    const fs::path folder_ = sandbox_.Root() / "printed";
};

TEST_F(PrinterTest, TheFilePrinterIsTheOnlyPrinterWhileConfigured) {
    std::vector<win32::PrinterInfo> printers = win32::ListPrinters();
    ASSERT_EQ(printers.size(), 1u);
    EXPECT_EQ(printers[0].name, win32::kFilePrinterName);
    EXPECT_EQ(printers[0].port, folder_.string());
}

TEST_F(PrinterTest, WithoutTheFilePrinterTheListComesFromCups) {
    // Whatever this machine has (often nothing): every entry must describe a usable sheet.
    sandbox_.SetEnvironment(win32::kFilePrinterVariable, std::nullopt);
    for (const win32::PrinterInfo& printer : win32::ListPrinters()) {
        SCOPED_TRACE(printer.name);
        EXPECT_FALSE(printer.name.empty());
        EXPECT_EQ(printer.driver, "winspool");
        EXPECT_GT(printer.dpiX, 0);
        EXPECT_GT(printer.printableWidth, 0);
        EXPECT_LE(printer.offsetX + printer.printableWidth, printer.physicalWidth);
    }
}

TEST_F(PrinterTest, APrinterContextReportsTheSheet) {
    HDC dc = CreateDCA("winspool", "File Printer", nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 300);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 2550);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 3300);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 75);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 2400);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 3150);
    POINT size{}, offset{};
    EXPECT_GT(Escape(dc, GETPHYSPAGESIZE, 0, nullptr, &size), 0);
    EXPECT_EQ(size.x, 2550);
    EXPECT_EQ(size.y, 3300);
    EXPECT_GT(Escape(dc, GETPRINTINGOFFSET, 0, nullptr, &offset), 0);
    EXPECT_EQ(offset.x, 75);
    DWORD portrait[5] = {1, 0, 0, 0, 0};
    EXPECT_EQ(
        Escape(dc, GETSETPRINTORIENT, sizeof portrait, reinterpret_cast<LPCSTR>(portrait), nullptr),
        1);
    // In twips, the sheet measures 8.5 x 11 inches.
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1440, 1440, nullptr);
    SetViewportExtEx(dc, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), nullptr);
    EXPECT_TRUE(DPtoLP(dc, &size, 1));
    EXPECT_EQ(size.x, 12240);
    EXPECT_EQ(size.y, 15840);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(CreateDCA("winspool", "No Such Printer", nullptr, nullptr), nullptr);
}

TEST_F(PrinterTest, AJobWritesItsPagesAndALog) {
    HDC dc = CreateDCA("winspool", "File Printer", nullptr, nullptr);
    DOCINFOA document{sizeof(DOCINFOA), "Stretch Report", nullptr, nullptr, 0};
    EXPECT_GT(StartDocA(dc, &document), 0);
    EXPECT_EQ(StartDocA(dc, &document), SP_ERROR) << "one job at a time";
    for (int page = 1; page <= 2; ++page) {
        EXPECT_GT(StartPage(dc), 0);
        // Device (0, 0) is the corner of the printable area, 75 pixels into the sheet.
        RECT mark{0, 0, 10 * page, 10};
        FillRect(dc, &mark, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EXPECT_GT(EndPage(dc), 0);
    }
    EXPECT_GT(EndDoc(dc), 0);
    DeleteDC(dc);

    EXPECT_EQ(Log(), "job 1 start \"Stretch Report\"\n"
                     "job 1 page 1 job1-page1.png\n"
                     "job 1 page 2 job1-page2.png\n"
                     "job 1 end 2 pages\n");
    EXPECT_EQ(PillowPixel(folder_ / "job1-page1.png", 75, 75), "(2550, 3300) (0, 0, 0)\n");
    EXPECT_EQ(PillowPixel(folder_ / "job1-page1.png", 74, 75), "(2550, 3300) (255, 255, 255)\n");
    EXPECT_EQ(PillowPixel(folder_ / "job1-page1.png", 85, 75), "(2550, 3300) (255, 255, 255)\n");
    EXPECT_EQ(PillowPixel(folder_ / "job1-page2.png", 85, 75), "(2550, 3300) (0, 0, 0)\n");
}

BOOL StopPrinting(HDC, int) {
    return FALSE;
}

TEST_F(PrinterTest, AbortedJobsAreLoggedAndNumberedOn) {
    HDC dc = CreateDCA("winspool", "File Printer", nullptr, nullptr);
    DOCINFOA document{sizeof(DOCINFOA), "First", nullptr, nullptr, 0};
    StartDocA(dc, &document);
    StartPage(dc);
    EndPage(dc);
    EXPECT_GT(AbortDoc(dc), 0);
    EXPECT_EQ(EndDoc(dc), SP_ERROR) << "no job left to end";

    document.lpszDocName = "Second";
    StartDocA(dc, &document);
    SetAbortProc(dc, StopPrinting);
    StartPage(dc);
    EXPECT_EQ(EndPage(dc), SP_APPABORT);

    // A job without a page still takes its number; deleting the context aborts a job.
    SetAbortProc(dc, nullptr);
    document.lpszDocName = "Third";
    StartDocA(dc, &document);
    DeleteDC(dc);

    EXPECT_EQ(Log(), "job 1 start \"First\"\n"
                     "job 1 page 1 job1-page1.png\n"
                     "job 1 aborted\n"
                     "job 2 start \"Second\"\n"
                     "job 2 aborted\n"
                     "job 3 start \"Third\"\n"
                     "job 3 aborted\n");
}

TEST_F(PrinterTest, TheScreenCannotPrint) {
    HDC screen = GetDC(nullptr);
    DOCINFOA document{sizeof(DOCINFOA), "Nothing", nullptr, nullptr, 0};
    EXPECT_EQ(StartDocA(screen, &document), SP_ERROR);
    EXPECT_EQ(Escape(screen, GETPHYSPAGESIZE, 0, nullptr, nullptr), 0);
    ReleaseDC(nullptr, screen);
}

} // namespace
