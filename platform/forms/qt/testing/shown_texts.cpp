#include "platform/forms/qt/testing/shown_texts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTableWidget>

#include <climits>

namespace forms::qt::testing {

namespace {

// What QLineEdit keeps free inside its contents rectangle on each side.
constexpr int kLineEditHorizontalMargin = 2;
constexpr int kLineEditVerticalMargin = 1;

// One line of text as a widget draws it, access-key ampersands hidden.
QSize LineSize(const QFontMetrics& metrics, const QString& text) {
    return metrics.size(Qt::TextShowMnemonic, text);
}

void Add(std::vector<ShownText>& texts, const QString& text, QSize needed, QSize room) {
    if (!text.isEmpty()) {
        texts.push_back({text, needed, room});
    }
}

void LabelText(const QLabel& label, std::vector<ShownText>& texts) {
    const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(),
                                                     -label.margin(), -label.margin());
    const QFontMetrics metrics(label.font());
    // A wrapped label breaks its text at blanks; a word wider than the room stays whole and
    // sticks out, which the measured width then shows.
    const QSize needed = label.wordWrap()
                             ? metrics
                                   .boundingRect(QRect(0, 0, room.width(), INT_MAX / 2),
                                                 Qt::TextWordWrap | Qt::AlignLeft, label.text())
                                   .size()
                             : metrics.size(0, label.text());
    Add(texts, label.text(), needed, room.size());
}

void ButtonText(const QAbstractButton& button, std::vector<ShownText>& texts) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button) != nullptr) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(&button) != nullptr) {
        contents = QStyle::SE_RadioButtonContents;
    }
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    Add(texts, button.text(), LineSize(QFontMetrics(button.font()), button.text()), room.size());
}

void GroupBoxTitle(const QGroupBox& box, std::vector<ShownText>& texts) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.lineWidth = 1;
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    Add(texts, box.title(), LineSize(QFontMetrics(box.font()), box.title()),
        QSize(box.width() - label.left(), label.height()));
}

void LineEditText(const QLineEdit& edit, std::vector<ShownText>& texts) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
    option.state |= QStyle::State_Sunken;
    const QMargins margins = edit.textMargins();
    const QRect room = edit.style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                           .marginsRemoved(margins)
                           .adjusted(kLineEditHorizontalMargin, kLineEditVerticalMargin,
                                     -kLineEditHorizontalMargin, -kLineEditVerticalMargin);
    const QFontMetrics metrics(edit.font());
    Add(texts, edit.text(), QSize(metrics.horizontalAdvance(edit.text()), metrics.height()),
        room.size());
}

void ComboBoxItems(const QComboBox& combo, std::vector<ShownText>& texts) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    option.subControls = QStyle::SC_All;
    // The current item is drawn one pixel in from each side of the edit field.
    const QRect room =
        combo.style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
            .adjusted(1, 0, -1, 0);
    const QFontMetrics metrics(combo.font());
    for (int item = 0; item < combo.count(); ++item) {
        Add(texts, combo.itemText(item), metrics.size(0, combo.itemText(item)), room.size());
    }
}

// The room an item view leaves a cell's text on each side.
int ItemTextMargin(const QWidget& view) {
    return view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
}

void ListItems(const QListWidget& list, std::vector<ShownText>& texts) {
    const QFontMetrics metrics(list.font());
    const int width = list.viewport()->width() - 2 * ItemTextMargin(list);
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem* item = list.item(row);
        Add(texts, item->text(), metrics.size(0, item->text()),
            QSize(width, list.visualItemRect(item).height()));
    }
}

void TabCaptions(const QTabBar& bar, std::vector<ShownText>& texts) {
    const QFontMetrics metrics(bar.font());
    const int space = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &bar);
    for (int tab = 0; tab < bar.count(); ++tab) {
        if (!bar.isTabVisible(tab)) {
            continue;
        }
        const QRect shown = bar.tabRect(tab).intersected(bar.rect());
        Add(texts, bar.tabText(tab), LineSize(metrics, bar.tabText(tab)),
            QSize(shown.width() - space, shown.height()));
    }
}

void TableTexts(const QTableWidget& table, std::vector<ShownText>& texts) {
    const QHeaderView& header = *table.horizontalHeader();
    // A header that highlights the sections of the selection draws their titles in bold: with
    // whole rows selected, every title.
    QFont titleFont = header.font();
    titleFont.setBold(titleFont.bold() || header.highlightSections());
    const QFontMetrics titleMetrics(titleFont);
    const QFontMetrics cellMetrics(table.font());
    const int titleMargin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    const int cellMargin = ItemTextMargin(table);
    for (int col = 0; col < table.columnCount(); ++col) {
        if (table.isColumnHidden(col)) {
            continue;
        }
        const int width = header.sectionSize(col);
        if (const QTableWidgetItem* title = table.horizontalHeaderItem(col)) {
            Add(texts, title->text(), titleMetrics.size(0, title->text()),
                QSize(width - 2 * titleMargin, header.height()));
        }
        for (int row = 0; row < table.rowCount(); ++row) {
            if (const QTableWidgetItem* cell = table.item(row, col)) {
                Add(texts, cell->text(), cellMetrics.size(0, cell->text()),
                    QSize(width - 2 * cellMargin, table.rowHeight(row)));
            }
        }
    }
}

} // namespace

std::vector<ShownText> ShownTexts(const QWidget& widget) {
    std::vector<ShownText> texts;
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        LabelText(*label, texts);
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        ButtonText(*button, texts);
    } else if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        GroupBoxTitle(*box, texts);
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        LineEditText(*edit, texts);
    } else if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        ComboBoxItems(*combo, texts);
    } else if (const auto* list = qobject_cast<const QListWidget*>(&widget)) {
        ListItems(*list, texts);
    } else if (const auto* bar = qobject_cast<const QTabBar*>(&widget)) {
        TabCaptions(*bar, texts);
    } else if (const auto* table = qobject_cast<const QTableWidget*>(&widget)) {
        TableTexts(*table, texts);
    }
    return texts;
}

} // namespace forms::qt::testing
