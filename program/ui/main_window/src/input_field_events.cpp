#include "program/ui/main_window/src/input_field_events.h"

#include "program/ui/main_window/src/equal_payment_options.h"
#include "program/ui/support/src/field_kind.h"

namespace ui {

namespace {

constexpr int kEqualFirstName = 21;
constexpr int kEqualBalanceRmd = 27;
constexpr int kEqualBalanceFixed = 29;
constexpr int kEqualRate = 31;
constexpr int kEqualHintLine = 3;

bool IsEqualType(const frmMain& main) {
    return main.Program().IllustrationType == illustration::IllustrationType::EqualPayments;
}

FieldKind KindOf(const frmMain& main, int index) {
    return KindOfTag(main.txtInput(index).Tag());
}

} // namespace

void FilterFieldKey(frmMain& main, int index, int& keyAscii) {
    main.Program().IllustrationSaved = false;
    forms::TextBox& box = main.txtInput(index);
    if (!AcceptsKey(KindOf(main, index), box.Text(), keyAscii)) {
        keyAscii = 0;
    }
}

void EnterField(frmMain& main, int index) {
    forms::TextBox& box = main.txtInput(index);
    {
        const FieldSuggestions::Reshaping editForm(main.Suggestions);
        box.SetText(EditForm(KindOf(main, index), box.Text()));
    }
    if (!box.Text().empty()) {
        box.SetSelStart(0);
        box.SetSelLength(static_cast<int>(box.Text().size()));
    }
    if (IsEqualType(main)) {
        if (index == kEqualFirstName) {
            RefreshEqualPaymentOptions(main);
        }
        ShowFieldHint(main, index);
    }
    // The focus a failed check moved has arrived.
    if (main.ValidationFocus == index) {
        main.ValidationFocus = -1;
    }
}

void LeaveField(frmMain& main, int index) {
    forms::TextBox& box = main.txtInput(index);
    {
        const FieldSuggestions::Reshaping displayForm(main.Suggestions);
        box.SetText(DisplayForm(KindOf(main, index), box.Text()));
    }
    if (IsEqualType(main)) {
        RefreshEqualPaymentOptions(main);
    }
}

void ShowFieldHint(frmMain& main, int index) {
    forms::Label& hint = main.Label3(kEqualHintLine);
    if (index == kEqualBalanceRmd || index == kEqualBalanceFixed) {
        hint.SetCaption("* Important: In most cases we recommend the prior year 12-31 balance. "
                        "This date must be consistent from year to year; you cannot continually "
                        "switch this date.");
        hint.SetFontBold(true);
    } else if (index == kEqualRate) {
        hint.SetCaption("* Important: Cannot exceed 120% of Federal Mid-Term rate. Press the "
                        "\"Web Lookup\"  button for current rates.");
        hint.SetFontBold(true);
    } else {
        hint.SetCaption("* Required fields");
        hint.SetFontBold(false);
    }
}

} // namespace ui
