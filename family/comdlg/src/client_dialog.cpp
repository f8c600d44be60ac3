// The client picker "Open Client" and its procedure. Each line of the list keeps, as its value,
// the place of its entry's exact name in the picker's list of names, so that the entry chosen or
// deleted is the one listed ("C007" stays "C007"); the line "[none]" has the value -1.
#include "family/comdlg/caddow.h"
#include "family/comdlg/src/client_entries.h"
#include "family/comdlg/src/client_names.h"
#include "family/comdlg/src/dialog_templates.h"
#include "family/comdlg/src/family_dialog.h"
#include "family/comdlg/src/library_state.h"
#include "family/data/dorrick.h"
#include "family/util/umbrant.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace caddow {

namespace {

constexpr int kNoneLine = 1;
constexpr int kVerificationCaption = 2;
constexpr int kDeleteQuestion = 3;
constexpr int kDeleteFailed = 4;
constexpr int kErrorCaption = 5;

constexpr LPARAM kNoClient = -1;

constexpr int kDialogContext = 30100;
constexpr ControlContext kControlContexts[] = {
    {kClientList, 30101}, {IDOK, 30102},          {IDCANCEL, 30103},
    {kHelpButton, 30104}, {kDeleteButton, 30105},
};

constexpr int kResultChosen = 0;
constexpr int kResultCancelled = 1;

// The picker's data while it runs.
struct PickerState {
    int database = 0;
    char* entryName = nullptr;
    std::vector<std::string> clientNames;
};
PickerState gPicker;

HWND ClientList(HWND dialog) {
    return GetDlgItem(dialog, kClientList);
}

int SelectedLine(HWND dialog) {
    return static_cast<int>(SendMessageA(ClientList(dialog), LB_GETCURSEL, 0, 0));
}

// The value of the line: an index into the client names, or kNoClient.
LPARAM ValueOf(HWND dialog, int line) {
    if (line < 0) {
        return kNoClient;
    }
    return SendMessageA(ClientList(dialog), LB_GETITEMDATA, static_cast<WPARAM>(line), 0);
}

void AddLine(HWND dialog, const std::string& text, LPARAM value) {
    const LRESULT line =
        SendMessageA(ClientList(dialog), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(ClientList(dialog), LB_SETITEMDATA, static_cast<WPARAM>(line), value);
}

// The list without clients: the line "[none]", nothing to open or delete, the focus on Cancel.
void ShowNoClient(HWND dialog) {
    AddLine(dialog, _UtilLoadString(dialog, kNoneLine), kNoClient);
    EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
    EnableWindow(GetDlgItem(dialog, kDeleteButton), FALSE);
    SetFocus(GetDlgItem(dialog, IDCANCEL));
}

void InitializeDialog(HWND dialog) {
    SetUpFamilyDialog(dialog);
    gPicker.clientNames.clear();
    for (const std::string& name : TopLevelEntries(gPicker.database)) {
        if (IsClientEntry(name)) {
            gPicker.clientNames.push_back(name);
        }
    }
    for (std::size_t i = 0; i < gPicker.clientNames.size(); ++i) {
        const ClientRecord record = ReadClientRecord(gPicker.database, gPicker.clientNames[i]);
        AddLine(dialog, PickerLine(record), static_cast<LPARAM>(i));
    }
    if (gPicker.clientNames.empty()) {
        ShowNoClient(dialog);
    } else {
        SetFocus(ClientList(dialog));
    }
    SendMessageA(ClientList(dialog), LB_SETCURSEL, 0, 0);
}

void Choose(HWND dialog) {
    const LPARAM value = ValueOf(dialog, SelectedLine(dialog));
    if (value < 0) {
        return;
    }
    const std::string& name = gPicker.clientNames[static_cast<std::size_t>(value)];
    std::memcpy(gPicker.entryName, name.c_str(), name.size() + 1);
    EndDialog(dialog, kResultChosen);
}

void Cancel(HWND dialog) {
    gPicker.entryName[0] = '\0';
    EndDialog(dialog, kResultCancelled);
}

// Deletes the selected client after the user agrees. A client the database keeps stays listed,
// and the user is told.
void DeleteSelected(HWND dialog) {
    const int line = SelectedLine(dialog);
    const LPARAM value = ValueOf(dialog, line);
    if (value < 0 || ShowMessage(dialog, kDeleteQuestion, kVerificationCaption,
                                 kYesNoExclamation) != kResultYes) {
        return;
    }
    const std::string& name = gPicker.clientNames[static_cast<std::size_t>(value)];
    if (DeleteClientEntry(gPicker.database, name) != kDataSuccess) {
        ShowMessage(dialog, kDeleteFailed, kErrorCaption, kOkExclamation);
        return;
    }
    const HWND list = ClientList(dialog);
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(line), 0);
    if (SendMessageA(list, LB_GETCOUNT, 0, 0) == 0) {
        ShowNoClient(dialog);
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(std::max(line - 1, 0)), 0);
}

} // namespace

} // namespace caddow

using namespace caddow;

INT_PTR ClientDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        InitializeDialog(dialog);
        return FALSE; // the focus is set
    case UM_HELPQUERY:
        AnswerHelpQuery(dialog, wParam, kDialogContext, kControlContexts);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(static_cast<DWORD>(wParam))) {
        case IDOK:
            Choose(dialog);
            return TRUE;
        case IDCANCEL:
            Cancel(dialog);
            return TRUE;
        case kDeleteButton:
            DeleteSelected(dialog);
            return TRUE;
        case kHelpButton:
            PostHelpContext(dialog, kDialogContext);
            return TRUE;
        case kClientList:
            if (HIWORD(static_cast<DWORD>(wParam)) == LBN_DBLCLK) {
                Choose(dialog);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

int _ComOpenClientDlg(HWND owner, int database, char* entryName) {
    if (entryName == nullptr) {
        return kResultCancelled;
    }
    entryName[0] = '\0';
    gPicker.database = database;
    gPicker.entryName = entryName;
    const HWND focus = GetFocus();
    const INT_PTR result =
        DialogBoxParamA(LibraryInstance(), kOpenClientDialog, owner, &ClientDlgProc, 0);
    SetFocus(focus);
    gPicker = PickerState{};
    // A dialog that could not be shown answers as Cancel, with the name still empty.
    return result == kResultChosen && entryName[0] != '\0' ? kResultChosen : kResultCancelled;
}
