// Strings of a module's string table: the resource functions of the Win32 layer over this
// library's own table, and the rotating buffers.
#include "family/util/tests/host_windows.h"
#include "family/util/umbrant.h"

#include "platform/win32/library_entry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr const char* kDateMessage =
    "Invalid Date.  Date must be in the month, day, year format.\n\nFor example today is:  %s";

TEST(ModuleStrings, ResourcesAreFoundByModuleTypeAndName) {
    const HINSTANCE own = win32::ThisModule();
    ASSERT_NE(own, nullptr);
    const HRSRC resource = FindResourceA(own, MAKEINTRESOURCEA(2), RT_STRING);
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(SizeofResource(own, resource), std::strlen(kDateMessage));
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(own, resource)));
    EXPECT_EQ(std::string(bytes, SizeofResource(own, resource)), kDateMessage);

    EXPECT_EQ(FindResourceA(own, MAKEINTRESOURCEA(5), RT_STRING), nullptr);
    EXPECT_EQ(FindResourceA(own, MAKEINTRESOURCEA(2), RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(2), RT_STRING), nullptr);
    const HMODULE unknown = reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(9999));
    EXPECT_EQ(FindResourceA(unknown, MAKEINTRESOURCEA(2), RT_STRING), nullptr);
    // The Win32 layer's own module has no string table.
    const HMODULE layer = win32::ModuleOfAddress(reinterpret_cast<const void*>(&LoadStringA));
    EXPECT_NE(layer, own);
    EXPECT_EQ(FindResourceA(layer, MAKEINTRESOURCEA(2), RT_STRING), nullptr);
}

TEST(ModuleStrings, LoadStringCutsToTheBufferAndEmptiesItForAMissingString) {
    const HINSTANCE own = win32::ThisModule();
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(LoadStringA(own, 1, buffer, sizeof buffer), 7);
    EXPECT_STREQ(buffer, "Entry E");
    EXPECT_EQ(LoadStringA(own, 99, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(LoadStringA(own, 1, buffer, 0), 0);
}

TEST(ModuleStrings, LoadStringAlternatesBetweenTwoBuffers) {
    const ScopedHostWindows host;
    TestHost().instances[TestWindow(1)] = win32::ThisModule();
    char* caption = _UtilLoadString(TestWindow(1), 1);
    char* message = _UtilLoadString(TestWindow(1), 2);
    EXPECT_NE(caption, message);
    EXPECT_STREQ(caption, "Entry Error");
    EXPECT_STREQ(message, kDateMessage);
    EXPECT_EQ(_UtilLoadString(TestWindow(1), 3), caption);
    EXPECT_EQ(_UtilLoadString(TestWindow(1), 1), message);
    EXPECT_STREQ(caption, "Invalid Date.  Date must be in the day, month, year format.\n\nFor "
                          "example today is:  %s");

    char* first = _UtilLoadStringInst(win32::ThisModule(), 1);
    char* second = _UtilLoadStringInst(win32::ThisModule(), 4);
    EXPECT_NE(first, second);
    EXPECT_NE(first, caption);
    EXPECT_NE(first, message);
    EXPECT_EQ(_UtilLoadStringInst(win32::ThisModule(), 1), first);
    EXPECT_STREQ(first, "Entry Error");
    // A window that the layer does not know has no module and so no strings.
    EXPECT_STREQ(_UtilLoadString(TestWindow(2), 1), "");
}

TEST(ModuleStrings, CopyAndAppendIntoTheCallersBuffer) {
    const ScopedHostWindows host;
    TestHost().instances[TestWindow(1)] = win32::ThisModule();
    char buffer[300] = "Error: ";
    EXPECT_EQ(_UtilRESstrcat(TestWindow(1), buffer, 1), buffer);
    EXPECT_STREQ(buffer, "Error: Entry Error");
    EXPECT_EQ(_UtilRESstrcpy(TestWindow(1), buffer, 1), 11);
    EXPECT_STREQ(buffer, "Entry Error");
    EXPECT_EQ(_UtilRESstrcpy(TestWindow(1), buffer, 50), 0);
    EXPECT_STREQ(buffer, "");
}

} // namespace
