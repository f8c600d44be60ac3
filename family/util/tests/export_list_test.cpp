// The shared library as a host meets it: exactly its exports, loadable alone, with its own
// string table found through its own module handle.
#include "platform/testing/export_list.h"

#include "family/util/umbrant.h"

#include "platform/testing/sandbox.h"
#include "platform/win32/module_resources.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>

namespace {

TEST(UmbrantLibrary, ExportsExactlyTheListedNames) {
    EXPECT_TRUE(testkit::ExportsExactly(TALLOWMERE_UMBRANT_LIBRARY, {"DllEntryPoint",
                                                                     "_UtilCenterWindow",
                                                                     "_UtilCompressFile",
                                                                     "_UtilDate2String",
                                                                     "_UtilDate2StringLong",
                                                                     "_UtilDateCmp",
                                                                     "_UtilDaysBetweenDates",
                                                                     "_UtilDestroyHelp",
                                                                     "_UtilDouble2String",
                                                                     "_UtilExpandFile",
                                                                     "_UtilGetDlgItemDouble",
                                                                     "_UtilGetLeadingCentury",
                                                                     "_UtilHelp",
                                                                     "_UtilHelpFound",
                                                                     "_UtilInitHelp",
                                                                     "_UtilLoadString",
                                                                     "_UtilLoadStringInst",
                                                                     "_UtilRESstrcat",
                                                                     "_UtilRESstrcpy",
                                                                     "_UtilResetDateFormat",
                                                                     "_UtilSetDlgItemDouble",
                                                                     "_UtilSetLeadingCentury",
                                                                     "_UtilString2Date",
                                                                     "_UtilString2Double",
                                                                     "_UtilToday",
                                                                     "_UtilVersion"}));
}

TEST(UmbrantLibrary, LoadsAloneAndReadsItsFormatAndStringsAtLoad) {
    testkit::Sandbox sandbox;
    // The date format that the library must have read when it was loaded.
    sandbox.SetEnvironment("XDG_CONFIG_HOME", (sandbox.Root() / "config").string());
    sandbox.WriteFile("config/hux/WIN.INI", "[intl]\niDate=1\nsDate=.\n");

    void* library = dlopen(TALLOWMERE_UMBRANT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto version = reinterpret_cast<int (*)(char*, unsigned)>(dlsym(library, "_UtilVersion"));
    const auto toText =
        reinterpret_cast<char* (*)(char*, const UtilDate*)>(dlsym(library, "_UtilDate2String"));
    const auto loadString =
        reinterpret_cast<char* (*)(HINSTANCE, int)>(dlsym(library, "_UtilLoadStringInst"));
    ASSERT_NE(version, nullptr);
    ASSERT_NE(toText, nullptr);
    ASSERT_NE(loadString, nullptr);

    EXPECT_EQ(version(nullptr, 0), 0x200101);
    char text[32];
    const UtilDate date{2001, 7, 5};
    EXPECT_STREQ(toText(text, &date), "5.7.01");
    const HINSTANCE instance = win32::ModuleOfAddress(reinterpret_cast<const void*>(loadString));
    EXPECT_STREQ(loadString(instance, 1), "Entry Error");
    // The test program's own module is another module with its own copy of the table.
    EXPECT_NE(instance, win32::ModuleOfAddress(reinterpret_cast<const void*>(&_UtilVersion)));
    EXPECT_EQ(dlclose(library), 0);
}

TEST(UmbrantLibrary, VersionCopiesAsStrncpyWould) {
    struct Case {
        unsigned length;
        std::string expected; // the 10 bytes of a buffer first filled with '#'
    };
    const Case cases[] = {
        {10, std::string("2001.01\0\0\0", 10)},
        {8, std::string("2001.01\0##", 10)},
        {7, "2001.01###"},
        {4, "2001######"},
        {0, "##########"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        char buffer[10];
        std::fill(std::begin(buffer), std::end(buffer), '#');
        EXPECT_EQ(_UtilVersion(buffer, c.length), 0x200101);
        EXPECT_EQ(std::string(buffer, sizeof buffer), c.expected);
    }
    EXPECT_EQ(_UtilVersion(nullptr, 10), 0x200101);
}

} // namespace
