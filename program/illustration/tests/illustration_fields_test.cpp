#include "program/illustration/illustration_fields.h"

#include "platform/runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace illustration;

class FieldsTest : public testing::Test {
protected:
    ShowFieldMessage Recorder() {
        return [this](const std::string& text) { messages.push_back(text); };
    }
    IllustrationFields fields;
    std::vector<std::string> messages;
};

TEST_F(FieldsTest, ElementsAsCreated) {
    int inputWidths = 0;
    for (int index = 0; index < 52; ++index) {
        inputWidths += fields.MaxLength(index);
    }
    EXPECT_EQ(inputWidths, 909);
    EXPECT_EQ(fields.Tag(4), "7-SpouseDOB");
    EXPECT_EQ(fields.Text(4), "");
    EXPECT_EQ(fields.Text(18), "Record");
    EXPECT_EQ(fields.Text(19), "19 - Illustration Date - Invisible");
    EXPECT_EQ(fields.Text(20), "20 - RMD Amount - Invisible");
    EXPECT_EQ(fields.Text(52), "52 - Last Field - Invisible, No Tag");
    EXPECT_EQ(fields.Text(101), "R-Plan70");
    EXPECT_EQ(fields.Text(158), "Last Field Blank");
    EXPECT_EQ(fields.MaxLength(130), 32000);
    EXPECT_FALSE(fields.Visible(30));
    EXPECT_TRUE(fields.Visible(31));
    EXPECT_FALSE(fields.Visible(103));
    for (int index : {-1, 53, 100, 159}) {
        SCOPED_TRACE(index);
        EXPECT_FALSE(IllustrationFields::Exists(index));
        EXPECT_THROW(fields.Text(index), runtime::RuntimeError);
    }
}

TEST_F(FieldsTest, GetFieldSearchesOneRun) {
    fields.SetText(4, "05/06/1950");
    fields.SetText(103, "$3,774");
    struct Case {
        const char* tag;
        const char* text;
    };
    const Case cases[] = {
        {"7-SpouseDOB", "05/06/1950"},
        {"R-RMD", "$3,774"},
        {"R-Plan70", "R-Plan70"},            // never written: its own tag
        {"Age of Beneficiary on RBD", "??"}, // searched in the input run
        {"7-spousedob", "??"},
        {"R-Unknown", "??"},
        {"", "??"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(GetField(fields, c.tag), c.text);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(FieldsTest, SetFieldWritesTheFirstElementWithTheTag) {
    SetField(fields, "IRA", "R-PlanType", Recorder());
    EXPECT_EQ(fields.Text(106), "IRA");
    EXPECT_EQ(fields.Text(109), "R-PlanType");
    EXPECT_EQ(fields.Text(111), "R-PlanType");
    EXPECT_EQ(GetField(fields, "R-PlanType"), "IRA");

    SetField(fields, "Age of Original Planholder at Death", "Age of Beneficiary on RBD",
             Recorder());
    EXPECT_EQ(fields.Text(157), "Age of Original Planholder at Death");

    SetField(fields, "2010", "3-Year0", Recorder());
    EXPECT_EQ(fields.Text(8), "2010");
    EXPECT_TRUE(messages.empty());
}

TEST_F(FieldsTest, UnknownTagsShowTheirMessages) {
    SetField(fields, "x", "R-Nothing", Recorder());
    EXPECT_EQ(SetIndex(fields, "7-Nothing", Recorder()), 0);
    EXPECT_EQ(messages,
              (std::vector<std::string>{"Invalid Tag in SetField Function for \"R-Nothing\".",
                                        "Invalid Tag in SetIndex Function for 7-Nothing."}));
    EXPECT_EQ(GetField(fields, "R-Nothing"), "??");
}

TEST_F(FieldsTest, SetIndex) {
    EXPECT_EQ(SetIndex(fields, "8-PartFirst", Recorder()), 0);
    EXPECT_EQ(SetIndex(fields, "7-OriginalDOB", Recorder()), 51);
    EXPECT_EQ(SetIndex(fields, "R-PlanType", Recorder()), 106);
    EXPECT_EQ(SetIndex(fields, "R-DSpecial", Recorder()), 156);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FieldsTest, TheObserverHearsOfChangedTextsOnly) {
    std::vector<int> changed;
    fields.SetObserver([&](int index) { changed.push_back(index); });
    fields.SetText(9, "100000");
    fields.SetText(9, "100000");
    SetField(fields, "$0", "R-RMD", Recorder());
    EXPECT_EQ(changed, (std::vector<int>{9, 103}));
}

} // namespace
