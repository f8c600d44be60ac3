#include "program/ui/support/src/state_table.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

TEST(StateTable, CodesAndIndicesBothWays) {
    struct Case {
        std::string code;
        std::string indexText;
        std::string result;
        std::string codeAfter;
    };
    // The table's first, last and District rows, an unknown code and the index past the end.
    const Case cases[] = {
        {"AL", "", "0", "AL"},  {"pr", "", "51", "PR"}, {"Dc", "7", "8", "DC"},
        {"ZZ", "", "99", "ZZ"}, {"", "8", "DC", ""},    {"", "0", "AL", ""},
        {"", "51", "PR", ""},   {"", "52", "XX", ""},   {"", "7.6", "DC", ""},
        {"", "abc", "AL", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code + "/" + c.indexText);
        std::string code = c.code;
        EXPECT_EQ(StateCodeLookup(code, c.indexText), c.result);
        EXPECT_EQ(code, c.codeAfter);
    }
}

TEST(StateTable, EveryIndexGivesACodeThatGivesItBack) {
    for (int index = 0; index < kStateCount; ++index) {
        std::string empty;
        std::string code = StateCodeLookup(empty, std::to_string(index));
        EXPECT_EQ(StateCodeLookup(code, ""), std::to_string(index));
        EXPECT_NE(StateName(code), "Error") << code;
    }
}

TEST(StateTable, NamesByExactCode) {
    EXPECT_EQ(StateName("DC"), "District of Columbia");
    EXPECT_EQ(StateName("WV"), "West Virginia");
    EXPECT_EQ(StateName("PR"), "Puerto Rico");
    EXPECT_EQ(StateName("dc"), "Error");
    EXPECT_EQ(StateName(""), "Error");
    EXPECT_EQ(StateName("XX"), "Error");
}

} // namespace
