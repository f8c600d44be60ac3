// Input as the window system delivers it: mouse and keys sent to the top-level window at a
// position, so that Qt finds the widget under the mouse and the focus widget itself and its
// shortcuts take their turn, as on a desktop. The form stacks its controls as the start-up and
// main windows do: resizers and labels made after the controls they lie over.
#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/frame.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/lists.h"
#include "platform/forms/controls/menu.h"
#include "platform/forms/controls/print_document_view.h"
#include "platform/forms/controls/resizer.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/controls/timer.h"
#include "platform/forms/qt/skin.h"
#include "platform/forms/qt/testing/pictures.h"
#include "platform/forms/tests/event_log.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <deque>

namespace {

using namespace forms;
using namespace forms::qt;

using forms::testing::EventLog;

// The program's one QApplication is registered by skin_test.cpp.

// Twips; 15 to the pixel.
struct ChooserForm : Form {
    ChooserForm(Application& app, EventLog& log) : Form(app, "frmChooser") {
        SetCaption("Choose an Option");
        SetStartUpPosition(StartUpPosition::Manual);
        Move(1500, 1500, 9120, 6945);
        Frame1.Move(240, 240, 4800, 1500);
        Frame1.SetCaption("&Type");
        const char* captions[] = {"Planholder", "Beneficiary", "Equal Payments", "&Stretch"};
        for (int i = 0; i < 4; ++i) {
            OptionButton& option = optType.emplace_back(*this, "optType" + std::to_string(i));
            option.SetContainer(Frame1);
            option.Move(120, 240 + i * 300, 4500, 255);
            option.SetCaption(captions[i]);
            option.Click = log.Record(option.Name() + ".Click");
        }
        optType[0].SetValue(true);
        lblName.Move(240, 1900, 900, 300);
        lblName.SetCaption("&Name");
        txtName.Move(1200, 1850, 2400, 330);
        txtName.SetToolTipText("The client's name");
        txtName.KeyPress = [&log](int& key) { log.Add("txtName.KeyPress " + std::to_string(key)); };
        cmdOK.Move(5400, 240, 1200, 375);
        cmdOK.SetCaption("&Ok");
        cmdOK.SetDefault(true);
        cmdOK.Click = log.Record("cmdOK.Click");
        cmdCancel.Move(5400, 720, 1200, 375);
        cmdCancel.SetCaption("&Cancel");
        cmdCancel.SetCancel(true);
        cmdCancel.Click = log.Record("cmdCancel.Click");
        lstYears.Move(240, 2700, 2400, 1200);
        for (const char* item : {"Planholder", "Spouse Beneficiary", "All Years"}) {
            lstYears.AddItem(item);
        }
        lstYears.Click = log.Record("lstYears.Click");
        // Made after the list and over it, as the graph page's hint label lies over its list.
        lblYears.Move(240, 2400, 2400, 1800);
        lblYears.SetCaption("Choose the years to show:");
        VSPrinter1.Move(3000, 2400, 3600, 2400);
        VSPrinter1.SetPages({forms::qt::testing::WhitePage(600, 2400)});
        // An empty resizer over the print preview, as on the Report tab.
        ElasticTwo.Move(3000, 2400, 3600, 2400);
        // A resizer with a control of its own, lying over the Ok button.
        ElasticThree.Move(5100, 0, 2700, 1200);
        chkInside.SetContainer(ElasticThree);
        chkInside.Move(300, 1200 - 375, 2000, 300);
        chkInside.SetCaption("Inside");
        // The outer resizer, made last and over every control, holding none of them.
        ElasticOne1.Move(0, 0, 9000, 6600);
    }
    Frame Frame1{*this, "Frame1"};
    std::deque<OptionButton> optType;
    Label lblName{*this, "lblName"};
    TextBox txtName{*this, "txtName"};
    CommandButton cmdOK{*this, "cmdOK"};
    CommandButton cmdCancel{*this, "cmdCancel"};
    ListBox lstYears{*this, "lstYears"};
    Label lblYears{*this, "lblYears"};
    PrintDocumentView VSPrinter1{*this, "VSPrinter1"};
    Resizer ElasticTwo{*this, "ElasticTwo"};
    Resizer ElasticThree{*this, "ElasticThree"};
    CheckBox chkInside{*this, "chkInside"};
    Resizer ElasticOne1{*this, "ElasticOne1"};
};

class WindowInputTest : public ::testing::Test {
protected:
    Application app;
    Skin skin{app};
    EventLog log;
    ChooserForm& form = app.Create<ChooserForm>(log);

    void SetUp() override {
        form.Show();
        QCoreApplication::processEvents();
        log.Clear();
    }

    QWidget& WidgetOf(const Control& control) {
        QWidget* widget = skin.WidgetOf(control);
        if (widget == nullptr) {
            throw std::logic_error("no widget for " + control.DisplayName());
        }
        return *widget;
    }
    QWindow& Window() { return *skin.WindowOf(form)->windowHandle(); }
    // A point of the control's widget in its window's coordinates.
    QPoint At(const Control& control, QPoint inside) {
        QWidget& widget = WidgetOf(control);
        return widget.mapTo(widget.window(), inside);
    }
    QPoint Centre(const Control& control) { return At(control, WidgetOf(control).rect().center()); }
    int CheckedRadios() {
        int checked = 0;
        for (const OptionButton& option : form.optType) {
            checked += static_cast<QRadioButton&>(WidgetOf(option)).isChecked() ? 1 : 0;
        }
        return checked;
    }
};

TEST_F(WindowInputTest, ClicksOverAResizerOrALabelReachTheControlUnderThem) {
    struct Case {
        const char* name;
        std::function<void()> click;
        std::function<bool()> reached;
    };
    const Case cases[] = {
        {"an option under the outer resizer",
         [&] { QTest::mouseClick(&Window(), Qt::LeftButton, {}, Centre(form.optType[2])); },
         [&] { return form.optType[2].Value(); }},
        {"a double click on an option",
         [&] { QTest::mouseDClick(&Window(), Qt::LeftButton, {}, Centre(form.optType[1])); },
         [&] { return form.optType[1].Value(); }},
        {"a field", [&] { QTest::mouseClick(&Window(), Qt::LeftButton, {}, Centre(form.txtName)); },
         [&] { return app.ActiveControl() == &form.txtName; }},
        {"a list row under a label made after the list",
         [&] {
             auto& list = static_cast<QListWidget&>(WidgetOf(form.lstYears));
             const QRect row = list.visualItemRect(list.item(2));
             QTest::mouseClick(&Window(), Qt::LeftButton, {},
                               list.viewport()->mapTo(list.window(), row.center()));
         },
         [&] { return form.lstYears.ListIndex() == 2; }},
        {"a button under the bare part of a resizer that holds a check box",
         [&] { QTest::mouseClick(&Window(), Qt::LeftButton, {}, At(form.cmdOK, QPoint(10, 5))); },
         [&] { return log.Entries() == std::vector<std::string>{"cmdOK.Click"}; }},
        {"the check box inside that resizer",
         [&] { QTest::mouseClick(&Window(), Qt::LeftButton, {}, Centre(form.chkInside)); },
         [&] { return form.chkInside.Value() == vbChecked; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        c.click();
        EXPECT_TRUE(c.reached());
    }
    EXPECT_EQ(CheckedRadios(), 1);
}

TEST_F(WindowInputTest, ThePrintPreviewUnderAResizerScrollsByWheelAndScrollBar) {
    auto& view = static_cast<QScrollArea&>(WidgetOf(form.VSPrinter1));
    QScrollBar& bar = *view.verticalScrollBar();
    ASSERT_GT(bar.maximum(), 0) << "the page is taller than the view";
    const QPoint page = Centre(form.VSPrinter1);
    // Given to the window as the window system gives it, to go to the widget under the mouse
    // and up from there until one takes it.
    QWheelEvent wheel(page, Window().mapToGlobal(page), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QCoreApplication::instance()->notify(&Window(), &wheel);
    const int wheeled = bar.value();
    EXPECT_GT(wheeled, 0);

    // The arrow at the bottom of the scroll bar.
    const QPoint arrow = bar.mapTo(bar.window(), QPoint(bar.width() / 2, bar.height() - 3));
    QTest::mouseClick(&Window(), Qt::LeftButton, {}, arrow);
    EXPECT_GT(bar.value(), wheeled);

    // The view follows the control's size.
    form.VSPrinter1.Move(3000, 2400, 4500, 3000);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.size(), QSize(300, 200));
    EXPECT_EQ(view.viewport()->width(), 300 - bar.width() - 2 * view.frameWidth());
}

TEST_F(WindowInputTest, TheToolTipOfTheControlUnderTheMouseShowsEnabledOrNot) {
    // Qt asks the widget under the resting mouse for its tool tip.
    const QPoint field = Centre(form.txtName);
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        form.txtName.SetEnabled(enabled);
        QWidget* under = skin.WindowOf(form)->childAt(field);
        ASSERT_NE(under, nullptr);
        QHelpEvent help(QEvent::ToolTip, under->mapFrom(under->window(), field),
                        Window().mapToGlobal(field));
        QApplication::sendEvent(under, &help);
        EXPECT_EQ(QToolTip::text(), "The client's name");
        QToolTip::hideText();
    }
}

TEST_F(WindowInputTest, AltWithAnAccessKeyActsThroughTheModelAndLeavesTheMenusTheirs) {
    QTest::keyClick(&Window(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(form.optType[3].Value());
    EXPECT_EQ(CheckedRadios(), 1) << "the model's choice is the only dot shown";
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"optType3.Click"}));
    EXPECT_EQ(app.ActiveControl(), &form.optType[3]);

    QTest::keyClick(&Window(), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(app.ActiveControl(), &form.txtName) << "a label's key focuses the next control";
    EXPECT_EQ(log.Entries().back(), "optType3.Click") << "and types nothing into it";

    log.Clear();
    QTest::keyClick(&Window(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"cmdOK.Click"}));

    form.cmdCancel.SetEnabled(false);
    log.Clear();
    QTest::keyClick(&Window(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(log.Entries().empty()) << "a disabled button does not answer";
}

TEST_F(WindowInputTest, ArrowKeysMoveTheChoiceAndTheDotFollows) {
    QTest::mouseClick(&Window(), Qt::LeftButton, {}, Centre(form.optType[0]));
    QTest::keyClick(&Window(), Qt::Key_Down);
    QTest::keyClick(&Window(), Qt::Key_Down);
    EXPECT_TRUE(form.optType[2].Value());
    EXPECT_TRUE(static_cast<QRadioButton&>(WidgetOf(form.optType[2])).isChecked());
    EXPECT_EQ(CheckedRadios(), 1);
    QTest::keyClick(&Window(), Qt::Key_Up);
    QTest::keyClick(&Window(), Qt::Key_Up);
    QTest::keyClick(&Window(), Qt::Key_Up);
    EXPECT_TRUE(form.optType[3].Value()) << "Up from the first wraps to the last";
    EXPECT_EQ(skin.WindowOf(form)->focusWidget(), &WidgetOf(form.optType[3]));
}

TEST_F(WindowInputTest, EnterAndEscPressTheDefaultAndCancelButtons) {
    QTest::mouseClick(&Window(), Qt::LeftButton, {}, Centre(form.txtName));
    QTest::keyClick(&Window(), Qt::Key_Return);
    QTest::keyClick(&Window(), Qt::Key_Escape);
    QTest::keyClick(&Window(), Qt::Key_A);
    EXPECT_EQ(log.Entries(),
              (std::vector<std::string>{"cmdOK.Click", "cmdCancel.Click", "txtName.KeyPress 97"}));
}

TEST_F(WindowInputTest, TheWindowsFrameStandsAtLeftAndTopAroundAClientOfTheInsideSize) {
    QWidget& window = *skin.WindowOf(form);
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(100, 100));
    EXPECT_EQ(window.size(), QSize(form.ScaleWidth() / 15, form.ScaleHeight() / 15));

    // A form the program never placed shows in the middle of the screen.
    EventLog otherLog;
    auto& other = app.Create<ChooserForm>(otherLog);
    other.Load = [&other] {
        other.SetStartUpPosition(StartUpPosition::CenterScreen);
        other.SetWidth(6000);
    };
    other.Show();
    QCoreApplication::processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(other.Left(), (screen.width() * 15 - 6000) / 2);
    EXPECT_EQ(skin.WindowOf(other)->frameGeometry().topLeft(),
              QPoint(other.Left() / 15, other.Top() / 15));
}

struct MenuForm : Form {
    explicit MenuForm(Application& app) : Form(app, "frmMenus") {
        Move(0, 0, 6000, 4500);
        mnuFile.SetCaption("&File");
        mnuFileReload.SetCaption("&Reload");
        mnuNul0.SetCaption("-");
        mnuFileExit.SetCaption("E&xit");
        mnuReport.SetCaption("&Report");
        mnuReport.SetVisible(false);
        mnuReportCover.SetCaption("&Cover Page");
        cmdReport.Move(120, 3200, 1500, 375);
        cmdReport.SetCaption("&Report");
        cmdReport.Click = [this] { ++reportClicks; };
        lblInside.Move(0, 0, 5000, 3000);
        lblInside.SetCaption("The inside");
        // Unloaded and shown again: a new window and menu while the old menu's action runs.
        mnuFileReload.Click = [this] {
            UnloadForm(*this);
            Show();
            AfterAction();
        };
        // Asks first, as File > Exit does: a message box's own loop runs inside the action.
        mnuFileExit.Click = [this] {
            if (App().MsgBox("Are you sure you want to exit?", vbYesNo) == vbYes) {
                App().End();
            }
            AfterAction();
        };
    }
    // Runs at the end of each item's action, once it has closed or rebuilt the window.
    std::function<void()> AfterAction = [] {};
    Menu mnuFile{*this, "mnuFile"};
    Menu mnuFileReload{*this, "mnuFileReload", &mnuFile};
    Menu mnuNul0{*this, "mnuNul0", &mnuFile};
    Menu mnuFileExit{*this, "mnuFileExit", &mnuFile};
    Menu mnuReport{*this, "mnuReport"};
    Menu mnuReportCover{*this, "mnuReportCover", &mnuReport};
    CommandButton cmdReport{*this, "cmdReport"};
    int reportClicks = 0;
    Label lblInside{*this, "lblInside"};
};

class MenuWindowTest : public ::testing::Test {
protected:
    Application app;
    Skin skin{app};
    MenuForm& form = app.Create<MenuForm>();

    void SetUp() override {
        form.Show();
        QCoreApplication::processEvents();
    }

    QMenuBar& Bar() { return *skin.WindowOf(form)->findChild<QMenuBar*>(); }
    // Opens File with a click on the menu bar and clicks the item, as a user does.
    void ChooseFromFile(const QString& text) {
        QMenuBar& bar = Bar();
        QAction* file = bar.actions().at(0);
        QTest::mouseClick(bar.window()->windowHandle(), Qt::LeftButton, {},
                          bar.mapTo(bar.window(), bar.actionGeometry(file).center()));
        QMenu* menu = file->menu();
        ASSERT_TRUE(menu->isVisible());
        for (QAction* item : menu->actions()) {
            if (item->text() == text) {
                QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                                  menu->actionGeometry(item).center());
                return;
            }
        }
        FAIL() << "no item " << text.toStdString();
    }
};

TEST_F(MenuWindowTest, AMenuItemThatEndsOrRebuildsItsWindowFinishesFirst) {
    // Yes, clicked once the exit question shows.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&answer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            answer.stop();
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == "&Yes") {
                    QTest::mouseClick(button, Qt::LeftButton);
                }
            }
        }
    });
    answer.start(0);
    for (const char* item : {"&Reload", "E&xit"}) {
        SCOPED_TRACE(item);
        QPointer<QWidget> window = skin.WindowOf(form);
        QPointer<QMenu> menu = Bar().actions().at(0)->menu();
        bool menuLived = false;
        form.AfterAction = [&] { menuLived = !menu.isNull(); };
        ChooseFromFile(item);
        EXPECT_TRUE(menuLived) << "the menu outlives its own action";
        QCoreApplication::processEvents();
        EXPECT_TRUE(window.isNull());
        EXPECT_TRUE(menu.isNull()) << "and goes once Qt is back in its loop";
    }
    EXPECT_TRUE(app.Ended());
}

TEST_F(MenuWindowTest, AltWithAVisibleMenusKeyOpensItAndWithAHiddenOnesReachesTheControls) {
    QWindow& window = *skin.WindowOf(form)->windowHandle();
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(form.reportClicks, 1) << "the Report menu is hidden";
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    form.mnuReport.SetVisible(true);
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(form.reportClicks, 1) << "the menu has the key";
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_EQ(popup, Bar().actions().at(1)->menu());
    if (popup != nullptr) {
        popup->close();
    }
}

TEST_F(MenuWindowTest, SeparatorsShowNoTextAndTheClientKeepsTheInsideSize) {
    const QList<QAction*> items = Bar().actions().at(0)->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_TRUE(items[1]->text().isEmpty());

    // The menu bar sits above a client area of exactly the form's inside.
    QWidget& window = *skin.WindowOf(form);
    QWidget* client = skin.WidgetOf(form.lblInside)->parentWidget();
    EXPECT_EQ(client->size(), QSize(form.ScaleWidth() / 15, form.ScaleHeight() / 15));
    EXPECT_EQ(client->y(), Bar().height());
    EXPECT_EQ(window.height(), Bar().height() + client->height());
}

} // namespace
