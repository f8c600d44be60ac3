// The bitmap a caller names without its extension is found under the name the writers give it,
// or else under the extension the libraries' callers use for their own bitmaps.
#include "output/image/caller_path.h"

#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CallerBitmapPath, PrefersTheWrittenNameAndReadsBackslashesAsFolders) {
    struct Case {
        const char* what;
        std::vector<std::string> files;
        const char* expected;
    };
    const Case cases[] = {
        {"written by this module", {"pages/page.bmp"}, "pages/page.bmp"},
        {"named by a caller", {"pages/page.BMP"}, "pages/page.BMP"},
        {"both", {"pages/page.bmp", "pages/page.BMP"}, "pages/page.bmp"},
        {"neither", {}, "pages/page.BMP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testkit::Sandbox sandbox;
        for (const std::string& file : c.files) {
            sandbox.WriteFile(file, "BM");
        }
        EXPECT_EQ(output::CallerBitmapPath("pages\\page"), std::filesystem::path(c.expected));
    }
}

} // namespace
