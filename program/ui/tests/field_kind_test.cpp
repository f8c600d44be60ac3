#include "program/ui/support/src/field_kind.h"

#include "program/ui/main_window/src/input_field_events.h"
#include "program/ui/tests/input_window.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

using illustration::IllustrationType;

TEST(FieldKind, TheKindIsTheNumberBeforeTheHyphen) {
    const std::pair<std::string, FieldKind> cases[] = {
        {"1-EqualROR", FieldKind::Percent},
        {"2-StretchPLEO", FieldKind::Years},
        {"3-Year0", FieldKind::WholeNumber},
        {"6-AcctValue0", FieldKind::Dollars},
        {"7-PartDOB", FieldKind::Date},
        {"8-PartFirst", FieldKind::Text},
        {"9-Amount", FieldKind::DollarsCents},
        {"R-Plan70", FieldKind::None},
        {"", FieldKind::None},
        {"Age of Beneficiary on RBD", FieldKind::None},
    };
    for (const auto& [tag, kind] : cases) {
        EXPECT_EQ(KindOfTag(tag), kind) << tag;
    }
}

// The kinds no element has: the rules still serve them.
TEST(FieldKind, FormsOfTheKindsWithoutAField) {
    struct Case {
        FieldKind kind;
        std::string text;
        std::string edit;
        std::string display;
    };
    const Case cases[] = {
        {FieldKind::Decimal, "1234.5", "1234.5", "1,234.5"},
        {FieldKind::DecimalAlso, "5", "5", "5."},
        {FieldKind::DollarsCents, "1234.5", "1234.5", "$1,234.50"},
        {FieldKind::DollarsCents, "", "", "$0"},
        {FieldKind::None, "$1,234", "$1,234", "$1,234"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EditForm(c.kind, c.text), c.edit);
        EXPECT_EQ(DisplayForm(c.kind, c.text), c.display);
    }
    EXPECT_TRUE(AcceptsKey(FieldKind::Decimal, "12", '.'));
    EXPECT_FALSE(AcceptsKey(FieldKind::DollarsCents, "1.2", '.'));
}

TEST(FieldKind, ARateReadsAsShownWhetherItsFieldWasLeftOrNot) {
    const std::pair<const char*, const char*> cases[] = {
        {"4.25", "4.25%"}, {"4.25%", "4.25%"}, {"6", "6.00%"}, {"6.00%", "6.00%"}, {"", "0.00%"}};
    for (const auto& [typed, shown] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(RateAsShown(typed), shown);
    }
}

// Typed into the field, shown after leaving it (the Tab key to the next control), shown on
// coming back; each field in the window of its own type.
TEST(FieldKind, TypingLeavingAndEnteringEachKind) {
    constexpr IllustrationType kRmd = IllustrationType::PlanholderRmd;
    constexpr IllustrationType kEqual = IllustrationType::EqualPayments;
    constexpr IllustrationType kStretch = IllustrationType::Stretch;
    struct Case {
        IllustrationType type;
        int index;
        std::string stored; // the text before the user comes to the field
        std::string typed;  // "\b" is a backspace
        std::string afterTyping;
        std::string afterLeaving;
        std::string onReentry;
    };
    // clang-format off
    const Case cases[] = {
        // type,   index, stored, typed,    after typing,   after leaving,  on re-entry
        {kEqual,   31, "",        "4..5x",        "4.5",          "4.50%",        "4.50"},
        {kEqual,   31, "",        "6",            "6",            "6.00%",        "6.00"},
        {kEqual,   31, "",        "",             "0.00",         "0.00%",        "0.00"},
        {kStretch, 50, "",        "12.5\b\b",     "12",           "12.00%",       "12.00"},
        {kStretch, 36, "",        "1.2a-",        "12",           "12",           "12"},
        {kRmd,     8,  "",        "20.1/1",       "2011",         "2011",         "2011"},
        {kRmd,     9,  "",        "$1,234",       "1234",         "$1,234",       "1234"},
        {kRmd,     9,  "1234.56", "",             "1235",         "$1,235",       "1235"},
        {kRmd,     9,  "",        "950\b",        "95",           "$95",          "95"},
        {kRmd,     3,  "",        "1-Jan/1930",   "1-Jan/1930",   "1-Jan/1930",   "1-Jan/1930"},
        {kRmd,     0,  "",        "Ann-Marie 2.", "Ann-Marie 2.", "Ann-Marie 2.", "Ann-Marie 2."},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + " \"" + c.typed + "\"");
        InputWindow window(c.type);
        forms::TextBox& field = window.main.txtInput(c.index);
        field.SetText(c.stored);
        window.driver.Type(field, c.typed);
        EXPECT_EQ(field.Text(), c.afterTyping);
        window.driver.PressTab();
        EXPECT_NE(window.app.ActiveControl(), &field);
        EXPECT_EQ(field.Text(), c.afterLeaving);
        window.driver.Focus(field);
        EXPECT_EQ(field.Text(), c.onReentry);
        EXPECT_EQ(field.SelLength(), static_cast<int>(c.onReentry.size()));
    }
}

// A click into a field selects its text as the Tab key does, so that typing replaces it; a
// later click in the field puts the caret where it falls.
TEST(FieldKind, AClickIntoAFieldSelectsItsTextAsTheTabKeyDoes) {
    constexpr IllustrationType kRmd = IllustrationType::PlanholderRmd;
    constexpr IllustrationType kEqual = IllustrationType::EqualPayments;
    struct Case {
        IllustrationType type;
        const char* tag;
        std::string shown; // what the field shows before the click
        int click;         // the character the click falls on
        std::string typed;
        std::string afterLeaving;
    };
    const Case cases[] = {
        {kRmd, "6-AcctValue0", "$0", 1, "250000", "$250,000"},
        {kRmd, "6-AcctValue0", "$180,000", 7, "250000", "$250,000"},
        {kEqual, "1-EqualROR", "4.50%", 4, "6", "6.00%"},
        {kRmd, "8-PartLast", "Hansen", 3, "Olsen", "Olsen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tag) + " showing " + c.shown);
        InputWindow window(c.type);
        forms::TextBox& field = window.Field(c.tag);
        field.SetText(c.shown);
        window.driver.ClickText(field, c.click);
        window.driver.Type(field, c.typed);
        window.driver.PressTab();
        EXPECT_EQ(field.Text(), c.afterLeaving);
    }

    InputWindow window(kRmd);
    forms::TextBox& amount = window.Field("6-AcctValue0");
    window.driver.ClickText(amount, 0);
    window.driver.Type(amount, "250000");
    window.driver.ClickText(amount, 6);
    window.driver.PressKey('\b');
    window.driver.Type(amount, "1");
    window.driver.PressTab();
    EXPECT_EQ(amount.Text(), "$250,001");
}

TEST(FieldKind, AStoredAmountWithCentsShowsThemAfterLeaving) {
    InputWindow window(IllustrationType::PlanholderRmd);
    forms::TextBox& amount = window.Field("6-AcctValue0");
    window.driver.Focus(amount);
    amount.SetText("1234.56");
    window.driver.PressTab();
    EXPECT_EQ(amount.Text(), "$1,234.56");
}

TEST(FieldKind, EveryKeyMarksTheIllustrationChangedEvenADiscardedOne) {
    InputWindow window(IllustrationType::PlanholderRmd);
    window.program.IllustrationSaved = true;
    window.driver.Type(window.Field("6-AcctValue0"), "x");
    EXPECT_EQ(window.Field("6-AcctValue0").Text(), "");
    EXPECT_FALSE(window.program.IllustrationSaved);
}

TEST(FieldKind, TheEqualHintLineFollowsTheField) {
    struct Case {
        std::string tag;
        std::string hint;
        bool bold;
    };
    const std::string balanceNote =
        "* Important: In most cases we recommend the prior year 12-31 balance. This date must be "
        "consistent from year to year; you cannot continually switch this date.";
    const Case cases[] = {
        {"6-EqualAcctValue1", balanceNote, true},
        {"6-EqualAcctValue2", balanceNote, true},
        {"1-EqualROR",
         "* Important: Cannot exceed 120% of Federal Mid-Term rate. Press the \"Web Lookup\"  "
         "button for current rates.",
         true},
        {"8-EqualLast", "* Required fields", false},
    };
    InputWindow window(IllustrationType::EqualPayments);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        window.driver.Focus(window.Field(c.tag));
        EXPECT_EQ(window.main.Label3(3).Caption(), c.hint);
        EXPECT_EQ(window.main.Label3(3).FontBold(), c.bold);
    }
}

// The Stretch window has no S&EPP page to focus; its fields call the same handler.
TEST(FieldKind, TheHintLineStaysOnOtherTypes) {
    InputWindow window(IllustrationType::Stretch);
    EnterField(window.main, window.main.SetIndex("1-EqualROR"));
    EXPECT_EQ(window.main.Label3(3).Caption(), "* Required fields");
}

} // namespace
