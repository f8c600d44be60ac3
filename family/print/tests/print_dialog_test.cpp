// The print dialog printing hand-built print files on the file printer, stopped by the user,
// refusing what it cannot print; and _PrintDelete.
#include "family/print/pressel.h"
#include "family/print/src/library_state.h"
#include "family/print/tests/print_file_fixture.h"
#include "family/print/tests/render_surface.h"
#include "family/util/umbrant.h"

#include "platform/printing/printers.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/font_provider.h"
#include "platform/win32/window_host.h"

#include <gtest/gtest.h>

#include <cstring>
#include <regex>

namespace {

using namespace pressel;
namespace fs = std::filesystem;

constexpr char kHostClass[] = "PresselTestHost";
constexpr UINT kProbe = WM_USER + 77;

// What the host window saw, and the user's stop to give while a page is printed.
struct HostLog {
    static inline std::vector<UINT> received;
    static inline std::vector<WPARAM> values;
    static inline int stopAtPage = 0; // 0: never
    static inline WNDPROC statusProcedure = nullptr;
    static inline HWND dialog = nullptr;
};

// The print dialog's status line, watched for the page at which the user stops.
LRESULT StatusProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT && HostLog::stopAtPage != 0) {
        const std::string text = reinterpret_cast<const char*>(lParam);
        if (text.starts_with("Printing page " + std::to_string(HostLog::stopAtPage) + " ")) {
            PostMessageA(HostLog::dialog, WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallWindowProcA(HostLog::statusProcedure, window, message, wParam, lParam);
}

LRESULT HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == UM_HELPFOUND || message == UM_HELPCONTEXT) {
        HostLog::received.push_back(message);
        HostLog::values.push_back(wParam);
        return 0;
    }
    if (message == kProbe) {
        // Once the dialog shows, its status line is watched; until then the probe comes again.
        for (const HWND shown : win32::VisibleTopLevelWindows()) {
            if (GetParent(shown) == window && HostLog::statusProcedure == nullptr) {
                HostLog::dialog = shown;
                HostLog::statusProcedure = reinterpret_cast<WNDPROC>(
                    SetWindowLongPtrA(GetDlgItem(shown, 200), GWLP_WNDPROC,
                                      reinterpret_cast<LONG_PTR>(&StatusProcedure)));
            }
        }
        if (HostLog::statusProcedure == nullptr) {
            PostMessageA(window, kProbe, 0, 0);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class PrintDialog : public ::testing::Test {
protected:
    void SetUp() override {
        win32::UseFontSource(win32::FontSource::FixedMetrics);
        AttachLibrary(OwnInstance());
        WNDCLASSA hostClass{};
        hostClass.lpfnWndProc = &HostProcedure;
        hostClass.lpszClassName = kHostClass;
        RegisterClassA(&hostClass);
        host_ = CreateWindowExA(0, kHostClass, "Host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                nullptr, nullptr, nullptr);
        HostLog::received.clear();
        HostLog::values.clear();
        HostLog::stopAtPage = 0;
        HostLog::statusProcedure = nullptr;
        // Message boxes are answered with Enter, their captions kept.
        captions_.clear();
        win32::SetMessageWait([this](int) {
            const std::vector<HWND> shown = win32::VisibleTopLevelWindows();
            if (shown.empty()) {
                return false;
            }
            char caption[64] = {};
            GetWindowTextA(shown.back(), caption, sizeof caption);
            captions_.emplace_back(caption);
            win32::PostKeyInput(WM_KEYDOWN, VK_RETURN);
            win32::PostKeyInput(WM_KEYUP, VK_RETURN);
            return captions_.size() < 5;
        });
        std::strcpy(job_.defaultDriver, "winspool");
        std::strcpy(job_.defaultDevice, printing::kFilePrinterName);
        std::strcpy(job_.printFilePath, (sandbox_.Root() / "job.hux").c_str());
    }
    void TearDown() override {
        win32::SetMessageWait(nullptr);
        DestroyWindow(host_);
        UnregisterClassA(kHostClass, nullptr);
    }

    void WritePages(int pages) {
        const pressel_test::SoundFile file = pressel_test::MakeNumberedPages(pages);
        pressel_test::WritePrintFile(job_.printFilePath, file.header, file.stream);
    }

    // The file printer's log with the job numbers left out.
    std::string PrintLog() const {
        const fs::path log = sandbox_.Root() / "printer" / printing::kFilePrinterLog;
        if (!fs::exists(log)) {
            return "";
        }
        return std::regex_replace(testkit::ReadFileBytes(log), std::regex("job ?[0-9]+"), "job");
    }

    testkit::Sandbox sandbox_;
    HWND host_ = nullptr;
    PrintJob job_{};
    std::vector<std::string> captions_;
};

TEST_F(PrintDialog, PrintsEveryPageAsOneDocument) {
    WritePages(3);
    EXPECT_EQ(_PrintPrintDlg(host_, &job_), 0);
    EXPECT_EQ(PrintLog(), "job start \"Generated by Pressel\"\n"
                          "job page 1 job-page1.png\n"
                          "job page 2 job-page2.png\n"
                          "job page 3 job-page3.png\n"
                          "job end 3 pages\n");
    EXPECT_TRUE(captions_.empty());
}

TEST_F(PrintDialog, UserStopsWhilePagesPrint) {
    WritePages(3);
    HostLog::stopAtPage = 2;
    PostMessageA(host_, kProbe, 0, 0);
    EXPECT_EQ(_PrintPrintDlg(host_, &job_), 0);
    ASSERT_NE(HostLog::statusProcedure, nullptr);
    // The stop arrives while page 2 goes out; page 3 is never started.
    EXPECT_EQ(PrintLog(), "job start \"Generated by Pressel\"\n"
                          "job page 1 job-page1.png\n"
                          "job page 2 job-page2.png\n"
                          "job aborted\n");
}

TEST_F(PrintDialog, FailuresEndWithOne) {
    struct Case {
        const char* name;
        bool writeFile;
        bool screenOnly; // no printer named at all
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {"no print file", false, false, {"File Error"}},
        {"no printer: the screen cannot start a document", true, true, {}},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        captions_.clear();
        fs::remove(job_.printFilePath);
        if (row.writeFile) {
            WritePages(1);
        }
        if (row.screenOnly) {
            job_.defaultDriver[0] = '\0';
        }
        EXPECT_EQ(_PrintPrintDlg(host_, &job_), 1);
        EXPECT_EQ(captions_, row.captions);
        EXPECT_EQ(PrintLog(), "");
    }
}

TEST_F(PrintDialog, AnswersTheHelpProtocolWithItsContext) {
    const HWND inside =
        CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, host_, nullptr, nullptr, nullptr);
    PrintDlgProc(inside, UM_HELPQUERY, 0, 0);
    PrintDlgProc(inside, UM_HELPQUERY, 1, 0);
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
    EXPECT_EQ(HostLog::received, (std::vector<UINT>{UM_HELPFOUND, UM_HELPCONTEXT}));
    EXPECT_EQ(HostLog::values, (std::vector<WPARAM>{0, 32200}));
}

TEST_F(PrintDialog, DeleteRemovesOnlyTheConvertersBitmapsAndTheFile) {
    std::vector<HBITMAP> bitmaps;
    PrintFileHeader header;
    header.pictureCount = 5;
    for (int i = 0; i < 5; ++i) {
        bitmaps.push_back(pressel_test::SolidBitmap(2, 2, RGB(0, 0, 0)));
        header.pictures[static_cast<std::size_t>(i)] =
            static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(bitmaps.back()));
    }
    job_.pictureCount = 3;
    std::copy(bitmaps.begin(), bitmaps.begin() + 3, job_.pictures);
    pressel_test::WritePrintFile(job_.printFilePath, header, pressel_test::Stream());

    EXPECT_EQ(_PrintDelete(host_, &job_), 0);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(GetObjectType(bitmaps[static_cast<std::size_t>(i)]) == OBJ_BITMAP, i < 3) << i;
    }
    EXPECT_FALSE(fs::exists(job_.printFilePath));
    for (int i = 0; i < 3; ++i) {
        DeleteObject(bitmaps[static_cast<std::size_t>(i)]);
    }

    // Without a print file there is nothing to do and nothing to say.
    EXPECT_EQ(_PrintDelete(host_, &job_), 0);
    EXPECT_TRUE(captions_.empty());
}

} // namespace
