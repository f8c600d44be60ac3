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
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "platform/forms/control_kind.h"

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
    std::string_view name;
    ControlKind kind;
    // The frame, picture box, resizer or tab control that holds the control, named by an
    // earlier row or a control already on the form; for a menu item, its menu. Empty: the form.
    std::string_view container;
    // The page when the container is a tab control, else -1.
    int tab = -1;
    // Twips. A line runs from (left, top) to (left + width, top + height); menus and timers
    // have no place.
    ControlPosition position;
    // The caption of a label, frame, button or menu; the starting text of a text box or combo
    // box; the tab captions of a tab control separated by "|" (which also give the tab count).
    std::string_view caption;
    // -1 keeps the creation order.
    int tabIndex = -1;
};

// Creates the rows' controls on `form`, which owns them, and returns them in row order. Call it
// from the form's constructor, so that the values become the design values. A row whose name is
// already taken, whose container is unknown or cannot hold controls, whose tab is not a page of
// its container, or whose kind has no caption while the row gives one raises
// std::invalid_argument naming the row; nothing of the table is added then.
std::vector<Control*> LoadControls(Form& form, std::span<const ControlRow> rows);

} // namespace forms
