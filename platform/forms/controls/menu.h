// Menus: top-level menus on the form's menu bar and their items. A caption of "-" makes a
// separator. Opening a top-level menu raises its Click (the program enables items there);
// choosing an item raises the item's Click.
#pragma once

#include "platform/forms/control.h"

#include <string>
#include <vector>

namespace forms {

struct MenuProperties {
    std::string caption;
    bool checked = false;
};

class Menu final : public ControlWith<MenuProperties> {
public:
    // A top-level menu when `parent` is nullptr, else an item of `parent`.
    Menu(Form& form, std::string name, Menu* parent = nullptr);

    ControlKind Kind() const override { return ControlKind::Menu; }

    Menu* ParentMenu() const { return parent_; }
    bool IsTopLevel() const { return parent_ == nullptr; }
    bool IsSeparator() const { return p_.caption == "-"; }
    const std::vector<Menu*>& Items() const { return items_; }

    const std::string& Caption() const;
    void SetCaption(std::string caption);
    bool Checked() const;
    void SetChecked(bool checked);

    // What opening the menu or choosing the item does: raises Click.
    void Choose();

    Event<> Click;

private:
    Menu* parent_;
    std::vector<Menu*> items_;
};

} // namespace forms
