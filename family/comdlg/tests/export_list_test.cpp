// The shared library as a host meets it: exactly its exports, loadable alone, its version and its
// tables.
#include "platform/testing/export_list.h"

#include "family/comdlg/caddow.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <iterator>
#include <string>

namespace {

TEST(CaddowLibrary, ExportsExactlyTheListedNames) {
    EXPECT_TRUE(testkit::ExportsExactly(
        TALLOWMERE_CADDOW_LIBRARY,
        {"AgentDlgProc", "ClientDlgProc", "DllEntryPoint", "_ComAgentDlg", "_ComCreateNewClient",
         "_ComMakeFullName", "_ComOpenClientDlg", "_ComReadAgentInfo", "_ComVersion",
         "_ComWriteAgentInfo", "_Rank", "_StateCode", "_StateName"}));
}

// The libraries it needs come with it, every symbol bound at once.
TEST(CaddowLibrary, LoadsAloneWithEverySymbolBound) {
    void* library = dlopen(TALLOWMERE_CADDOW_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto version =
        reinterpret_cast<unsigned (*)(char*, unsigned)>(dlsym(library, "_ComVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version(nullptr, 0), 0x9901u);
    EXPECT_EQ(dlclose(library), 0);
}

TEST(CaddowLibrary, VersionCopiesAsStrncpyWould) {
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
        EXPECT_EQ(_ComVersion(buffer, c.length), 0x9901u);
        EXPECT_EQ(std::string(buffer, sizeof buffer), c.expected);
    }
}

TEST(CaddowLibrary, TablesHoldTheStatesAndSuffixesInTheirOrder) {
    struct Case {
        int index;
        const char* code;
        const char* name;
    };
    const Case cases[] = {
        {0, "AL", "Alabama"}, {4, "CA", "California"}, {8, "DC", "District of Columbia"},
        {9, "FL", "Florida"}, {25, "MO", "Missouri"},  {26, "MT", "Montana"},
        {50, "WY", "Wyoming"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_STREQ(_StateCode[c.index], c.code);
        EXPECT_STREQ(_StateName[c.index], c.name);
    }
    // Alphabetical by name throughout.
    EXPECT_TRUE(std::is_sorted(std::begin(_StateName), std::end(_StateName),
                               [](const char* a, const char* b) { return std::string(a) < b; }));
    const std::string ranks[] = {"", "Sr.", "Jr.", "II", "III", "IV", "V"};
    EXPECT_TRUE(std::equal(std::begin(ranks), std::end(ranks), std::begin(_Rank)));
}

} // namespace
