#include "platform/forms/controls/text_box.h"

#include "platform/forms/application.h"
#include "platform/forms/keys.h"

#include <algorithm>
#include <cstdlib>

namespace forms {

TextBox::TextBox(Form& form, std::string name) : ControlWith(form, std::move(name)) {}

const std::string& TextBox::Text() const {
    Touch();
    return p_.text;
}

void TextBox::SetText(std::string text) {
    Touch();
    p_.anchor = 0;
    p_.caret = 0;
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
    Touch();
    return std::min(p_.anchor, p_.caret);
}

int TextBox::SelLength() const {
    Touch();
    return std::abs(p_.caret - p_.anchor);
}

int TextBox::CaretPosition() const {
    return Get(&TextBoxProperties::caret);
}

std::string TextBox::SelText() const {
    return Text().substr(static_cast<std::size_t>(SelStart()),
                         static_cast<std::size_t>(SelLength()));
}

void TextBox::SetSelStart(int start) {
    Touch();
    MoveCaret(start, /*extend*/ false);
}

void TextBox::SetSelLength(int length) {
    Touch();
    const int start = std::min(p_.anchor, p_.caret);
    p_.anchor = start;
    p_.caret = start + std::clamp(length, 0, static_cast<int>(p_.text.size()) - start);
    Changed();
}

void TextBox::SetSelText(const std::string& text) {
    Touch();
    ReplaceSelection(text);
}

void TextBox::PlaceCaret(int position, bool extend) {
    Touch();
    MoveCaret(position, extend);
}

void TextBox::MoveCaret(int position, bool extend) {
    p_.caret = std::clamp(position, 0, static_cast<int>(p_.text.size()));
    if (!extend) {
        p_.anchor = p_.caret;
    }
    Changed();
}

void TextBox::ReplaceSelection(const std::string& text) {
    const auto start = static_cast<std::size_t>(std::min(p_.anchor, p_.caret));
    const auto length = static_cast<std::size_t>(std::abs(p_.caret - p_.anchor));
    const bool changes = p_.text.compare(start, length, text) != 0;
    p_.text.replace(start, length, text);
    p_.anchor = p_.caret = static_cast<int>(start + text.size());
    Changed();
    if (changes) {
        Raise(Change);
    }
}

void TextBox::DeleteSelection() {
    Touch();
    if (!p_.locked && p_.anchor != p_.caret) {
        ReplaceSelection("");
    }
}

void TextBox::Paste(const std::string& text) {
    Touch();
    if (p_.locked) {
        return;
    }
    // Like typing, each character is offered to KeyPress with the text as it stands so far; the
    // text changes once, at the end. A single-line box takes the first line only.
    const std::string before = p_.text;
    bool inserted = false;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            break;
        }
        int key = static_cast<unsigned char>(c);
        Raise(KeyPress, key);
        if (!Running()) {
            return;
        }
        if (key < 32 || key > 255) {
            continue; // discarded by the handler, or a control character
        }
        const int selection = std::abs(p_.caret - p_.anchor);
        if (p_.maxLength > 0 && static_cast<int>(p_.text.size()) - selection >= p_.maxLength) {
            App().Beep();
            break;
        }
        const int start = std::min(p_.anchor, p_.caret);
        p_.text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(selection), 1,
                        static_cast<char>(key));
        p_.anchor = p_.caret = start + 1;
        inserted = true;
    }
    if (!inserted) {
        return;
    }
    Changed();
    if (p_.text != before) {
        Raise(Change);
    }
}

void TextBox::DefaultKeyAction(int keyAscii) {
    if (p_.locked) {
        return;
    }
    if (keyAscii == '\b') {
        if (p_.anchor == p_.caret && p_.caret > 0) {
            p_.anchor = p_.caret - 1;
        }
        if (p_.anchor != p_.caret) {
            ReplaceSelection("");
        }
        return;
    }
    if (keyAscii < 32 || keyAscii > 255) {
        App().Beep(); // Enter, Escape and control keys have no place in a single-line box
        return;
    }
    const auto length = static_cast<int>(p_.text.size());
    if (p_.maxLength > 0 && length - std::abs(p_.caret - p_.anchor) + 1 > p_.maxLength) {
        App().Beep();
        return;
    }
    ReplaceSelection(std::string(1, static_cast<char>(keyAscii)));
}

void TextBox::DefaultKeyDownAction(int keyCode, int shift) {
    const bool extend = (shift & vbShiftMask) != 0;
    const int start = std::min(p_.anchor, p_.caret);
    const int end = std::max(p_.anchor, p_.caret);
    switch (keyCode) {
    case vbKeyLeft:
        // Without Shift, a selection collapses to its left end.
        MoveCaret(!extend && start != end ? start : p_.caret - 1, extend);
        break;
    case vbKeyRight:
        MoveCaret(!extend && start != end ? end : p_.caret + 1, extend);
        break;
    case vbKeyHome:
        MoveCaret(0, extend);
        break;
    case vbKeyEnd:
        MoveCaret(static_cast<int>(p_.text.size()), extend);
        break;
    case vbKeyDelete:
        if (p_.locked) {
            break;
        }
        if (start == end && end < static_cast<int>(p_.text.size())) {
            p_.caret = end + 1;
        }
        if (p_.anchor != p_.caret) {
            ReplaceSelection("");
        }
        break;
    default:
        break;
    }
}

} // namespace forms
