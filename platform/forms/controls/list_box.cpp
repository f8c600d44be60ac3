#include "platform/forms/controls/list_box.h"

namespace forms {

ListBox::ListBox(Form& form, std::string name) : ListControl(form, std::move(name)) {}

std::string ListBox::Text() const {
    Touch();
    return p_.listIndex < 0 ? std::string() : p_.items[static_cast<std::size_t>(p_.listIndex)];
}

void ListBox::DefaultKeyAction(int keyAscii) {
    const int found = NextItemStartingWith(keyAscii);
    if (found >= 0) {
        SetListIndex(found);
    }
}

} // namespace forms
