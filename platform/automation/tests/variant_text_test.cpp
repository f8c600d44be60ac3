#include "platform/automation/variant_text.h"

#include "platform/automation/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

VARIANT Of(VARTYPE type) {
    VARIANT value;
    VariantInit(&value);
    value.vt = type;
    return value;
}

TEST(VariantText, EachTypeHasOneFixedText) {
    struct Case {
        const char* label;
        VARIANT value;
        const char* text; // null: no text
    };
    VARIANT i2 = Of(VT_I2), i4 = Of(VT_I4), ui1 = Of(VT_UI1), r4 = Of(VT_R4), r8 = Of(VT_R8),
            big = Of(VT_R8), cy = Of(VT_CY), negativeCy = Of(VT_CY), yes = Of(VT_BOOL),
            no = Of(VT_BOOL), day = Of(VT_DATE), noon = Of(VT_DATE), moment = Of(VT_DATE),
            before = Of(VT_DATE), error = Of(VT_ERROR);
    i2.iVal = -32768;
    i4.lVal = 2147483647;
    ui1.bVal = 255;
    r4.fltVal = 0.1f;
    r8.dblVal = 2.5;
    big.dblVal = 1e20;
    cy.cyVal.int64 = 123450;
    negativeCy.cyVal.int64 = -5;
    yes.boolVal = VARIANT_TRUE;
    no.boolVal = VARIANT_FALSE;
    day.date = 37257;       // 1 January 2002
    noon.date = 0.5;        // the time alone
    moment.date = 37257.75; // with a time
    before.date = -1.25;    // before the epoch, time counted forward
    error.scode = 5;
    const Case cases[] = {
        {"empty", Of(VT_EMPTY), ""},
        {"I2", i2, "-32768"},
        {"I4", i4, "2147483647"},
        {"UI1", ui1, "255"},
        {"R4 0.1", r4, "0.1"},
        {"R8 2.5", r8, "2.5"},
        {"R8 1e20", big, "1E+20"},
        {"CY 12.345", cy, "12.345"},
        {"CY -0.0005", negativeCy, "-0.0005"},
        {"true", yes, "-1"},
        {"false", no, "0"},
        {"date", day, "1/1/2002"},
        {"time", noon, "12:00:00 PM"},
        {"date and time", moment, "1/1/2002 6:00:00 PM"},
        {"before 1900", before, "12/29/1899 6:00:00 AM"},
        {"null", Of(VT_NULL), nullptr},
        {"error", error, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const auto text = automation::VariantText(c.value);
        if (c.text == nullptr) {
            EXPECT_FALSE(text.has_value());
        } else {
            EXPECT_EQ(text, c.text);
        }
    }
}

TEST(VariantText, ByReferenceValuesAreFollowed) {
    double number = 0.25;
    VARIANT reference = Of(VT_BYREF | VT_R8);
    reference.pdblVal = &number;
    EXPECT_EQ(automation::VariantText(reference), "0.25");

    BSTR text = automation::BstrFromText("42 apples");
    VARIANT inner = Of(VT_BSTR);
    inner.bstrVal = text;
    VARIANT outer = Of(VT_BYREF | VT_VARIANT);
    outer.pvarVal = &inner;
    EXPECT_EQ(automation::VariantText(outer), "42 apples");
    SysFreeString(text);

    VARIANT twice = Of(VT_BYREF | VT_VARIANT);
    twice.pvarVal = &outer;
    EXPECT_FALSE(automation::VariantText(twice).has_value());
    VARIANT dangling = Of(VT_BYREF | VT_I4);
    EXPECT_FALSE(automation::VariantText(dangling).has_value());
}

TEST(VariantText, ShortestSingleReadsBackAsTheSameSingle) {
    const float values[] = {0.1f, 1.0f / 3.0f, 16777216.0f, 1e-10f, -2.7f, 3.4028235e38f};
    for (const float value : values) {
        const std::string text = automation::ShortestText(value);
        SCOPED_TRACE(text);
        EXPECT_EQ(std::strtof(text.c_str(), nullptr), value);
        // One digit fewer would no longer be enough: no longer text than needed.
        EXPECT_LE(text.size(), 15u);
    }
    EXPECT_EQ(automation::ShortestText(0.1f), "0.1");
    EXPECT_EQ(automation::ShortestText(2.0), "2");
}

TEST(VariantText, IntegersAreReadLeniently) {
    struct Case {
        const char* text;
        std::int32_t number;
    };
    const Case cases[] = {
        {"42", 42},
        {" 42abc", 42},
        {"\t-17", -17},
        {"+8", 8},
        {"abc", 0},
        {"", 0},
        {"- 5", 0},
        {"12.9", 12},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999999999999", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(automation::ReadInteger(c.text), c.number);
    }
}

TEST(VariantText, RealsAreReadLenientlyAndSaturateAsIntegers) {
    struct Case {
        const char* text;
        double number;
    };
    const Case cases[] = {
        {"0.5", 0.5},      {" -2.75x", -2.75}, {"1E3", 1000.0}, {"1e", 1.0},
        {".5", 0.5},       {"5.", 5.0},        {"abc", 0.0},    {".", 0.0},
        {"+1.5e-1", 0.15}, {"0x10", 0.0},      {"inf", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(automation::ReadReal(c.text), c.number);
    }
    EXPECT_TRUE(std::isinf(automation::ReadReal("1e999")));

    struct Saturation {
        double value;
        std::int32_t number;
    };
    const Saturation saturations[] = {
        {-2.7, -2},
        {2.7, 2},
        {3e9, 2147483647},
        {-3e9, -2147483647 - 1},
        {std::numeric_limits<double>::infinity(), 2147483647},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& s : saturations) {
        SCOPED_TRACE(s.value);
        EXPECT_EQ(automation::SaturatedInteger(s.value), s.number);
    }
}

} // namespace
