// The kinds of control the runtime has. Control::Kind names an object's kind; the one dispatch
// on it is Visit (control_visitor.h).
#pragma once

namespace forms {

enum class ControlKind {
    TextBox,
    Label,
    Frame,
    Line,
    Resizer,
    CommandButton,
    CheckBox,
    OptionButton,
    ListBox,
    ComboBox,
    HScrollBar,
    PictureBox,
    TabControl,
    Grid,
    Menu,
    Timer,
    PrintDocumentView,
};

} // namespace forms
