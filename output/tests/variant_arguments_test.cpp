#include "output/variant_arguments.h"

#include "platform/automation/text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// A VARIANT built for one test row; texts are freed when the row goes.
struct Value {
    explicit Value(VARTYPE type) {
        VariantInit(&variant);
        variant.vt = type;
    }
    static Value Text(const char* text) {
        Value value(VT_BSTR);
        value.variant.bstrVal = automation::BstrFromText(text);
        return value;
    }
    static Value I2(std::int16_t number) {
        Value value(VT_I2);
        value.variant.iVal = number;
        return value;
    }
    static Value I4(std::int32_t number) {
        Value value(VT_I4);
        value.variant.lVal = number;
        return value;
    }
    static Value R4(float number) {
        Value value(VT_R4);
        value.variant.fltVal = number;
        return value;
    }
    static Value R8(double number) {
        Value value(VT_R8);
        value.variant.dblVal = number;
        return value;
    }
    static Value Bool(bool truth) {
        Value value(VT_BOOL);
        value.variant.boolVal = truth ? VARIANT_TRUE : VARIANT_FALSE;
        return value;
    }
    Value(Value&& other) noexcept : variant(other.variant) { VariantInit(&other.variant); }
    ~Value() { VariantClear(&variant); }

    VARIANT variant;
};

TEST(VariantArguments, ToBool) {
    struct Case {
        const char* label;
        Value value;
        bool expected;
    };
    Case cases[] = {
        {"text TRUE", Value::Text("TRUE"), true},
        {"text true", Value::Text("true"), true},
        {"text tRuE", Value::Text("tRuE"), true},
        {"text 1", Value::Text("1"), false},
        {"text -1", Value::Text("-1"), false},
        {"text TRUE with a blank", Value::Text("TRUE "), false},
        {"I4 1", Value::I4(1), true},
        {"I2 0", Value::I2(0), false},
        {"R8 0.1", Value::R8(0.1), true},
        {"Boolean true", Value::Bool(true), true},
        {"empty", Value(VT_EMPTY), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(output::VariantToBool(c.value.variant), c.expected);
    }
}

TEST(VariantArguments, ToIntAndToDouble) {
    struct Case {
        const char* label;
        Value value;
        std::int32_t integer;
        double real;
    };
    Case cases[] = {
        {"blank, digits, letters", Value::Text(" 42abc"), 42, 42.0},
        {"letters", Value::Text("abc"), 0, 0.0},
        {"decimal text", Value::Text("12.75"), 12, 12.75},
        {"R8 -2.7 truncates", Value::R8(-2.7), -2, -2.7},
        {"R8 beyond 32 bits saturates", Value::R8(1e12), 2147483647, 1e12},
        {"R4 beyond 32 bits saturates", Value::R4(-1e12f), -2147483647 - 1,
         static_cast<double>(-1e12f)},
        {"text beyond 32 bits saturates", Value::Text("99999999999"), 2147483647, 99999999999.0},
        {"I2 sign-extended", Value::I2(-5), -5, -5.0},
        {"Boolean true as text", Value::Bool(true), -1, -1.0},
        {"empty", Value(VT_EMPTY), 0, 0.0},
        {"null", Value(VT_NULL), 0, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(output::VariantToInt(c.value.variant), c.integer);
        EXPECT_EQ(output::VariantToDouble(c.value.variant), c.real);
    }
}

TEST(VariantArguments, ToText) {
    struct Case {
        const char* label;
        Value value;
        const char* expected;
    };
    double byReference = 0.25;
    Value reference(VT_BYREF | VT_R8);
    reference.variant.pdblVal = &byReference;
    Case cases[] = {
        {"R8 0.5 has one decimal", Value::R8(0.5), "0.5"},
        {"R8 2.0 has none", Value::R8(2.0), "2"},
        {"R8 1/3 has sixteen", Value::R8(1.0 / 3.0), "0.3333333333333333"},
        {"R8 0.1 reads back with one", Value::R8(0.1), "0.1"},
        {"R8 -1234.5", Value::R8(-1234.5), "-1234.5"},
        {"R8 too fine for sixteen decimals", Value::R8(1e-20), "0.0000000000000000"},
        {"R4 0.1 reads back as the single", Value::R4(0.1f), "0.1"},
        {"R4 1/3 has seven", Value::R4(1.0f / 3.0f), "0.3333333"},
        {"I4", Value::I4(-17), "-17"},
        {"I2", Value::I2(300), "300"},
        {"Boolean", Value::Bool(false), "0"},
        {"text", Value::Text("Ann Lee"), "Ann Lee"},
        {"by reference follows the value", std::move(reference), "0.25"},
        {"null is empty", Value(VT_NULL), ""},
        {"empty", Value(VT_EMPTY), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(output::VariantToText(c.value.variant), c.expected);
    }
}

TEST(VariantArguments, SettersClearWhatTheVariantHeld) {
    Value target = Value::Text("old text, freed by the setter");
    output::SetInt(&target.variant, 1011);
    EXPECT_EQ(target.variant.vt, VT_I4);
    EXPECT_EQ(target.variant.lVal, 1011);
    output::SetText(&target.variant, "Read failure.");
    EXPECT_EQ(target.variant.vt, VT_BSTR);
    EXPECT_EQ(automation::TextFromBstr(target.variant.bstrVal), "Read failure.");
    output::SetBool(&target.variant, true);
    EXPECT_EQ(target.variant.vt, VT_BOOL);
    EXPECT_EQ(target.variant.boolVal, VARIANT_TRUE);
    output::SetDouble(&target.variant, 2003.02f);
    EXPECT_EQ(target.variant.vt, VT_R8);
    EXPECT_EQ(target.variant.dblVal, double(2003.02f));
    output::SetInt(nullptr, 1); // a missing target is no crash
}

} // namespace
