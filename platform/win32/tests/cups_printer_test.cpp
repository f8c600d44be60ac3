// Printing through CUPS, against a private scheduler with one raw queue that writes into a file:
// the printer list and the default destination, a job's pages and title as the scheduler
// receives them, and aborted jobs.
#include "platform/printing/printers.h"
#include "platform/testing/file_contents.h"
#include "platform/win32/tests/cups_scheduler.h"
#include "platform/win32/tests/png_pixels.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <cups/cups.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string_view>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* kQueue = "Tallowmere_Test";
constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";

struct Job {
    std::string title;
    ipp_jstate_t state;
};

// Every job of the test queue, in any state.
std::vector<Job> QueueJobs() {
    cups_job_t* jobs = nullptr;
    int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, kQueue, 0, CUPS_WHICHJOBS_ALL);
    std::vector<Job> result;
    for (int i = 0; i < count; ++i) {
        result.push_back({jobs[i].title ? jobs[i].title : "", jobs[i].state});
    }
    cupsFreeJobs(count, jobs);
    return result;
}

// The queue's jobs once none is pending or printing any more, or after the deadline.
std::vector<Job> FinishedJobs() {
    Clock::time_point deadline = Clock::now() + std::chrono::seconds(20);
    for (;;) {
        std::vector<Job> jobs = QueueJobs();
        bool running = std::any_of(jobs.begin(), jobs.end(),
                                   [](const Job& job) { return job.state < IPP_JSTATE_CANCELED; });
        if (!running || Clock::now() > deadline) {
            return jobs;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

// The PNG documents in `data`, split at each signature.
std::vector<std::string> SplitPngs(const std::string& data) {
    std::vector<std::string> documents;
    std::size_t start = data.find(kPngSignature);
    while (start != std::string::npos) {
        std::size_t next = data.find(kPngSignature, start + 1);
        documents.push_back(data.substr(start, next - start));
        start = next;
    }
    return documents;
}

class CupsPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv(printing::kFilePrinterVariable);
        ASSERT_TRUE(scheduler_.Start())
            << "The private CUPS scheduler did not start: " << scheduler_.Error();
        ASSERT_TRUE(scheduler_.AddFileQueue(kQueue, Output())) << scheduler_.Error();
        // The library finds the scheduler as any program would: through CUPS_SERVER, read
        // afresh once the default server is reset.
        setenv("CUPS_SERVER", scheduler_.SocketPath().c_str(), 1);
        cupsSetServer(nullptr);
    }
    void TearDown() override {
        unsetenv("CUPS_SERVER");
        cupsSetServer(nullptr);
    }
    fs::path Output() const { return scheduler_.Folder() / "printed.out"; }
    // No job reached the queue and nothing reached its device.
    bool NothingPrinted() const { return QueueJobs().empty() && !fs::exists(Output()); }
    // A printer context on the queue with a document of one blank page started.
    HDC StartOnePageDocument(const char* name) {
        HDC dc = CreateDCA("winspool", kQueue, nullptr, nullptr);
        DOCINFOA document{sizeof(DOCINFOA), name, nullptr, nullptr, 0};
        EXPECT_NE(dc, nullptr);
        EXPECT_GT(StartDocA(dc, &document), 0);
        EXPECT_GT(StartPage(dc), 0);
        EXPECT_GT(EndPage(dc), 0);
        return dc;
    }

    win32_test::CupsScheduler scheduler_;
};

TEST_F(CupsPrinterTest, TheListShowsTheQueueWithAUsableSheet) {
    std::vector<printing::PrinterInfo> printers = printing::ListPrinters();
    ASSERT_EQ(printers.size(), 1u) << "the private scheduler has one queue";
    const printing::PrinterInfo& printer = printers[0];
    EXPECT_EQ(printer.name, kQueue);
    EXPECT_EQ(printer.driver, "winspool");
    EXPECT_EQ(printer.port, std::string("CUPS:") + kQueue);
    EXPECT_GT(printer.dpiX, 0);
    EXPECT_GT(printer.dpiY, 0);
    EXPECT_GT(printer.printableWidth, 0);
    EXPECT_GT(printer.printableHeight, 0);
    EXPECT_LE(printer.offsetX + printer.printableWidth, printer.physicalWidth);
    EXPECT_LE(printer.offsetY + printer.printableHeight, printer.physicalHeight);

    HDC dc = CreateDCA("winspool", kQueue, nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), printer.dpiX);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), printer.physicalWidth);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), printer.printableHeight);
    DeleteDC(dc);
}

TEST_F(CupsPrinterTest, ATwoPageJobReachesTheQueueAsOneJobWithTheDocumentName) {
    HDC dc = CreateDCA("winspool", kQueue, nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    // The document name is stored text (Windows-1252); the job's title arrives as UTF-8.
    DOCINFOA document{sizeof(DOCINFOA), "Stretch Report for Jos\xE9 Mu\xF1oz", nullptr, nullptr, 0};
    EXPECT_GT(StartDocA(dc, &document), 0);
    for (int page = 1; page <= 2; ++page) {
        EXPECT_GT(StartPage(dc), 0);
        RECT mark{0, 0, 100 * page, 100};
        FillRect(dc, &mark, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EXPECT_GT(EndPage(dc), 0);
    }
    EXPECT_GT(EndDoc(dc), 0);
    std::string sheet = "(" + std::to_string(GetDeviceCaps(dc, PHYSICALWIDTH)) + ", " +
                        std::to_string(GetDeviceCaps(dc, PHYSICALHEIGHT)) + ") ";
    int offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    int offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    DeleteDC(dc);

    std::vector<Job> jobs = FinishedJobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].title, "Stretch Report for Jos\xC3\xA9 Mu\xC3\xB1oz");
    ASSERT_EQ(jobs[0].state, IPP_JSTATE_COMPLETED) << scheduler_.LogTail();

    // The device file holds the two pages, one PNG each, in order and nothing else.
    std::string printed = testkit::ReadFileBytes(Output());
    EXPECT_EQ(printed.rfind(kPngSignature, 0), 0u) << "nothing precedes the first page";
    std::vector<std::string> pages = SplitPngs(printed);
    ASSERT_EQ(pages.size(), 2u);
    // Each page is the whole sheet with its own mark, placed from the printable area's corner.
    struct Probe {
        std::size_t page;
        int x, y; // from the corner of the printable area
        const char* colour;
    };
    const Probe probes[] = {
        {1, 50, 50, "(0, 0, 0)"},
        {1, 150, 50, "(255, 255, 255)"},
        {2, 150, 50, "(0, 0, 0)"},
        {2, 250, 50, "(255, 255, 255)"},
    };
    for (const Probe& probe : probes) {
        SCOPED_TRACE("page " + std::to_string(probe.page) + " at " + std::to_string(probe.x) +
                     ", " + std::to_string(probe.y));
        fs::path file = scheduler_.Folder() / ("page" + std::to_string(probe.page) + ".png");
        std::ofstream(file, std::ios::binary) << pages[probe.page - 1];
        EXPECT_EQ(PillowPixel(file, offsetX + probe.x, offsetY + probe.y),
                  sheet + probe.colour + "\n");
    }
}

// The default printer is the destination the scheduler takes as its default, not the first of
// the list; while none is the default there is no default printer.
TEST_F(CupsPrinterTest, TheDefaultPrinterIsTheDefaultDestinationNotTheFirst) {
    ASSERT_TRUE(scheduler_.AddFileQueue("A_First_Queue", scheduler_.Folder() / "first.out"))
        << scheduler_.Error();
    EXPECT_FALSE(printing::DefaultPrinter().has_value());

    ASSERT_TRUE(scheduler_.SetDefaultQueue(kQueue)) << scheduler_.Error();
    const std::vector<printing::PrinterInfo> printers = printing::ListPrinters();
    ASSERT_EQ(printers.size(), 2u);
    EXPECT_EQ(printers.front().name, "A_First_Queue");
    const std::optional<printing::PrinterInfo> printer = printing::DefaultPrinter();
    ASSERT_TRUE(printer.has_value());
    EXPECT_EQ(printer->name, kQueue);
}

TEST_F(CupsPrinterTest, ADocumentWithoutPagesPrintsNothing) {
    HDC dc = CreateDCA("winspool", kQueue, nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    DOCINFOA document{sizeof(DOCINFOA), "Empty", nullptr, nullptr, 0};
    EXPECT_GT(StartDocA(dc, &document), 0);
    EXPECT_GT(EndDoc(dc), 0);
    DeleteDC(dc);

    EXPECT_TRUE(NothingPrinted()) << "no job waits for documents that never come";
}

TEST_F(CupsPrinterTest, AJobTheQueueRefusesFails) {
    HDC dc = StartOnePageDocument("Refused");
    ASSERT_TRUE(scheduler_.RejectJobs(kQueue)) << scheduler_.Error();
    EXPECT_EQ(EndDoc(dc), SP_ERROR);
    DeleteDC(dc);

    EXPECT_TRUE(NothingPrinted());
}

BOOL StopPrinting(HDC, int) {
    return FALSE;
}

TEST_F(CupsPrinterTest, AbortedJobsSubmitNothing) {
    HDC dc = StartOnePageDocument("Aborted");
    EXPECT_GT(AbortDoc(dc), 0);

    // Stopped by the abort procedure, and abandoned by deleting the context.
    DOCINFOA document{sizeof(DOCINFOA), "Aborted", nullptr, nullptr, 0};
    EXPECT_GT(StartDocA(dc, &document), 0);
    SetAbortProc(dc, StopPrinting);
    EXPECT_GT(StartPage(dc), 0);
    EXPECT_EQ(EndPage(dc), SP_APPABORT);
    SetAbortProc(dc, nullptr);
    EXPECT_GT(StartDocA(dc, &document), 0);
    EXPECT_GT(StartPage(dc), 0);
    EXPECT_GT(EndPage(dc), 0);
    DeleteDC(dc);

    // A job is created only when the document ends, so none can be on its way.
    EXPECT_TRUE(NothingPrinted());
}

} // namespace
