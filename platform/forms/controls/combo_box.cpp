#include "platform/forms/controls/combo_box.h"

#include "platform/forms/errors.h"

#include <cctype>

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

void ComboBox::Paste(const std::string& text) {
    Touch();
    if (p_.style == vbComboDropdownList) {
        return;
    }
    // As in a text box: each character through KeyPress with the text as it stands, one Change.
    const std::string before = p_.text;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            break;
        }
        int key = static_cast<unsigned char>(c);
        Raise(KeyPress, key);
        if (!Running()) {
            return;
        }
        if (key >= 32 && key <= 255) {
            p_.text.push_back(static_cast<char>(key));
        }
    }
    if (p_.text != before) {
        p_.listIndex = -1;
        Changed();
        Raise(Change);
    }
}

} // namespace forms
