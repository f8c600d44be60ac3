// The text box's caret and selection: the editing keys, clicks that place the caret, and pastes
// that go through KeyPress and MaxLength as typing does.
#include "platform/forms/controls/text_box.h"

#include "platform/forms/controls/combo_box.h"
#include "platform/forms/keys.h"
#include "platform/forms/testing/driver.h"
#include "platform/forms/tests/event_log.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;

using forms::testing::Driver;
using forms::testing::EventLog;

struct EditForm : Form {
    EditForm(Application& app, EventLog& log) : Form(app, "frmEdit") {
        txtName.KeyDown = [&log](int& code, int) { log.Add("KeyDown " + std::to_string(code)); };
        txtName.KeyPress = [&log](int& key) {
            log.Add("KeyPress " + std::string(1, static_cast<char>(key)));
        };
        txtName.Change = log.Record("Change");
    }
    TextBox txtName{*this, "txtName"};
    ComboBox cmboState{*this, "cmboState"};
};

class TextBoxTest : public ::testing::Test {
protected:
    Application app;
    Driver driver{app};
    EventLog log;
    EditForm& form = app.Create<EditForm>(log);

    void SetUp() override {
        form.Show();
        driver.Pump();
    }
};

// A key of a row: a character typed, or a key code with the shift state.
struct Key {
    int code;
    int shift = 0;
    bool typed = false;
};
constexpr Key Typed(char c) {
    return {static_cast<unsigned char>(c), 0, true};
}
constexpr Key kLeft{vbKeyLeft};
constexpr Key kRight{vbKeyRight};
constexpr Key kHome{vbKeyHome};
constexpr Key kEnd{vbKeyEnd};
constexpr Key kDelete{vbKeyDelete};
constexpr Key kShiftLeft{vbKeyLeft, vbShiftMask};
constexpr Key kShiftRight{vbKeyRight, vbShiftMask};
constexpr Key kShiftHome{vbKeyHome, vbShiftMask};
constexpr Key kShiftEnd{vbKeyEnd, vbShiftMask};

TEST_F(TextBoxTest, EditingKeysMoveTheCaretAndGrowTheSelectionFromItsAnchor) {
    // Each row starts from "abcd" with the caret at `caret`; the keys are pressed in turn.
    struct Case {
        const char* name;
        int caret;
        std::vector<Key> keys;
        const char* text;
        int selStart;
        int selLength;
    };
    const Case cases[] = {
        {"left twice, then type", 4, {kLeft, kLeft, Typed('X')}, "abXcd", 3, 0},
        {"right stops at the end", 3, {kRight, kRight, kRight}, "abcd", 4, 0},
        {"home, then delete", 3, {kHome, kDelete}, "bcd", 0, 0},
        {"end, then backspace", 0, {kEnd, Typed('\b')}, "abc", 3, 0},
        {"delete at the end does nothing", 4, {kDelete}, "abcd", 4, 0},
        {"shift+left selects leftwards, typing replaces",
         4,
         {kShiftLeft, kShiftLeft, Typed('Z')},
         "abZ",
         3,
         0},
        {"shift+right then shift+left shrinks",
         1,
         {kShiftRight, kShiftRight, kShiftLeft},
         "abcd",
         1,
         1},
        {"shift past the anchor turns round",
         2,
         {kShiftRight, kShiftLeft, kShiftLeft},
         "abcd",
         1,
         1},
        {"left collapses a selection to its left end", 1, {kShiftEnd, kLeft}, "abcd", 1, 0},
        {"right collapses a selection to its right end", 3, {kShiftHome, kRight}, "abcd", 3, 0},
        {"shift+home, then delete", 2, {kShiftHome, kDelete}, "cd", 0, 0},
        {"backspace removes a selection", 1, {kShiftEnd, Typed('\b')}, "a", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.txtName.SetText("abcd");
        driver.PlaceCaret(form.txtName, c.caret);
        for (const Key& key : c.keys) {
            if (key.typed) {
                driver.PressKey(key.code);
            } else {
                driver.PressKeyCode(key.code, key.shift);
            }
        }
        EXPECT_EQ(form.txtName.Text(), c.text);
        EXPECT_EQ(form.txtName.SelStart(), c.selStart);
        EXPECT_EQ(form.txtName.SelLength(), c.selLength);
    }
}

TEST_F(TextBoxTest, KeysWithoutACharacterRaiseKeyDownButNoKeyPress) {
    form.txtName.SetText("abc");
    driver.PlaceCaret(form.txtName, 3);
    log.Clear();
    driver.PressKeyCode(vbKeyLeft);
    driver.PressKeyCode(vbKeyDelete);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"KeyDown 37", "KeyDown 46", "Change"}));
    EXPECT_EQ(form.txtName.Text(), "ab");
    form.txtName.KeyDown = [](int& code, int) { code = 0; };
    driver.PressKeyCode(vbKeyHome);
    EXPECT_EQ(form.txtName.SelStart(), 2) << "a key code set to 0 is discarded";
}

TEST_F(TextBoxTest, ClicksAndDragsPlaceTheCaretAndSelect) {
    form.txtName.SetText("Smith");
    driver.PlaceCaret(form.txtName, 1);
    driver.PlaceCaret(form.txtName, 4, /*extend*/ true);
    EXPECT_EQ(form.txtName.SelText(), "mit");
    EXPECT_EQ(form.txtName.CaretPosition(), 4);
    driver.PlaceCaret(form.txtName, 0, /*extend*/ true);
    EXPECT_EQ(form.txtName.SelText(), "S") << "the anchor stays where the drag began";
    driver.PlaceCaret(form.txtName, 99);
    EXPECT_EQ(form.txtName.SelStart(), 5);
    EXPECT_EQ(form.txtName.SelLength(), 0);
}

TEST_F(TextBoxTest, AClickThatEntersTheBoxKeepsTheSelectionItsFocusEventsMake) {
    // Each row: whether GotFocus selects the whole text (the entry rule of the program's
    // fields), what the box kept selected from its last visit, the click, what is typed.
    struct Case {
        const char* name;
        bool selectsOnEntry;
        bool leftSelected;
        int click;
        const char* typed;
        const char* text;
    };
    const Case cases[] = {
        {"entry rule: the click keeps the whole text selected", true, false, 1, "25", "25"},
        {"entry rule, the text left selected before", true, true, 3, "7", "7"},
        {"no entry rule: the caret goes where the click fell", false, false, 1, "x", "$x0"},
        {"no entry rule: an old selection gives way to the caret", false, true, 2, "x", "$0x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.txtName.GotFocus = [this, &c] {
            if (c.selectsOnEntry) {
                form.txtName.SetSelStart(0);
                form.txtName.SetSelLength(static_cast<int>(form.txtName.Text().size()));
            }
        };
        form.txtName.SetText("$0");
        if (c.leftSelected) {
            driver.ClickText(form.txtName, 0);
            driver.PlaceCaret(form.txtName, 2, /*extend*/ true);
        }
        driver.Focus(form.cmboState);
        driver.ClickText(form.txtName, c.click);
        EXPECT_EQ(app.ActiveControl(), &form.txtName);
        for (const char key : std::string(c.typed)) {
            driver.PressKey(key);
        }
        EXPECT_EQ(form.txtName.Text(), c.text);
    }
}

TEST_F(TextBoxTest, AClickInTheBoxThatHasTheFocusPlacesTheCaret) {
    form.txtName.GotFocus = [this] {
        form.txtName.SetSelStart(0);
        form.txtName.SetSelLength(static_cast<int>(form.txtName.Text().size()));
    };
    form.txtName.SetText("250000");
    driver.Focus(form.cmboState);
    driver.ClickText(form.txtName, 2);
    EXPECT_EQ(form.txtName.SelLength(), 6);
    driver.ClickText(form.txtName, 6);
    EXPECT_EQ(form.txtName.SelLength(), 0);
    EXPECT_EQ(form.txtName.SelStart(), 6);
    driver.ClickText(form.txtName, 2, /*extend*/ true);
    EXPECT_EQ(form.txtName.SelText(), "0000") << "Shift+click selects from the caret";
    driver.PressKey('\b');
    EXPECT_EQ(form.txtName.Text(), "25");
}

TEST_F(TextBoxTest, APasteIsFilteredLikeTypingWithinMaxLengthAndRaisesOneChange) {
    // The program's rate filter: digits, and "." while the text holds none yet.
    form.txtName.KeyPress = [this](int& key) {
        log.Add(std::string(1, static_cast<char>(key)));
        const bool dot = key == '.' && form.txtName.Text().find('.') == std::string::npos;
        if (!dot && (key < '0' || key > '9')) {
            key = 0;
        }
    };
    form.txtName.SetMaxLength(4);
    driver.Focus(form.txtName);
    log.Clear();
    driver.Paste("1.2.345");
    EXPECT_EQ(form.txtName.Text(), "1.23");
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"1", ".", "2", ".", "3", "4", "Change"}))
        << "the second dot meets the text as typed so far; the paste stops when the box is full";
    EXPECT_EQ(driver.Beeps(), 1);
    EXPECT_EQ(form.txtName.SelStart(), 4);
}

TEST_F(TextBoxTest, APasteTakesTheFirstLineReplacesTheSelectionAndSkipsLockedBoxes) {
    form.txtName.SetText("abcd");
    driver.PlaceCaret(form.txtName, 1);
    driver.PlaceCaret(form.txtName, 3, /*extend*/ true);
    driver.Paste("12\r\n34");
    EXPECT_EQ(form.txtName.Text(), "a12d");
    form.txtName.SetLocked(true);
    log.Clear();
    driver.Paste("x");
    driver.PressKeyCode(vbKeyDelete);
    EXPECT_EQ(form.txtName.Text(), "a12d");
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"KeyDown 46"}));
}

TEST_F(TextBoxTest, APasteIntoAComboGoesThroughItsKeyPress) {
    int changes = 0;
    form.cmboState.KeyPress = [](int& key) {
        if (key > 'Z') {
            key -= 32; // the state box types capitals
        }
    };
    form.cmboState.Change = [&changes] { ++changes; };
    driver.Focus(form.cmboState);
    driver.Paste("ny");
    EXPECT_EQ(form.cmboState.Text(), "NY");
    EXPECT_EQ(changes, 1);
}

} // namespace
