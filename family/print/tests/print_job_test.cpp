// The job record: the printer it names and the CRC kept after the print file's path.
#include "family/print/src/job/print_job.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace pressel;

PrintJob JobWithPrinters() {
    PrintJob job{};
    std::strcpy(job.chosenDevice, "Chosen");
    std::strcpy(job.chosenPort, "LPT2:");
    std::strcpy(job.defaultDriver, "winspool");
    std::strcpy(job.defaultDevice, "Office");
    std::strcpy(job.defaultPort, "LPT1:");
    return job;
}

TEST(PrintJobRecord, EmptyChosenDriverMeansTheDefaultPrinter) {
    PrintJob job = JobWithPrinters();
    const PrinterNames fallback = PrinterOfJob(job);
    EXPECT_EQ(fallback.driver, "winspool");
    EXPECT_EQ(fallback.device, "Office");
    EXPECT_EQ(fallback.port, "LPT1:");
    std::strcpy(job.chosenDriver, "pscript");
    const PrinterNames chosen = PrinterOfJob(job);
    EXPECT_EQ(chosen.driver, "pscript");
    EXPECT_EQ(chosen.device, "Chosen");
    EXPECT_EQ(chosen.port, "LPT2:");
}

TEST(PrintJobRecord, CrcFollowsThePathWhenThereIsRoom) {
    PrintJob job{};
    const std::string longest(245, 'p');
    std::memcpy(job.printFilePath, longest.data(), longest.size());
    ASSERT_TRUE(StorePrintFileCrc(job, 0x4ED6));
    EXPECT_EQ(PrintFilePathOfJob(job), longest);
    EXPECT_EQ(static_cast<unsigned char>(job.printFilePath[246]), 0xD6);
    EXPECT_EQ(static_cast<unsigned char>(job.printFilePath[247]), 0x4E);

    PrintJob tooLong{};
    std::memset(tooLong.printFilePath, 'q', 246);
    EXPECT_FALSE(StorePrintFileCrc(tooLong, 0x1234));
    EXPECT_EQ(tooLong.printFilePath[247], '\0');
    std::memset(tooLong.printFilePath, 'q', sizeof tooLong.printFilePath);
    EXPECT_EQ(PrintFilePathOfJob(tooLong), "");
}

TEST(PrintJobRecord, HostPicturesAreBoundedByTheTable) {
    PrintJob job{};
    for (const auto& [count, expected] : {std::pair{-3, 0}, {0, 0}, {7, 7}, {50, 50}, {51, 50}}) {
        job.pictureCount = static_cast<std::int16_t>(count);
        EXPECT_EQ(HostPicturesOfJob(job).size(), static_cast<std::size_t>(expected)) << count;
    }
}

} // namespace
