// Message boxes: styles split into buttons, icon and default button; the driver's script and log.
#include "platform/forms/message_box.h"

#include "platform/forms/testing/driver.h"
#include "platform/runtime/runtime_error.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace {

using namespace forms;

TEST(MessageBoxRequestTest, StylesSplitIntoButtonsIconAndDefaultButton) {
    // The style values the program passes (16 critical, 36 question with Yes/No, 64 information).
    struct Case {
        int style;
        std::vector<int> answers;
        MessageBoxIcon icon;
        int defaultButton;
    };
    const Case cases[] = {
        {vbOKOnly, {vbOK}, MessageBoxIcon::None, 0},
        {16, {vbOK}, MessageBoxIcon::Critical, 0},
        {36, {vbYes, vbNo}, MessageBoxIcon::Question, 0},
        {vbExclamation, {vbOK}, MessageBoxIcon::Exclamation, 0},
        {64, {vbOK}, MessageBoxIcon::Information, 0},
        {vbOKCancel, {vbOK, vbCancel}, MessageBoxIcon::None, 0},
        {vbYesNoCancel | vbDefaultButton3, {vbYes, vbNo, vbCancel}, MessageBoxIcon::None, 2},
        {vbYesNo | vbDefaultButton3, {vbYes, vbNo}, MessageBoxIcon::None, 0},
        {vbRetryCancel | vbDefaultButton2, {vbRetry, vbCancel}, MessageBoxIcon::None, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        const auto request = MessageBoxRequest::FromStyle("text", c.style, "title");
        EXPECT_EQ(request.Answers(), c.answers);
        EXPECT_EQ(request.icon, c.icon);
        EXPECT_EQ(request.defaultButton, c.defaultButton);
    }
}

TEST(UntrappedErrorTest, TheBoxShowsTheRuntimesNumberAndTextOnlyThenTheProgramEnds) {
    struct Case {
        const char* name;
        std::exception_ptr error;
        const char* prompt;
    };
    const Case cases[] = {
        {"run-time error with a path in its detail",
         std::make_exception_ptr(runtime::RuntimeError(runtime::ErrorNumber::FileNotFound,
                                                       "/home/rep/.local/share/x.flt")),
         "Run-time error '53':\r\n\r\nFile not found"},
        {"library exception naming its source",
         std::make_exception_ptr(std::out_of_range("/src/program/ui/main_form.cpp:88 vector")),
         "Run-time error '51':\r\n\r\nInternal error"},
        {"memory ran out", std::make_exception_ptr(std::bad_alloc()),
         "Run-time error '7':\r\n\r\nOut of memory"},
        {"not an exception at all", std::make_exception_ptr(42),
         "Run-time error '51':\r\n\r\nInternal error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Application app("Tallowmere");
        forms::testing::Driver driver(app);
        driver.ExpectMessageBox("Tallowmere", vbOK);
        app.ShowUntrappedError(c.error);
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(driver.MessageBoxes()[0].prompt, c.prompt);
        EXPECT_EQ(driver.MessageBoxes()[0].icon, MessageBoxIcon::Critical);
        EXPECT_TRUE(app.Ended());
        EXPECT_TRUE(app.EndedByError());
    }
    // A program that ends as its user chose has not failed.
    Application app("Tallowmere");
    app.End();
    EXPECT_FALSE(app.EndedByError());
}

TEST(MessageBoxDriverTest, AnswersFromTheScriptAndLogsExactly) {
    Application app("Tallowmere");
    forms::testing::Driver driver(app);
    driver.ExpectMessageBox("Software Exit", vbNo);
    driver.ExpectMessageBox(vbOK);
    EXPECT_EQ(app.MsgBox("Are you sure you want to exit?", vbYesNo | vbQuestion, "Software Exit"),
              vbNo);
    EXPECT_EQ(app.MsgBox("Line one\r\nLine two"), vbOK);
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    const auto& exit = driver.MessageBoxes()[0];
    EXPECT_EQ(exit.prompt, "Are you sure you want to exit?");
    EXPECT_EQ(exit.icon, MessageBoxIcon::Question);
    EXPECT_EQ(exit.buttonSet, vbYesNo);
    EXPECT_EQ(exit.answer, vbNo);
    EXPECT_EQ(driver.MessageBoxes()[1].title, "Tallowmere") << "an empty title is the program's";
    EXPECT_EQ(driver.MessageBoxes()[1].prompt, "Line one\r\nLine two");
}

TEST(MessageBoxDriverTest, AnUnexpectedBoxFailsTheTest) {
    Application app;
    forms::testing::Driver driver(app);
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = app.MsgBox("Surprise", vbYesNo | vbDefaultButton2),
                            "unexpected message box");
    EXPECT_EQ(answer, vbNo) << "answered with its default button";
    driver.ExpectMessageBox("Other title", vbOK);
    EXPECT_NONFATAL_FAILURE(app.MsgBox("x", vbOKOnly, "Title"), "expected a message box titled");
    driver.ExpectMessageBox(vbYes);
    EXPECT_NONFATAL_FAILURE(app.MsgBox("x", vbOKOnly), "is not a button");
}

TEST(MessageBoxDriverTest, AnExpectedBoxThatNeverShowsFailsTheTest) {
    Application app;
    EXPECT_NONFATAL_FAILURE(
        {
            forms::testing::Driver driver(app);
            driver.ExpectMessageBox("Never", vbOK);
        },
        "never showed");
}

} // namespace
