#include "platform/forms/qt/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>

#include "platform/forms/application.h"
#include "platform/forms/buttons.h"
#include "platform/forms/frame.h"
#include "platform/forms/grid.h"
#include "platform/forms/label.h"
#include "platform/forms/line.h"
#include "platform/forms/lists.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/qt/text.h"
#include "platform/forms/resizer.h"
#include "platform/forms/scroll_bar.h"
#include "platform/forms/tab_control.h"
#include "platform/forms/text_box.h"

namespace forms::qt {

namespace {

QColor ToQColor(Color color) {
    const std::uint32_t rgb = ResolveColor(color);
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

Qt::Alignment ToQtAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

int Pixels(int twips, int twipsPerPixel) {
    return twipsPerPixel > 0 ? twips / twipsPerPixel : twips;
}

// A line drawn across its widget, which spans the line's bounding box.
class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void SetLine(QLine line, QColor color, int width) {
        line_ = line;
        color_ = color;
        width_ = width;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(color_, width_));
        painter.drawLine(line_);
    }

private:
    QLine line_;
    QColor color_;
    int width_ = 1;
};

void SyncCommon(Control& control, QWidget& widget, const Screen& screen) {
    widget.setGeometry(Pixels(control.Left(), screen.twipsPerPixelX),
                       Pixels(control.Top(), screen.twipsPerPixelY),
                       std::max(1, Pixels(control.Width(), screen.twipsPerPixelX)),
                       std::max(1, Pixels(control.Height(), screen.twipsPerPixelY)));
    widget.setVisible(control.Visible());
    widget.setEnabled(control.Enabled());
    widget.setToolTip(FromWindows1252(control.ToolTipText()));
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, ToQColor(control.BackColor()));
    palette.setColor(QPalette::Window, ToQColor(control.BackColor()));
    palette.setColor(QPalette::Button, ToQColor(control.BackColor()));
    palette.setColor(QPalette::Text, ToQColor(control.ForeColor()));
    palette.setColor(QPalette::WindowText, ToQColor(control.ForeColor()));
    palette.setColor(QPalette::ButtonText, ToQColor(control.ForeColor()));
    widget.setPalette(palette);
    QFont font = widget.font();
    font.setBold(control.FontBold());
    widget.setFont(font);
}

void SyncList(ListControl& list, QListWidget& widget) {
    widget.clear();
    for (int i = 0; i < list.ListCount(); ++i) {
        widget.addItem(FromWindows1252(list.List(i)));
    }
    widget.setCurrentRow(list.ListIndex());
}

void SyncCombo(ComboBox& combo, QComboBox& widget) {
    widget.clear();
    for (int i = 0; i < combo.ListCount(); ++i) {
        widget.addItem(FromWindows1252(combo.List(i)));
    }
    widget.setCurrentIndex(combo.ListIndex());
    if (widget.isEditable()) {
        widget.setEditText(FromWindows1252(combo.Text()));
    }
}

void SyncGrid(Grid& grid, QTableWidget& table, const Screen& screen) {
    if (!grid.Redraw()) {
        return; // drawing is held back while rows are loaded
    }
    table.setColumnCount(grid.Cols());
    table.setRowCount(grid.Rows() - 1);
    for (int col = 0; col < grid.Cols(); ++col) {
        const GridColumn& column = grid.Column(col);
        table.setHorizontalHeaderItem(col, new QTableWidgetItem(FromWindows1252(column.title)));
        table.setColumnWidth(col, Pixels(column.width, screen.twipsPerPixelX));
        table.setColumnHidden(col, column.hidden);
        for (int row = 1; row < grid.Rows(); ++row) {
            auto* item = new QTableWidgetItem(FromWindows1252(grid.TextMatrix(row, col)));
            item->setTextAlignment(ToQtAlignment(column.alignment));
            table.setItem(row - 1, col, item);
        }
    }
    if (grid.Row() > 0) {
        table.selectRow(grid.Row() - 1);
    } else {
        table.clearSelection();
    }
    if (grid.Rows() > 1) {
        table.scrollToItem(table.item(grid.TopRow() - 1, 0), QAbstractItemView::PositionAtTop);
    }
}

} // namespace

TabControlWidget::TabControlWidget(int tabCount, QWidget* parent)
    : QWidget(parent), bar_(new QTabBar(this)) {
    for (int tab = 0; tab < tabCount; ++tab) {
        bar_->addTab(QString());
        pages_.push_back(new QWidget(this));
    }
}

QWidget* TabControlWidget::Page(int tab) const {
    return tab >= 0 && tab < static_cast<int>(pages_.size()) ? pages_[static_cast<std::size_t>(tab)]
                                                             : nullptr;
}

void TabControlWidget::resizeEvent(QResizeEvent*) {
    const int barHeight = bar_->sizeHint().height();
    bar_->setGeometry(0, 0, width(), barHeight);
    for (QWidget* page : pages_) {
        page->setGeometry(0, barHeight, width(), std::max(0, height() - barHeight));
    }
}

QWidget* CreateWidget(Control& control, QWidget* parent) {
    if (dynamic_cast<TextBox*>(&control) != nullptr) {
        return new QLineEdit(parent);
    }
    if (dynamic_cast<Frame*>(&control) != nullptr) {
        return new QGroupBox(parent);
    }
    if (dynamic_cast<Label*>(&control) != nullptr) {
        return new QLabel(parent);
    }
    if (dynamic_cast<CommandButton*>(&control) != nullptr) {
        return new QPushButton(parent);
    }
    if (dynamic_cast<CheckBox*>(&control) != nullptr) {
        auto* box = new QCheckBox(parent);
        box->setTristate(true);
        return box;
    }
    if (dynamic_cast<OptionButton*>(&control) != nullptr) {
        auto* option = new QRadioButton(parent);
        option->setAutoExclusive(false); // the model keeps the group
        return option;
    }
    if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
        auto* widget = new QComboBox(parent);
        widget->setEditable(combo->Style() == vbComboDropdown);
        widget->setInsertPolicy(QComboBox::NoInsert);
        return widget;
    }
    if (dynamic_cast<ListBox*>(&control) != nullptr) {
        return new QListWidget(parent);
    }
    if (dynamic_cast<HScrollBar*>(&control) != nullptr) {
        return new QScrollBar(Qt::Horizontal, parent);
    }
    if (dynamic_cast<PictureBox*>(&control) != nullptr) {
        auto* picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setAutoFillBackground(true);
        return picture;
    }
    if (dynamic_cast<Line*>(&control) != nullptr) {
        return new LineWidget(parent);
    }
    if (auto* tabs = dynamic_cast<TabControl*>(&control)) {
        return new TabControlWidget(tabs->TabCount(), parent);
    }
    if (dynamic_cast<Grid*>(&control) != nullptr) {
        auto* table = new QTableWidget(parent);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
        return table;
    }
    if (dynamic_cast<Resizer*>(&control) != nullptr) {
        return new QWidget(parent);
    }
    return nullptr;
}

void Sync(Control& control, QWidget& widget, const Screen& screen) {
    if (auto* line = dynamic_cast<Line*>(&control)) {
        // The widget spans the line's bounding box, one pixel more each way.
        const int x1 = Pixels(line->X1(), screen.twipsPerPixelX);
        const int y1 = Pixels(line->Y1(), screen.twipsPerPixelY);
        const int x2 = Pixels(line->X2(), screen.twipsPerPixelX);
        const int y2 = Pixels(line->Y2(), screen.twipsPerPixelY);
        const QRect box = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                                QPoint(std::max(x1, x2), std::max(y1, y2)))
                              .adjusted(0, 0, 1, 1);
        widget.setGeometry(box);
        widget.setVisible(line->Visible());
        static_cast<LineWidget&>(widget).SetLine(
            QLine(x1 - box.left(), y1 - box.top(), x2 - box.left(), y2 - box.top()),
            ToQColor(line->BorderColor()), 1);
        return;
    }
    SyncCommon(control, widget, screen);
    if (auto* box = dynamic_cast<TextBox*>(&control)) {
        auto& edit = static_cast<QLineEdit&>(widget);
        const QString text = FromWindows1252(box->Text());
        if (edit.text() != text) {
            edit.setText(text);
        }
        edit.setAlignment(ToQtAlignment(box->GetAlignment()));
        edit.setReadOnly(box->Locked());
        edit.setSelection(box->SelStart(), box->SelLength());
        if (box->SelLength() == 0) {
            edit.setCursorPosition(box->SelStart());
        }
    } else if (auto* frame = dynamic_cast<Frame*>(&control)) {
        static_cast<QGroupBox&>(widget).setTitle(FromWindows1252(frame->Caption()));
    } else if (auto* label = dynamic_cast<Label*>(&control)) {
        auto& qlabel = static_cast<QLabel&>(widget);
        qlabel.setText(WithoutAccessKeys(label->Caption()));
        qlabel.setAlignment(ToQtAlignment(label->GetAlignment()) | Qt::AlignTop);
        qlabel.setWordWrap(true);
    } else if (auto* button = dynamic_cast<CommandButton*>(&control)) {
        static_cast<QPushButton&>(widget).setText(FromWindows1252(button->Caption()));
    } else if (auto* check = dynamic_cast<CheckBox*>(&control)) {
        auto& box = static_cast<QCheckBox&>(widget);
        box.setText(FromWindows1252(check->Caption()));
        box.setCheckState(check->Value() == vbChecked  ? Qt::Checked
                          : check->Value() == vbGrayed ? Qt::PartiallyChecked
                                                       : Qt::Unchecked);
    } else if (auto* option = dynamic_cast<OptionButton*>(&control)) {
        auto& radio = static_cast<QRadioButton&>(widget);
        radio.setText(FromWindows1252(option->Caption()));
        radio.setChecked(option->Value());
    } else if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
        SyncCombo(*combo, static_cast<QComboBox&>(widget));
    } else if (auto* list = dynamic_cast<ListBox*>(&control)) {
        SyncList(*list, static_cast<QListWidget&>(widget));
    } else if (auto* bar = dynamic_cast<HScrollBar*>(&control)) {
        auto& scroll = static_cast<QScrollBar&>(widget);
        scroll.setRange(std::min(bar->Min(), bar->Max()), std::max(bar->Min(), bar->Max()));
        scroll.setSingleStep(bar->SmallChange());
        scroll.setPageStep(bar->LargeChange());
        scroll.setValue(bar->Value());
    } else if (auto* picture = dynamic_cast<PictureBox*>(&control)) {
        QPixmap pixmap;
        const std::string& bytes = picture->GetPicture().Bytes();
        pixmap.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<uint>(bytes.size()));
        static_cast<QLabel&>(widget).setPixmap(pixmap);
    } else if (auto* tabs = dynamic_cast<TabControl*>(&control)) {
        auto& tabWidget = static_cast<TabControlWidget&>(widget);
        QTabBar* bar = tabWidget.Bar();
        for (int tab = 0; tab < tabs->TabCount(); ++tab) {
            bar->setTabText(tab, FromWindows1252(tabs->TabCaption(tab)));
            bar->setTabVisible(tab, tabs->TabVisible(tab));
            bar->setTabEnabled(tab, tabs->TabEnabled(tab));
            tabWidget.Page(tab)->setVisible(tab == tabs->CurrentTab() && tabs->TabVisible(tab));
        }
        bar->setCurrentIndex(tabs->CurrentTab());
        tabWidget.update();
    } else if (auto* grid = dynamic_cast<Grid*>(&control)) {
        SyncGrid(*grid, static_cast<QTableWidget&>(widget), screen);
    }
}

std::vector<QWidget*> InputWidgets(QWidget& widget) {
    std::vector<QWidget*> inputs{&widget};
    if (auto* combo = dynamic_cast<QComboBox*>(&widget); combo != nullptr && combo->lineEdit()) {
        inputs.push_back(combo->lineEdit());
    }
    if (auto* view = dynamic_cast<QAbstractItemView*>(&widget)) {
        inputs.push_back(view->viewport());
    }
    if (auto* tabs = dynamic_cast<TabControlWidget*>(&widget)) {
        inputs.push_back(tabs->Bar());
    }
    return inputs;
}

} // namespace forms::qt
