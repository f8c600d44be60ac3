// The shared library as a host meets it: exactly its exports, loadable alone and beside the
// utility library in either order, and its answers when its set-up at load failed.
#include "platform/testing/export_list.h"

#include "family/ui/src/library_state.h"
#include "family/ui/vistel.h"
#include "family/util/umbrant.h"

#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/library_entry.h"
#include "platform/win32/testing/dialog_driver.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <string>

namespace {

TEST(VistelLibrary, ExportsExactlyTheListedNames) {
    EXPECT_TRUE(testkit::ExportsExactly(
        TALLOWMERE_VISTEL_LIBRARY,
        {"DllEntryPoint",      "HuxBtnProc",          "HuxMsgDlgProc",         "HuxTabWndProc",
         "_UIAddTab",          "_UICreateTabWindow",  "_UIDeleteTab",          "_UIEnableTab",
         "_UIGetTabBorderX",   "_UIGetTabBorderY",    "_UIGetTabDlg",          "_UIGetTabHeight",
         "_UIGetTopTab",       "_UIIsPaletteCapable", "_UIIsTabWindowMessage", "_UILoadBitmap",
         "_UIMessageBox",      "_UISetButtonBitmaps", "_UISetTopTab",          "_UIShowTab",
         "_UISubclassButtons", "_UIVersion"}));
}

// Each library of the pair loads with every symbol bound at once, alone or with the other
// loaded first.
TEST(VistelLibrary, EachOfThePairLoadsAloneAndWithTheOther) {
    const std::pair<const char*, const char*> orders[] = {
        {TALLOWMERE_VISTEL_LIBRARY, TALLOWMERE_UMBRANT_LIBRARY},
        {TALLOWMERE_UMBRANT_LIBRARY, TALLOWMERE_VISTEL_LIBRARY}};
    for (const auto& [first, second] : orders) {
        SCOPED_TRACE(first);
        void* alone = dlopen(first, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(alone, nullptr) << dlerror();
        void* other = dlopen(second, RTLD_NOW | RTLD_GLOBAL);
        ASSERT_NE(other, nullptr) << dlerror();
        EXPECT_EQ(dlclose(other), 0);
        EXPECT_EQ(dlclose(alone), 0);
    }
}

// Its unload code runs after the Win32 layer's own exit code, which must not have taken the
// layer's tables away from it.
TEST(VistelLibrary, LoadsAndUnloadsInAProcessOfItsOwn) {
    const testkit::ToolRun run =
        testkit::RunTool({TALLOWMERE_LOAD_PROBE, TALLOWMERE_VISTEL_LIBRARY});
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
}

// With both loaded, the utility library finds this library's message box by name and shows its
// messages there, also when the host loaded this library privately (RTLD_LOCAL).
TEST(VistelLibrary, UtilityLibraryShowsItsMessagesInThisLibrarysBox) {
    testkit::Sandbox sandbox;
    sandbox.SetEnvironment("XDG_CONFIG_HOME", (sandbox.Root() / "config").string());
    void* vistel = dlopen(TALLOWMERE_VISTEL_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(vistel, nullptr) << dlerror();
    void* umbrant = dlopen(TALLOWMERE_UMBRANT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(umbrant, nullptr) << dlerror();
    const auto toDate =
        reinterpret_cast<int (*)(UtilDate*, const char*, HWND)>(dlsym(umbrant, "_UtilString2Date"));
    ASSERT_NE(toDate, nullptr);

    std::string shownCaption;
    HWND shownButton = nullptr;
    const HWND owner = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20,
                                       nullptr, nullptr, nullptr, nullptr);
    {
        win32::testing::DialogDriver user;
        user.Then([&](HWND box) {
            shownCaption = win32::testing::WindowText(box);
            shownButton = GetDlgItem(box, 100);
            win32::testing::PressKey(VK_RETURN);
        });
        UtilDate date{};
        EXPECT_EQ(toDate(&date, "not a date", owner), 1);
    }
    EXPECT_EQ(shownCaption, "Entry Error");
    EXPECT_NE(shownButton, nullptr);
    DestroyWindow(owner);
    EXPECT_EQ(dlclose(umbrant), 0);
    EXPECT_EQ(dlclose(vistel), 0);
}

TEST(VistelLibrary, LoadedLibrarySetsItselfUp) {
    void* library = dlopen(TALLOWMERE_VISTEL_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto border = reinterpret_cast<int (*)()>(dlsym(library, "_UIGetTabBorderX"));
    const auto create =
        reinterpret_cast<HWND (*)(HWND, int, int, int, int)>(dlsym(library, "_UICreateTabWindow"));
    ASSERT_NE(border, nullptr);
    ASSERT_NE(create, nullptr);
    EXPECT_EQ(border(), 10);
    const HWND parent = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                        nullptr, nullptr);
    const HWND tabs = create(parent, 0, 0, 200, 100);
    EXPECT_NE(tabs, nullptr);
    DestroyWindow(parent);
    EXPECT_EQ(dlclose(library), 0);
}

TEST(VistelLibrary, VersionCopiesAsStrncpyWould) {
    struct Case {
        unsigned length;
        std::string expected; // the 8 bytes of a buffer first filled with '#'
    };
    const Case cases[] = {
        {8, std::string("99.01\0\0\0", 8)}, {5, "99.01###"}, {2, "99######"}, {0, "########"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        char buffer[8];
        std::fill(std::begin(buffer), std::end(buffer), '#');
        EXPECT_EQ(_UIVersion(buffer, c.length), 0x9901);
        EXPECT_EQ(std::string(buffer, sizeof buffer), c.expected);
    }
    EXPECT_EQ(_UIVersion(nullptr, 8), 0x9901);
}

// The loader cannot be told to refuse the library: a failed set-up leaves a line on standard
// error and exports that answer their failures.
TEST(VistelLibrary, FailedSetUpIsReportedAndTheExportsFail) {
    const HINSTANCE instance = win32::ThisModule();
    WNDCLASSA taken{};
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = instance;
    taken.lpszClassName = "KemTabWndClass";
    ASSERT_NE(RegisterClassA(&taken), 0);

    testing::internal::CaptureStderr();
    EXPECT_EQ(DllEntryPoint(instance, DLL_PROCESS_ATTACH, nullptr), TRUE);
    const std::string error = testing::internal::GetCapturedStderr();
    EXPECT_EQ(error, "System Error: Could not create the TabWindow class.\n");

    const HWND parent = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                        nullptr, nullptr);
    EXPECT_EQ(_UICreateTabWindow(parent, 0, 0, 100, 50), nullptr);
    EXPECT_EQ(_UIMessageBox(nullptr, "text", "caption", 0), 0);
    for (HBITMAP shared : vistel::Library().sharedBitmaps) {
        EXPECT_EQ(shared, nullptr);
    }
    DestroyWindow(parent);
    DllEntryPoint(instance, DLL_PROCESS_DETACH, nullptr);
    EXPECT_TRUE(UnregisterClassA("KemTabWndClass", instance));
}

} // namespace
