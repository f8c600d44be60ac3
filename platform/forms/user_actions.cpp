#include "platform/forms/user_actions.h"

#include "platform/forms/access_key.h"
#include "platform/forms/application.h"
#include "platform/forms/control_visitor.h"

#include <algorithm>
#include <functional>
#include <vector>

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

// What an access key does to each kind whose caption has it; nothing for the others.
class AccessKeyAction final : public ControlVisitor<std::function<void()>> {
public:
    using Action = std::function<void()>;

    explicit AccessKeyAction(char key) : key_(key) {}

    Action operator()(TextBox&) override { return {}; }
    Action operator()(Label& label) override { return FocusAfter(label, label.Caption()); }
    Action operator()(Frame& frame) override { return FocusAfter(frame, frame.Caption()); }
    Action operator()(Line&) override { return {}; }
    Action operator()(Resizer&) override { return {}; }
    Action operator()(CommandButton& button) override { return ClickOn(button); }
    Action operator()(CheckBox& check) override { return ClickOn(check); }
    Action operator()(OptionButton& option) override { return ClickOn(option); }
    Action operator()(ListBox&) override { return {}; }
    Action operator()(ComboBox&) override { return {}; }
    Action operator()(HScrollBar&) override { return {}; }
    Action operator()(PictureBox&) override { return {}; }
    Action operator()(TabControl& tabs) override {
        for (int tab = 0; tab < tabs.TabCount(); ++tab) {
            if (tabs.TabVisible(tab) && tabs.TabEnabled(tab) &&
                AccessKeyOf(tabs.TabCaption(tab)) == key_) {
                return [&tabs, tab] { ChooseTab(tabs, tab); };
            }
        }
        return {};
    }
    Action operator()(Grid&) override { return {}; }
    // The skin's menu bar answers the menus' access keys.
    Action operator()(Menu&) override { return {}; }
    Action operator()(Timer&) override { return {}; }
    Action operator()(PrintDocumentView&) override { return {}; }

private:
    Action ClickOn(Button& button) const {
        if (AccessKeyOf(button.Caption()) != key_) {
            return {};
        }
        return [&button] { Click(button); };
    }
    Action FocusAfter(Label& label, const std::string& caption) const {
        if (AccessKeyOf(caption) != key_) {
            return {};
        }
        return [&label] {
            Application& app = label.Parent().App();
            if (Control* next = FocusManager::NextInTabOrder(label.Parent(), &label, false)) {
                app.Focus().MoveFocus(next, app.GetHost());
            }
        };
    }

    char key_;
};

// Whether Enter or Esc pressed the default or cancel button of the active form.
bool PressFormButton(Application& app, int keyAscii) {
    Form* form = app.ActiveForm();
    if (form == nullptr || !app.AcceptsInput(*form)) {
        return false;
    }
    const Control* focused = FocusedInput(app);
    if (keyAscii == '\r' && focused != nullptr && focused->Kind() == ControlKind::CommandButton) {
        return false; // the focused button takes its Enter itself
    }
    for (Control* control : form->Controls()) {
        if (control->Kind() != ControlKind::CommandButton || !control->IsUsable()) {
            continue;
        }
        auto& button = static_cast<CommandButton&>(*control);
        if (keyAscii == '\r' ? button.Default() : button.Cancel()) {
            button.Press();
            return true;
        }
    }
    return false;
}

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
    if ((keyAscii == '\r' || keyAscii == 27) && PressFormButton(app, keyAscii)) {
        return;
    }
    if (Control* focused = FocusedInput(app)) {
        focused->TypeKey(keyAscii);
    }
}

bool PressAccessKey(Application& app, char key) {
    Form* form = app.ActiveForm();
    if (key == 0 || form == nullptr || !app.AcceptsInput(*form)) {
        return false;
    }
    std::vector<Control*> order = form->Controls();
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    // The search starts after the focused control, so that a second press of a key that two
    // controls share reaches the second.
    const auto focused = std::find(order.begin(), order.end(), app.ActiveControl());
    if (focused != order.end()) {
        std::rotate(order.begin(), focused + 1, order.end());
    }
    AccessKeyAction access(key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key);
    for (Control* control : order) {
        if (!control->IsUsable()) {
            continue;
        }
        if (const std::function<void()> act = Visit(*control, access)) {
            act();
            return true;
        }
    }
    return false;
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

void ClickText(TextBox& box, int position, bool extend) {
    CheckReachable(box);
    // The caret first, then the focus: what the focus events do with the selection stands.
    box.PlaceCaret(position, extend);
    FocusIfItTakesFocus(box);
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
    // The field being left checks its input first; one that keeps the focus keeps its page.
    FocusIfItTakesFocus(tabs);
    if (!StillThere(tabs) || tabs.Parent().App().ActiveControl() != &tabs ||
        !tabs.TabVisible(tab) || !tabs.TabEnabled(tab)) {
        return;
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

void MoveForm(Form& form, int left, int top) {
    if (!form.IsShowing()) {
        throw UnreachableError("form " + form.Name() + " does not show");
    }
    form.Move(left, top, form.Width(), form.Height());
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
