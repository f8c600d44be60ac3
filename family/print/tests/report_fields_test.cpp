// Field words replaced by the caller's values, and the nesting of conditional stretches.
#include "family/print/src/convert/report_fields.h"

#include "family/print/src/convert/report_conditions.h"

#include <gtest/gtest.h>

namespace {

using namespace pressel;

const PrintField kFields[] = {
    {"$Age", "71"},
    {"$Client", "Ada Smith"},
    {"$Empty", nullptr},
    {"$Long", "0123456789012345678901234567890123456789012345678901234567890123456789"
              "012345678901234567890123456789"},
    {"$Zip", ""},
};

TEST(ReportFields, FindsTheNameWithoutItsTrailingPunctuation) {
    EXPECT_EQ(FindField(kFields, "$Age"), 0);
    EXPECT_EQ(FindField(kFields, "$Client)."), 1);
    EXPECT_EQ(FindField(kFields, "$Zip"), 4);
    EXPECT_EQ(FindField(kFields, "$Client........."), 1);
    EXPECT_EQ(FindField(kFields, "$Client.........."), -1);
    EXPECT_EQ(FindField(kFields, "$Nobody"), -1);
    EXPECT_EQ(FindField(kFields, "$"), -1);
    EXPECT_EQ(FindField({}, "$Age"), -1);
}

TEST(ReportFields, SubstitutionKeepsPunctuationAndMarksMissingValues) {
    struct Case {
        std::string word;
        std::string result;
        FieldOutcome outcome;
    };
    const Case cases[] = {
        {"$Client).", "Ada Smith).", FieldOutcome::kReplaced},
        {"$Age", "71", FieldOutcome::kReplaced},
        {"$Zip,", ",", FieldOutcome::kReplaced},
        {"$Empty;", "???", FieldOutcome::kMissingValue},
        {"$Nobody.", "$Nobody.", FieldOutcome::kUnchanged},
        {"Client", "Client", FieldOutcome::kUnchanged},
        {"$Long!!", std::string(kFields[3].value).substr(0, 99), FieldOutcome::kReplaced},
        {"$Age" + std::string(100, '.'), "$Age" + std::string(100, '.'), FieldOutcome::kUnchanged},
    };
    for (const Case& c : cases) {
        std::string word = c.word;
        const FieldSubstitution result = SubstituteField(kFields, word);
        EXPECT_EQ(word, c.result) << c.word;
        EXPECT_EQ(result.outcome, c.outcome) << c.word;
        EXPECT_FALSE(result.metNamelessEntry);
    }
}

TEST(ReportFields, NamelessEntryIsReportedAndPassedOver) {
    const PrintField fields[] = {{"$A", "a"}, {nullptr, "x"}, {"$C", "c"}};
    std::string word = "$C";
    const FieldSubstitution result = SubstituteField(fields, word);
    EXPECT_TRUE(result.metNamelessEntry);
    EXPECT_EQ(word, "c");
}

TEST(ReportConditions, FalseConditionExcludesEverythingInside) {
    ReportConditions conditions;
    EXPECT_TRUE(conditions.Current());
    EXPECT_FALSE(conditions.CanClose());
    conditions.Open(false);
    conditions.Open(true);
    EXPECT_FALSE(conditions.Current());
    EXPECT_TRUE(conditions.Close());
    EXPECT_TRUE(conditions.Close());
    EXPECT_TRUE(conditions.Current());
    conditions.Open(true);
    EXPECT_TRUE(conditions.Current());
    EXPECT_FALSE(conditions.Close());
}

TEST(ReportConditions, NineLevelsAtMost) {
    ReportConditions conditions;
    for (int i = 0; i < ReportConditions::kMaxDepth; ++i) {
        ASSERT_TRUE(conditions.CanOpen());
        conditions.Open(true);
    }
    EXPECT_FALSE(conditions.CanOpen());
    conditions.Reset();
    EXPECT_TRUE(conditions.CanOpen());
    EXPECT_FALSE(conditions.CanClose());
}

} // namespace
