#include "platform/forms/controls/list_control.h"

#include "platform/forms/errors.h"
#include "platform/forms/keys.h"

#include <algorithm>
#include <cctype>

namespace forms {

int ListControl::ListCount() const {
    Touch();
    return static_cast<int>(p_.items.size());
}

const std::string& ListControl::List(int index) const {
    Touch();
    if (index < 0 || index >= static_cast<int>(p_.items.size())) {
        RaiseInvalidPropertyArrayIndex(DisplayName() + ".List(" + std::to_string(index) + ")");
    }
    return p_.items[static_cast<std::size_t>(index)];
}

void ListControl::AddItem(std::string item, int index) {
    Touch();
    const auto count = static_cast<int>(p_.items.size());
    if (index < -1 || index > count) {
        RaiseInvalidProcedureCall(DisplayName() + ".AddItem at " + std::to_string(index));
    }
    const int at = index == -1 ? count : index;
    p_.items.insert(p_.items.begin() + at, std::move(item));
    if (p_.listIndex >= at) {
        ++p_.listIndex;
    }
    Changed();
}

void ListControl::RemoveItem(int index) {
    Touch();
    if (index < 0 || index >= static_cast<int>(p_.items.size())) {
        RaiseInvalidProcedureCall(DisplayName() + ".RemoveItem " + std::to_string(index));
    }
    p_.items.erase(p_.items.begin() + index);
    if (p_.listIndex == index) {
        p_.listIndex = -1;
    } else if (p_.listIndex > index) {
        --p_.listIndex;
    }
    Changed();
}

void ListControl::Clear() {
    Touch();
    p_.items.clear();
    p_.listIndex = -1;
    p_.text.clear();
    Changed();
}

int ListControl::ListIndex() const {
    Touch();
    return p_.listIndex;
}

void ListControl::SetListIndex(int index) {
    Touch();
    if (index < -1 || index >= static_cast<int>(p_.items.size())) {
        RaiseInvalidPropertyValue(DisplayName() + ".ListIndex = " + std::to_string(index));
    }
    if (index == p_.listIndex) {
        return;
    }
    p_.listIndex = index;
    SelectionChanged();
    Changed();
    Raise(Click);
}

int ListControl::NextItemStartingWith(int key) const {
    const auto count = static_cast<int>(p_.items.size());
    for (int step = 1; step <= count; ++step) {
        const int at = (p_.listIndex + step + count) % count;
        const std::string& item = p_.items[static_cast<std::size_t>(at)];
        if (!item.empty() &&
            std::toupper(static_cast<unsigned char>(item[0])) == std::toupper(key)) {
            return at;
        }
    }
    return -1;
}

int ListControl::ItemForKey(int keyCode) const {
    const auto count = static_cast<int>(p_.items.size());
    const bool listKeys = !KeepsLineKeys();
    if (count == 0) {
        return -1;
    }
    const int before = std::max(p_.listIndex - 1, 0);
    const int after = std::min(p_.listIndex + 1, count - 1);
    switch (keyCode) {
    case vbKeyUp:
        return before;
    case vbKeyDown:
        return after;
    case vbKeyLeft:
        return listKeys ? before : -1;
    case vbKeyRight:
        return listKeys ? after : -1;
    case vbKeyHome:
        return listKeys ? 0 : -1;
    case vbKeyEnd:
        return listKeys ? count - 1 : -1;
    default:
        return -1;
    }
}

void ListControl::DefaultKeyDownAction(int keyCode, int) {
    if (const int item = ItemForKey(keyCode); item >= 0) {
        SetListIndex(item);
    }
}

} // namespace forms
