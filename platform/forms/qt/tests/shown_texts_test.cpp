// The measure of shown texts tells a text that its widget clips from one that has room, for each
// kind of widget that shows text.
#include "platform/forms/qt/testing/shown_texts.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>

#include <functional>
#include <memory>

namespace {

using namespace forms;
using namespace forms::qt;
using namespace forms::qt::testing;

// The test program's QApplication is the one skin_test.cpp registers.

constexpr const char* kText = "Joint and Last Survivor";

std::unique_ptr<QWidget> WrappedLabel() {
    auto label = std::make_unique<QLabel>(kText);
    label->setWordWrap(true);
    return label;
}

std::unique_ptr<QWidget> Table() {
    auto table = std::make_unique<QTableWidget>(1, 1);
    table->setHorizontalHeaderItem(0, new QTableWidgetItem("Type"));
    table->setItem(0, 0, new QTableWidgetItem(kText));
    table->verticalHeader()->hide();
    return table;
}

std::unique_ptr<QWidget> TabBar() {
    auto bar = std::make_unique<QTabBar>();
    bar->setUsesScrollButtons(false);
    bar->setElideMode(Qt::ElideRight);
    bar->addTab(kText);
    return bar;
}

std::unique_ptr<QWidget> List() {
    auto list = std::make_unique<QListWidget>();
    list->addItem(kText);
    return list;
}

std::unique_ptr<QWidget> Combo() {
    auto combo = std::make_unique<QComboBox>();
    combo->addItem(kText);
    return combo;
}

TEST(ShownTexts, ATextFitsTheWideWidgetAndNotTheNarrowOne) {
    struct Case {
        const char* kind;
        std::function<std::unique_ptr<QWidget>()> make;
        QSize narrow; // pixels: clips the text
        QSize wide;   // pixels: holds it
    };
    const Case cases[] = {
        {"label", [] { return std::make_unique<QLabel>(kText); }, {60, 20}, {300, 20}},
        // Wrapped: two lines need twice the height; one word wider than the label never fits.
        {"wrapped label, short", WrappedLabel, {90, 16}, {90, 60}},
        {"wrapped label, narrow", WrappedLabel, {40, 200}, {90, 60}},
        {"button",
         [] { return std::make_unique<QPushButton>("&Joint and Last Survivor"); },
         {80, 24},
         {300, 24}},
        {"check box", [] { return std::make_unique<QCheckBox>(kText); }, {120, 20}, {300, 20}},
        {"option", [] { return std::make_unique<QRadioButton>(kText); }, {120, 20}, {300, 20}},
        {"short option", [] { return std::make_unique<QRadioButton>(kText); }, {300, 8}, {300, 20}},
        {"frame", [] { return std::make_unique<QGroupBox>(kText); }, {80, 60}, {300, 60}},
        {"text box", [] { return std::make_unique<QLineEdit>(kText); }, {100, 22}, {300, 22}},
        {"combo box", Combo, {100, 22}, {300, 22}},
        {"list", List, {80, 100}, {300, 100}},
        {"tab bar", TabBar, {60, 30}, {300, 30}},
        {"table", Table, {100, 100}, {400, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        for (const bool wide : {false, true}) {
            std::unique_ptr<QWidget> widget = c.make();
            widget->resize(wide ? c.wide : c.narrow);
            if (auto* table = qobject_cast<QTableWidget*>(widget.get())) {
                table->setColumnWidth(0, widget->width() - 20);
            }
            widget->show();
            const std::vector<ShownText> texts = ShownTexts(*widget);
            ASSERT_FALSE(texts.empty());
            bool allFit = true;
            for (const ShownText& text : texts) {
                allFit = allFit && text.Fits();
            }
            EXPECT_EQ(allFit, wide)
                << (wide ? "wide" : "narrow") << ": " << texts.front().needed.width() << "x"
                << texts.front().needed.height() << " in " << texts.front().room.width() << "x"
                << texts.front().room.height();
        }
    }
}

TEST(ShownTexts, AccessKeysAreNotCountedAndEmptyWidgetsShowNothing) {
    QPushButton withKey("&Ok");
    QPushButton without("Ok");
    EXPECT_EQ(ShownTexts(withKey).front().needed, ShownTexts(without).front().needed);
    EXPECT_TRUE(ShownTexts(QLabel()).empty());
    EXPECT_TRUE(ShownTexts(QWidget()).empty());
}

} // namespace
