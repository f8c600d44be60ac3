// Printers: the file printer's list entry, capabilities, jobs, pages and aborts.
#include "platform/printing/printers.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/tests/png_pixels.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox_.SetEnvironment(printing::kFilePrinterVariable, folder_.string());
    }
    // The job log, empty while no job has written one.
    std::string Log() const {
        const fs::path log = folder_ / printing::kFilePrinterLog;
        return fs::exists(log) ? testkit::ReadFileBytes(log) : std::string();
    }
    testkit::Sandbox sandbox_;
    const fs::path folder_ = sandbox_.Root() / "printed";
};

TEST_F(PrinterTest, TheFilePrinterIsTheOnlyPrinterWhileConfigured) {
    std::vector<printing::PrinterInfo> printers = printing::ListPrinters();
    ASSERT_EQ(printers.size(), 1u);
    EXPECT_EQ(printers[0].name, printing::kFilePrinterName);
    EXPECT_EQ(printers[0].port, folder_.string());
}

TEST_F(PrinterTest, WithoutTheFilePrinterTheListComesFromCups) {
    // Whatever this machine has (often nothing): every entry must describe a usable sheet.
    sandbox_.SetEnvironment(printing::kFilePrinterVariable, std::nullopt);
    for (const printing::PrinterInfo& printer : printing::ListPrinters()) {
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

// Starts and ends a job without pages; answers what EndDoc answered, or StartDoc's failure.
int PrintEmptyJob() {
    HDC dc = CreateDCA("winspool", "File Printer", nullptr, nullptr);
    DOCINFOA document{sizeof(DOCINFOA), "Empty", nullptr, nullptr, 0};
    int result = StartDocA(dc, &document);
    if (result > 0) {
        result = EndDoc(dc);
    }
    DeleteDC(dc);
    return result;
}

TEST_F(PrinterTest, JobNumbersGoOnAboveTheLogAndThePageFiles) {
    struct Case {
        const char* name;
        std::optional<std::string> log; // none: no log file
        std::vector<std::string> pageFiles;
        const char* expectedLog; // after printing one job; null when the job cannot start
    };
    const Case cases[] = {
        {"past 32 bits",
         "job 2147483647 end 0 pages\n",
         {},
         "job 2147483647 end 0 pages\n"
         "job 2147483648 start \"Empty\"\njob 2147483648 end 0 pages\n"},
        {"missing log, page files left",
         std::nullopt,
         {"job7-page2.png", "job3-page1.png"},
         "job 8 start \"Empty\"\njob 8 end 0 pages\n"},
        {"page files above the log",
         "job 2 end 1 pages\n",
         {"job5-page1.png"},
         "job 2 end 1 pages\njob 6 start \"Empty\"\njob 6 end 0 pages\n"},
        {"no number left", "job 9223372036854775807 end 0 pages\n", {}, nullptr},
        {"no number left for the page files", "", {"job9223372036854775807-page1.png"}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        if (c.log) {
            std::ofstream(folder_ / printing::kFilePrinterLog) << *c.log;
        }
        for (const std::string& page : c.pageFiles) {
            std::ofstream(folder_ / page) << "page";
        }
        EXPECT_EQ(PrintEmptyJob() > 0, c.expectedLog != nullptr);
        EXPECT_EQ(Log(), c.expectedLog ? c.expectedLog : c.log.value_or(""));
        for (const std::string& page : c.pageFiles) {
            EXPECT_EQ(testkit::ReadFileBytes(folder_ / page), "page") << page;
        }
    }
}

TEST_F(PrinterTest, AJobWithAPageThatCannotBeWrittenIsAborted) {
    HDC dc = CreateDCA("winspool", "File Printer", nullptr, nullptr);
    DOCINFOA document{sizeof(DOCINFOA), "Blocked", nullptr, nullptr, 0};
    ASSERT_GT(StartDocA(dc, &document), 0);
    // A folder where the first page's file would go.
    fs::create_directories(folder_ / "job1-page1.png");
    EXPECT_GT(StartPage(dc), 0);
    EXPECT_EQ(EndPage(dc), SP_ERROR);
    EXPECT_GT(StartPage(dc), 0);
    EXPECT_EQ(EndPage(dc), SP_ERROR) << "no page after a lost one";
    EXPECT_EQ(EndDoc(dc), SP_ERROR);
    DeleteDC(dc);
    EXPECT_EQ(Log(), "job 1 start \"Blocked\"\njob 1 aborted\n");
    EXPECT_FALSE(fs::exists(folder_ / "job1-page2.png"));
}

TEST_F(PrinterTest, TheScreenCannotPrint) {
    HDC screen = GetDC(nullptr);
    DOCINFOA document{sizeof(DOCINFOA), "Nothing", nullptr, nullptr, 0};
    EXPECT_EQ(StartDocA(screen, &document), SP_ERROR);
    EXPECT_EQ(Escape(screen, GETPHYSPAGESIZE, 0, nullptr, nullptr), 0);
    ReleaseDC(nullptr, screen);
}

} // namespace
