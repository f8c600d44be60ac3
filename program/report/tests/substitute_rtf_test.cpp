// Template choice, block removal and field substitution over the report fields.
#include "program/report/substitute_rtf.h"

#include <gtest/gtest.h>

namespace {

using namespace report;

using illustration::IllustrationFields;
using illustration::IllustrationType;

// Fields whose texts are their own tags, but for those given.
IllustrationFields FieldsWith(std::initializer_list<std::pair<int, std::string>> texts) {
    IllustrationFields fields;
    for (int index = illustration::kFirstReportField; index < illustration::kReportEndMarker;
         ++index) {
        fields.SetText(index, std::string(fields.Tag(index)));
    }
    for (const auto& [index, text] : texts) {
        fields.SetText(index, text);
    }
    return fields;
}

constexpr int kPlanValue = 114; // "R-PlanValue"
constexpr int kPHName = 118;    // "R-PHName"
constexpr int kIRSPen = 116;    // "R-IRSPen"
constexpr int kAname = 117;     // "R-Aname", the representative line
constexpr int kMarker1 = 147;   // "R-1"
constexpr int kMarker2 = 148;   // "R-2"

TEST(SubstituteRTF, RemovesTheBlocksOfEveryFieldThatHoldsAMarker) {
    struct Case {
        const char* text;
        const char* expected;
    };
    // A block goes with both markers but the opening "~"; at most ten blocks per marker.
    const Case cases[] = {
        {"~Ablock~Arest", "~rest"},           {"x~Aa~Ay~Ab~Az", "x~y~z"},
        {"only ~A once", "only ~A once"},     {"a~AR-PlanValue~Ab R-PlanValue", "a~b $5"},
        {"~K penalty text~K kept", "~ kept"},
    };
    const IllustrationFields fields =
        FieldsWith({{kMarker1, "~A"}, {kIRSPen, "~K"}, {kPlanValue, "$5"}});
    for (const Case& row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(SubstituteRTF(row.text, fields), row.expected);
    }
}

TEST(SubstituteRTF, ReplacesATagTenTimesAtMost) {
    std::string text;
    for (int i = 0; i < 12; ++i) {
        text += "R-PHName ";
    }
    const std::string filled = SubstituteRTF(text, FieldsWith({{kPHName, "Ann"}}));
    EXPECT_EQ(filled, "Ann Ann Ann Ann Ann Ann Ann Ann Ann Ann R-PHName R-PHName ");
    // A text holding its own tag stops after ten replacements too.
    EXPECT_EQ(SubstituteRTF("R-PHName", FieldsWith({{kPHName, "R-PHName!"}})),
              "R-PHName!!!!!!!!!!");
}

TEST(SubstituteRTF, EscapesUserTextsButNotTheRepresentativeLine) {
    const IllustrationFields fields = FieldsWith({{kPHName, "Lee {Jr} C:\\x"},
                                                  {kAname, "Pat Reyes \\bullet  Agency\\par "},
                                                  {kMarker2, ""}});
    EXPECT_EQ(SubstituteRTF("{R-PHName}\\par {R-Aname}R-2.", fields),
              "{Lee \\{Jr\\} C:\\\\x}\\par {Pat Reyes \\bullet  Agency\\par }.");
}

TEST(TemplateMember, FollowsTheTypeAndTheSpouseDate) {
    EXPECT_EQ(TemplateMember(IllustrationType::PlanholderRmd, "03/04/1950"), "RMDPartSpouse.rtf");
    EXPECT_EQ(TemplateMember(IllustrationType::PlanholderRmd, ""), "RMDPartNone.rtf");
    EXPECT_EQ(TemplateMember(IllustrationType::PlanholderRmd, "13/45/1950"), "RMDPartNone.rtf");
    EXPECT_EQ(TemplateMember(IllustrationType::BeneficiaryRmd, ""), "RMDBene.rtf");
    EXPECT_EQ(TemplateMember(IllustrationType::EqualPayments, ""), "Equal.rtf");
    EXPECT_EQ(TemplateMember(IllustrationType::Stretch, ""), "Stretch.rtf");
    EXPECT_EQ(TemplateMember(IllustrationType::None, ""), "");
}

} // namespace
