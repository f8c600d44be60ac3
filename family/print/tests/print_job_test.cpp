// The job record: where hosts put its fields, the printer it names and the CRC kept after the
// print file's path.
#include "family/print/src/job/print_job.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using namespace pressel;

// Hosts lay the record out field after field with no padding, as it is where its two table
// addresses and 50 picture handles take 4 bytes each (1,019 bytes in all); here each of those
// takes the width of this platform's pointers and handles, and every field after them moves by
// what they gained.
TEST(PrintJobRecord, FieldsLieWhereHostsPutThem) {
    constexpr std::size_t kAddressGrowth = sizeof(const void*) - 4;
    constexpr std::size_t kHandleGrowth = sizeof(HBITMAP) - 4;
    constexpr std::size_t kGrowth = 2 * kAddressGrowth + 50 * kHandleGrowth;
    struct Field {
        const char* name;
        std::size_t offset;
        std::size_t size;
        std::size_t expectedOffset;
        std::size_t expectedSize;
    };
#define PRINT_JOB_FIELD(field) #field, offsetof(PrintJob, field), sizeof(PrintJob::field)
    const Field fields[] = {
        {PRINT_JOB_FIELD(templatePath), 0, 256},
        {PRINT_JOB_FIELD(printFilePath), 256, 248},
        {PRINT_JOB_FIELD(picturePagesBefore), 504, 4},
        {PRINT_JOB_FIELD(picturePagesAfter), 508, 4},
        {PRINT_JOB_FIELD(chosenDriver), 512, 20},
        {PRINT_JOB_FIELD(chosenDevice), 532, 64},
        {PRINT_JOB_FIELD(chosenPort), 596, 20},
        {PRINT_JOB_FIELD(fields), 616, 4 + kAddressGrowth},
        {PRINT_JOB_FIELD(tables), 620 + kAddressGrowth, 4 + kAddressGrowth},
        {PRINT_JOB_FIELD(pictureCount), 624 + 2 * kAddressGrowth, 2},
        {PRINT_JOB_FIELD(pictures), 626 + 2 * kAddressGrowth, 200 + 50 * kHandleGrowth},
        {PRINT_JOB_FIELD(flags), 826 + kGrowth, 1},
        {PRINT_JOB_FIELD(defaultDriver), 827 + kGrowth, 64},
        {PRINT_JOB_FIELD(defaultDevice), 891 + kGrowth, 64},
        {PRINT_JOB_FIELD(defaultPort), 955 + kGrowth, 64},
    };
#undef PRINT_JOB_FIELD
    for (const Field& field : fields) {
        SCOPED_TRACE(field.name);
        EXPECT_EQ(field.offset, field.expectedOffset);
        EXPECT_EQ(field.size, field.expectedSize);
    }
    EXPECT_EQ(sizeof(PrintJob), 1019 + kGrowth);
}

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
    const auto handle = [](std::size_t i) { return reinterpret_cast<HBITMAP>(0x1000 + i); };
    PrintJob job{};
    for (std::size_t i = 0; i < 50; ++i) {
        job.pictures[i] = handle(i);
    }
    for (const auto& [count, expected] : {std::pair{-3, 0}, {0, 0}, {7, 7}, {50, 50}, {51, 50}}) {
        SCOPED_TRACE(count);
        job.pictureCount = static_cast<std::int16_t>(count);
        const std::vector<HBITMAP> pictures = HostPicturesOfJob(job);
        ASSERT_EQ(pictures.size(), static_cast<std::size_t>(expected));
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            EXPECT_EQ(pictures[i], handle(i)) << i;
        }
    }
}

} // namespace
