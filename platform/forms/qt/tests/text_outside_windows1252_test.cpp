// Text that Windows-1252 cannot hold (Chinese characters, emoji), offered to a field as a user
// offers it: typed, typed through an input method, pasted with the keys or the field's menu,
// dropped. The field takes none of it and stays as it was; the system beeps; a message box says
// once a visit of the field which characters it can hold. Latin-1 text is taken as ever.
#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/lists.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/qt/skin.h"
#include "platform/forms/qt/testing/edit_input.h"
#include "platform/forms/tests/event_log.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace forms;
using namespace forms::qt;

using forms::testing::EventLog;

// The program's one QApplication is registered by skin_test.cpp.

struct NameForm : Form {
    NameForm(Application& app, EventLog& log) : Form(app, "frmName") {
        SetCaption("Name");
        Move(0, 0, 6000, 3000);
        txtFirst.Move(240, 240, 3000, 330);
        txtFirst.SetMaxLength(30);
        txtFirst.KeyPress = [&log](int& key) { log.Add("KeyPress " + std::to_string(key)); };
        txtFirst.Change = log.Record("Change");
        cmboState.Move(240, 720, 3000, 330);
        cmboState.Change = log.Record("cmboState.Change");
        cmdOK.Move(3600, 240, 1200, 375);
        cmdOK.SetCaption("OK");
    }
    TextBox txtFirst{*this, "txtFirst"};
    ComboBox cmboState{*this, "cmboState"};
    CommandButton cmdOK{*this, "cmdOK"};
};

// Message boxes and beeps are counted rather than shown.
struct CountedMessages : MessageBoxService {
    int ShowMessageBox(const MessageBoxRequest& request) override {
        shown.push_back(request);
        return request.Answers().front();
    }
    void Beep() override { ++beeps; }
    std::vector<MessageBoxRequest> shown;
    int beeps = 0;
};

class TextOutsideWindows1252Test : public ::testing::Test {
protected:
    Application app;
    Skin skin{app};
    EventLog log;
    CountedMessages messages;
    NameForm& form = app.Create<NameForm>(log);

    void SetUp() override {
        app.SetMessageBoxService(&messages);
        form.Show();
        QCoreApplication::processEvents();
    }

    QLineEdit& Edit(Control& control) {
        QWidget* widget = skin.WidgetOf(control);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            return *combo->lineEdit();
        }
        return *static_cast<QLineEdit*>(widget);
    }

    std::string TextOf(Control& control) {
        return control.Kind() == ControlKind::TextBox ? form.txtFirst.Text()
                                                      : form.cmboState.Text();
    }
};

// The ways a user offers a field text, each with the text given.
using Offer = std::function<void(QLineEdit&, const QString&)>;

void Typed(QLineEdit& edit, const QString& text) {
    QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, text, Qt::NoModifier);
}

void ThroughAnInputMethod(QLineEdit& edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(&edit, &event);
}

void PastedWithTheKeys(QLineEdit& edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
}

void PastedFromTheMenu(QLineEdit& edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    EXPECT_TRUE(forms::qt::testing::PasteFromTheEditMenu(edit));
}

void Dropped(QLineEdit& edit, const QString& text) {
    forms::qt::testing::DropText(edit, text);
}

TEST_F(TextOutsideWindows1252Test, TheFieldTakesNoneOfItBeepsAndSaysOnceAVisit) {
    struct Case {
        const char* how;
        Offer offer;
        const char* text; // UTF-8
    };
    const Case cases[] = {
        {"typed", Typed, "李"},
        {"typed, an emoji", Typed, "😀"},
        {"through an input method", ThroughAnInputMethod, "王"},
        {"pasted with Ctrl+V", PastedWithTheKeys, "Wei 王"},
        {"pasted from the field's menu", PastedFromTheMenu, "李 Wei"},
        {"dropped", Dropped, "José 李"},
    };
    for (Control* field : std::vector<Control*>{&form.txtFirst, &form.cmboState}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(field->DisplayName() + " " + c.how);
            form.txtFirst.SetText("");
            form.cmboState.SetText("");
            form.cmdOK.SetFocus();
            QCoreApplication::processEvents();
            QTest::mouseClick(&Edit(*field), Qt::LeftButton);
            ASSERT_EQ(app.ActiveControl(), field);
            QTest::keyClicks(&Edit(*field), "Ann");
            log.Clear();
            messages.shown.clear();
            messages.beeps = 0;
            // Twice in one visit: one message, two beeps.
            for (int time = 0; time < 2; ++time) {
                c.offer(Edit(*field), QString::fromUtf8(c.text));
                QCoreApplication::processEvents();
            }
            EXPECT_EQ(TextOf(*field), "Ann");
            EXPECT_EQ(Edit(*field).text(), "Ann");
            EXPECT_TRUE(log.Entries().empty()) << "no key reached the field: " << log.Entries()[0];
            EXPECT_EQ(messages.beeps, 2);
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].icon, MessageBoxIcon::Exclamation);
            EXPECT_NE(messages.shown[0].prompt.find("Windows-1252"), std::string::npos);
            EXPECT_NE(messages.shown[0].prompt.find("\xE9, \xF1, \xFC, \xF8 and \xDF"),
                      std::string::npos)
                << messages.shown[0].prompt;
            EXPECT_EQ(app.ActiveControl(), field) << "the field keeps the focus";
        }
    }
}

TEST_F(TextOutsideWindows1252Test, LatinTextIsTakenAsEver) {
    // The drop goes in where it falls, at the start; the rest after it.
    const std::pair<Offer, const char*> cases[] = {
        {Dropped, "José"},
        {Typed, " Müller"},
        {PastedWithTheKeys, " Ø ß €"},
    };
    for (const auto& [offer, text] : cases) {
        offer(Edit(form.txtFirst), QString::fromUtf8(text));
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(form.txtFirst.Text(), "Jos\xE9 M\xFCller \xD8 \xDF \x80");
    EXPECT_EQ(Edit(form.txtFirst).text(), QString::fromUtf8("José Müller Ø ß €"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(messages.beeps, 0);
}

} // namespace
