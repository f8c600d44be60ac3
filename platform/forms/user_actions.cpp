#include "platform/forms/user_actions.h"

#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/control_visitor.h"

namespace forms::user {

namespace {

void CheckForm(const Form& form) {
    if (!form.App().AcceptsInput(form)) {
        const Form* modal = form.App().ModalForm();
        throw UnreachableError("form " + form.Name() +
                               (form.IsShowing() && modal != nullptr
                                    ? " is behind the modal form " + modal->Name()
                                    : " does not show"));
    }
}

void CheckReachable(const Control& control) {
    CheckForm(control.Parent());
    if (!control.IsUsable()) {
        throw UnreachableError(control.DisplayName() + " on " + control.Parent().Name() +
                               " is hidden or disabled");
    }
}

void FocusIfItTakesFocus(Control& control) {
    if (control.TakesFocus() && control.Parent().App().ActiveControl() != &control) {
        control.SetFocus();
    }
}

// After the focus events, a handler may have hidden or disabled the control or ended the
// program; the click then does nothing more.
bool StillThere(const Control& control) {
    return control.IsUsable() && control.Parent().App().AcceptsInput(control.Parent());
}

// The control with the focus when the user can reach it, else nullptr.
Control* FocusedInput(Application& app) {
    Control* focused = app.ActiveControl();
    if (focused == nullptr || !app.AcceptsInput(focused->Parent()) || !focused->IsUsable()) {
        return nullptr;
    }
    return focused;
}

// What a click does to each kind once it holds the focus.
class ClickAction final : public ControlVisitor<void> {
public:
    void operator()(TextBox&) override {}
    void operator()(Label& label) override { label.Press(); }
    void operator()(Frame& frame) override { frame.Press(); }
    void operator()(Line&) override {}
    void operator()(Resizer&) override {}
    void operator()(CommandButton& button) override { button.Press(); }
    void operator()(CheckBox& check) override { check.Toggle(); }
    void operator()(OptionButton& option) override { option.SetValue(true); }
    // Lists, combos, scroll bars and tabs act on the item, thumb or tab clicked (ChooseItem,
    // Scroll, ChooseTab); a click on the control itself only focuses it.
    void operator()(ListBox&) override {}
    void operator()(ComboBox&) override {}
    void operator()(HScrollBar&) override {}
    void operator()(PictureBox& picture) override { picture.Press(); }
    void operator()(TabControl&) override {}
    void operator()(Grid& grid) override { grid.Press(); }
    // Menus are opened and chosen (OpenMenu, ChooseMenuItem); timers have nothing to click.
    void operator()(Menu&) override {}
    void operator()(Timer&) override {}
    // The pages are only looked at.
    void operator()(PrintDocumentView&) override {}
};

// What a paste does to each kind: the edit controls take it, the rest ignore it.
class PasteAction final : public ControlVisitor<void> {
public:
    explicit PasteAction(const std::string& text) : text_(text) {}

    void operator()(TextBox& box) override { box.Paste(text_); }
    void operator()(Label&) override {}
    void operator()(Frame&) override {}
    void operator()(Line&) override {}
    void operator()(Resizer&) override {}
    void operator()(CommandButton&) override {}
    void operator()(CheckBox&) override {}
    void operator()(OptionButton&) override {}
    void operator()(ListBox&) override {}
    void operator()(ComboBox& combo) override { combo.Paste(text_); }
    void operator()(HScrollBar&) override {}
    void operator()(PictureBox&) override {}
    void operator()(TabControl&) override {}
    void operator()(Grid&) override {}
    void operator()(Menu&) override {}
    void operator()(Timer&) override {}
    void operator()(PrintDocumentView&) override {}

private:
    const std::string& text_;
};

} // namespace

void Focus(Control& control) {
    CheckReachable(control);
    if (!control.TakesFocus()) {
        throw UnreachableError(control.DisplayName() + " does not take the focus");
    }
    FocusIfItTakesFocus(control);
}

void Click(Control& control) {
    CheckReachable(control);
    FocusIfItTakesFocus(control);
    if (!StillThere(control)) {
        return;
    }
    if (control.TakesFocus() && control.Parent().App().ActiveControl() != &control) {
        return; // the focus went elsewhere while the button was down: the press is lost
    }
    ClickAction click;
    Visit(control, click);
}

void TypeKey(Application& app, int keyAscii) {
    if (Control* focused = FocusedInput(app)) {
        focused->TypeKey(keyAscii);
    }
}

void PressKey(Application& app, int keyCode, int shift) {
    if (Control* focused = FocusedInput(app)) {
        focused->PressKey(keyCode, shift);
    }
}

void Paste(Application& app, const std::string& text) {
    if (Control* focused = FocusedInput(app)) {
        PasteAction paste(text);
        Visit(*focused, paste);
    }
}

void PlaceCaret(TextBox& box, int position, bool extend) {
    Focus(box);
    if (StillThere(box) && box.Parent().App().ActiveControl() == &box) {
        box.PlaceCaret(position, extend);
    }
}

void DeleteSelection(TextBox& box) {
    Focus(box);
    if (StillThere(box)) {
        box.DeleteSelection();
    }
}

void Type(Control& control, const std::string& text) {
    Focus(control);
    Application& app = control.Parent().App();
    for (char c : text) {
        TypeKey(app, static_cast<unsigned char>(c));
    }
}

void PressTab(Application& app, bool backwards) {
    Control* focused = app.ActiveControl();
    Form* form = focused != nullptr ? &focused->Parent() : app.ActiveForm();
    if (form == nullptr || !app.AcceptsInput(*form)) {
        return;
    }
    Control* next = FocusManager::NextInTabOrder(*form, focused, backwards);
    if (next != nullptr) {
        app.Focus().MoveFocus(next, app.GetHost());
    }
}

void ReplaceText(TextBox& box, const std::string& text) {
    Focus(box);
    if (!StillThere(box) || box.Parent().App().ActiveControl() != &box) {
        return;
    }
    box.PlaceCaret(0, /*extend*/ false);
    box.PlaceCaret(static_cast<int>(box.Text().size()), /*extend*/ true);
    box.Paste(text);
}

void ChooseItem(ListControl& list, int index) {
    CheckReachable(list);
    if (index < 0 || index >= list.ListCount()) {
        throw UnreachableError(list.DisplayName() + " has no item " + std::to_string(index));
    }
    FocusIfItTakesFocus(list);
    if (StillThere(list)) {
        list.SetListIndex(index);
    }
}

void Scroll(HScrollBar& bar, int value) {
    CheckReachable(bar);
    FocusIfItTakesFocus(bar);
    if (StillThere(bar)) {
        const int low = std::min(bar.Min(), bar.Max());
        const int high = std::max(bar.Min(), bar.Max());
        bar.SetValue(std::clamp(value, low, high));
    }
}

void ChooseTab(TabControl& tabs, int tab) {
    CheckReachable(tabs);
    if (tab < 0 || tab >= tabs.TabCount() || !tabs.TabVisible(tab) || !tabs.TabEnabled(tab)) {
        throw UnreachableError(tabs.DisplayName() + " tab " + std::to_string(tab) +
                               " is hidden, disabled or missing");
    }
    tabs.SetCurrentTab(tab);
}

void OpenMenu(Menu& menu) {
    CheckForm(menu.Parent());
    if (!menu.Visible() || !menu.Enabled() || menu.IsSeparator()) {
        throw UnreachableError("menu " + menu.DisplayName() + " is hidden or disabled");
    }
    menu.Choose();
}

void ChooseMenuItem(Menu& item) {
    if (item.ParentMenu() == nullptr) {
        throw UnreachableError("menu " + item.DisplayName() + " is a top-level menu");
    }
    std::vector<Menu*> path;
    for (Menu* menu = item.ParentMenu(); menu != nullptr; menu = menu->ParentMenu()) {
        path.insert(path.begin(), menu);
    }
    for (Menu* menu : path) {
        OpenMenu(*menu);
    }
    OpenMenu(item);
}

void SelectGridRow(Grid& grid, int row) {
    CheckReachable(grid);
    if (row < 1 || row >= grid.Rows()) {
        throw UnreachableError(grid.DisplayName() + " has no row " + std::to_string(row));
    }
    FocusIfItTakesFocus(grid);
    if (StillThere(grid)) {
        grid.SetRow(row);
        grid.Press();
    }
}

void ResizeForm(Form& form, int width, int height) {
    CheckForm(form);
    form.Move(form.Left(), form.Top(), width, height);
}

void ChangeWindowState(Form& form, WindowState state) {
    if (!form.IsShowing()) {
        throw UnreachableError("form " + form.Name() + " does not show");
    }
    form.SetWindowState(state);
}

void CloseForm(Form& form) {
    CheckForm(form);
    UnloadForm(form);
}

void Tick(Timer& timer) {
    timer.Elapse();
}

} // namespace forms::user
