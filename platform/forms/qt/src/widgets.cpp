#include "platform/forms/qt/src/widgets.h"

#include "platform/forms/application.h"
#include "platform/forms/control_visitor.h"
#include "platform/forms/qt/src/access_key_widgets.h"
#include "platform/forms/qt/src/focus_frame.h"
#include "platform/forms/qt/src/print_document_widget.h"
#include "platform/forms/qt/src/resizer_widget.h"
#include "platform/qt/text.h"

#include <QByteArray>
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
#include <QVariant>

#include <algorithm>

namespace forms::qt {

using qtkit::FromWindows1252;

namespace {

// The property of a picture box's widget that holds the picture's bytes it shows.
constexpr const char* kShownPicture = "tallowmerePicture";

Qt::Alignment ToHorizontalAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Center:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

Qt::Alignment ToQtAlignment(Alignment alignment) {
    return ToHorizontalAlignment(alignment) | Qt::AlignVCenter;
}

// A button's caption with its access key underlined. Qt would make the "&" a shortcut of its
// own that clicks behind the model's back; the skin's key handling sends Alt with the key to
// the model instead.
void SetButtonCaption(QAbstractButton& button, const std::string& caption) {
    button.setText(FromWindows1252(caption));
    button.setShortcut(QKeySequence());
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

// Labels and lines have no window of their own in the runtime: they are drawn on their
// container, under its other controls.
bool IsWindowless(const Control& control) {
    return control.Kind() == ControlKind::Label || control.Kind() == ControlKind::Line;
}

bool IsWindowlessWidget(QWidget& widget) {
    return dynamic_cast<AccessKeyLabel*>(&widget) != nullptr ||
           dynamic_cast<LineWidget*>(&widget) != nullptr;
}

void SyncCommon(const Control& control, QWidget& widget, const Screen& screen) {
    widget.setGeometry(Pixels(control.Left(), screen.twipsPerPixelX),
                       Pixels(control.Top(), screen.twipsPerPixelY),
                       std::max(1, Pixels(control.Width(), screen.twipsPerPixelX)),
                       std::max(1, Pixels(control.Height(), screen.twipsPerPixelY)));
    widget.setVisible(control.Visible());
    widget.setEnabled(control.Enabled());
    widget.setToolTip(FromWindows1252(control.ToolTipText()));
    // The control's colours while it is enabled; disabled, it keeps its ground and greys its
    // text, so that the style draws it as disabled. The box of a check box or option button is
    // the window colour whatever the control's ground, as the system draws it, and takes the
    // ground only while the control is disabled: a box in the ground's grey looks switched off.
    QPalette palette = widget.palette();
    const QColor back = ToQColor(control.BackColor());
    const QColor fore = ToQColor(control.ForeColor());
    const QColor grey = ToQColor(Color::kGrayText);
    const bool hasBox =
        control.Kind() == ControlKind::CheckBox || control.Kind() == ControlKind::OptionButton;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const QColor text = disabled ? grey : fore;
        const QColor base = hasBox && !disabled ? ToQColor(Color::kWindowBackground) : back;
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Window, back);
        palette.setColor(group, QPalette::Button, back);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::ButtonText, text);
    }
    widget.setPalette(palette);
    QFont font = widget.font();
    font.setBold(control.FontBold());
    widget.setFont(font);
}

QPixmap ToQPixmap(const Picture& picture) {
    QPixmap pixmap;
    pixmap.loadFromData(reinterpret_cast<const uchar*>(picture.Bytes().data()),
                        static_cast<uint>(picture.Bytes().size()));
    return pixmap;
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
        if (grid.Row() > 0) {
            table.scrollToItem(table.item(grid.Row() - 1, 0), QAbstractItemView::EnsureVisible);
        }
    }
}

// The widget of each kind.
class WidgetFactory final : public ControlVisitor<QWidget*> {
public:
    explicit WidgetFactory(QWidget* parent) : parent_(parent) {}

    QWidget* operator()(TextBox&) override { return new QLineEdit(parent_); }
    QWidget* operator()(Label&) override { return new AccessKeyLabel(parent_); }
    QWidget* operator()(Frame&) override { return new AccessKeyGroupBox(parent_); }
    QWidget* operator()(Line&) override { return new LineWidget(parent_); }
    QWidget* operator()(Resizer&) override { return new ResizerWidget(parent_); }
    QWidget* operator()(CommandButton&) override { return new FocusFramed<QPushButton>(parent_); }
    QWidget* operator()(CheckBox&) override {
        auto* box = new QCheckBox(parent_);
        box->setTristate(true);
        return box;
    }
    QWidget* operator()(OptionButton&) override {
        // Exclusive, so that the accessibility bus tells it as a radio button; the model keeps
        // the group, and SyncWidget lifts the exclusion while it sets the state.
        return new QRadioButton(parent_);
    }
    QWidget* operator()(ListBox&) override { return new QListWidget(parent_); }
    QWidget* operator()(ComboBox& combo) override {
        auto* widget = new QComboBox(parent_);
        widget->setEditable(combo.Style() == vbComboDropdown);
        widget->setInsertPolicy(QComboBox::NoInsert);
        return widget;
    }
    QWidget* operator()(HScrollBar&) override {
        return new FocusFramed<QScrollBar>(Qt::Horizontal, parent_);
    }
    QWidget* operator()(PictureBox&) override {
        auto* picture = new FocusFramed<QLabel>(parent_);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setAutoFillBackground(true);
        return picture;
    }
    QWidget* operator()(TabControl& tabs) override {
        return new TabControlWidget(tabs.TabCount(), parent_);
    }
    QWidget* operator()(Grid&) override {
        auto* table = new QTableWidget(parent_);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
        return table;
    }
    QWidget* operator()(Menu&) override { return nullptr; }
    QWidget* operator()(Timer&) override { return nullptr; }
    QWidget* operator()(PrintDocumentView&) override { return new PrintDocumentWidget(parent_); }

private:
    QWidget* parent_;
};

// Each kind's own properties onto its widget, after the common ones.
class WidgetSync final : public ControlVisitor<void> {
public:
    WidgetSync(QWidget& widget, const Screen& screen) : widget_(widget), screen_(screen) {}

    void operator()(TextBox& box) override {
        SyncCommon(box, widget_, screen_);
        auto& edit = static_cast<QLineEdit&>(widget_);
        const QString text = FromWindows1252(box.Text());
        if (edit.text() != text) {
            edit.setText(text);
        }
        edit.setAlignment(ToQtAlignment(box.GetAlignment()));
        edit.setReadOnly(box.Locked());
        // Qt's selection runs from its anchor to the cursor, as the model's does.
        const int start = box.SelStart();
        const int length = box.SelLength();
        if (length == 0) {
            edit.setCursorPosition(start);
        } else if (box.CaretPosition() == start) {
            edit.setSelection(start + length, -length);
        } else {
            edit.setSelection(start, length);
        }
    }
    void operator()(Label& label) override {
        SyncCommon(label, widget_, screen_);
        auto& qlabel = static_cast<AccessKeyLabel&>(widget_);
        qlabel.SetCaption(FromWindows1252(label.Caption()));
        qlabel.setAlignment(ToHorizontalAlignment(label.GetAlignment()) | Qt::AlignTop);
        qlabel.setWordWrap(true);
    }
    void operator()(Frame& frame) override {
        SyncCommon(frame, widget_, screen_);
        static_cast<AccessKeyGroupBox&>(widget_).SetCaption(FromWindows1252(frame.Caption()));
    }
    void operator()(Line& line) override {
        // The widget spans the line's bounding box, one pixel more each way.
        const int x1 = Pixels(line.X1(), screen_.twipsPerPixelX);
        const int y1 = Pixels(line.Y1(), screen_.twipsPerPixelY);
        const int x2 = Pixels(line.X2(), screen_.twipsPerPixelX);
        const int y2 = Pixels(line.Y2(), screen_.twipsPerPixelY);
        const QRect box = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                                QPoint(std::max(x1, x2), std::max(y1, y2)))
                              .adjusted(0, 0, 1, 1);
        widget_.setGeometry(box);
        widget_.setVisible(line.Visible());
        static_cast<LineWidget&>(widget_).SetLine(
            QLine(x1 - box.left(), y1 - box.top(), x2 - box.left(), y2 - box.top()),
            ToQColor(line.BorderColor()), 1);
    }
    void operator()(Resizer& resizer) override { SyncCommon(resizer, widget_, screen_); }
    void operator()(CommandButton& button) override {
        SyncCommon(button, widget_, screen_);
        auto& push = static_cast<QPushButton&>(widget_);
        SetButtonCaption(push, button.Caption());
        // Drawn with the default button's frame; Enter reaches it through the model.
        push.setDefault(button.Default());
    }
    void operator()(CheckBox& check) override {
        SyncCommon(check, widget_, screen_);
        auto& box = static_cast<QCheckBox&>(widget_);
        SetButtonCaption(box, check.Caption());
        box.setCheckState(check.Value() == vbChecked  ? Qt::Checked
                          : check.Value() == vbGrayed ? Qt::PartiallyChecked
                                                      : Qt::Unchecked);
    }
    void operator()(OptionButton& option) override {
        SyncCommon(option, widget_, screen_);
        auto& radio = static_cast<QRadioButton&>(widget_);
        SetButtonCaption(radio, option.Caption());
        // Qt refuses to clear the one chosen button of an exclusive group itself; the model's
        // group may have none chosen.
        radio.setAutoExclusive(false);
        radio.setChecked(option.Value());
        radio.setAutoExclusive(true);
    }
    void operator()(ListBox& list) override {
        SyncCommon(list, widget_, screen_);
        SyncList(list, static_cast<QListWidget&>(widget_));
    }
    void operator()(ComboBox& combo) override {
        SyncCommon(combo, widget_, screen_);
        SyncCombo(combo, static_cast<QComboBox&>(widget_));
    }
    void operator()(HScrollBar& bar) override {
        SyncCommon(bar, widget_, screen_);
        auto& scroll = static_cast<QScrollBar&>(widget_);
        scroll.setRange(std::min(bar.Min(), bar.Max()), std::max(bar.Min(), bar.Max()));
        scroll.setSingleStep(bar.SmallChange());
        scroll.setPageStep(bar.LargeChange());
        scroll.setValue(bar.Value());
    }
    void operator()(PictureBox& picture) override {
        SyncCommon(picture, widget_, screen_);
        // The picture is decoded when it changes, not at every change of the box (a move, a
        // resize): the bytes shown last are kept with the widget.
        const std::string& bytes = picture.GetPicture().Bytes();
        const QByteArray shown = widget_.property(kShownPicture).toByteArray();
        if (shown.size() == static_cast<qsizetype>(bytes.size()) &&
            std::equal(bytes.begin(), bytes.end(), shown.begin())) {
            return;
        }
        static_cast<QLabel&>(widget_).setPixmap(ToQPixmap(picture.GetPicture()));
        widget_.setProperty(kShownPicture,
                            QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
    void operator()(TabControl& tabs) override {
        SyncCommon(tabs, widget_, screen_);
        auto& tabWidget = static_cast<TabControlWidget&>(widget_);
        AccessKeyTabBar* bar = tabWidget.Bar();
        for (int tab = 0; tab < tabs.TabCount(); ++tab) {
            bar->SetTabCaption(tab, FromWindows1252(tabs.TabCaption(tab)));
            bar->setTabVisible(tab, tabs.TabVisible(tab));
            bar->setTabEnabled(tab, tabs.TabEnabled(tab));
            tabWidget.Page(tab)->setVisible(tab == tabs.CurrentTab() && tabs.TabVisible(tab));
        }
        bar->setCurrentIndex(tabs.CurrentTab());
        tabWidget.update();
    }
    void operator()(Grid& grid) override {
        SyncCommon(grid, widget_, screen_);
        SyncGrid(grid, static_cast<QTableWidget&>(widget_), screen_);
    }
    void operator()(Menu&) override {}
    void operator()(Timer&) override {}
    void operator()(PrintDocumentView& view) override {
        SyncCommon(view, widget_, screen_);
        static_cast<PrintDocumentWidget&>(widget_).Show(view.Pages(), view.StatusText());
    }

private:
    QWidget& widget_;
    const Screen& screen_;
};

} // namespace

QIcon ToQIcon(const Picture& picture) {
    return picture.IsEmpty() ? QIcon() : QIcon(ToQPixmap(picture));
}

QColor ToQColor(Color color) {
    const std::uint32_t rgb = ResolveColor(color);
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

TabControlWidget::TabControlWidget(int tabCount, QWidget* parent)
    : QWidget(parent), bar_(new AccessKeyTabBar(this)) {
    // The focus of the tab control is the bar's, which marks the current tab.
    setFocusProxy(bar_);
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
    WidgetFactory factory(parent);
    QWidget* widget = Visit(control, factory);
    if (widget != nullptr && IsWindowless(control)) {
        // Labels and lines are drawn on their container, under every control of their own
        // there, whichever was made first; among themselves the later one lies on top.
        for (QObject* sibling : parent->children()) {
            auto* other = qobject_cast<QWidget*>(sibling);
            if (other != nullptr && other != widget && !IsWindowlessWidget(*other)) {
                widget->stackUnder(other);
                break;
            }
        }
    }
    return widget;
}

void SyncWidget(Control& control, QWidget& widget, const Screen& screen) {
    WidgetSync sync(widget, screen);
    Visit(control, sync);
}

} // namespace forms::qt
