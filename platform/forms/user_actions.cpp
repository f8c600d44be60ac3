#include "platform/forms/user_actions.h"

#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/buttons.h"
#include "platform/forms/grid.h"
#include "platform/forms/label.h"
#include "platform/forms/lists.h"
#include "platform/forms/menu.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/scroll_bar.h"
#include "platform/forms/tab_control.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"

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
    if (auto* button = dynamic_cast<CommandButton*>(&control)) {
        button->Press();
    } else if (auto* check = dynamic_cast<CheckBox*>(&control)) {
        check->Toggle();
    } else if (auto* option = dynamic_cast<OptionButton*>(&control)) {
        option->SetValue(true);
    } else if (auto* label = dynamic_cast<Label*>(&control)) {
        label->Press();
    } else if (auto* picture = dynamic_cast<PictureBox*>(&control)) {
        picture->Press();
    } else if (auto* grid = dynamic_cast<Grid*>(&control)) {
        grid->Press();
    }
}

void TypeKey(Application& app, int keyAscii) {
    Control* focused = app.ActiveControl();
    if (focused == nullptr || !app.AcceptsInput(focused->Parent()) || !focused->IsUsable()) {
        return;
    }
    focused->TypeKey(keyAscii);
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
    if (!StillThere(box) || box.Locked()) {
        return;
    }
    box.SetSelStart(0);
    box.SetSelLength(static_cast<int>(box.Text().size()));
    box.SetSelText(text);
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
