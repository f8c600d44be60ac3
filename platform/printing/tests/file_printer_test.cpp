#include "platform/printing/file_printer_log.h"
#include "platform/printing/print_job.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/file_faults.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

TEST(FilePrinterLogTest, ANewJobTakesTheNumberAboveEveryJobOfTheLog) {
    struct Case {
        const char* log;
        std::optional<std::int64_t> next;
    };
    const Case cases[] = {
        {"", 1},
        {"job 1 start \"a\"\njob 1 end 0 pages\n", 2},
        {"job 12 aborted\njob 3 start \"b\"\n", 13},
        {"job 2147483647 end 1 pages\n", 2147483648LL},
        {"job 41 start \"no line end\"\njob 42", 43},
        {"jobs 7\n  job 8\njob x 9\nstart job 10\n", 1},
        {"job 9223372036854775806 start \"c\"\n", LLONG_MAX},
        {"job 9223372036854775807 start \"d\"\n", std::nullopt},
        {"job 1\njob 123456789012345678901234567890\n", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.log);
        EXPECT_EQ(printing::NextJobAfterLog(c.log), c.next);
    }
}

class FilePrinterTest : public testing::Test {
protected:
    testkit::Sandbox sandbox_;
    fs::path folder_ = sandbox_.Root() / "printer";
};

TEST_F(FilePrinterTest, TheDevicesSectionNamesTheFilePrinterAndItsFolder) {
    std::vector<printing::DeviceEntry> devices = printing::DevicesSection();
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0].name, printing::kFilePrinterName);
    EXPECT_EQ(devices[0].value, "winspool," + folder_.string());
}

TEST_F(FilePrinterTest, EachDocumentOfAJobIsAFileOfItsFormat) {
    std::optional<printing::PrinterInfo> printer = printing::FindPrinter("file printer");
    ASSERT_TRUE(printer.has_value());
    std::unique_ptr<printing::PrintJob> job = printing::StartPrintJob(*printer, "Report\tOne");
    ASSERT_NE(job, nullptr);
    EXPECT_TRUE(job->AddDocument("%PDF-1.4 pages", printing::DocumentFormat::Pdf));
    EXPECT_TRUE(job->AddDocument("\x89PNG page", printing::DocumentFormat::Png));
    EXPECT_TRUE(job->Finish());
    EXPECT_EQ(testkit::ReadFileBytes(folder_ / "job1-page1.pdf"), "%PDF-1.4 pages");
    EXPECT_EQ(testkit::ReadFileBytes(folder_ / "job1-page2.png"), "\x89PNG page");
    EXPECT_EQ(testkit::ReadFileBytes(folder_ / printing::kFilePrinterLog),
              "job 1 start \"Report One\"\n"
              "job 1 page 1 job1-page1.pdf\n"
              "job 1 page 2 job1-page2.png\n"
              "job 1 end 2 pages\n");
}

// The printer's folder read-only or full (file_faults.h): the page is not written and the job
// says so, with no page file left behind; nothing is thrown at the printing code's caller.
TEST_F(FilePrinterTest, AFolderThatCannotBeWrittenFailsTheJob) {
    std::optional<printing::PrinterInfo> printer = printing::FindPrinter("file printer");
    ASSERT_TRUE(printer.has_value());
    fs::create_directories(folder_);
    for (const testkit::FolderFault fault :
         {testkit::FolderFault::ReadOnly, testkit::FolderFault::Full}) {
        SCOPED_TRACE(testkit::FolderFaultSetting(fault, folder_));
        const testkit::ScopedFolderFault unwritable(fault, folder_);
        std::unique_ptr<printing::PrintJob> job = printing::StartPrintJob(*printer, "Report");
        if (job != nullptr) {
            EXPECT_FALSE(job->AddDocument("%PDF-1.4 pages", printing::DocumentFormat::Pdf));
            EXPECT_FALSE(job->Finish());
        }
        EXPECT_GT(unwritable.Struck(), 0);
        for (const auto& entry : fs::directory_iterator(folder_)) {
            EXPECT_EQ(entry.path().filename(), printing::kFilePrinterLog);
        }
    }
}

} // namespace
