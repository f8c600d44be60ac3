#include "platform/testing/export_list.h"

#include <gtest/gtest.h>

namespace {

using testkit::ExportsExactly;

TEST(ExportListTest, ListsTheDefinedExportsDemangled) {
    EXPECT_EQ(testkit::DefinedExports(EXPORT_SAMPLE),
              (std::set<std::string>{"SampleOne", "SampleTwo", "sample::Twice(int)"}));
}

TEST(ExportListTest, HoldsOnlyForExactlyTheList) {
    EXPECT_TRUE(ExportsExactly(EXPORT_SAMPLE, {"SampleOne", "SampleTwo", "sample::*"}));
    EXPECT_TRUE(ExportsExactly(EXPORT_SAMPLE, {"SampleOne", "SampleTwo", "sample::Twice(int)"}));
    struct Case {
        std::set<std::string> expected;
        const char* message;
    };
    const Case cases[] = {
        {{"SampleOne", "sample::*"}, "Exported but not listed:\n  SampleTwo"},
        {{"SampleOne", "SampleTwo", "sample::*", "Hidden"}, "Listed but not exported:\n  Hidden"},
        {{"SampleOne", "SampleTwo", "sample::*", "other::*"},
         "Listed but not exported:\n  other::*"},
        {{"SampleOne", "SampleTwo"}, "Exported but not listed:\n  sample::Twice(int)"},
    };
    for (const Case& c : cases) {
        const ::testing::AssertionResult result = ExportsExactly(EXPORT_SAMPLE, c.expected);
        EXPECT_FALSE(result);
        EXPECT_NE(std::string(result.message()).find(c.message), std::string::npos)
            << result.message();
    }
}

} // namespace
