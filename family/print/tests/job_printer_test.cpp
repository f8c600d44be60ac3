// Opening a job's printer: which names are used, the screen for printing without any, and
// portrait forced on a printer that reports landscape.
#include "family/print/src/job/job_printer.h"

#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using namespace pressel;

constexpr const char* kFilePrinter = "File Printer";

enum class Expected { kNone, kPrinter, kScreen };

Expected KindOf(HDC dc) {
    if (dc == nullptr) {
        return Expected::kNone;
    }
    return GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER ? Expected::kPrinter : Expected::kScreen;
}

TEST(JobPrinter, NamesOfTheJobOrTheScreen) {
    struct Case {
        const char* name;
        const char* chosenDriver;
        const char* chosenDevice;
        const char* defaultDriver;
        const char* defaultDevice;
        Expected layout;
        Expected printing;
    };
    const Case cases[] = {
        {"chosen", "winspool", kFilePrinter, "", "", Expected::kPrinter, Expected::kPrinter},
        {"default", "", "Elsewhere", "winspool", kFilePrinter, Expected::kPrinter,
         Expected::kPrinter},
        {"chosen printer missing", "winspool", "Elsewhere", "winspool", kFilePrinter,
         Expected::kNone, Expected::kNone},
        {"none", "", "", "", "", Expected::kNone, Expected::kScreen},
    };
    testkit::Sandbox sandbox;
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        PrintJob job{};
        std::strcpy(job.chosenDriver, row.chosenDriver);
        std::strcpy(job.chosenDevice, row.chosenDevice);
        std::strcpy(job.defaultDriver, row.defaultDriver);
        std::strcpy(job.defaultDevice, row.defaultDevice);
        EXPECT_EQ(KindOf(JobPrinter(job, PrinterUse::kLayout).Dc()), row.layout);
        const JobPrinter printing(job, PrinterUse::kPrinting);
        EXPECT_EQ(KindOf(printing.Dc()), row.printing);
        EXPECT_EQ(printing.IsScreen(), row.printing == Expected::kScreen);
    }
}

// A printer that reports landscape until it is told to print portrait.
struct LandscapePrinter {
    static inline std::vector<HDC> asked;
    static inline std::vector<DWORD> told;
    static inline bool portrait = false;

    static int Escape(HDC dc, int escape, int inputSize, LPCSTR input, LPVOID /*output*/) {
        if (escape != GETSETPRINTORIENT) {
            return 0;
        }
        if (input == nullptr) {
            asked.push_back(dc);
            return portrait ? 1 : 2;
        }
        EXPECT_EQ(inputSize, 20);
        DWORD words[5] = {};
        std::memcpy(words, input, sizeof words);
        told.assign(std::begin(words), std::end(words));
        portrait = words[0] == 1;
        return 1;
    }
};

TEST(JobPrinter, LandscapePrinterIsSwitchedToPortraitAndOpenedAgain) {
    testkit::Sandbox sandbox;
    PrintJob job{};
    std::strcpy(job.defaultDriver, "winspool");
    std::strcpy(job.defaultDevice, kFilePrinter);
    const JobPrinter printer(job, PrinterUse::kPrinting, &LandscapePrinter::Escape);
    ASSERT_EQ(LandscapePrinter::asked.size(), 1u);
    EXPECT_EQ(LandscapePrinter::told, (std::vector<DWORD>{1, 0, 0, 0, 0}));
    EXPECT_EQ(KindOf(printer.Dc()), Expected::kPrinter);
    EXPECT_EQ(GetObjectType(LandscapePrinter::asked[0]), 0u) << "the landscape context is deleted";
}

TEST(JobPrinter, PortraitPrinterIsKept) {
    testkit::Sandbox sandbox;
    int asked = 0;
    static int* counter = nullptr;
    counter = &asked;
    const HDC dc = OpenPortraitPrinter({"winspool", kFilePrinter, "FILE:"},
                                       [](HDC, int escape, int, LPCSTR, LPVOID) {
                                           ++*counter;
                                           return escape == GETSETPRINTORIENT ? 1 : 0;
                                       });
    EXPECT_EQ(KindOf(dc), Expected::kPrinter);
    EXPECT_EQ(asked, 1);
    DeleteDC(dc);
}

} // namespace
