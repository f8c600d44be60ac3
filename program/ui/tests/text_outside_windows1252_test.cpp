// Every field of the main window and of the representative window, through the Qt skin: a
// character that Windows-1252 cannot hold, typed or pasted, leaves the field as it was, with
// the message that says which characters the field can hold; Latin-1 names are kept as typed.
#include "program/ui/main_window/main_form.h"
#include "program/ui/saved_illustrations.h"
#include "program/ui/tests/program_on_screen.h"
#include "program/ui/windows/representative/rep_info_form.h"

#include "platform/forms/control.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace ui;

using illustration::IllustrationType;

constexpr const char* kNotHeld = "Windows-1252";

// The messages that say which characters a field can hold.
int Refusals(const CollectedMessages& messages) {
    return static_cast<int>(
        std::count_if(messages.shown.begin(), messages.shown.end(), [](const std::string& text) {
            return text.find(kNotHeld) != std::string::npos;
        }));
}

class TextOutsideWindows1252Test : public ProgramOnScreenTest {
protected:
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
            const int refusals = Refusals(messages);
            const int beeps = messages.beeps;
            QTest::sendKeyEvent(QTest::Click, &Edit(*field), Qt::Key_unknown,
                                QString::fromUtf8("李"), Qt::NoModifier);
            QApplication::clipboard()->setText(QString::fromUtf8("王"));
            QTest::keyClick(&Edit(*field), Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::processEvents();
            EXPECT_EQ(TextOf(*field), before);
            EXPECT_EQ(Refusals(messages), refusals + 1) << "one message a visit";
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
    EXPECT_EQ(Refusals(messages), checked);
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
    EXPECT_EQ(Refusals(messages), checked);

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
    EXPECT_EQ(Refusals(messages), checked);
}

} // namespace
