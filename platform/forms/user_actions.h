// What a user does to the forms: the one way in for the skin's mouse and keyboard and for the
// test driver. Each action checks that a user could do it (the form shows and no other modal
// form is up, the control is visible and enabled) and then goes through the model, which raises
// the events in the runtime's order.
#pragma once

#include "platform/forms/form.h"

#include <stdexcept>
#include <string>

namespace forms {

class Application;
class Control;
class Grid;
class HScrollBar;
class ListControl;
class Menu;
class TabControl;
class TextBox;
class Timer;

// An action no user could take in the forms' present state.
class UnreachableError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

namespace user {

// Puts the focus on the control (a click into it, or reaching it with the mouse).
void Focus(Control& control);
// A mouse click: focuses a control that takes the focus, then does what a click does to it
// (presses a button, toggles a check box, chooses an option button, raises Click). A control
// that does not keep the focus loses the press: when a LostFocus handler sends the focus back
// (a field that refuses to be left), no Click follows.
void Click(Control& control);
// One character typed to the control with the focus (backspace is 8, Enter 13). Enter and Esc
// (27) press the active form's default and cancel button instead (command_button.h). Ignored
// when no control has the focus.
void TypeKey(Application& app, int keyAscii);
// Alt with an access key (access_key.h) on the active form. The first showing, enabled control
// in tab order after the focused one whose caption has the key answers: a command button is
// pressed, an option button chosen and a check box toggled, each as a click does; a label or a
// frame sends the focus to the control that follows it in tab order; a tab control chooses its
// showing, enabled tab of that caption. Returns false when no control has the key.
bool PressAccessKey(Application& app, char key);
// A key that types no character (keys.h: arrows, Home, End, Delete), with the shift state, to
// the control with the focus. Ignored when no control has the focus.
void PressKey(Application& app, int keyCode, int shift = 0);
// Pastes `text` into the control with the focus, filtered as typing is (text_box.h, combo_box.h);
// other kinds take no paste.
void Paste(Application& app, const std::string& text);
// A click or drag in a text box: focuses it, then puts the caret at `position`; `extend` selects
// from the anchor (a drag, or a Shift+click).
void PlaceCaret(TextBox& box, int position, bool extend = false);
// A mouse click at a character position of a text box. In a box that has the focus it puts the
// caret there (`extend`: selects from the anchor), as PlaceCaret does. A click that gives the box
// the focus puts the caret there first and then moves the focus, so that a selection its focus
// events make stands: a field that selects its whole text on entry keeps it selected, and what
// is typed next replaces it.
void ClickText(TextBox& box, int position, bool extend = false);
// Cut or Delete from the text box's menu: removes the selection.
void DeleteSelection(TextBox& box);
// Focuses the control, then types each character of `text`.
void Type(Control& control, const std::string& text);
// Tab (or Shift+Tab): the focus moves to the next control in tab order.
void PressTab(Application& app, bool backwards = false);
// Selects the whole text of the box and pastes `text` over it.
void ReplaceText(TextBox& box, const std::string& text);
// Chooses an item of a list or combo box.
void ChooseItem(ListControl& list, int index);
// Moves a scroll bar's thumb to `value` (kept within Min and Max).
void Scroll(HScrollBar& bar, int value);
// Chooses a tab; it must be visible and enabled. The tab control takes the focus first, as a
// click does; when a LostFocus handler keeps the focus elsewhere, the current tab stays.
void ChooseTab(TabControl& tabs, int tab);
// Opens a top-level menu: raises its Click.
void OpenMenu(Menu& menu);
// Opens the menus above the item, then chooses the item, which must be visible and enabled
// once its menu is open.
void ChooseMenuItem(Menu& item);
// Selects a data row of a grid.
void SelectGridRow(Grid& grid, int row);
// Resizes the window (twips).
void ResizeForm(Form& form, int width, int height);
// Moves the window (twips, the outer corner of its frame); a window behind a modal form can be
// moved too.
void MoveForm(Form& form, int left, int top);
void ChangeWindowState(Form& form, WindowState state);
// The close box: unloads the form (its Unload handler may cancel).
void CloseForm(Form& form);
// One interval of a timer elapsed.
void Tick(Timer& timer);

} // namespace user
} // namespace forms
