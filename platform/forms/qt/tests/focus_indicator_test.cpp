// The platform's focus indicator: every kind of control that takes the focus shows it while it
// holds it, whether the focus came by the Tab key, by a click or from the program, and shows it
// no more once the focus has gone on.
#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/grid.h"
#include "platform/forms/controls/lists.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/controls/scroll_bar.h"
#include "platform/forms/controls/tab_control.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/qt/skin.h"
#include "platform/forms/qt/testing/pictures.h"
#include "platform/forms/user_actions.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace forms;
using namespace forms::qt;

// The program's one QApplication is registered by skin_test.cpp.

std::string BlueSquareBmp() {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return forms::qt::testing::PictureFileBytes(image, "BMP");
}

// One control of each kind that takes the focus, one under the other, in tab order.
struct FocusForm : Form {
    explicit FocusForm(Application& app) : Form(app, "frmFocus") {
        SetCaption("Focus");
        SetStartUpPosition(StartUpPosition::Manual);
        Move(0, 0, 9000, 10200);
        int top = 120;
        const auto place = [&top](Control& control, int height) {
            control.Move(120, top, 4500, height);
            top += height + 120;
        };
        place(txtName, 330);
        place(cmdOK, 400);
        cmdOK.SetCaption("&OK");
        // The default button, whose frame shows that Enter presses it, shows the focus too.
        place(cmdSave, 400);
        cmdSave.SetCaption("&Save");
        cmdSave.SetDefault(true);
        place(chkRoth, 330);
        chkRoth.SetCaption("Roth IRA Plan");
        place(optYes, 330);
        optYes.SetCaption("Yes");
        optYes.SetValue(true);
        place(lstGraph, 900);
        lstGraph.AddItem("Planholder");
        lstGraph.AddItem("All Years");
        lstGraph.SetListIndex(1);
        place(cmboState, 330);
        cmboState.AddItem("NY");
        cmboState.SetListIndex(0);
        place(cmboPlanType, 330);
        cmboPlanType.AddItem("Roth IRA");
        cmboPlanType.SetListIndex(0);
        place(hScrollGraph, 255);
        hScrollGraph.SetMax(50);
        place(picGraph, 600);
        picGraph.SetPicture(*Picture::FromBytes(BlueSquareBmp()));
        picGraph.SetTabStop(true);
        place(TabOne1, 900);
        TabOne1.SetTabCaption(0, "&Planholder");
        TabOne1.SetTabCaption(1, "&Report");
        TabOne1.SetTabStop(true);
        place(VSFlexGrid1, 1200);
        VSFlexGrid1.SetCols(2);
        VSFlexGrid1.SetRows(3);
        for (int row = 0; row < 3; ++row) {
            VSFlexGrid1.SetTextMatrix(row, 0, row == 0 ? "Name" : "Client " + std::to_string(row));
            VSFlexGrid1.SetTextMatrix(row, 1, row == 0 ? "Type" : "RMD");
        }
        VSFlexGrid1.SetRow(1);
    }
    TextBox txtName{*this, "txtName"};
    CommandButton cmdOK{*this, "cmdOK"};
    CommandButton cmdSave{*this, "cmdSave"};
    CheckBox chkRoth{*this, "chkRoth"};
    OptionButton optYes{*this, "optYes"};
    ListBox lstGraph{*this, "lstGraph"};
    ComboBox cmboState{*this, "cmboState", vbComboDropdownList};
    ComboBox cmboPlanType{*this, "cmboPlanType"};
    HScrollBar hScrollGraph{*this, "hScrollGraph"};
    PictureBox picGraph{*this, "picGraph"};
    TabControl TabOne1{*this, "TabOne1", 2};
    Grid VSFlexGrid1{*this, "VSFlexGrid1"};
};

class FocusIndicatorTest : public ::testing::Test {
protected:
    Application app;
    Skin skin{app};
    FocusForm& form = app.Create<FocusForm>();

    void SetUp() override {
        form.Show();
        QCoreApplication::processEvents();
    }

    QImage Look(const Control& control) {
        QCoreApplication::processEvents();
        return skin.WidgetOf(control)->grab().toImage();
    }
};

TEST_F(FocusIndicatorTest, EveryControlThatHoldsTheFocusShowsIt) {
    struct Case {
        const char* how;
        std::function<void(Control&)> focus;
    };
    const Case ways[] = {
        {"the program", [](Control& control) { control.SetFocus(); }},
        {"the Tab key",
         [this](Control& control) {
             // From the control before it in tab order.
             std::vector<Control*> order = form.TabOrder();
             const auto at = std::find(order.begin(), order.end(), &control);
             Control* before = at == order.begin() ? order.back() : *(at - 1);
             before->SetFocus();
             QCoreApplication::processEvents();
             QTest::keyClick(skin.WidgetOf(*before), Qt::Key_Tab);
         }},
    };
    std::vector<Control*> order = form.TabOrder();
    ASSERT_EQ(order.size(), 12u) << "every control is a tab stop";
    for (const Case& way : ways) {
        for (Control* control : order) {
            SCOPED_TRACE(control->DisplayName() + " focused by " + way.how);
            Control& elsewhere =
                control == &form.txtName ? static_cast<Control&>(form.cmdOK) : form.txtName;
            elsewhere.SetFocus();
            const QImage without = Look(*control);
            way.focus(*control);
            ASSERT_EQ(app.ActiveControl(), control);
            EXPECT_NE(Look(*control), without) << "no focus indicator shows";
            elsewhere.SetFocus();
            EXPECT_EQ(Look(*control), without) << "the indicator stays after the focus went";
        }
    }
}

TEST_F(FocusIndicatorTest, TheIndicatorShowsAfterAClickToo) {
    form.txtName.SetFocus();
    const QImage without = Look(form.chkRoth);
    QTest::mouseClick(skin.WidgetOf(form.chkRoth), Qt::LeftButton);
    ASSERT_EQ(app.ActiveControl(), &form.chkRoth);
    ASSERT_EQ(form.chkRoth.Value(), vbChecked);
    form.chkRoth.SetValue(vbUnchecked);
    EXPECT_NE(Look(form.chkRoth), without);
}

} // namespace
