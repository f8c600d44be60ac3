// The convert dialog: templates converted into print files whose CRC the job keeps, the
// progress bar repainted only at new steps, the user's stop, and what it refuses.
#include "family/print/pressel.h"
#include "family/print/src/convert/convert_dialog_template.h"
#include "family/print/src/convert/progress_step.h"
#include "family/print/src/module/library_instance.h"
#include "family/print/src/printfile/print_file_crc.h"
#include "family/print/src/printfile/print_file_validator.h"
#include "family/ui/vistel.h"

#include "platform/printing/printers.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/font_provider.h"
#include "platform/win32/testing/dialog_driver.h"
#include "platform/win32/window_host.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

using namespace pressel;
namespace fs = std::filesystem;
using win32::testing::CaptionsOf;

constexpr char kTemplate[] = R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}})";

class ConvertDialog : public ::testing::Test {
protected:
    void SetUp() override {
        user_.AnswerMessageBoxes(kUIMessageText);
        win32::UseFontSource(win32::FontSource::FixedMetrics);
        std::strcpy(job_.defaultDriver, "winspool");
        std::strcpy(job_.defaultDevice, printing::kFilePrinterName);
        std::strcpy(job_.printFilePath, (sandbox_.Root() / "job.hux").c_str());
        std::strcpy(job_.templatePath, (sandbox_.Root() / "report.rtf").c_str());
    }

    // A template of `paragraphs` paragraphs of text.
    void WriteTemplate(int paragraphs) {
        std::string body;
        for (int i = 0; i < paragraphs; ++i) {
            body += "Paragraph " + std::to_string(i) + R"( of the report.\par )";
        }
        sandbox_.WriteFile("report.rtf", std::string(kTemplate) + body + "}");
    }

    // The CRC the dialog kept after the print file's path.
    std::uint16_t StoredCrc() const {
        const std::size_t length = std::strlen(job_.printFilePath);
        return static_cast<std::uint16_t>(
            static_cast<std::uint8_t>(job_.printFilePath[length + 1]) |
            (static_cast<std::uint8_t>(job_.printFilePath[length + 2]) << 8));
    }

    testkit::Sandbox sandbox_;
    win32::testing::DialogOwner owner_;
    win32::testing::DialogDriver user_;
    PrintJob job_{};
};

TEST_F(ConvertDialog, ConvertsOnThePrinterOrTheScreenAndKeepsTheCrc) {
    for (const std::uint8_t flags : {0, 1}) {
        SCOPED_TRACE(flags == 0 ? "laid out on the printer" : "laid out on the screen");
        WriteTemplate(3);
        job_.flags = flags;
        EXPECT_EQ(_PrintConvertDlg(owner_.Window(), &job_), 0);
        ASSERT_TRUE(fs::exists(job_.printFilePath));
        EXPECT_EQ(ValidatePrintFile(job_.printFilePath), std::vector<std::string>{});
        EXPECT_NE(StoredCrc(), 0);
        EXPECT_EQ(StoredCrc(), PrintFileCrc(job_.printFilePath));
        EXPECT_TRUE(user_.MessageBoxes().empty());
    }
}

TEST_F(ConvertDialog, RefusesWhatItCannotConvert) {
    struct Case {
        const char* name;
        std::size_t pathLength; // 0: the sandbox's path
        bool writeTemplate;
        const char* defaultDevice;
        int result;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {"no room for the CRC after the path",
         246,
         true,
         printing::kFilePrinterName,
         1,
         {"File Error"}},
        {"path just fits", 245, true, printing::kFilePrinterName, 0, {}},
        {"no template", 0, false, printing::kFilePrinterName, 1, {"File Error"}},
        {"no printer to lay out on", 0, true, "", 1, {}},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        fs::remove(sandbox_.Root() / "report.rtf");
        if (row.writeTemplate) {
            WriteTemplate(1);
        }
        std::string path = (sandbox_.Root() / "job.hux").string();
        if (row.pathLength != 0) {
            path = std::string(row.pathLength - 4, 'p') + ".hux";
        }
        std::memset(job_.printFilePath, 0x55, sizeof job_.printFilePath);
        std::strcpy(job_.printFilePath, path.c_str());
        std::strcpy(job_.defaultDevice, row.defaultDevice);
        EXPECT_EQ(_PrintConvertDlg(owner_.Window(), &job_), row.result);
        EXPECT_EQ(CaptionsOf(user_.TakeMessageBoxes()), row.captions);
        if (row.pathLength != 246) {
            EXPECT_EQ(StoredCrc() == 0, row.result != 0);
        }
        fs::remove(path);
    }
}

TEST_F(ConvertDialog, UserStopsTheConversion) {
    WriteTemplate(400);
    // The Esc key, as the user presses it, and the Cancel command it stands for.
    const std::function<void(HWND)> stops[] = {
        [](HWND) { win32::PostKeyInput(WM_KEYDOWN, VK_ESCAPE); },
        [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }};
    for (const auto& stop : stops) {
        owner_.WhenDialogShows(stop);
        EXPECT_EQ(_PrintConvertDlg(owner_.Window(), &job_), 1);
        EXPECT_EQ(StoredCrc(), 0);
        EXPECT_TRUE(user_.MessageBoxes().empty());
    }
}

// The progress button, counting its paints.
struct PaintCount {
    static inline WNDPROC previous = nullptr;
    static inline int paints = 0;
    static LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        paints += message == WM_PAINT ? 1 : 0;
        return CallWindowProcA(previous, window, message, wParam, lParam);
    }
};

TEST_F(ConvertDialog, ProgressRepaintsOnlyAtNewSteps) {
    win32::RegisterDialogTemplate(LibraryInstance(), kConvertDialog, kConvertTemplate);
    const HWND dialog = CreateDialogParamA(LibraryInstance(), kConvertDialog, owner_.Window(),
                                           &ConvertDlgProc, reinterpret_cast<LPARAM>(&job_));
    ASSERT_NE(dialog, nullptr);
    // The dialog's work is not wanted here: its start message is taken off the queue.
    MSG start{};
    EXPECT_TRUE(PeekMessageA(&start, dialog, 1277, 1277, PM_REMOVE));
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
    const HWND progress = GetDlgItem(dialog, kProgressButton);
    PaintCount::previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        progress, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PaintCount::Procedure)));

    // 0 and 2 keep the step 0 the bar shows, 3 and 7 give 5, 8 gives 10.
    struct Step {
        int percent;
        int paints;
    };
    const Step steps[] = {{0, 0}, {2, 0}, {3, 1}, {7, 1}, {8, 2}, {100, 3}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.percent);
        EXPECT_EQ(SendMessageA(dialog, WM_USER, static_cast<WPARAM>(step.percent), 0), 0);
        EXPECT_EQ(PaintCount::paints, step.paints);
    }
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(SendMessageA(dialog, WM_USER, 100, 0), 1) << "the converter is told to stop";
    DestroyWindow(dialog);
    EXPECT_EQ(GetPropA(dialog, "hBitmap"), nullptr);
}

TEST(ProgressStep, RoundsToTheNearestFivePercent) {
    EXPECT_EQ(ProgressStep(2), 0);
    EXPECT_EQ(ProgressStep(3), 5);
    EXPECT_EQ(ProgressStep(98), 100);
}

} // namespace
