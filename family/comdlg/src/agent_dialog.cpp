// The representative dialog "Financial Representative Information" and its procedure.
#include "family/comdlg/caddow.h"
#include "family/comdlg/src/agent_fields.h"
#include "family/comdlg/src/agent_profile.h"
#include "family/comdlg/src/dialog_templates.h"
#include "family/comdlg/src/family_dialog.h"
#include "family/comdlg/src/fixed_text.h"
#include "family/comdlg/src/library_state.h"
#include "family/util/umbrant.h"

#include <iterator>
#include <optional>
#include <string>

namespace caddow {

namespace {

constexpr int kEntryErrorCaption = 100;
constexpr int kNameMissing = 101;
constexpr int kStreetMissing = 102;
constexpr int kCityMissing = 103;
constexpr int kZipMissing = 104;
constexpr int kLicenseMissing = 105;
constexpr int kProfileErrorCaption = 5;
constexpr int kProfileNotWritten = 6;

constexpr int kDialogContext = 30000;
constexpr ControlContext kControlContexts[] = {
    {kNameField, 30001},   {kAgencyField, 30002},  {kWorkField, 30003}, {kStreetField, 30004},
    {kCityField, 30005},   {kStateList, 30006},    {kZipField, 30007},  {IDOK, 30008},
    {IDCANCEL, 30009},     {kHelpButton, 30010},   {kHomeField, 30011}, {kFaxField, 30012},
    {kNumberField, 30013}, {kLicenseField, 30014},
};

// The dialog's data while it runs: the copy being edited and the caller's record as passed in.
AgentInfo gWorking{};
const AgentInfo* gCallerRecord = nullptr;

struct MissingItem {
    int message;
    int control;
};

// The first item a complete record lacks, in the order the user is told of them.
std::optional<MissingItem> FirstMissingItem(const AgentInfo& record) {
    const struct {
        const char* text;
        MissingItem missing;
    } required[] = {
        {record.name, {kNameMissing, kNameField}},
        {record.streetAddress, {kStreetMissing, kStreetField}},
        {record.city, {kCityMissing, kCityField}},
        {record.zip, {kZipMissing, kZipField}},
    };
    for (const auto& item : required) {
        if (item.text[0] == '\0') {
            return item.missing;
        }
    }
    if (record.state == kLicensedStateIndex && record.licenseNumber[0] == '\0') {
        return MissingItem{kLicenseMissing, kLicenseField};
    }
    return std::nullopt;
}

void FillStateList(HWND dialog, int state) {
    const HWND list = GetDlgItem(dialog, kStateList);
    for (int index = 0; index <= kLastStateIndex; ++index) {
        const LRESULT line =
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(_StateCode[index]));
        SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(line), index);
    }
    const int wanted = ValidStateIndex(state);
    const auto count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (int line = 0; line < count; ++line) {
        if (SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(line), 0) == wanted) {
            SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(line), 0);
        }
    }
}

int SelectedState(HWND dialog) {
    const HWND list = GetDlgItem(dialog, kStateList);
    const LRESULT line = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (line == CB_ERR) {
        return 0;
    }
    return ValidStateIndex(
        static_cast<int>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(line), 0)));
}

void InitializeDialog(HWND dialog) {
    SetUpFamilyDialog(dialog);
    for (const AgentTextField& field : AgentTextFields()) {
        const std::span<char> text = field.in(gWorking);
        SendDlgItemMessageA(dialog, field.control, EM_LIMITTEXT, text.size() - 1, 0);
        SetDlgItemTextA(dialog, field.control, TextOf(text).c_str());
    }
    FillStateList(dialog, gWorking.state);
}

void ReportMissing(HWND dialog, const MissingItem& missing, int focusControl) {
    ShowMessage(dialog, missing.message, kEntryErrorCaption, kOkExclamation);
    SetFocus(GetDlgItem(dialog, focusControl));
}

// OK: the fields into the working copy, each cut to its width; saved and ended when complete.
void Accept(HWND dialog) {
    for (const AgentTextField& field : AgentTextFields()) {
        const std::span<char> text = field.in(gWorking);
        StoreText(text, "");
        GetDlgItemTextA(dialog, field.control, text.data(), static_cast<int>(text.size()));
    }
    gWorking.state = static_cast<std::int16_t>(SelectedState(dialog));
    if (const std::optional<MissingItem> missing = FirstMissingItem(gWorking)) {
        ReportMissing(dialog, *missing, missing->control);
        return;
    }
    if (!WriteAgentProfile(gWorking)) {
        ShowMessage(dialog, kProfileNotWritten, kProfileErrorCaption, kOkExclamation);
        return;
    }
    EndDialog(dialog, IDOK);
}

// Cancel: only when the record the caller passed in is complete.
void Cancel(HWND dialog) {
    if (const std::optional<MissingItem> missing = FirstMissingItem(*gCallerRecord)) {
        ReportMissing(dialog, *missing, kNameField);
        return;
    }
    EndDialog(dialog, IDCANCEL);
}

} // namespace

} // namespace caddow

using namespace caddow;

INT_PTR AgentDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        InitializeDialog(dialog);
        return TRUE;
    case UM_HELPQUERY:
        AnswerHelpQuery(dialog, wParam, kDialogContext, kControlContexts);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(static_cast<DWORD>(wParam))) {
        case IDOK:
            Accept(dialog);
            return TRUE;
        case IDCANCEL:
            Cancel(dialog);
            return TRUE;
        case kHelpButton:
            PostHelpContext(dialog, kDialogContext);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

void _ComAgentDlg(HWND owner, AgentInfo* record) {
    if (record == nullptr) {
        return;
    }
    gWorking = *record;
    gCallerRecord = record;
    const HWND focus = GetFocus();
    const INT_PTR result =
        DialogBoxParamA(LibraryInstance(), kAgentDialog, owner, &AgentDlgProc, 0);
    if (result == IDOK) {
        *record = gWorking;
    }
    gCallerRecord = nullptr;
    SetFocus(focus);
}
