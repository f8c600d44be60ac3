// The single-line text box, with its caret and selection.
//
// The selection runs from an anchor to the caret; SelStart and SelLength are its left end and
// length whichever way it was made. What a user does goes through the model: a typed character
// replaces the selection; Left, Right, Home and End move the caret (with Shift they move only the
// caret, so that the selection grows or shrinks from its anchor); Delete and Backspace remove the
// selection, else the character after or before the caret; a paste goes through KeyPress
// character by character, as typing does, within MaxLength, and raises one Change.
#pragma once

#include "platform/forms/alignment.h"
#include "platform/forms/control.h"

#include <string>

namespace forms {

struct TextBoxProperties {
    std::string text;
    int maxLength = 0; // 0: no limit on typing
    Alignment alignment = Alignment::Left;
    bool locked = false;
    int anchor = 0; // where the selection started
    int caret = 0;  // where it ends: the caret
};

// Change is raised whenever the text changes, from code or by the user; setting the same text
// again raises nothing. MaxLength limits the user only: code may set a longer text.
class TextBox final : public ControlWith<TextBoxProperties> {
public:
    TextBox(Form& form, std::string name);

    ControlKind Kind() const override { return ControlKind::TextBox; }

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
    // Where the caret stands: SelStart, or SelStart + SelLength when the selection was made
    // rightwards.
    int CaretPosition() const;
    std::string SelText() const;
    // Moves the caret and empties the selection; a start past the end goes to the end (as the
    // runtime clips it).
    void SetSelStart(int start);
    // Selects from SelStart rightwards, clipped at the end of the text.
    void SetSelLength(int length);
    // Replaces the selection, leaves the caret after it and raises Change.
    void SetSelText(const std::string& text);

    // What a user's click or drag does: puts the caret at `position` (clipped to the text);
    // `extend` keeps the anchor, so that the text between is selected.
    void PlaceCaret(int position, bool extend);
    // What a user's paste does (see above). A locked box takes none.
    void Paste(const std::string& text);
    // What a user's cut or delete does: removes the selection and raises Change.
    void DeleteSelection();

    bool TakesFocus() const override { return true; }

    Event<> Change;

private:
    void DefaultKeyAction(int keyAscii) override;
    void DefaultKeyDownAction(int keyCode, int shift) override;
    void ReplaceSelection(const std::string& text);
    void MoveCaret(int position, bool extend);
};

} // namespace forms
