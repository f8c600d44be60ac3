// Every field of the main window and of the representative window, through the Qt skin: a
// character that Windows-1252 cannot hold, typed or pasted, leaves the field as it was, with
// the message that says which characters the field can hold; Latin-1 names are kept as typed.
#include "program/ui/main_form.h"
#include "program/ui/rep_info_form.h"
#include "program/ui/saved_illustrations.h"
#include "program/ui/tests/recorded_reports.h"

#include "platform/forms/application.h"
#include "platform/forms/control.h"
#include "platform/forms/qt/skin.h"
#include "platform/system/clock.h"
#include "platform/system/folders.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

namespace ui {
namespace {

using illustration::IllustrationType;

constexpr const char* kNotHeld = "Windows-1252";

struct CountedMessages : forms::MessageBoxService {
    int ShowMessageBox(const forms::MessageBoxRequest& request) override {
        shown.push_back(request.title + ": " + request.prompt);
        return request.Answers().front();
    }
    void Beep() override { ++beeps; }
    // The messages that say which characters a field can hold, and the others.
    int Refusals() const {
        return static_cast<int>(std::count_if(shown.begin(), shown.end(), [](const auto& text) {
            return text.find(kNotHeld) != std::string::npos;
        }));
    }
    std::vector<std::string> shown;
    int beeps = 0;
};

class TextOutsideWindows1252Test : public testing::Test {
protected:
    TextOutsideWindows1252Test() {
        sys::EnterProgramFolder();
        app.SetMessageBoxService(&messages);
    }

    // The line edit a person types into: the field's own, or its combo box's.
    QWidget& Edit(const forms::Control& field) {
        QWidget* widget = skin.WidgetOf(field);
        if (auto* combo = qobject_cast<QComboBox*>(widget);
            combo != nullptr && combo->isEditable()) {
            return *combo->lineEdit();
        }
        return *widget;
    }

    // Clicks into each field that a person can reach and offers it 李 typed and 王 pasted.
    void OfferEachField(const std::vector<forms::Control*>& fields) {
        for (forms::Control* field : fields) {
            if (!field->IsUsable()) {
                continue;
            }
            SCOPED_TRACE(field->Parent().Name() + " " + field->DisplayName());
            QTest::mouseClick(&Edit(*field), Qt::LeftButton, {}, QPoint(3, 3));
            QCoreApplication::processEvents();
            ASSERT_EQ(app.ActiveControl(), field);
            const std::string before = TextOf(*field);
            const int refusals = messages.Refusals();
            const int beeps = messages.beeps;
            QTest::sendKeyEvent(QTest::Click, &Edit(*field), Qt::Key_unknown,
                                QString::fromUtf8("李"), Qt::NoModifier);
            QApplication::clipboard()->setText(QString::fromUtf8("王"));
            QTest::keyClick(&Edit(*field), Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::processEvents();
            EXPECT_EQ(TextOf(*field), before);
            EXPECT_EQ(messages.Refusals(), refusals + 1) << "one message a visit";
            EXPECT_EQ(messages.beeps, beeps + 2);
            ++checked;
        }
    }

    static std::string TextOf(const forms::Control& field) {
        if (field.Kind() == forms::ControlKind::TextBox) {
            return static_cast<const forms::TextBox&>(field).Text();
        }
        return static_cast<const forms::ComboBox&>(field).Text();
    }

    testkit::Sandbox sandbox;
    sys::ScopedClock clock{sys::LocalDateTime{2011, 6, 15, 10, 0, 0}};
    forms::Application app;
    forms::qt::Skin skin{app};
    CountedMessages messages;
    ProgramState program;
    RecordedReports reports;
    int checked = 0;
};

TEST_F(TextOutsideWindows1252Test, NoFieldOfTheMainWindowTakesIt) {
    program.IllustrationType = IllustrationType::PlanholderRmd;
    frmMain& main = app.Create<frmMain>(program);
    main.SetServices(reports, main.Store());
    main.Show();
    std::vector<forms::Control*> fields;
    for (int index = 0; index <= main.LastInputIndex; ++index) {
        fields.push_back(&main.txtInput(index));
    }
    fields.push_back(&main.cmboPlanType(0));
    fields.push_back(&main.cmboPlanType(1));
    fields.push_back(&main.cmboState);
    // Each type shows the fields of its own tab.
    for (const IllustrationType type :
         {IllustrationType::PlanholderRmd, IllustrationType::BeneficiaryRmd,
          IllustrationType::EqualPayments, IllustrationType::Stretch}) {
        SCOPED_TRACE("type " + std::to_string(static_cast<int>(type)));
        program.IllustrationType = type;
        main.SetupIllustrationType();
        app.RunPending();
        const int before = checked;
        OfferEachField(fields);
        EXPECT_GE(checked - before, 5);
    }
    EXPECT_EQ(messages.Refusals(), checked);
    EXPECT_EQ(messages.shown.size(), static_cast<std::size_t>(checked)) << messages.shown.back();
}

TEST_F(TextOutsideWindows1252Test, NoFieldOfTheRepresentativeWindowTakesIt) {
    SavedIllustrations store(app, program);
    frmRepInfo& representative = *store.RepresentativeWindow();
    representative.Show();
    app.RunPending();
    std::vector<forms::Control*> fields;
    for (const int index : representative.txtInput.Indices()) {
        fields.push_back(&representative.txtInput(index));
    }
    fields.push_back(&representative.cmboState);
    OfferEachField(fields);
    EXPECT_GE(checked, 10);
    EXPECT_EQ(messages.Refusals(), checked);

    // Latin-1 names are kept as typed.
    QWidget& first = Edit(representative.txtInput(0));
    QTest::mouseClick(&first, Qt::LeftButton, {}, QPoint(3, 3));
    QApplication::clipboard()->setText(QString::fromUtf8("Zoë"));
    QTest::keyClick(&first, Qt::Key_V, Qt::ControlModifier);
    QWidget& last = Edit(representative.txtInput(2));
    QTest::mouseClick(&last, Qt::LeftButton, {}, QPoint(3, 3));
    QApplication::clipboard()->setText(QString::fromUtf8("Nuñez-Ødegård"));
    QTest::keyClick(&last, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(representative.txtInput(0).Text(), "Zo\xEB");
    EXPECT_EQ(representative.txtInput(2).Text(), "Nu\xF1"
                                                 "ez-\xD8"
                                                 "deg\xE5rd");
    EXPECT_EQ(messages.Refusals(), checked);
}

} // namespace
} // namespace ui
