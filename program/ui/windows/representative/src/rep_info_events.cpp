#include "program/ui/windows/representative/src/rep_info_events.h"

#include "program/store/rep_info_record.h"
#include "program/ui/support/src/state_table.h"

#include "platform/forms/application.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/text.h"
#include "platform/runtime/windows1252.h"
#include "platform/system/clock.h"

#include <cstdio>

namespace ui {

namespace {

constexpr int kLastCheckedField = 11;
constexpr int kReservedField = 13; // hidden: the record's reserved field

std::string RunDateText() {
    const sys::LocalDateTime now = sys::Now();
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", now.month, now.day, now.year,
                  now.hour, now.minute, now.second);
    return text;
}

store::RepInfoFields FieldsOf(const frmRepInfo& window) {
    store::RepInfoFields fields;
    for (int index = 0; index <= kReservedField; ++index) {
        fields.txtInput[static_cast<std::size_t>(index)] = window.txtInput(index).Text();
    }
    fields.state = window.cmboState.Text();
    return fields;
}

void ShowRepInfo(frmRepInfo& window, const store::RepInfoFields& fields) {
    for (int index = 0; index <= kReservedField; ++index) {
        window.txtInput(index).SetText(fields.txtInput[static_cast<std::size_t>(index)]);
    }
    // A state code the list does not hold (none, or a record written by hand) shows no state.
    int stateIndex = -1;
    for (int index = 0; index < window.cmboState.ListCount(); ++index) {
        if (window.cmboState.List(index) == fields.state) {
            stateIndex = index;
        }
    }
    window.cmboState.SetListIndex(stateIndex);
}

// A damaged record is not used: the window shows what a first start shows, says why, and opens
// at the main window's first paint.
void ReportDamagedRecord(const store::LoadedRepInfo& loaded, ProgramState& program,
                         forms::MessageBoxService& messages) {
    program.RepInfoUnread = true;
    const std::string prompt =
        "The saved representative information could not be read: " +
        runtime::Utf8ToWindows1252(loaded.damagedRecord.string()) +
        " is damaged.\r\n\r\nPlease enter the representative information again. The damaged "
        "file will be kept beside the new one as " +
        runtime::Utf8ToWindows1252(loaded.keptAs.filename().string()) + ".";
    messages.ShowMessageBox(forms::MessageBoxRequest::FromStyle(
        prompt, forms::vbOKOnly + forms::vbExclamation, "Error in LoadRepInfo"));
}

void LoadWindow(frmRepInfo& window, ProgramState& program, forms::MessageBoxService& messages) {
    window.cmboState.Clear();
    for (int index = 0; index < kStateCount; ++index) {
        std::string noCode;
        const std::string code = StateCodeLookup(noCode, std::to_string(index));
        if (code != "XX") {
            window.cmboState.AddItem(code, index);
        }
    }
    try {
        const store::LoadedRepInfo loaded = store::LoadRepInfo([](const std::string& indexText) {
            std::string noCode;
            return StateCodeLookup(noCode, indexText);
        });
        ShowRepInfo(window, loaded.fields);
        if (!loaded.damagedRecord.empty()) {
            ReportDamagedRecord(loaded, program, messages);
        }
    } catch (const runtime::RuntimeError& error) {
        // An unreadable record leaves the fields empty: the required-field check then asks
        // for them, and saving writes a good record.
        messages.ShowMessageBox(forms::MessageBoxRequest::FromStyle(
            error.what(), forms::vbOKOnly + forms::vbExclamation, "Error in LoadRepInfo"));
    }
}

} // namespace

bool CheckRequiredFields(frmRepInfo& window, bool showMessage) {
    for (int index = 0; index <= kLastCheckedField; ++index) {
        const bool required = window.Label1(index).Caption().find('*') != std::string::npos;
        if (required && runtime::Trim(window.txtInput(index).Text()).empty()) {
            if (showMessage) {
                window.App().MsgBox("Please fill in all required fields.",
                                    forms::vbOKOnly + forms::vbExclamation,
                                    "Missing Required Information");
                window.txtInput(index).SetFocus();
            }
            return false;
        }
    }
    return true;
}

void WireRepresentativeWindow(frmRepInfo& window, ProgramState& program,
                              forms::MessageBoxService& messages) {
    window.Load = [&window, &program, &messages] { LoadWindow(window, program, messages); };
    window.cmboState.KeyPress = [](int& keyAscii) {
        if (keyAscii > 'Z') {
            keyAscii -= 32;
        }
    };
    window.cmboState.LostFocus = [&window] {
        std::string code = window.cmboState.Text();
        if (StateCodeLookup(code, "") == "99") {
            window.App().Beep();
            window.App().MsgBox("Invalid State Code.", forms::vbOKOnly + forms::vbExclamation,
                                "Entry Error");
            window.cmboState.SetFocus();
        }
    };
    window.txtInput.On(&forms::TextBox::GotFocus, [&window](int index) {
        forms::TextBox& box = window.txtInput(index);
        box.SetSelStart(0);
        box.SetSelLength(static_cast<int>(box.Text().size()));
    });
    window.cmdOK.Click = [&window, &messages] {
        if (!CheckRequiredFields(window, true)) {
            return;
        }
        window.txtInput(12).SetText(RunDateText());
        // A record that could not be written keeps the window open with what the user typed,
        // to try again (once the disk has room) or to cancel.
        if (store::SaveRepInfo(FieldsOf(window), messages)) {
            forms::UnloadForm(window);
        }
    };
    window.cmdCancel.Click = [&window, &program] {
        if (!CheckRequiredFields(window, false)) {
            program.RepInfoCancelled = true;
        }
        forms::UnloadForm(window);
    };
}

} // namespace ui
