// The skin on an offscreen screen: typing and clicking widgets reach the model, which raises its
// events in the runtime's order; model changes reach the widgets; the form draws.
#include "platform/forms/qt/skin.h"

#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/frame.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/lists.h"
#include "platform/forms/controls/menu.h"
#include "platform/forms/controls/tab_control.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/controls/timer.h"
#include "platform/forms/qt/testing/edit_input.h"
#include "platform/forms/qt/testing/offscreen_qt.h"
#include "platform/forms/qt/testing/pictures.h"
#include "platform/forms/tests/event_log.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdlib>
#include <memory>
#include <set>
#include <stdexcept>

namespace {

using namespace forms;
using namespace forms::qt;

using forms::testing::EventLog;

[[maybe_unused]] ::testing::Environment* const kQt =
    ::testing::AddGlobalTestEnvironment(new forms::qt::testing::OffscreenQt);

struct SmallForm : Form {
    SmallForm(Application& app, EventLog& log) : Form(app, "frmSmall") {
        SetCaption("Small form");
        Move(0, 0, 6000, 4500);
        lblName.Move(240, 240, 1500, 300);
        lblName.SetCaption("&Name");
        txtName.Move(1800, 200, 2400, 330);
        txtName.SetMaxLength(5);
        chkRoth.Move(1800, 700, 2400, 330);
        chkRoth.SetCaption("Roth");
        cmdOK.Move(4400, 200, 1200, 400);
        cmdOK.SetCaption("&OK");
        TabOne1.Move(240, 1300, 5400, 2400);
        TabOne1.SetTabCaption(0, "&Planholder");
        TabOne1.SetTabCaption(1, "&Report");
        lstGraph.SetContainer(TabOne1, 0);
        lstGraph.Move(120, 120, 2400, 1200);
        lstGraph.AddItem("Planholder");
        lstGraph.AddItem("All Years");
        cmboState.Move(1800, 1000, 1200, 330);
        fraType.Move(240, 3800, 3000, 600);
        optYes.SetContainer(fraType);
        optYes.Move(120, 240, 1200, 300);
        cmboState.KeyPress = [](int& key) {
            if (key > 'Z') {
                key -= 32; // the state box types capitals
            }
        };
        cmboState.Change = log.Record("cmboState.Change");

        txtName.KeyPress = [&log](int& key) {
            log.Add("txtName.KeyPress " + std::string(1, static_cast<char>(key)));
            if (key == '.') {
                key = 0;
            } else if (key >= 'a' && key <= 'z') {
                key -= 32;
            }
        };
        txtName.Change = log.Record("txtName.Change");
        txtName.GotFocus = log.Record("txtName.GotFocus");
        txtName.LostFocus = log.Record("txtName.LostFocus");
        chkRoth.GotFocus = log.Record("chkRoth.GotFocus");
        chkRoth.Click = log.Record("chkRoth.Click");
        cmdOK.Click = log.Record("cmdOK.Click");
        TabOne1.TabChange = log.Record("TabOne1.TabChange");
    }
    Label lblName{*this, "lblName"};
    TextBox txtName{*this, "txtName"};
    CheckBox chkRoth{*this, "chkRoth"};
    CommandButton cmdOK{*this, "cmdOK"};
    TabControl TabOne1{*this, "TabOne1", 2};
    ListBox lstGraph{*this, "lstGraph"};
    ComboBox cmboState{*this, "cmboState"};
    Frame fraType{*this, "fraType"};
    OptionButton optYes{*this, "optYes"};
};

struct MenuForm : Form {
    MenuForm(Application& app, EventLog& log) : Form(app, "frmMenus") {
        mnuFile.SetCaption("&File");
        mnuFileSave.SetCaption("&Save");
        mnuFileSave.SetEnabled(false);
        mnuNul0.SetCaption("-");
        mnuFile.Click = [this, &log] {
            log.Add("mnuFile.Click");
            mnuFileSave.SetEnabled(true);
        };
        mnuFileSave.Click = log.Record("mnuFileSave.Click");
    }
    Menu mnuFile{*this, "mnuFile"};
    Menu mnuFileSave{*this, "mnuFileSave", &mnuFile};
    Menu mnuNul0{*this, "mnuNul0", &mnuFile};
};

class SkinTest : public ::testing::Test {
protected:
    Application app;
    Skin skin{app};
    EventLog log;
    SmallForm& form = app.Create<SmallForm>(log);

    void SetUp() override {
        form.Show();
        QCoreApplication::processEvents();
        log.Clear();
    }

    template <class W>
    W& Widget(const Control& control) {
        W* widget = dynamic_cast<W*>(skin.WidgetOf(control));
        if (widget == nullptr) {
            throw std::logic_error("no widget for " + control.DisplayName());
        }
        return *widget;
    }
};

TEST_F(SkinTest, EveryControlHasAWidgetAtItsTwipsPosition) {
    ASSERT_NE(skin.WindowOf(form), nullptr);
    EXPECT_EQ(skin.WindowOf(form)->windowTitle(), "Small form");
    const QWidget& edit = Widget<QLineEdit>(form.txtName);
    EXPECT_EQ(edit.geometry(), QRect(120, 13, 160, 22)); // 1800/15, 200/15, 2400/15, 330/15
    EXPECT_FALSE(Widget<QWidget>(form.lstGraph).isHidden());
}

TEST_F(SkinTest, TypingGoesThroughTheModelsKeyPressAndMaxLength) {
    auto& edit = Widget<QLineEdit>(form.txtName);
    QTest::mouseClick(&edit, Qt::LeftButton);
    QTest::keyClicks(&edit, "ab.cdef");
    EXPECT_EQ(form.txtName.Text(), "ABCDE");
    EXPECT_EQ(edit.text(), "ABCDE");
    const std::vector<std::string> firstKeys(log.Entries().begin(), log.Entries().begin() + 6);
    EXPECT_EQ(firstKeys, (std::vector<std::string>{"txtName.KeyPress a", "txtName.Change",
                                                   "txtName.KeyPress b", "txtName.Change",
                                                   "txtName.KeyPress .", "txtName.KeyPress c"}));
}

TEST_F(SkinTest, ClicksAndEditingKeysMoveTheModelsCaretAndTheWidgetFollows) {
    auto& edit = Widget<QLineEdit>(form.txtName);
    form.txtName.SetText("ABCDE");
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(edit.width() - 2, edit.height() / 2));
    EXPECT_EQ(form.txtName.CaretPosition(), 5) << "a click right of the text puts the caret last";
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(1, edit.height() / 2));
    EXPECT_EQ(form.txtName.CaretPosition(), 0);
    QTest::keyClick(&edit, Qt::Key_Right);
    QTest::keyClick(&edit, Qt::Key_Right);
    QTest::keyClick(&edit, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(form.txtName.SelText(), "CDE");
    EXPECT_EQ(edit.selectedText(), "CDE");
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(form.txtName.Text(), "B");
    EXPECT_EQ(edit.text(), "B");
    EXPECT_EQ(edit.cursorPosition(), 0);
}

TEST_F(SkinTest, TheClickThatEntersAFieldKeepsItsEntrySelection) {
    // The program's fields select their whole text on entry.
    form.txtName.GotFocus = [this] {
        form.txtName.SetSelStart(0);
        form.txtName.SetSelLength(static_cast<int>(form.txtName.Text().size()));
    };
    auto& edit = Widget<QLineEdit>(form.txtName);
    const QPoint left(3, edit.height() / 2);
    const QPoint right(edit.width() - 2, edit.height() / 2);
    struct Case {
        const char* name;
        std::function<void()> mouse;
        const char* selected;
        int caret;
    };
    const Case cases[] = {
        {"a click, the hand trembling on the first character",
         [&] {
             QTest::mousePress(&edit, Qt::LeftButton, {}, left);
             QTest::mouseMove(&edit, left + QPoint(1, 1));
             QTest::mouseRelease(&edit, Qt::LeftButton, {}, left + QPoint(1, 1));
         },
         "ABCDE", 5},
        {"a drag leftwards that begins with the press",
         [&] {
             QTest::mousePress(&edit, Qt::LeftButton, {}, right);
             QTest::mouseMove(&edit, left);
             QTest::mouseRelease(&edit, Qt::LeftButton, {}, left);
         },
         "ABCDE", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.txtName.SetText("ABCDE");
        QTest::mouseClick(&Widget<QCheckBox>(form.chkRoth), Qt::LeftButton);
        ASSERT_EQ(app.ActiveControl(), &form.chkRoth);
        c.mouse();
        EXPECT_EQ(app.ActiveControl(), &form.txtName);
        EXPECT_EQ(form.txtName.SelText(), c.selected);
        EXPECT_EQ(edit.selectedText().toStdString(), c.selected);
        EXPECT_EQ(form.txtName.CaretPosition(), c.caret);
    }
    // In the field that has the focus, a click puts the caret where it falls.
    QTest::mouseClick(&edit, Qt::LeftButton, {}, left);
    EXPECT_EQ(form.txtName.SelLength(), 0);
    EXPECT_EQ(form.txtName.CaretPosition(), 0);
    EXPECT_FALSE(edit.hasSelectedText());
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(form.txtName.Text(), "BCDE");
}

TEST_F(SkinTest, QtsOwnEditingChangesTextOnlyThroughTheModel) {
    // Each row gives "ab.cdefg" to an edit widget as a user could; the model filters it as typed
    // text (capitals; txtName also drops "." and stops at MaxLength 5) and raises one Change.
    struct Case {
        const char* name;
        Control& control;
        QWidget& edit;
        std::function<void(QWidget&)> give;
        const char* text;
        const char* change;
    };
    QApplication::clipboard()->setText("ab.cdefg");
    auto contextMenuPaste = [](QWidget& edit) {
        ASSERT_TRUE(forms::qt::testing::PasteFromTheEditMenu(edit));
    };
    auto drop = [](QWidget& edit) { forms::qt::testing::DropText(edit, "ab.cdefg"); };
    QLineEdit& comboEdit = *Widget<QComboBox>(form.cmboState).lineEdit();
    const Case cases[] = {
        {"context menu paste", form.txtName, Widget<QLineEdit>(form.txtName), contextMenuPaste,
         "ABCDE", "txtName.Change"},
        {"drop", form.txtName, Widget<QLineEdit>(form.txtName), drop, "ABCDE", "txtName.Change"},
        {"combo context menu paste", form.cmboState, comboEdit, contextMenuPaste, "AB.CDEFG",
         "cmboState.Change"},
        {"combo drop", form.cmboState, comboEdit, drop, "AB.CDEFG", "cmboState.Change"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.txtName.SetText("");
        form.cmboState.SetText("");
        log.Clear();
        c.give(c.edit);
        const std::string text =
            c.control.Kind() == ControlKind::TextBox ? form.txtName.Text() : form.cmboState.Text();
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(static_cast<QLineEdit&>(c.edit).text().toStdString(), c.text);
        EXPECT_EQ(std::count(log.Entries().begin(), log.Entries().end(), c.change), 1);
    }
    EXPECT_EQ(log.Entries().front(), "cmboState.Change") << "no key went past the filter";
}

TEST_F(SkinTest, AButtonLosesItsPressWhenTheFieldTakesTheFocusBack) {
    form.txtName.LostFocus = [this] {
        log.Add("txtName.LostFocus");
        form.txtName.SetFocus();
    };
    QTest::mouseClick(&Widget<QPushButton>(form.cmdOK), Qt::LeftButton);
    EXPECT_EQ(std::count(log.Entries().begin(), log.Entries().end(), "cmdOK.Click"), 0);
    EXPECT_EQ(app.ActiveControl(), &form.txtName);
}

TEST_F(SkinTest, AnyErrorEscapingAHandlerShowsTheRunTimeErrorBoxAndEnds) {
    form.cmdOK.Click = [] { throw std::out_of_range("/src/program/ui/main_form.cpp:88 vector"); };
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->buttons().front()->click();
    });
    QTest::mouseClick(&Widget<QPushButton>(form.cmdOK), Qt::LeftButton);
    EXPECT_EQ(shown, "Run-time error '51':\n\nInternal error");
    EXPECT_TRUE(app.Ended());
}

TEST_F(SkinTest, ClickingACheckBoxMovesTheFocusThenClicksAndTheWidgetFollowsTheModel) {
    QTest::mouseClick(&Widget<QCheckBox>(form.chkRoth), Qt::LeftButton);
    EXPECT_EQ(log.Entries(),
              (std::vector<std::string>{"txtName.LostFocus", "chkRoth.GotFocus", "chkRoth.Click"}));
    EXPECT_EQ(form.chkRoth.Value(), vbChecked);
    EXPECT_EQ(Widget<QCheckBox>(form.chkRoth).checkState(), Qt::Checked);
    log.Clear();
    form.chkRoth.SetValue(vbGrayed); // from code: the model raises Click, the widget follows
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"chkRoth.Click"}));
    EXPECT_EQ(Widget<QCheckBox>(form.chkRoth).checkState(), Qt::PartiallyChecked);
}

TEST_F(SkinTest, TabKeysAndTabBarClicksGoThroughTheModel) {
    QTest::keyClick(&Widget<QLineEdit>(form.txtName), Qt::Key_Tab);
    EXPECT_EQ(app.ActiveControl(), &form.chkRoth);
    auto& bar = *Widget<QWidget>(form.TabOne1).findChild<QTabBar*>();
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(1).center());
    EXPECT_EQ(form.TabOne1.CurrentTab(), 1);
    EXPECT_EQ(log.Entries().back(), "TabOne1.TabChange");
    EXPECT_FALSE(Widget<QWidget>(form.lstGraph).isVisible()) << "its page is behind";
    EXPECT_EQ(app.ActiveControl(), &form.TabOne1) << "the click takes the focus to the tabs";
    QTest::keyClick(&bar, Qt::Key_Left);
    EXPECT_EQ(form.TabOne1.CurrentTab(), 0) << "the arrow key chooses the tab before";
    EXPECT_EQ(bar.currentIndex(), 0);
}

TEST_F(SkinTest, ControlsTellTheAccessibilityBusTheirCaptionsAndRoles) {
    form.fraType.SetCaption("Illustration &type");
    form.TabOne1.SetTabCaption(1, "R&&D &Report");
    form.optYes.SetCaption("&Yes");
    QAccessibleInterface* frame =
        QAccessible::queryAccessibleInterface(&Widget<QWidget>(form.fraType));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->text(QAccessible::Name), "Illustration type");
    QAccessibleInterface* bar =
        QAccessible::queryAccessibleInterface(Widget<QWidget>(form.TabOne1).findChild<QTabBar*>());
    ASSERT_NE(bar, nullptr);
    ASSERT_GE(bar->childCount(), 2); // the tabs, then the bar's scroll buttons
    EXPECT_EQ(bar->child(0)->text(QAccessible::Name), "Planholder");
    EXPECT_EQ(bar->child(1)->text(QAccessible::Name), "R&D Report");
    QAccessibleInterface* option =
        QAccessible::queryAccessibleInterface(&Widget<QWidget>(form.optYes));
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(option->role(), QAccessible::RadioButton);
    EXPECT_EQ(option->text(QAccessible::Name), "Yes");

    // The model's group may have no option chosen; the widget shows it so.
    form.optYes.SetValue(true);
    EXPECT_TRUE(Widget<QRadioButton>(form.optYes).isChecked());
    form.optYes.SetValue(false);
    EXPECT_FALSE(Widget<QRadioButton>(form.optYes).isChecked());
}

TEST_F(SkinTest, ButtonClicksReachTheModelOnlyWhenEnabled) {
    QTest::mouseClick(&Widget<QPushButton>(form.cmdOK), Qt::LeftButton);
    EXPECT_EQ(log.Entries().back(), "cmdOK.Click");
    log.Clear();
    form.cmdOK.SetEnabled(false);
    QTest::mouseClick(&Widget<QPushButton>(form.cmdOK), Qt::LeftButton);
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(SkinTest, AModalFormRunsItsLoopOnQtEventsUntilItHides) {
    auto& dialog = app.Create<SmallForm>(log);
    dialog.cmdOK.Click = [&] { dialog.Hide(); };
    QTimer::singleShot(
        0, [&] { QTest::mouseClick(&Widget<QPushButton>(dialog.cmdOK), Qt::LeftButton); });
    dialog.Show(ShowMode::Modal, &form);
    EXPECT_FALSE(dialog.IsShowing());
    EXPECT_EQ(app.ActiveForm(), &form);
}

TEST_F(SkinTest, TimersAreQtTimersThatTickTheModel) {
    Timer timer1(form, "Timer1");
    int ticks = 0;
    timer1.Tick = [&] {
        if (++ticks == 2) {
            timer1.SetEnabled(false); // one-shot after the second tick
        }
    };
    timer1.SetInterval(5);
    QTest::qWait(100);
    EXPECT_EQ(ticks, 2);
}

TEST_F(SkinTest, MessageBoxesAreQtMessageBoxesAnsweredByTheirButtons) {
    QTimer::singleShot(0, [] {
        auto* box = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Software Exit");
        EXPECT_EQ(box->text(), "Are you sure\nyou want to exit?");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == "&No") {
                button->click();
            }
        }
    });
    EXPECT_EQ(
        app.MsgBox("Are you sure\r\nyou want to exit?", vbYesNo | vbQuestion, "Software Exit"),
        vbNo);
}

TEST_F(SkinTest, TheCloseBoxUnloadsThroughTheModelWhichMayCancel) {
    int cancel = 1;
    form.Unload = [&](int& c) {
        log.Add("frmSmall.Unload");
        c = cancel;
    };
    skin.WindowOf(form)->close();
    EXPECT_TRUE(form.IsShowing());
    EXPECT_TRUE(skin.WindowOf(form)->isVisible());
    cancel = 0;
    skin.WindowOf(form)->close();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(skin.WindowOf(form), nullptr);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"frmSmall.Unload", "frmSmall.Unload"}));
}

TEST_F(SkinTest, MenusAreAMenuBarWhoseOpeningAndChoicesGoThroughTheModel) {
    auto& menuForm = app.Create<MenuForm>(log);
    menuForm.Show();
    log.Clear();
    auto* bar = skin.WindowOf(menuForm)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QMenu* file = bar->actions().at(0)->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), "&File");
    file->popup(QPoint(0, 0)); // opening raises the menu's Click, which enables Save
    QAction* save = file->actions().at(0);
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(file->actions().at(1)->isSeparator());
    save->trigger();
    file->hide();
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"mnuFile.Click", "mnuFileSave.Click"}));
}

// Where the widget's picture holds pixels darker than `darkest` (0 to 255), inside the 3
// pixels of a border: their bounding box, empty when there are none.
QRect DarkPixels(QWidget& widget, int darkest) {
    const QImage image = widget.grab().toImage();
    QRect dark;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            if (qGray(image.pixel(x, y)) < darkest) {
                dark |= QRect(x, y, 1, 1);
            }
        }
    }
    return dark;
}

TEST_F(SkinTest, DisabledControlsAreDrawnGreyInEveryWindow) {
    form.txtName.SetText("Smith");
    for (Control* control : std::initializer_list<Control*>{&form.cmdOK, &form.chkRoth,
                                                            &form.lblName, &form.txtName}) {
        SCOPED_TRACE(control->Name());
        QWidget& widget = Widget<QWidget>(*control);
        control->SetEnabled(true);
        EXPECT_FALSE(DarkPixels(widget, 0x40).isEmpty()) << "enabled: black text";
        control->SetEnabled(false);
        EXPECT_TRUE(DarkPixels(widget, 0x60).isEmpty()) << "disabled: no black left";
        EXPECT_FALSE(DarkPixels(widget, 0xA0).isEmpty()) << "but grey text";
    }
}

TEST_F(SkinTest, TextIsDrawnWithTheAlignmentTheProgramSets) {
    form.txtName.SetText("1234");
    form.lblName.SetCaption("1234");
    form.lblName.Move(240, 240, 1500, 900); // three lines high
    struct Case {
        Control& control;
        std::function<void(Alignment)> align;
    };
    const Case cases[] = {
        {form.txtName, [this](Alignment a) { form.txtName.SetAlignment(a); }},
        {form.lblName, [this](Alignment a) { form.lblName.SetAlignment(a); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control.Name());
        QWidget& widget = Widget<QWidget>(c.control);
        c.align(Alignment::Right);
        EXPECT_GT(DarkPixels(widget, 0x60).left(), widget.width() / 2) << "at the right";
        c.align(Alignment::Center);
        const QRect centred = DarkPixels(widget, 0x60);
        EXPECT_LE(std::abs(centred.center().x() - widget.width() / 2), 2);
        c.align(Alignment::Left);
        EXPECT_LT(DarkPixels(widget, 0x60).right(), widget.width() / 2);
    }
    EXPECT_LT(DarkPixels(Widget<QWidget>(form.lblName), 0x60).bottom(),
              Widget<QWidget>(form.lblName).height() / 3)
        << "a label's caption starts at its top";
}

TEST_F(SkinTest, EveryCaptionUnderlinesItsAccessKey) {
    // Each caption drawn with and without its "&": the two pictures differ in the one or two
    // rows of the underline only, so the "&" is neither shown nor ignored.
    struct Case {
        const char* name;
        std::function<void(const std::string&)> caption;
        std::function<QWidget&()> widget;
    };
    const Case cases[] = {
        {"label", [this](const std::string& c) { form.lblName.SetCaption(c); },
         [this]() -> QWidget& { return Widget<QWidget>(form.lblName); }},
        {"button", [this](const std::string& c) { form.cmdOK.SetCaption(c); },
         [this]() -> QWidget& { return Widget<QWidget>(form.cmdOK); }},
        {"check box", [this](const std::string& c) { form.chkRoth.SetCaption(c); },
         [this]() -> QWidget& { return Widget<QWidget>(form.chkRoth); }},
        {"frame", [this](const std::string& c) { form.fraType.SetCaption(c); },
         [this]() -> QWidget& { return Widget<QWidget>(form.fraType); }},
        {"tab", [this](const std::string& c) { form.TabOne1.SetTabCaption(0, c); },
         [this]() -> QWidget& { return *Widget<QWidget>(form.TabOne1).findChild<QTabBar*>(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.caption("Name");
        const QImage plain = c.widget().grab().toImage();
        c.caption("&Name");
        const QImage marked = c.widget().grab().toImage();
        ASSERT_EQ(plain.size(), marked.size());
        int rows = 0;
        for (int y = 0; y < plain.height(); ++y) {
            rows += plain.copy(0, y, plain.width(), 1) != marked.copy(0, y, plain.width(), 1);
        }
        EXPECT_GE(rows, 1);
        EXPECT_LE(rows, 2);
    }
}

TEST_F(SkinTest, AFixedDialogKeepsItsSizeAndOffersOnlyTheCloseBox) {
    QWidget& sizable = *skin.WindowOf(form);
    EXPECT_TRUE(sizable.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_NE(sizable.minimumSize(), sizable.maximumSize());

    Form& dialog = app.Create<Form>("frmDialog");
    dialog.Move(0, 0, 4800, 3600);
    dialog.SetBorderStyle(BorderStyle::FixedDialog);
    dialog.Show();
    QCoreApplication::processEvents();
    QWidget& fixed = *skin.WindowOf(dialog);
    EXPECT_FALSE(fixed.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(fixed.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(fixed.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(fixed.minimumSize(), fixed.maximumSize());
    EXPECT_EQ(fixed.maximumSize(), fixed.size());
    // The program may still size it.
    dialog.Move(0, 0, 6000, 3600);
    QCoreApplication::processEvents();
    EXPECT_EQ(fixed.minimumSize(), fixed.maximumSize());
    EXPECT_GT(fixed.width(), 6000 / app.GetScreen().twipsPerPixelX - 20);
}

TEST_F(SkinTest, TheDefaultButtonShowsItIs) {
    QWidget& button = Widget<QWidget>(form.cmdOK);
    const QImage plain = button.grab().toImage();
    form.cmdOK.SetDefault(true);
    EXPECT_NE(button.grab().toImage(), plain);
    form.cmdOK.SetDefault(false);
    EXPECT_EQ(button.grab().toImage(), plain);
}

TEST_F(SkinTest, AltChoosesATabAndTicksACheckBoxThroughTheModel) {
    QWindow& window = *skin.WindowOf(form)->windowHandle();
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(form.TabOne1.CurrentTab(), 1);
    EXPECT_EQ(Widget<QWidget>(form.TabOne1).findChild<QTabBar*>()->currentIndex(), 1);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"txtName.LostFocus", "TabOne1.TabChange"}));
    form.chkRoth.SetCaption("Ro&th");
    QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(form.chkRoth.Value(), vbChecked);
    EXPECT_EQ(Widget<QCheckBox>(form.chkRoth).checkState(), Qt::Checked);
}

TEST_F(SkinTest, EveryWindowShowsTheProgramsIconUnlessItHasItsOwn) {
    const auto square = [](Qt::GlobalColor colour) {
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(colour);
        return *Picture::FromBytes(forms::qt::testing::PictureFileBytes(image, "BMP"));
    };
    const auto centre = [](const QIcon& icon) {
        return icon.pixmap(32, 32).toImage().pixelColor(16, 16);
    };
    app.SetIcon(square(Qt::blue));
    QCoreApplication::processEvents();
    QWidget& window = *skin.WindowOf(form);
    EXPECT_EQ(centre(window.windowIcon()), QColor(Qt::blue)) << "the program's icon";
    EXPECT_EQ(centre(QApplication::windowIcon()), QColor(Qt::blue)) << "message boxes show it";
    form.SetIcon(square(Qt::red));
    QCoreApplication::processEvents();
    EXPECT_EQ(centre(window.windowIcon()), QColor(Qt::red)) << "the form's own icon";
    form.SetIcon(Picture());
    QCoreApplication::processEvents();
    EXPECT_EQ(centre(window.windowIcon()), QColor(Qt::blue));
}

TEST_F(SkinTest, TheWindowMaximisedAndRestoredByTheUserStaysSoAndTheModelFollows) {
    QWidget& window = *skin.WindowOf(form);
    const int width = form.Width();
    int resizes = 0;
    form.Resize = [&resizes] { ++resizes; };
    window.showMaximized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isMaximized()) << "the window was given back its normal state";
    EXPECT_EQ(form.GetWindowState(), WindowState::Maximized);
    EXPECT_GT(form.Width(), width) << "the model takes the maximised size";
    EXPECT_GT(resizes, 0);
    window.showNormal();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(form.GetWindowState(), WindowState::Normal);
    EXPECT_EQ(form.Width(), width) << "the model takes the size the window has again";
}

TEST_F(SkinTest, TheFormDrawsToAScreenshot) {
    form.txtName.SetText("Smith");
    form.lstGraph.SetListIndex(1);
    QCoreApplication::processEvents();
    const QImage shot = skin.WindowOf(form)->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    // Left in the build folder for a look, whatever the current folder is.
    EXPECT_TRUE(shot.save(QT_TESTCASE_BUILDDIR "/skin_test_form.png"));
    std::set<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 3) {
        for (int x = 0; x < shot.width(); x += 3) {
            colours.insert(shot.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 5u) << "a blank window has one or two colours";
}

} // namespace
