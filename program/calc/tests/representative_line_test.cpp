#include "program/calc/representative_line.h"

#include <gtest/gtest.h>

namespace {

using namespace calc;

TEST(RepresentativeLineTest, ItemsThatArePresent) {
    struct Case {
        const char* name;
        RepresentativeInfo info;
        const char* line;
    };
    RepresentativeInfo full;
    full.firstName = "Ann";
    full.middleInitial = "B";
    full.lastName = "Lee";
    full.agency = "Lee Agency";
    full.street = "1 Main St";
    full.city = "Springfield";
    full.state = "IL";
    full.zip = "62701";
    full.workPhone = "555-0100";
    full.fax = "555-0101";

    const Case cases[] = {
        {"name only",
         {.firstName = "Ann", .middleInitial = "B", .lastName = "Lee"},
         "Ann B. Lee\\par "},
        {"everything", full,
         "Ann B. Lee \\bullet  Lee Agency \\bullet  1 Main St \\bullet  Springfield, IL 62701"
         "\\par Office: 555-0100 \\bullet  Fax: 555-0101"},
        {"a city without a state", {.city = "Springfield"}, " \\bullet  Springfield, \\par "},
        {"a state without a city", {.state = "IL"}, "\\par "},
        {"a blank first name is absent", {.firstName = "  ", .middleInitial = "B"}, " B.\\par "},
        {"every contact",
         {.workPhone = "1", .mobilePhone = "2", .fax = "3", .email = "a@b"},
         "\\par Office: 1 \\bullet  Mobile: 2 \\bullet  Fax: 3 \\bullet  Email: a@b"},
        {"nothing", {}, "\\par "},
        {"rich text's own characters are escaped",
         {.firstName = "Ann", .agency = "Lee {Tax} R\\D Group", .email = "ann\\lee@example.com"},
         "Ann \\bullet  Lee \\{Tax\\} R\\\\D Group\\par Email: ann\\\\lee@example.com"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildRepresentativeLine(c.info), c.line);
    }
}

} // namespace
