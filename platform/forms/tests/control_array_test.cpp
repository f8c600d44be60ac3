// Control arrays with gaps in their indices: elements by index, the subscript error for a
// missing one, and events that carry the element's index.
#include "platform/forms/control_array.h"

#include "platform/forms/controls/text_box.h"
#include "platform/forms/testing/driver.h"
#include "platform/runtime/runtime_error.h"
#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;

// Inputs 0 to 52 and report fields 101 to 158, as the main window's field array.
struct FieldsForm : Form {
    explicit FieldsForm(Application& app) : Form(app, "frmMain") {
        for (int i = 0; i <= 52; ++i) {
            txtInput.Add(i).SetTag("8-Field" + std::to_string(i));
        }
        for (int i = 101; i <= 158; ++i) {
            txtInput.Add(i).SetTag("R-Field" + std::to_string(i));
        }
    }
    ControlArray<TextBox> txtInput{*this, "txtInput"};
};

class ControlArrayTest : public ::testing::Test {
protected:
    Application app;
    forms::testing::Driver driver{app};
    FieldsForm& form = app.Create<FieldsForm>();
};

TEST_F(ControlArrayTest, ElementsAreFoundByIndexAcrossTheGap) {
    EXPECT_EQ(form.txtInput.Count(), 53 + 58);
    EXPECT_EQ(form.txtInput.LBound(), 0);
    EXPECT_EQ(form.txtInput.UBound(), 158);
    EXPECT_EQ(form.txtInput(52).Tag(), "8-Field52");
    EXPECT_EQ(form.txtInput(101).Tag(), "R-Field101");
    EXPECT_EQ(form.txtInput(101).Index(), 101);
    EXPECT_EQ(form.txtInput(7).DisplayName(), "txtInput(7)");
}

TEST_F(ControlArrayTest, MissingIndicesRaiseSubscriptOutOfRange) {
    for (int index : {-1, 53, 77, 100, 159}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(testkit::ErrorNumberOf([&] { (void)form.txtInput(index); }), 9);
    }
}

TEST_F(ControlArrayTest, EventsCarryTheElementsIndex) {
    std::vector<std::pair<int, int>> keys;
    form.txtInput.On(&TextBox::KeyPress, [&](int index, int& key) {
        keys.emplace_back(index, key);
        key = 0;
    });
    std::vector<int> focused;
    form.txtInput.On(&TextBox::GotFocus, [&](int index) { focused.push_back(index); });
    form.Show();
    driver.Type(form.txtInput(3), "x");
    driver.Type(form.txtInput(120), "y");
    EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{3, 'x'}, {120, 'y'}}));
    EXPECT_EQ(focused, (std::vector<int>{0, 3, 120}));
    EXPECT_EQ(form.txtInput(3).Text(), "") << "the handler discarded the key";
}

TEST_F(ControlArrayTest, ElementsAddedLaterGetTheArraysHandlers) {
    ControlArray<TextBox> extra(form, "txtExtra");
    std::vector<int> changed;
    extra.On(&TextBox::Change, [&](int index) { changed.push_back(index); });
    extra.Add(5).SetText("a");
    EXPECT_EQ(changed, (std::vector<int>{5}));
    EXPECT_THROW(extra.Add(5), runtime::RuntimeError);
}

} // namespace
