// Every window of the program through the Qt skin on an offscreen screen, as a user first sees
// it and with the widest values its fields take: each control that shows lies inside the
// window's client area and inside its containers, keeps off its frame's caption, overlaps no
// other control of its container, and has room for every text it shows in the font it is drawn
// with. The main window is looked at on each tab of each illustration type, at its first size
// and after it grew.
#include "program/store/illustration_file.h"
#include "program/store/illustration_record.h"
#include "program/store/rep_info_record.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/main_window/src/equal_payment_options.h"
#include "program/ui/main_window/src/input_field_events.h"
#include "program/ui/saved_illustrations.h"
#include "program/ui/tests/program_on_screen.h"
#include "program/ui/tests/saved_records.h"
#include "program/ui/windows/about/src/about_form.h"
#include "program/ui/windows/browser/data_form.h"
#include "program/ui/windows/start/start_form.h"

#include "platform/forms/application.h"
#include "platform/forms/control.h"
#include "platform/forms/qt/skin.h"
#include "platform/forms/qt/testing/pictures.h"
#include "platform/forms/qt/testing/shown_texts.h"
#include "platform/forms/user_actions.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QWidget>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace ui;

using illustration::IllustrationType;

QWidget* ClientArea(QWidget& window) {
    for (QObject* child : window.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && qobject_cast<QMenuBar*>(widget) == nullptr) {
            return widget;
        }
    }
    return nullptr;
}

QRect InClient(const QWidget& widget, const QWidget& client) {
    return QRect(widget.mapTo(&client, QPoint(0, 0)), widget.size());
}

QRect CaptionOf(const QGroupBox& frame, const QWidget& client) {
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect caption = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                        QStyle::SC_GroupBoxLabel, &frame);
    return caption.translated(frame.mapTo(&client, QPoint(0, 0)));
}

std::string Text(const QRect& rect) {
    return std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " +
           std::to_string(rect.width()) + "x" + std::to_string(rect.height());
}

// Also keeps a picture of the window as `shot`.png in the test's sandbox, for a person to look at.
void ExpectLaidOut(const forms::qt::Skin& skin, const forms::Form& form, const std::string& shot) {
    SCOPED_TRACE(form.Name() + " \"" + form.Caption() + "\"");
    QWidget* window = skin.WindowOf(form);
    ASSERT_NE(window, nullptr);
    const std::filesystem::path file = testkit::SandboxFolderOfRunningTest() / (shot + ".png");
    EXPECT_TRUE(window->grab().save(QString::fromStdString(file.string()), "PNG")) << file;
    QWidget* client = ClientArea(*window);
    ASSERT_NE(client, nullptr);

    struct Shown {
        const forms::Control* control;
        QWidget* widget;
        QRect rect;
    };
    std::vector<Shown> shown;
    for (const forms::Control* control : form.Controls()) {
        QWidget* widget = skin.WidgetOf(*control);
        if (widget == nullptr || !control->IsShowing()) {
            continue;
        }
        const std::string name = control->DisplayName();
        const QRect rect = InClient(*widget, *client);
        shown.push_back({control, widget, rect});
        // A resizer draws nothing: what it holds is checked against it.
        if (control->Kind() != forms::ControlKind::Resizer) {
            for (QWidget* outer = widget->parentWidget(); outer != nullptr && outer != window;
                 outer = outer->parentWidget()) {
                const QRect room = InClient(*outer, *client);
                EXPECT_TRUE(room.contains(rect))
                    << name << " at " << Text(rect) << " reaches out of "
                    << outer->objectName().toStdString() << " at " << Text(room);
            }
        }
        if (const auto* frame = qobject_cast<const QGroupBox*>(widget->parentWidget())) {
            EXPECT_FALSE(CaptionOf(*frame, *client).intersects(rect))
                << name << " at " << Text(rect) << " covers the caption of "
                << frame->objectName().toStdString();
        }
        const QWidget* measured = widget;
        if (control->Kind() == forms::ControlKind::TabControl) {
            measured = widget->findChild<QTabBar*>();
        }
        for (const forms::qt::testing::ShownText& text :
             forms::qt::testing::ShownTexts(*measured)) {
            EXPECT_TRUE(text.Fits())
                << name << " has no room for \"" << text.text.toStdString() << "\": it needs "
                << text.needed.width() << "x" << text.needed.height() << " and has "
                << text.room.width() << "x" << text.room.height();
        }
    }
    // Two lines drawn together make one engraved line.
    for (std::size_t a = 0; a < shown.size(); ++a) {
        for (std::size_t b = a + 1; b < shown.size(); ++b) {
            const bool lines = shown[a].control->Kind() == forms::ControlKind::Line &&
                               shown[b].control->Kind() == forms::ControlKind::Line;
            if (shown[a].widget->parentWidget() == shown[b].widget->parentWidget() && !lines) {
                EXPECT_FALSE(shown[a].rect.intersects(shown[b].rect))
                    << shown[a].control->DisplayName() << " at " << Text(shown[a].rect)
                    << " overlaps " << shown[b].control->DisplayName() << " at "
                    << Text(shown[b].rect);
            }
        }
    }
}

// Inputs that pass every check of their type on 06/15/2011, each amount and date as wide as its
// field shows it.
const RecordFields kWidestInputs[] = {
    {{"8-PartFirst", "John"},
     {"8-PartLast", "Sample"},
     {"7-PartDOB", "08/28/1940"},
     {"8-PlanName0", "Harbor Rollover IRA"},
     {"3-Year0", "2011"},
     {"6-AcctValue0", "$99,999,999,999"}},
    {{"8-BeneFirst", "Sally"},
     {"8-BeneLast", "Sample"},
     {"7-BeneDOB", "12/07/1941"},
     {"7-DD1", "05/08/2008"},
     {"3-Year1", "2011"},
     {"6-AcctValue1", "$99,999,999,999"}},
    {{"8-EqualFirst", "John"},
     {"8-EqualLast", "Sample"},
     {"7-EqualDOB", "08/28/1928"},
     {"7-EqualSpouseDOB1", "08/28/1928"},
     {"8-EqualPlanName", "IRA Plan"},
     {"7-EqualDate", "06/08/2011"},
     {"6-EqualAcctValue1", "$99,999,999,999"},
     {"6-EqualAcctValue2", "$99,999,999,999"},
     {"1-EqualROR", "12.00%"}},
    {{"8-StretchPFirst", "John"},
     {"8-StretchPLast", "Sample"},
     {"7-StretchPDOB", "08/28/1950"},
     {"2-StretchPLEO", "20"},
     {"8-StretchSFirst", "Susan"},
     {"8-StretchSLast", "Sample"},
     {"7-StretchSDOB", "08/28/1955"},
     {"2-StretchSLEO", "25"},
     {"8-StretchBFirst", "Jack"},
     {"8-StretchBLast", "Sample"},
     {"7-StretchBDOB", "08/28/1990"},
     {"8-StretchPlanName", "IRA Plan"},
     {"6-StretchAcctValue", "$99,999,999,999"},
     {"6-StretchAcctCont", "$5,000"},
     {"2-StretchContYrs", "10"},
     {"1-StretchROR", "12.00%"}},
};

// A window that is merely shown and filled shows no message box.
class WindowLayoutTest : public ProgramOnScreenTest {
protected:
    ~WindowLayoutTest() override { EXPECT_TRUE(messages.shown.empty()) << messages.shown.front(); }
};

// The main window of `type`, shown with the widest inputs, on each of its tabs.
class MainWindowLayoutTest : public WindowLayoutTest {
protected:
    frmMain& Show(IllustrationType type) {
        program.IllustrationType = type;
        frmMain& main = app.Create<frmMain>(program);
        main.SetServices(reports, main.Store());
        main.RateWarned = true; // the 12% rate is over the federal rate's limit on purpose
        main.Show();
        Settle();
        for (const auto& [tag, text] : kWidestInputs[static_cast<int>(type)]) {
            main.SetField(text, tag);
        }
        // The state list shows its longest entry; the Stretch tax page needs a state.
        int widestState = 0;
        for (int item = 1; item < main.cmboState.ListCount(); ++item) {
            if (main.cmboState.List(item).size() > main.cmboState.List(widestState).size()) {
                widestState = item;
            }
        }
        main.cmboState.SetListIndex(widestState);
        return main;
    }

    void ExpectEachTabLaidOut(frmMain& main, const std::string& shot) {
        for (int tab = 0; tab < main.TabOne1.TabCount(); ++tab) {
            if (!main.TabOne1.TabVisible(tab)) {
                continue;
            }
            SCOPED_TRACE("tab " + main.TabOne1.TabCaption(tab));
            forms::user::ChooseTab(main.TabOne1, tab);
            Settle();
            if (tab == 5) {
                forms::user::Tick(main.Timer1);
                Settle();
                EXPECT_TRUE(main.lstGraph.IsShowing());
            }
            ExpectLaidOut(skin, main, shot + "-tab" + std::to_string(tab));
        }
    }
};

TEST_F(MainWindowLayoutTest, EveryTabOfEveryTypeAtTheFirstSizeAndLarger) {
    for (const IllustrationType type :
         {IllustrationType::PlanholderRmd, IllustrationType::BeneficiaryRmd,
          IllustrationType::EqualPayments, IllustrationType::Stretch}) {
        SCOPED_TRACE("type " + std::to_string(static_cast<int>(type)));
        frmMain& main = Show(type);
        const std::string shot = "type" + std::to_string(static_cast<int>(type));
        ExpectEachTabLaidOut(main, shot);
        // Larger, and so wide that the graph takes its size from the page's height.
        for (const auto& [width, height] : {std::pair{12000, 10500}, std::pair{21000, 9300}}) {
            SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
            forms::user::ResizeForm(main, width, height);
            Settle();
            ExpectEachTabLaidOut(main, shot + "-" + std::to_string(width));
        }
        main.Hide();
    }
}

// Maximised, then made smaller than the layout's minimum (640 x 520 pixels: wide enough, too
// low): the window is laid out for its width, so that every tab and the report view with its
// scroll bar stand inside it.
TEST_F(MainWindowLayoutTest, SmallerThanItsMinimumTheTabsAndTheReportViewStayInside) {
    frmMain& main = Show(IllustrationType::Stretch);
    forms::user::ChangeWindowState(main, forms::WindowState::Maximized);
    forms::user::ResizeForm(main, 28800, 16200);
    Settle();
    forms::user::ChangeWindowState(main, forms::WindowState::Normal);
    forms::user::ResizeForm(main, 640 * 15, 520 * 15);
    Settle();
    forms::user::ChooseTab(main.TabOne1, 4);
    // A letter page as the report view shows it, wider and taller than the view.
    main.VSPrinter1.SetPages({forms::qt::testing::WhitePage(816, 1056)});
    Settle();
    QCoreApplication::processEvents(); // the view lays its pages and scroll bars out
    QWidget* window = skin.WindowOf(main);
    ASSERT_NE(window, nullptr);
    QWidget* client = ClientArea(*window);
    ASSERT_NE(client, nullptr);
    const std::filesystem::path file =
        testkit::SandboxFolderOfRunningTest() / "smaller-than-minimum.png";
    EXPECT_TRUE(window->grab().save(QString::fromStdString(file.string()), "PNG")) << file;
    const QRect inside(QPoint(0, 0), client->size());
    auto* bar = window->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    for (int tab = 0; tab < bar->count(); ++tab) {
        if (bar->isTabVisible(tab)) {
            SCOPED_TRACE(bar->tabText(tab).toStdString());
            const QRect header = bar->tabRect(tab).translated(bar->mapTo(client, QPoint(0, 0)));
            EXPECT_TRUE(inside.contains(header)) << Text(header) << " in " << Text(inside);
        }
    }
    QWidget* view = skin.WidgetOf(main.VSPrinter1);
    ASSERT_NE(view, nullptr);
    const QRect viewRect = InClient(*view, *client);
    EXPECT_LE(viewRect.right(), inside.right()) << Text(viewRect) << " in " << Text(inside);
    int downward = 0;
    for (QScrollBar* scroll : view->findChildren<QScrollBar*>()) {
        if (scroll->isVisible() && scroll->orientation() == Qt::Vertical) {
            ++downward;
            const QRect scrollRect = InClient(*scroll, *client);
            EXPECT_LE(scrollRect.right(), inside.right()) << Text(scrollRect);
            EXPECT_LT(scrollRect.top(), inside.bottom()) << Text(scrollRect);
        }
    }
    EXPECT_EQ(downward, 1) << "the report view has its scroll bar that runs down";
}

// The 72(t) payment amounts of the largest balance and rate the fields take, at the oldest
// ages, and the balance hint with its three bold lines.
TEST_F(MainWindowLayoutTest, TheLargestPaymentsAndTheBalanceHintShowWhole) {
    frmMain& main = Show(IllustrationType::EqualPayments);
    RefreshEqualPaymentOptions(main);
    std::size_t widest = 0;
    for (int choice = 0; choice < 7; ++choice) {
        widest = std::max(widest, main.lblEqualPmt(choice).Caption().size());
    }
    EXPECT_GE(widest, std::string("$99,999,999,999.00").size());
    ShowFieldHint(main, 27);
    EXPECT_TRUE(main.Label3(3).FontBold());
    ExpectLaidOut(skin, main, "largest-payments");
}

TEST_F(WindowLayoutTest, TheBrowserRepresentativeAndAboutWindows) {
    // One saved illustration of each type, with the widest texts its row shows.
    std::vector<std::string> records;
    for (int type = 0; type < 4; ++type) {
        RecordFields values = kWidestInputs[type];
        values.push_back({"6-IllustrationDate", "12/28/2011"});
        values.push_back({"6-RMD_Amt", "$99,999,999"});
        records.push_back(Record(static_cast<IllustrationType>(type), values, store::kLiveRecord,
                                 {"SIMPLE IRA", "SIMPLE IRA"}));
    }
    // And records it cannot list, which the line under the grid counts.
    records.insert(records.end(), 1000, std::string(1000, '\xFF'));
    WriteIllustrationFile(records);
    SavedIllustrations store(app, program);
    frmData& browser = store.DataWindow();
    browser.Show();
    Settle();
    EXPECT_EQ(browser.VSFlexGrid1.Rows(), 5);
    EXPECT_TRUE(browser.lblUnreadable.Visible());
    ExpectLaidOut(skin, browser, "browser");

    frmRepInfo& representative = *store.RepresentativeWindow();
    representative.Show();
    Settle();
    for (int field = 0; field < 12; ++field) {
        representative.txtInput(field).SetText(field == 1 ? "W" : "Walker");
    }
    ExpectLaidOut(skin, representative, "representative");
    forms::UnloadForm(representative);

    frmMain& main = app.Create<frmMain>(program);
    main.SetServices(reports, store);
    ShowAboutBox(main);
    Settle();
    for (const auto& form : app.Forms()) {
        if (const auto* about = dynamic_cast<const frmAbout*>(form.get())) {
            ExpectLaidOut(skin, *about, "about");
        }
    }
}

TEST_F(WindowLayoutTest, TheStartUpWindow) {
    store::RepInfoFields representative;
    representative.txtInput[0] = "Pat";
    ASSERT_TRUE(store::RepWriteFlat(store::RepInfoFilePath(), representative, messages));
    SavedIllustrations store(app, program);
    frmMain& main = app.Create<frmMain>(program);
    main.SetServices(reports, store);
    frmStart& start = app.Create<frmStart>(program, main);
    start.Start();
    Settle();
    ASSERT_TRUE(start.IsShowing());
    EXPECT_FALSE(start.Picture1.GetPicture().IsEmpty());
    ExpectLaidOut(skin, start, "start");
}

} // namespace
