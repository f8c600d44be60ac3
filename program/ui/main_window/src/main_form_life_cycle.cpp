// The main window's life: load, paint, unload and the start-up switch.
#include "program/ui/main_window/main_form.h"

#include "program/store/illustration_file.h"
#include "program/ui/support/src/application_messages.h"
#include "program/ui/support/src/illustration_type_names.h"
#include "program/ui/support/src/state_table.h"
#include "program/ui/support/src/trapped_error.h"
#include "program/ui/support/src/window_placement.h"
#include "program/ui/windows/representative/rep_info_form.h"

#include "platform/forms/application.h"
#include "platform/forms/message_box.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/text.h"
#include "platform/system/folders.h"
#include "platform/system/program_identity.h"

#include <array>
#include <filesystem>
#include <string>

namespace ui {

namespace {

constexpr int kMinFormHeight = 9000;
constexpr std::array<const char*, 4> kStartSwitches = {"/0", "/1", "/2", "/3"};

std::string ProgramFile(std::string_view suffix) {
    return std::string(sys::ExecutableBaseName()) + std::string(suffix);
}

} // namespace

void frmMain::WireWindowEvents() {
    Load = [this] {
        ShowFields();
        FormLoad();
    };
    Paint = [this] { FormPaint(); };
    Unload = [this](int& cancel) {
        if (!ExitProgram(cancel != 0)) {
            cancel = 1;
        }
    };
    Resize = [this] { FormResize(); };
}

void frmMain::FormLoad() {
    const bool loaded = RunTrapped(App(), "Form_Load", [this] {
        MinFormWidth = 4 * Frame1(0).Left() + Frame1(0).Width();
        MinFormHeight = kMinFormHeight;
        ApplicationMessages messages(App());
        store::AdoptOldIllustrationFile(messages);
        LastInputIndex = 0;
        while (!txtInput(LastInputIndex + 1).Tag().empty()) {
            ++LastInputIndex;
        }
        IniPath = sys::InstallFolder() / ProgramFile(".ini");
        LoadWindowPlacement(*this, IniPath, Program().Settings);

        if (frmRepInfo* representative = Store().RepresentativeWindow()) {
            forms::LoadForm(*representative);
            RepInfo = representative;
        }
        // Without a store the calculation reads an empty representative.
        if (RepInfo == nullptr) {
            RepInfo = &App().Create<frmRepInfo>();
        }
        cmboState.Clear();
        for (int index = 0; index < kStateCount; ++index) {
            std::string noCode;
            const std::string code = StateCodeLookup(noCode, std::to_string(index));
            if (code != "XX") {
                cmboState.AddItem(code, index);
            }
        }
        if (std::filesystem::exists(sys::InstallFolder() / "Loamfield.exe")) {
            cmboPlanType(0).AddItem("Rollover IRA", 0);
            cmboPlanType(1).AddItem("Rollover IRA", 0);
        }
        UpdatePlanRetDateField();
        // The start-up window chooses the type; a window opened before any choice waits.
        if (Program().IllustrationType != illustration::IllustrationType::None) {
            SetupIllustrationType();
        }
        lstGraph.Clear();
        for (const char* series : kGraphSeries) {
            lstGraph.AddItem(series);
        }
        lstGraph.SetListIndex(0);
        Timer1.SetEnabled(false);

        // "/4" names no type and is ignored.
        const std::string commandLine = runtime::Trim(Program().CommandLine);
        for (std::size_t type = 0; type < kStartSwitches.size(); ++type) {
            if (commandLine == kStartSwitches[type]) {
                Program().CommandLineMode = 100 + static_cast<int>(type);
                break;
            }
        }
        if (Program().CommandLineMode > 0) {
            Program().IllustrationType =
                static_cast<illustration::IllustrationType>(Program().CommandLineMode - 100);
            SetupIllustrationType();
        }
    });
    // A window whose load failed is not left half-built: the program ends after the message.
    if (!loaded) {
        App().End();
    }
}

void frmMain::FormPaint() {
    frmRepInfo* representative = Store().RepresentativeWindow();
    if (representative != nullptr) {
        if (representative->Visible()) {
            return;
        }
        if (runtime::Trim(representative->txtInput(0).Text()).empty() || Program().RepInfoUnread) {
            Program().RepInfoUnread = false;
            Program().RepInfoCancelled = false;
            Store().ShowRepresentativeWindow(*this);
            if (Program().RepInfoCancelled) {
                App().MsgBox(
                    "The " + std::string(sys::FileDescription()) +
                        " software cannot continue\r\nwith incomplete Financial "
                        "Representative Information.\r\n\r\nPress OK to exit this software.",
                    forms::vbOKOnly + forms::vbCritical,
                    "Incomplete Financial Representative Info");
                ExitProgram(false);
                App().End();
                return;
            }
        }
    }
    // The browser is offered once, while no saved illustration is loaded at start. Once the
    // user has answered it, an illustration without a number is one the user chose to start
    // (New, or what a restore or compaction left), and painting does not ask again. Left
    // without a choice, it leaves the window a new illustration of the current type, as New
    // does: the window's design texts are never taken for an illustration.
    forms::Form* browser = Store().Browser();
    if (browser != nullptr && !browserAnswered_ && runtime::Val(GetField("3-DatabaseIndex")) < 1 &&
        !browser->Visible()) {
        browserAnswered_ = true;
        if (!Store().ShowBrowser(*this) && !App().Ended()) {
            Store().NewIllustration(*this);
        }
    }
}

bool frmMain::ExitProgram(bool askFirst) {
    if (askFirst &&
        App().MsgBox("Are you sure you want to exit?", forms::vbYesNo + forms::vbQuestion,
                     "Software Exit") == forms::vbNo) {
        return false;
    }
    // A save the user asked for that did not happen keeps the window open on the failing field.
    if (!Store().PromptSaveIllustration(*this, true)) {
        return false;
    }
    SaveWindowPlacement(*this, MinimumSize{MinFormWidth, MinFormHeight}, Program().Settings);
    App().End();
    return true;
}

} // namespace ui
