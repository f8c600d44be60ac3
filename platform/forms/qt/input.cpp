// The skin's input: mouse, keys, the clipboard, drops and input methods on the controls'
// widgets, each turned into a user action of the model (user_actions.h). Qt never edits a text
// itself: a text box's caret and selection, its context menu and what is dropped on it all go
// through the model, which filters them as typing.
#include "platform/forms/control_visitor.h"
#include "platform/forms/keys.h"
#include "platform/forms/qt/skin.h"
#include "platform/forms/qt/src/access_key_widgets.h"
#include "platform/forms/qt/src/widgets.h"
#include "platform/forms/user_actions.h"
#include "platform/qt/text.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>

namespace forms::qt {

using qtkit::FromWindows1252;
using qtkit::HoldsInWindows1252;
using qtkit::ToWindows1252;

namespace {

// What the user's mouse and keys do to a control's widget.
enum class InputRole {
    Click,         // press and release on it: a click (buttons, labels, frames, pictures)
    EditText,      // a text box: the model keeps caret, selection and text
    EditCombo,     // a combo box: Qt opens the list; its edit line's text goes through the model
    Slide,         // a scroll bar: Qt moves the thumb, the model takes the value
    ChooseTab,     // a tab bar
    ChooseListRow, // a list's rows
    ChooseGridRow, // a grid's rows
    None,          // nothing to do (lines, resizers; menus and timers have no widget)
};

class InputRoleOf final : public ControlVisitor<InputRole> {
public:
    InputRole operator()(TextBox&) override { return InputRole::EditText; }
    InputRole operator()(Label&) override { return InputRole::Click; }
    InputRole operator()(Frame&) override { return InputRole::Click; }
    InputRole operator()(Line&) override { return InputRole::None; }
    InputRole operator()(Resizer&) override { return InputRole::None; }
    InputRole operator()(CommandButton&) override { return InputRole::Click; }
    InputRole operator()(CheckBox&) override { return InputRole::Click; }
    InputRole operator()(OptionButton&) override { return InputRole::Click; }
    InputRole operator()(ListBox&) override { return InputRole::ChooseListRow; }
    InputRole operator()(ComboBox&) override { return InputRole::EditCombo; }
    InputRole operator()(HScrollBar&) override { return InputRole::Slide; }
    InputRole operator()(PictureBox&) override { return InputRole::Click; }
    InputRole operator()(TabControl&) override { return InputRole::ChooseTab; }
    InputRole operator()(Grid&) override { return InputRole::ChooseGridRow; }
    InputRole operator()(Menu&) override { return InputRole::None; }
    InputRole operator()(Timer&) override { return InputRole::None; }
    InputRole operator()(PrintDocumentView&) override { return InputRole::None; }
};

InputRole RoleOf(Control& control) {
    InputRoleOf role;
    return Visit(control, role);
}

bool IsEdit(InputRole role) {
    return role == InputRole::EditText || role == InputRole::EditCombo;
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
    return ((modifiers & Qt::ShiftModifier) != 0 ? vbShiftMask : 0) |
           ((modifiers & Qt::ControlModifier) != 0 ? vbCtrlMask : 0) |
           ((modifiers & Qt::AltModifier) != 0 ? vbAltMask : 0);
}

// The key code of a key that types no character, 0 for the others.
int KeyCodeOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        return vbKeyLeft;
    case Qt::Key_Right:
        return vbKeyRight;
    case Qt::Key_Up:
        return vbKeyUp;
    case Qt::Key_Down:
        return vbKeyDown;
    case Qt::Key_Home:
        return vbKeyHome;
    case Qt::Key_End:
        return vbKeyEnd;
    case Qt::Key_Delete:
        return vbKeyDelete;
    default:
        return 0;
    }
}

// The access key of Alt with a key: a letter as its capital, 0 for a key that types nothing.
char AccessKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return static_cast<char>(key);
    }
    const std::string text = ToWindows1252(event.text().toUpper());
    return text.size() == 1 && static_cast<unsigned char>(text[0]) >= 32 ? text[0] : 0;
}

// What a field says when the user offers it text that Windows-1252 cannot hold: which
// characters it can hold.
constexpr const char* kOnlyWindows1252 =
    "This field can hold only the characters of the Western European (Windows-1252) "
    "character set: the letters A to Z and their accented forms such as \xE9, \xF1, \xFC, "
    "\xF8 and \xDF, digits, punctuation and signs such as \x80 and \xA9.\r\n\r\n"
    "What was typed or pasted holds other characters and was not entered.";

// The part of a pasted or dropped text that a single-line field takes: its first line.
QString FirstLine(const QString& text) {
    const qsizetype end = text.indexOf(QRegularExpression("[\r\n]"));
    return end < 0 ? text : text.left(end);
}

// The character position under a point of a text box's line edit.
int CharacterAt(QWidget& widget, QPointF at) {
    return static_cast<QLineEdit&>(widget).cursorPositionAt(at.toPoint());
}

} // namespace

void Skin::TakeInputFrom(QWidget& input, Control& control) {
    controlsByWidget_[&input] = &control;
    input.installEventFilter(this);
    input.setFocusPolicy(Qt::ClickFocus);
}

void Skin::WireInput(Control& control, QWidget& widget) {
    TakeInputFrom(widget, control);
    switch (RoleOf(control)) {
    case InputRole::EditText:
        widget.setAcceptDrops(true);
        break;
    case InputRole::EditCombo: {
        auto& combo = static_cast<QComboBox&>(widget);
        if (combo.lineEdit() != nullptr) {
            TakeInputFrom(*combo.lineEdit(), control);
            combo.lineEdit()->setAcceptDrops(true);
        }
        auto* list = static_cast<ListControl*>(&control);
        QObject::connect(&combo, &QComboBox::activated, this, [this, list](int index) {
            if (!syncing_) {
                Act([&] { user::ChooseItem(*list, index); });
                ControlChanged(*list);
            }
        });
        break;
    }
    case InputRole::Slide: {
        auto& scroll = static_cast<QScrollBar&>(widget);
        auto* bar = static_cast<HScrollBar*>(&control);
        QObject::connect(&scroll, &QAbstractSlider::actionTriggered, this,
                         [this, &scroll, bar](int) {
                             if (!syncing_) {
                                 // Qt has computed where the user moved the thumb; the model takes
                                 // it from here.
                                 Act([&] { user::Scroll(*bar, scroll.sliderPosition()); });
                                 ControlChanged(*bar);
                             }
                         });
        break;
    }
    case InputRole::ChooseTab:
        TakeInputFrom(*static_cast<TabControlWidget&>(widget).Bar(), control);
        break;
    case InputRole::ChooseListRow:
    case InputRole::ChooseGridRow:
        TakeInputFrom(*static_cast<QAbstractItemView&>(widget).viewport(), control);
        break;
    case InputRole::Click:
    case InputRole::None:
        break;
    }
}

bool Skin::eventFilter(QObject* watched, QEvent* event) {
    if (const auto form = formsByWindow_.find(watched); form != formsByWindow_.end()) {
        return HandleWindowEvent(*form->second, *event);
    }
    const auto found = controlsByWidget_.find(watched);
    if (found == controlsByWidget_.end() || syncing_) {
        return false;
    }
    Control& control = *found->second;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        return HandleKey(&control, static_cast<QKeyEvent&>(*event));
    case QEvent::KeyRelease:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return HandleMouse(control, *widget, static_cast<QMouseEvent&>(*event));
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
        return HandleEditEvent(control, *widget, *event);
    default:
        return false;
    }
}

bool Skin::HandleKey(Control* control, QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & Qt::AltModifier) != 0 && (modifiers & Qt::ControlModifier) == 0) {
        // The menu bar has taken the keys of its menus before this; the rest are the controls'.
        if (const char key = AccessKeyOf(event); key != 0) {
            Act([&] { user::PressAccessKey(app_, key); });
            return true;
        }
    }
    if (control != nullptr && HandleClipboardKey(*control, event)) {
        return true;
    }
    switch (event.key()) {
    case Qt::Key_Tab:
        Act([&] { user::PressTab(app_, (event.modifiers() & Qt::ShiftModifier) != 0); });
        return true;
    case Qt::Key_Backtab:
        Act([&] { user::PressTab(app_, true); });
        return true;
    case Qt::Key_Backspace:
        Act([&] { user::TypeKey(app_, '\b'); });
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Act([&] { user::TypeKey(app_, '\r'); });
        return true;
    case Qt::Key_Escape:
        Act([&] { user::TypeKey(app_, 27); });
        return true;
    default:
        break;
    }
    if (const int keyCode = KeyCodeOf(event.key()); keyCode != 0) {
        Act([&] { user::PressKey(app_, keyCode, ShiftOf(event.modifiers())); });
        return true;
    }
    if (!HoldsInWindows1252(event.text())) {
        if (control != nullptr) {
            RefuseText(*control);
        }
        return true;
    }
    for (char c : ToWindows1252(event.text())) {
        const auto key = static_cast<unsigned char>(c);
        if (key >= 32) {
            Act([&] { user::TypeKey(app_, key); });
        }
    }
    // Qt keeps no key for itself: function keys and the like do nothing.
    return true;
}

bool Skin::HandleClipboardKey(Control& control, QKeyEvent& event) {
    if (event.matches(QKeySequence::Paste)) {
        PasteClipboard(control);
        return true;
    }
    if (event.matches(QKeySequence::Copy)) {
        CopySelection(control);
        return true;
    }
    if (event.matches(QKeySequence::Cut) || event.matches(QKeySequence::SelectAll)) {
        if (RoleOf(control) == InputRole::EditText) {
            auto& box = static_cast<TextBox&>(control);
            if (event.matches(QKeySequence::Cut)) {
                CutSelection(box);
            } else {
                SelectAll(box);
            }
        }
        return true;
    }
    return false;
}

bool Skin::HandleMouse(Control& control, QWidget& widget, QMouseEvent& event) {
    const InputRole role = RoleOf(control);
    if (role == InputRole::EditText) {
        return HandleTextMouse(static_cast<TextBox&>(control), widget, event);
    }
    const bool press =
        event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick;
    const QPoint at = event.position().toPoint();
    switch (role) {
    case InputRole::Click:
        // The left button's press focuses the control and holds while the focus stays; its
        // release inside clicks. A LostFocus handler that takes the focus back cancels the press.
        if (event.button() != Qt::LeftButton) {
            return true;
        }
        if (press) {
            if (control.TakesFocus()) {
                Act([&] { user::Focus(control); });
            }
            const bool held = !control.TakesFocus() || app_.ActiveControl() == &control;
            pressed_ = held ? &control : nullptr;
        } else if (event.type() == QEvent::MouseButtonRelease) {
            const bool held = pressed_ == &control;
            pressed_ = nullptr;
            if (held && widget.rect().contains(at)) {
                Act([&] { user::Click(control); });
            }
        }
        return true;
    case InputRole::ChooseTab:
        if (auto* bar = qobject_cast<QTabBar*>(&widget); bar != nullptr && press) {
            const int tab = bar->tabAt(at);
            if (tab >= 0) {
                Act([&] { user::ChooseTab(static_cast<TabControl&>(control), tab); });
            }
            return true;
        }
        return false;
    case InputRole::ChooseListRow:
    case InputRole::ChooseGridRow: {
        if (!press) {
            return false;
        }
        int row = -1;
        if (role == InputRole::ChooseListRow) {
            auto* view = qobject_cast<QAbstractItemView*>(widget.parentWidget());
            row = view != nullptr ? view->indexAt(at).row() : -1;
        } else {
            auto* table = qobject_cast<QTableWidget*>(widget.parentWidget());
            row = table != nullptr ? table->rowAt(at.y()) : -1;
        }
        Act([&] {
            if (row < 0) {
                user::Focus(control);
            } else if (role == InputRole::ChooseListRow) {
                user::ChooseItem(static_cast<ListBox&>(control), row);
            } else {
                user::SelectGridRow(static_cast<Grid&>(control), row + 1);
            }
        });
        return true;
    }
    case InputRole::EditCombo:
    case InputRole::Slide:
        // Qt opens the list or moves the thumb; the model hears of the outcome through
        // activated and actionTriggered.
        if (press) {
            Act([&] { user::Focus(control); });
        }
        return false;
    case InputRole::EditText:
    case InputRole::None:
        break;
    }
    return event.type() != QEvent::MouseMove;
}

bool Skin::HandleTextMouse(TextBox& box, QWidget& widget, QMouseEvent& event) {
    const bool left = (event.buttons() & Qt::LeftButton) != 0;
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        enteringPress_ = {};
        if (event.button() == Qt::LeftButton) {
            const int position = CharacterAt(widget, event.position());
            const bool extend = (event.modifiers() & Qt::ShiftModifier) != 0;
            const bool entering = app_.ActiveControl() != &box;
            Act([&] { user::ClickText(box, position, extend); });
            if (entering && app_.ActiveControl() == &box) {
                enteringPress_ = {&box, position};
            }
        } else {
            Act([&] { user::Focus(box); });
        }
        return true;
    case QEvent::MouseMove:
        if (left && app_.ActiveControl() == &box) {
            const int position = CharacterAt(widget, event.position());
            if (enteringPress_.box == &box) {
                // The press that entered the box left its entry selection; a drag selects from
                // where it began once the pointer reaches another character.
                if (position == enteringPress_.position) {
                    return true;
                }
                const int from = enteringPress_.position;
                enteringPress_ = {};
                Act([&] { user::PlaceCaret(box, from); });
            }
            Act([&] { user::PlaceCaret(box, position, /*extend*/ true); });
        }
        return true;
    default:
        enteringPress_ = {};
        // The release too: Qt would paste the selection clipboard on a middle release.
        return true;
    }
}

bool Skin::HandleEditEvent(Control& control, QWidget& widget, QEvent& event) {
    const InputRole role = RoleOf(control);
    if (!IsEdit(role)) {
        return false;
    }
    switch (event.type()) {
    case QEvent::ContextMenu:
        ShowEditMenu(control, widget, static_cast<QContextMenuEvent&>(event).globalPos());
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto& drag = static_cast<QDragMoveEvent&>(event);
        if (drag.mimeData()->hasText()) {
            drag.acceptProposedAction();
        } else {
            drag.ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto& drop = static_cast<QDropEvent&>(event);
        if (!drop.mimeData()->hasText()) {
            return true;
        }
        if (!HoldsInWindows1252(FirstLine(drop.mimeData()->text()))) {
            drop.ignore();
            RefuseText(control);
            return true;
        }
        const std::string text = ToWindows1252(drop.mimeData()->text());
        const int position = role == InputRole::EditText ? CharacterAt(widget, drop.position()) : 0;
        Act([&] {
            if (role == InputRole::EditText) {
                user::PlaceCaret(static_cast<TextBox&>(control), position);
            } else {
                user::Focus(control);
            }
            user::Paste(app_, text);
        });
        drop.acceptProposedAction();
        return true;
    }
    case QEvent::InputMethod: {
        const QString committed = static_cast<QInputMethodEvent&>(event).commitString();
        if (!HoldsInWindows1252(committed)) {
            RefuseText(control);
            return true;
        }
        const std::string text = ToWindows1252(committed);
        for (char c : text) {
            Act([&] { user::TypeKey(app_, static_cast<unsigned char>(c)); });
        }
        return true;
    }
    default:
        return false;
    }
}

void Skin::PasteClipboard(Control& control) {
    const QString pasted = QGuiApplication::clipboard()->text();
    if (!HoldsInWindows1252(FirstLine(pasted))) {
        RefuseText(control);
        return;
    }
    const std::string text = ToWindows1252(pasted);
    Act([&] {
        if (app_.ActiveControl() != &control) {
            user::Focus(control);
        }
        user::Paste(app_, text);
    });
}

void Skin::RefuseText(Control& control) {
    Act([&] {
        if (app_.ActiveControl() != &control) {
            user::Focus(control);
        }
        app_.Beep();
        if (IsEdit(RoleOf(control)) && refusalToldTo_ != &control) {
            refusalToldTo_ = &control;
            app_.MsgBox(kOnlyWindows1252, vbOKOnly + vbExclamation);
        }
    });
}

void Skin::CopySelection(Control& control) {
    const InputRole role = RoleOf(control);
    if (IsEdit(role)) {
        const std::string text = role == InputRole::EditText
                                     ? static_cast<TextBox&>(control).SelText()
                                     : static_cast<ComboBox&>(control).Text();
        if (!text.empty()) {
            QGuiApplication::clipboard()->setText(FromWindows1252(text));
        }
    }
}

void Skin::CutSelection(TextBox& box) {
    CopySelection(box);
    Act([&] { user::DeleteSelection(box); });
}

void Skin::SelectAll(TextBox& box) {
    Act([&] {
        user::PlaceCaret(box, 0);
        user::PlaceCaret(box, static_cast<int>(box.Text().size()), /*extend*/ true);
    });
}

void Skin::ShowEditMenu(Control& control, QWidget& widget, const QPoint& at) {
    // The edit menu of Qt's own would change the text behind the model's back; this one asks
    // the model for each of its commands.
    auto* menu = new QMenu(&widget);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool hasClipboardText = !QGuiApplication::clipboard()->text().isEmpty();
    if (RoleOf(control) == InputRole::EditText) {
        auto& box = static_cast<TextBox&>(control);
        const bool selected = box.SelLength() > 0;
        const bool editable = !box.Locked();
        menu->addAction("Cu&t", this, [this, &box] { CutSelection(box); })
            ->setEnabled(selected && editable);
        menu->addAction("&Copy", this, [this, &box] { CopySelection(box); })->setEnabled(selected);
        menu->addAction("&Paste", this, [this, &box] { PasteClipboard(box); })
            ->setEnabled(editable && hasClipboardText);
        menu->addAction("&Delete", this, [this, &box] { Act([&] { user::DeleteSelection(box); }); })
            ->setEnabled(selected && editable);
        menu->addSeparator();
        menu->addAction("Select &All", this, [this, &box] { SelectAll(box); })
            ->setEnabled(!box.Text().empty());
    } else {
        menu->addAction("&Copy", this, [this, &control] { CopySelection(control); });
        menu->addAction("&Paste", this, [this, &control] { PasteClipboard(control); })
            ->setEnabled(hasClipboardText);
    }
    menu->popup(at);
}

} // namespace forms::qt
