// The print dialog on a CUPS queue of a private scheduler: a document reaches the queue only at
// the end of the job, and a queue that refuses it then makes the print fail.
#include "family/print/pressel.h"
#include "family/print/tests/print_file_fixture.h"
#include "family/ui/vistel.h"

#include "platform/printing/printers.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/font_provider.h"
#include "platform/win32/testing/dialog_driver.h"
#include "platform/win32/tests/cups_scheduler.h"

#include <gtest/gtest.h>

#include <cups/cups.h>

#include <cstring>

namespace {

constexpr const char* kQueue = "Pressel_Test";

// How many jobs the queue holds, in any state.
int QueueJobCount() {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, kQueue, 0, CUPS_WHICHJOBS_ALL);
    cupsFreeJobs(count, jobs);
    return count;
}

class PrintDialogOnCups : public ::testing::Test {
protected:
    void SetUp() override {
        user_.AnswerMessageBoxes(kUIMessageText);
        win32::UseFontSource(win32::FontSource::FixedMetrics);
        sandbox_.SetEnvironment(printing::kFilePrinterVariable, std::nullopt);
        ASSERT_TRUE(scheduler_.Start())
            << "The private CUPS scheduler did not start: " << scheduler_.Error();
        ASSERT_TRUE(scheduler_.AddFileQueue(kQueue, scheduler_.Folder() / "printed.out"))
            << scheduler_.Error();
        sandbox_.SetEnvironment("CUPS_SERVER", scheduler_.SocketPath());
        cupsSetServer(nullptr);
        std::strcpy(job_.chosenDriver, "winspool");
        std::strcpy(job_.chosenDevice, kQueue);
        std::strcpy(job_.printFilePath, (sandbox_.Root() / "job.hux").c_str());
        const pressel_test::SoundFile file = pressel_test::MakeNumberedPages(2);
        pressel_test::WritePrintFile(job_.printFilePath, file.header, file.stream);
    }
    void TearDown() override { cupsSetServer(nullptr); }

    testkit::Sandbox sandbox_;
    win32_test::CupsScheduler scheduler_;
    win32::testing::DialogOwner owner_;
    win32::testing::DialogDriver user_;
    PrintJob job_{};
};

TEST_F(PrintDialogOnCups, AJobTheQueueRefusesAtItsEndFails) {
    struct Case {
        const char* name;
        bool refuse;
        int result;
        int jobs; // in the queue afterwards
    };
    const Case cases[] = {
        {"accepted", false, 0, 1},
        {"refused", true, 1, 1},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        if (row.refuse) {
            ASSERT_TRUE(scheduler_.RejectJobs(kQueue)) << scheduler_.Error();
        }
        EXPECT_EQ(_PrintPrintDlg(owner_.Window(), &job_), row.result);
        EXPECT_EQ(QueueJobCount(), row.jobs) << scheduler_.LogTail();
        EXPECT_TRUE(user_.MessageBoxes().empty());
    }
}

} // namespace
