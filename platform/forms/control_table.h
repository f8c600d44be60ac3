// A form's controls declared as data: one row per control, created on the form by one loader
// called from the form's constructor:
//
//   using K = forms::ControlKind;
//   constexpr forms::ControlRow kControls[] = {
//       // name     kind      container  tab  position               caption
//       {"TabOne1", K::TabControl, "",   -1,  {120, 120, 9000, 6000}, "&Plan|&Report"},
//       {"lblName", K::Label, "TabOne1",  0,  {240, 240, 1500, 300},  "&Name"},
//   };
//   forms::LoadControls(*this, kControls);
//
// A window's whole design can be one table: a row may name a control the form already has, a
// member or an element of one of its control arrays ("txtInput(3)"), which the loader then places
// instead of creating (ExistingNames::Placed), menus, timers and tab controls among them. A
// window that declares every control it has loads with ExistingNames::Required, so that a row
// it lacks is refused. The rows' order is then the window's tab order.
#pragma once

#include "platform/forms/alignment.h"
#include "platform/forms/control_kind.h"

#include <span>
#include <string_view>
#include <vector>

namespace forms {

class Control;
class Form;

struct ControlPosition {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ControlRow {
    // Rows are written as braced lists; what a row leaves out takes the defaults below.
    constexpr ControlRow(std::string_view name, ControlKind kind, std::string_view container,
                         int tab, ControlPosition position, std::string_view caption = {},
                         int tabIndex = -1, Alignment alignment = Alignment::Left,
                         std::string_view toolTip = {})
        : name(name), kind(kind), container(container), tab(tab), position(position),
          caption(caption), tabIndex(tabIndex), alignment(alignment), toolTip(toolTip) {}

    std::string_view name;
    ControlKind kind;
    // The frame, picture box, resizer or tab control that holds the control, named by an
    // earlier row or a control already on the form ("Frame1(2)" for an array element); for a
    // menu item, its menu (a menu the form has names the parent it was made with). Empty: the
    // form.
    std::string_view container;
    // The page when the container is a tab control, else -1.
    int tab;
    // Twips. A line runs from (left, top) to (left + width, top + height); menus and timers
    // have no place.
    ControlPosition position;
    // The caption of a label, frame, button or menu; the starting text of a text box or combo
    // box; the tab captions of a tab control separated by "|" (which also give the tab count,
    // the count a tab control the form has was made with). A control the row places keeps its
    // own when the row gives none; a tab control's row always gives its tabs.
    std::string_view caption;
    // -1: the row's place in the table, after every control the form had before it.
    int tabIndex;
    // Of the text in a text box or label.
    Alignment alignment;
    std::string_view toolTip;
};

// What a row that names a control the form already has does, and what one that names none does.
enum class ExistingNames {
    Refused,  // a row names a new control, which the loader creates
    Placed,   // a row places the form's control of its name, or creates one the form lacks
    Required, // a row places the form's control of its name; one the form lacks is refused
};

// Creates the rows' controls on `form`, which owns them (or, with ExistingNames::Placed or
// Required, places the controls the form already has under those names), and returns every
// row's control in row order. Call it from the form's constructor, so that the values become the
// design values. A row whose name is empty, named twice, taken (with Refused), unknown (with
// Required), an array element the form lacks, or a control of another kind; that places a menu
// under another parent menu than its own, or a tab control with another number of tabs; whose
// container is unknown or cannot hold controls; whose tab is not a page of its container; whose
// kind has no caption, alignment or tool tip while the row gives one raises
// std::invalid_argument naming the row; nothing of the table is added or changed then.
std::vector<Control*> LoadControls(Form& form, std::span<const ControlRow> rows,
                                   ExistingNames existing = ExistingNames::Refused);

// The indices of the elements of the control array `arrayName` that `rows` name, in row order:
// the elements a form adds to its array before it loads the table that places them.
std::vector<int> ElementIndices(std::span<const ControlRow> rows, std::string_view arrayName);

} // namespace forms
