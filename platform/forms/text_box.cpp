#include "platform/forms/text_box.h"

#include <algorithm>

#include "platform/forms/application.h"

namespace forms {

TextBox::TextBox(Form& form, std::string name) : ControlWith(form, std::move(name)) {}

const std::string& TextBox::Text() const {
    Touch();
    return p_.text;
}

void TextBox::SetText(std::string text) {
    Touch();
    p_.selStart = 0;
    p_.selLength = 0;
    if (text == p_.text) {
        Changed();
        return;
    }
    p_.text = std::move(text);
    Changed();
    Raise(Change);
}

int TextBox::MaxLength() const {
    return Get(&TextBoxProperties::maxLength);
}

void TextBox::SetMaxLength(int length) {
    Set(&TextBoxProperties::maxLength, std::max(0, length));
}

Alignment TextBox::GetAlignment() const {
    return Get(&TextBoxProperties::alignment);
}

void TextBox::SetAlignment(forms::Alignment alignment) {
    Set(&TextBoxProperties::alignment, alignment);
}

bool TextBox::Locked() const {
    return Get(&TextBoxProperties::locked);
}

void TextBox::SetLocked(bool locked) {
    Set(&TextBoxProperties::locked, locked);
}

int TextBox::SelStart() const {
    return Get(&TextBoxProperties::selStart);
}

int TextBox::SelLength() const {
    return Get(&TextBoxProperties::selLength);
}

std::string TextBox::SelText() const {
    Touch();
    return p_.text.substr(static_cast<std::size_t>(p_.selStart),
                          static_cast<std::size_t>(p_.selLength));
}

void TextBox::SetSelStart(int start) {
    Touch();
    p_.selStart = std::clamp(start, 0, static_cast<int>(p_.text.size()));
    p_.selLength = 0;
    Changed();
}

void TextBox::SetSelLength(int length) {
    Touch();
    p_.selLength = std::clamp(length, 0, static_cast<int>(p_.text.size()) - p_.selStart);
    Changed();
}

void TextBox::SetSelText(const std::string& text) {
    Touch();
    ReplaceSelection(text);
}

void TextBox::ReplaceSelection(const std::string& text) {
    const auto start = static_cast<std::size_t>(p_.selStart);
    p_.text.replace(start, static_cast<std::size_t>(p_.selLength), text);
    p_.selStart += static_cast<int>(text.size());
    p_.selLength = 0;
    Changed();
    Raise(Change);
}

void TextBox::DefaultKeyAction(int keyAscii) {
    if (p_.locked) {
        return;
    }
    if (keyAscii == '\b') {
        if (p_.selLength == 0 && p_.selStart > 0) {
            --p_.selStart;
            p_.selLength = 1;
        }
        if (p_.selLength > 0) {
            ReplaceSelection("");
        }
        return;
    }
    if (keyAscii < 32 || keyAscii > 255) {
        App().Beep(); // Enter, Escape and control keys have no place in a single-line box
        return;
    }
    const auto length = static_cast<int>(p_.text.size());
    if (p_.maxLength > 0 && length - p_.selLength + 1 > p_.maxLength) {
        App().Beep();
        return;
    }
    ReplaceSelection(std::string(1, static_cast<char>(keyAscii)));
}

} // namespace forms
