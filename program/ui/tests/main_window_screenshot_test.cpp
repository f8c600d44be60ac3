// One whole RMD illustration driven through the Qt skin on an offscreen screen: the inputs typed
// into the widgets, the Report tab clicked, and the filled window saved as PNG pictures in the
// test's sandbox for a person to look at.
#include "program/ui/main_window/main_form.h"
#include "program/ui/tests/recorded_reports.h"

#include "platform/forms/application.h"
#include "platform/forms/qt/skin.h"
#include "platform/system/clock.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace ui;

// The number of distinct colours on a grid of every third pixel: a blank window has one or two.
std::size_t Colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours.size();
}

// Grabs the window, saves it as `name` in the sandbox and reads the file back.
QImage SaveScreenshot(QWidget& window, const std::filesystem::path& file) {
    const QImage shot = window.grab().toImage();
    EXPECT_TRUE(shot.save(QString::fromStdString(file.string()), "PNG")) << file;
    return QImage(QString::fromStdString(file.string()), "PNG");
}

TEST(MainWindowScreenshot, AnRmdIllustrationTypedThroughTheSkin) {
    testkit::Sandbox sandbox;
    sys::ScopedClock clock{sys::LocalDateTime{2011, 6, 15, 10, 0, 0}};
    forms::Application app("Tallowmere");
    forms::qt::Skin skin(app);
    ProgramState program;
    program.IllustrationType = illustration::IllustrationType::PlanholderRmd;
    frmMain& main = app.Create<frmMain>(program);
    RecordedReports reports;
    main.SetServices(reports, main.Store());
    main.Show();
    QWidget* window = skin.WindowOf(main);
    ASSERT_NE(window, nullptr);

    const std::vector<std::pair<std::string, std::string>> typed = {
        {"8-PartFirst", "John"},     {"8-PartMiddle", "Q"},       {"8-PartLast", "Sample"},
        {"7-PartDOB", "03/15/1940"}, {"8-PlanName0", "IRA Plan"}, {"3-Year0", "2011"},
        {"6-AcctValue0", "100000"}};
    QWidget* edit = nullptr;
    for (const auto& [tag, text] : typed) {
        edit = skin.WidgetOf(main.txtInput(main.SetIndex(tag)));
        ASSERT_NE(edit, nullptr) << tag;
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, QString::fromStdString(text));
    }
    QTest::keyClick(edit, Qt::Key_Tab); // leaving the amount shows it as dollars
    EXPECT_EQ(static_cast<QLineEdit*>(edit)->text(), "$100,000");
    EXPECT_EQ(main.GetField("8-PartLast"), "Sample");
    const std::filesystem::path folder = testkit::SandboxFolderOfRunningTest();
    const QImage inputs = SaveScreenshot(*window, folder / "rmd_inputs.png");

    auto* bar = window->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(4).center());
    EXPECT_EQ(main.TabOne1.CurrentTab(), 4);
    EXPECT_EQ(reports.reports, 1);
    EXPECT_TRUE(main.GetField("R-RMD").starts_with("$")) << main.GetField("R-RMD");
    EXPECT_EQ(main.GetField("R-PHName"), "John Q Sample");
    const QImage report = SaveScreenshot(*window, folder / "rmd_report.png");

    for (const QImage* shot : {&inputs, &report}) {
        ASSERT_FALSE(shot->isNull());
        EXPECT_EQ(shot->size(), window->grab().size());
        EXPECT_GT(Colours(*shot), 5u);
    }
    EXPECT_NE(inputs, report);
}

} // namespace
