// The shared library: its dynamic symbol table holds exactly its exports, it loads alone with
// every symbol bound at once, and its version export answers.
#include "family/print/pressel.h"

#include "platform/testing/export_list.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <array>

namespace {

TEST(PresselLibrary, ExportsExactlyItsNames) {
    EXPECT_TRUE(testkit::ExportsExactly(TALLOWMERE_PRESSEL_LIBRARY,
                                        {"DllEntryPoint", "_PrintVersion", "_PrintConvertDlg",
                                         "ConvertDlgProc", "_PrintPrintDlg", "PrintDlgProc",
                                         "_PrintPreviewDlg", "PreviewDlgProc", "PreviewTXWndProc",
                                         "_PrintDelete"}));
}

TEST(PresselLibrary, LoadsAloneAndAnswersItsVersion) {
    void* library = dlopen(TALLOWMERE_PRESSEL_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using VersionFunction = int (*)(char*, unsigned);
    const auto version = reinterpret_cast<VersionFunction>(dlsym(library, "_PrintVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version(nullptr, 10), 0x9913);

    std::array<char, 8> buffer;
    buffer.fill('#');
    EXPECT_EQ(version(buffer.data(), 3), 0x9913);
    EXPECT_EQ(std::string(buffer.data(), 8), "99.#####");
    buffer.fill('#');
    version(buffer.data(), 8);
    EXPECT_EQ(std::string(buffer.data(), 8), std::string("99.13\0\0\0", 8));
    dlclose(library);
}

} // namespace
