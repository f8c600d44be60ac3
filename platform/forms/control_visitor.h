// The one dispatch on the kind of a control: a visitor with one member per kind. Code that
// treats each kind its own way (the skin, the user's actions, the loader of control tables)
// implements every member, so that a new kind does not compile until each of them says what it
// does with it.
#pragma once

#include "platform/forms/control_kind.h"
#include "platform/forms/controls/check_box.h"
#include "platform/forms/controls/combo_box.h"
#include "platform/forms/controls/command_button.h"
#include "platform/forms/controls/frame.h"
#include "platform/forms/controls/grid.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/line.h"
#include "platform/forms/controls/list_box.h"
#include "platform/forms/controls/menu.h"
#include "platform/forms/controls/option_button.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/controls/print_document_view.h"
#include "platform/forms/controls/resizer.h"
#include "platform/forms/controls/scroll_bar.h"
#include "platform/forms/controls/tab_control.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/controls/timer.h"

#include <cstdlib>

namespace forms {

template <class Result>
class ControlVisitor {
public:
    virtual ~ControlVisitor() = default;

    virtual Result operator()(TextBox& control) = 0;
    virtual Result operator()(Label& control) = 0;
    virtual Result operator()(Frame& control) = 0;
    virtual Result operator()(Line& control) = 0;
    virtual Result operator()(Resizer& control) = 0;
    virtual Result operator()(CommandButton& control) = 0;
    virtual Result operator()(CheckBox& control) = 0;
    virtual Result operator()(OptionButton& control) = 0;
    virtual Result operator()(ListBox& control) = 0;
    virtual Result operator()(ComboBox& control) = 0;
    virtual Result operator()(HScrollBar& control) = 0;
    virtual Result operator()(PictureBox& control) = 0;
    virtual Result operator()(TabControl& control) = 0;
    virtual Result operator()(Grid& control) = 0;
    virtual Result operator()(Menu& control) = 0;
    virtual Result operator()(Timer& control) = 0;
    virtual Result operator()(PrintDocumentView& control) = 0;
};

// Calls the visitor's member for the control's kind.
template <class Result>
Result Visit(Control& control, ControlVisitor<Result>& visitor) {
    // No default: a kind missing here is a compile error (-Wswitch).
    switch (control.Kind()) {
    case ControlKind::TextBox:
        return visitor(static_cast<TextBox&>(control));
    case ControlKind::Label:
        return visitor(static_cast<Label&>(control));
    case ControlKind::Frame:
        return visitor(static_cast<Frame&>(control));
    case ControlKind::Line:
        return visitor(static_cast<Line&>(control));
    case ControlKind::Resizer:
        return visitor(static_cast<Resizer&>(control));
    case ControlKind::CommandButton:
        return visitor(static_cast<CommandButton&>(control));
    case ControlKind::CheckBox:
        return visitor(static_cast<CheckBox&>(control));
    case ControlKind::OptionButton:
        return visitor(static_cast<OptionButton&>(control));
    case ControlKind::ListBox:
        return visitor(static_cast<ListBox&>(control));
    case ControlKind::ComboBox:
        return visitor(static_cast<ComboBox&>(control));
    case ControlKind::HScrollBar:
        return visitor(static_cast<HScrollBar&>(control));
    case ControlKind::PictureBox:
        return visitor(static_cast<PictureBox&>(control));
    case ControlKind::TabControl:
        return visitor(static_cast<TabControl&>(control));
    case ControlKind::Grid:
        return visitor(static_cast<Grid&>(control));
    case ControlKind::Menu:
        return visitor(static_cast<Menu&>(control));
    case ControlKind::Timer:
        return visitor(static_cast<Timer&>(control));
    case ControlKind::PrintDocumentView:
        return visitor(static_cast<PrintDocumentView&>(control));
    }
    // Only a corrupted kind value comes here.
    std::abort();
}

} // namespace forms
