#include "platform/forms/lists.h"

#include <cctype>

#include "platform/forms/errors.h"

namespace forms {

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

int Find(const std::vector<std::string>& items, const std::string& text, bool ignoreCase) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (ignoreCase ? SameIgnoringCase(items[i], text) : items[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

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

ComboBox::ComboBox(Form& form, std::string name, int style) : ListControl(form, std::move(name)) {
    p_.style = style == vbComboDropdownList ? vbComboDropdownList : vbComboDropdown;
}

int ComboBox::Style() const {
    Touch();
    return p_.style;
}

const std::string& ComboBox::Text() const {
    Touch();
    return p_.text;
}

void ComboBox::SetText(std::string text) {
    Touch();
    if (p_.style == vbComboDropdownList) {
        const int found = Find(p_.items, text, /*ignoreCase*/ true);
        if (found < 0) {
            RaiseInvalidPropertyValue(DisplayName() + ".Text = \"" + text + "\"");
        }
        SetListIndex(found);
        return;
    }
    p_.listIndex = Find(p_.items, text, /*ignoreCase*/ false);
    SetEditText(std::move(text));
}

void ComboBox::SetEditText(std::string text) {
    if (text == p_.text) {
        Changed();
        return;
    }
    p_.text = std::move(text);
    Changed();
    Raise(Change);
}

void ComboBox::SelectionChanged() {
    std::string text =
        p_.listIndex < 0 ? std::string() : p_.items[static_cast<std::size_t>(p_.listIndex)];
    if (p_.style == vbComboDropdownList) {
        p_.text = std::move(text);
    } else {
        SetEditText(std::move(text));
    }
}

void ComboBox::DefaultKeyAction(int keyAscii) {
    if (p_.style == vbComboDropdownList) {
        const int found = NextItemStartingWith(keyAscii);
        if (found >= 0) {
            SetListIndex(found);
        }
        return;
    }
    std::string text = p_.text;
    if (keyAscii == '\b') {
        if (!text.empty()) {
            text.pop_back();
        }
    } else if (keyAscii >= 32) {
        text.push_back(static_cast<char>(keyAscii));
    } else {
        return;
    }
    p_.listIndex = -1;
    SetEditText(std::move(text));
}

} // namespace forms
