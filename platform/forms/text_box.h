// The single-line text box.
#pragma once

#include <string>

#include "platform/forms/control.h"

namespace forms {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

struct TextBoxProperties {
    std::string text;
    int maxLength = 0; // 0: no limit on typing
    Alignment alignment = Alignment::Left;
    bool locked = false;
    int selStart = 0;
    int selLength = 0;
};

// Change is raised whenever the text changes, from code or by typing; setting the same text
// again raises nothing. MaxLength limits typing only: code may set a longer text.
class TextBox : public ControlWith<TextBoxProperties> {
public:
    TextBox(Form& form, std::string name);

    const std::string& Text() const;
    // Sets the text, puts the caret at the start and raises Change when the text differs.
    void SetText(std::string text);
    int MaxLength() const;
    void SetMaxLength(int length);
    forms::Alignment GetAlignment() const;
    void SetAlignment(forms::Alignment alignment);
    bool Locked() const;
    void SetLocked(bool locked);

    int SelStart() const;
    int SelLength() const;
    std::string SelText() const;
    // Moves the caret; a start past the end goes to the end (as the runtime clips it).
    void SetSelStart(int start);
    void SetSelLength(int length);
    // Replaces the selection, leaves the caret after it and raises Change.
    void SetSelText(const std::string& text);

    bool TakesFocus() const override { return true; }

    Event<> Change;

private:
    void DefaultKeyAction(int keyAscii) override;
    void ReplaceSelection(const std::string& text);
};

} // namespace forms
