// The convert dialog when the print file cannot be written whole: the disk fills at points of
// the writing (the token stream, the first and the last block of the header). Every write of
// this program goes through the write fault of platform/testing/file_faults.h.
#include "family/print/pressel.h"
#include "family/print/src/printfile/print_file_layout.h"
#include "family/print/tests/template_picture.h"
#include "family/ui/vistel.h"

#include "platform/printing/printers.h"
#include "platform/testing/file_faults.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/font_provider.h"
#include "platform/win32/testing/dialog_driver.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using testkit::ScopedWriteFault;
using testkit::WriteFault;
using win32::testing::CaptionsOf;

TEST(ConvertOnAFullDisk, AFileNotWrittenWholeFailsAndKeepsNoPicture) {
    win32::UseFontSource(win32::FontSource::FixedMetrics);
    const testkit::Sandbox sandbox;
    win32::testing::DialogOwner owner;
    win32::testing::DialogDriver user;
    user.AnswerMessageBoxes(kUIMessageText);
    PrintJob job{};
    std::strcpy(job.templatePath,
                sandbox.WriteFile("report.rtf", pressel_test::TemplateWithPicture()).c_str());
    std::strcpy(job.printFilePath, (sandbox.Root() / "job.hux").c_str());
    std::strcpy(job.defaultDriver, "winspool");
    std::strcpy(job.defaultDevice, printing::kFilePrinterName);
    job.flags = 1;

    // A conversion with room and one that shows a message, which also make what lives on
    // (stock objects, the dialogs' shared bitmaps), so that the counts of live objects below
    // see only what a job leaves.
    PrintJob withoutTemplate = job;
    std::strcpy(withoutTemplate.templatePath, (sandbox.Root() / "missing.rtf").c_str());
    ASSERT_EQ(_PrintConvertDlg(owner.Window(), &withoutTemplate), 1);
    EXPECT_EQ(CaptionsOf(user.TakeMessageBoxes()), std::vector<std::string>{"File Error"});
    ASSERT_EQ(_PrintConvertDlg(owner.Window(), &job), 0);
    const auto fileSize = static_cast<std::size_t>(fs::file_size(job.printFilePath));
    const std::size_t stream = fileSize - pressel::kPrintFileHeaderSize;
    ASSERT_EQ(_PrintDelete(owner.Window(), &job), 0);

    // The stream is written first, when the writer goes back for the header, then the header in
    // blocks of 8192 bytes.
    struct Case {
        const char* name;
        std::size_t bytesBeforeFault;
    };
    const Case cases[] = {
        {"the token stream", 0},
        {"the header's first block", stream},
        {"the header's last block", fileSize - 1},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const std::size_t live = win32::LiveObjectCount();
        int result = 0;
        bool struck = false;
        {
            const ScopedWriteFault fault(WriteFault::DiskFull, row.bytesBeforeFault);
            result = _PrintConvertDlg(owner.Window(), &job);
            struck = fault.Struck();
        }
        EXPECT_TRUE(struck);
        EXPECT_EQ(result, 1);
        EXPECT_EQ(CaptionsOf(user.TakeMessageBoxes()), std::vector<std::string>{"File Error"});
        // The CRC after the path's NUL is 0.
        const std::size_t length = std::strlen(job.printFilePath);
        EXPECT_EQ(job.printFilePath[length + 1], 0);
        EXPECT_EQ(job.printFilePath[length + 2], 0);
        EXPECT_EQ(win32::LiveObjectCount(), live) << "the picture's bitmap is not kept";
        EXPECT_EQ(_PrintDelete(owner.Window(), &job), 0);
        EXPECT_EQ(win32::LiveObjectCount(), live);
    }
}

} // namespace
