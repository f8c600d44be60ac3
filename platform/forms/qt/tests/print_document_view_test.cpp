// The print-document view in the skin: the model's page images become one picture each, in
// order, and the status text stands in their place while it is set.
#include "platform/forms/controls/print_document_view.h"

#include "platform/forms/qt/skin.h"
#include "platform/forms/qt/src/print_document_widget.h"
#include "platform/forms/qt/testing/pictures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QScrollBar>

#include <cstdint>
#include <vector>

namespace {

using namespace forms;
using namespace forms::qt;

// The program's one QApplication is registered by skin_test.cpp.

struct ReportForm : Form {
    explicit ReportForm(Application& app) : Form(app, "frmReport") {
        Move(0, 0, 9000, 9000);
        VSPrinter1.Move(120, 120, 8400, 8400);
    }
    PrintDocumentView VSPrinter1{*this, "VSPrinter1"};
};

using forms::qt::testing::WhitePage;

class PrintDocumentViewTest : public ::testing::Test {
protected:
    Application app;
    Skin skin{app};
    ReportForm& form = app.Create<ReportForm>();

    PrintDocumentWidget& Widget() {
        auto* widget = dynamic_cast<PrintDocumentWidget*>(skin.WidgetOf(form.VSPrinter1));
        EXPECT_NE(widget, nullptr);
        return *widget;
    }

    void Show() {
        form.Show();
        QCoreApplication::processEvents();
    }
};

TEST_F(PrintDocumentViewTest, ShowsEachPageImageInOrder) {
    form.VSPrinter1.SetPages({WhitePage(85, 110), WhitePage(110, 85), WhitePage(40, 50)});
    Show();
    const QList<QLabel*> pages = Widget().PageLabels();
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[0]->pixmap().size(), QSize(85, 110));
    EXPECT_EQ(pages[1]->pixmap().size(), QSize(110, 85));
    EXPECT_EQ(pages[2]->pixmap().size(), QSize(40, 50));

    // A new document replaces every page.
    form.VSPrinter1.SetPages({WhitePage(20, 30)});
    QCoreApplication::processEvents();
    ASSERT_EQ(Widget().PageLabels().size(), 1);
    EXPECT_EQ(Widget().PageLabels()[0]->pixmap().size(), QSize(20, 30));
    form.VSPrinter1.SetPages({});
    QCoreApplication::processEvents();
    EXPECT_TRUE(Widget().PageLabels().isEmpty());
}

// The pixels of a page are shown as they are, and a page shown again at its place keeps its
// picture: a document shown first page first and then whole converts its first page once.
TEST_F(PrintDocumentViewTest, EachPageIsShownAsItsPixelsAndConvertedOnce) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(40) * 30, 0xFFFFFFFFu);
    pixels[static_cast<std::size_t>(7) * 40 + 5] = 0xFF123456u;
    const Image first(40, 30, pixels);
    form.VSPrinter1.SetPages({first});
    Show();
    ASSERT_EQ(Widget().PageLabels().size(), 1);
    QLabel* firstLabel = Widget().PageLabels()[0];
    const QImage shown = firstLabel->pixmap().toImage();
    EXPECT_EQ(shown.pixel(5, 7), 0xFF123456u);
    EXPECT_EQ(shown.pixel(6, 7), 0xFFFFFFFFu);

    form.VSPrinter1.SetPages({first, WhitePage(30, 40)});
    QCoreApplication::processEvents();
    ASSERT_EQ(Widget().PageLabels().size(), 2);
    EXPECT_EQ(Widget().PageLabels()[0], firstLabel);
    EXPECT_EQ(Widget().PageLabels()[1]->pixmap().size(), QSize(30, 40));

    // Another first page is another document: every page is made anew.
    form.VSPrinter1.SetPages({WhitePage(40, 30), WhitePage(30, 40)});
    QCoreApplication::processEvents();
    ASSERT_EQ(Widget().PageLabels().size(), 2);
    EXPECT_EQ(Widget().PageLabels()[0]->pixmap().toImage().pixel(5, 7), 0xFFFFFFFFu);
}

TEST_F(PrintDocumentViewTest, ANewDocumentShowsFromTheTopLeftOfItsFirstPage) {
    // Pages larger than the view, scrolled down and right as a reader leaves them.
    form.VSPrinter1.SetPages({WhitePage(1200, 1500), WhitePage(1200, 1500)});
    Show();
    QScrollBar& down = *Widget().verticalScrollBar();
    QScrollBar& across = *Widget().horizontalScrollBar();
    ASSERT_GT(down.maximum(), 0);
    ASSERT_GT(across.maximum(), 0);
    down.setValue(down.maximum());
    across.setValue(across.maximum());

    // The program clears the view while it makes the new report, then shows its pages.
    form.VSPrinter1.SetPages({});
    form.VSPrinter1.SetPages({WhitePage(1200, 1500), WhitePage(1210, 1500)});
    QCoreApplication::processEvents();
    EXPECT_EQ(down.value(), 0);
    EXPECT_EQ(across.value(), 0);
}

TEST_F(PrintDocumentViewTest, TheStatusTextStandsInPlaceOfThePages) {
    form.VSPrinter1.SetPages({WhitePage(85, 110)});
    form.VSPrinter1.SetStatusText("Creating Document . . .");
    Show();
    EXPECT_FALSE(Widget().StatusLabel().isHidden());
    EXPECT_EQ(Widget().StatusLabel().text(), "Creating Document . . .");
    EXPECT_TRUE(Widget().PageLabels()[0]->isHidden());

    form.VSPrinter1.SetStatusText("");
    QCoreApplication::processEvents();
    EXPECT_TRUE(Widget().StatusLabel().isHidden());
    EXPECT_FALSE(Widget().PageLabels()[0]->isHidden());
}

} // namespace
