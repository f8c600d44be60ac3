#include "output/list.h"

#include <gtest/gtest.h>

TEST(List, SplitTrimsAndKeepsEmptyPieces) {
    struct Case {
        const char* text;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"   ", {}},
        {"", {}},
        {"a", {"a"}},
        {"a;", {"a", ""}},
        {"a;;b", {"a", "", "b"}},
        {" a ; b ", {"a", "b"}},
        {";", {"", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::string> list = {"left over"};
        output::SplitList(c.text, list, ';');
        EXPECT_EQ(list, c.expected);
    }
}

TEST(List, JoinTrimsEachElement) {
    EXPECT_EQ(output::JoinList({}, ';'), "");
    EXPECT_EQ(output::JoinList({" a ", "", "b"}, ';'), "a;;b");
}
