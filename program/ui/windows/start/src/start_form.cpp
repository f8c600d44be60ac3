#include "program/ui/windows/start/start_form.h"

#include "program/ui/main_window/main_form.h"
#include "program/ui/support/src/illustration_type_names.h"

#include "platform/forms/application.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/text.h"
#include "platform/system/folders.h"
#include "platform/system/program_identity.h"
#include "platform/zip/zip_archive.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace ui {

namespace fs = std::filesystem;

namespace {

constexpr int kTypeOptions = 4;
// Twips: the window's margin, the gap between the picture, the frame and the buttons, and the
// options' rows.
constexpr int kMargin = 240;
constexpr int kGap = 120;
constexpr int kOptionTop = 200;
constexpr int kOptionStep = 300;
constexpr const char* kSplashMembers[] = {"RMDSplash.bmp", "RMDSplash.jpg"};
constexpr const char* kSupportMember = "URL_RMD_Support.txt";
constexpr const char* kInvisibleMember = "RMDInvisible.txt";
// The feature list is a few names; a longer file is no list the program shipped.
constexpr std::size_t kMaxFeatureLines = 1000;

std::string ArchiveName() {
    return std::string(sys::ExecutableBaseName()) + ".icf";
}

fs::path ArchivePath() {
    return sys::InstallFolder() / ArchiveName();
}

archive::ZipResult Extract(const char* member) {
    // The members are read back at once and deleted: scratch files.
    return archive::ExtractMember(ArchivePath(), member, sys::ProgramFolder(),
                                  archive::kResourcePassword, sys::Durability::Scratch);
}

std::string ResultCode(archive::ZipResult result) {
    return runtime::Str(static_cast<int>(result));
}

void RemoveQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

// The lines of an extracted text member, each without its line end; the file is removed.
std::vector<std::string> ReadMemberLines(const char* member) {
    const fs::path path = sys::ProgramFolder() / member;
    std::vector<std::string> lines;
    {
        std::ifstream in(path, std::ios::binary);
        std::string line;
        while (lines.size() < kMaxFeatureLines && std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            lines.push_back(line);
        }
    }
    RemoveQuietly(path);
    return lines;
}

} // namespace

frmStart::frmStart(forms::Application& app, ProgramState& program, frmMain& main)
    : forms::Form(app, "frmStart"), Picture1(*this, "Picture1"), Frame1(*this, "Frame1"),
      optIllustrationType(*this, "optIllustrationType"), cmdOK(*this, "cmdOK"),
      cmdCancel(*this, "cmdCancel"), lblCopyright(*this, "lblCopyright"),
      ElasticOne1(*this, "ElasticOne1"), program_(program), main_(main) {
    SetCaption("Choose an Option");
    DesignWindow();
    optIllustrationType(0).SetValue(true);

    Load = [this] { FormLoad(); };
    cmdOK.Click = [this] { ChooseType(); };
    cmdCancel.Click = [this] { App().End(); };
    // Closing the window before a choice is a cancel: no window would be left to end with.
    Unload = [this](int&) {
        if (!main_.IsShowing()) {
            App().End();
        }
    };
}

void frmStart::Start() {
    forms::LoadForm(*this);
    if (!App().Ended() && !main_.Visible()) {
        Show();
    }
}

void frmStart::FormLoad() {
    const std::string title(sys::FileDescription());
    if (!fs::exists(ArchivePath())) {
        App().MsgBox("Critical Error.\r\n\r\nThe required file " + ArchiveName() +
                         " is missing.\r\nPlease install your software again.",
                     forms::vbOKOnly + forms::vbCritical, title);
        App().End();
        return;
    }
    forms::LoadForm(main_);
    if (App().Ended() || !ExtractSplashPicture()) {
        return;
    }
    LayOut();
    main_.mnuHelpUpdate.SetVisible(false);
    const fs::path icon = sys::InstallFolder() / (std::string(sys::ExecutableBaseName()) + ".ico");
    if (fs::exists(icon)) {
        try {
            // The main window's icon, and the program's, which the other windows show.
            const forms::Picture picture = forms::LoadPicture(icon.string());
            main_.SetIcon(picture);
            App().SetIcon(picture);
        } catch (const runtime::RuntimeError&) {
            // A damaged icon leaves the window its default one.
        }
    }
    ReadSupportAddress();
    if (!ApplyInvisibleFeatures()) {
        return;
    }
    CompactOptions();

    const std::string commandLine = runtime::Trim(program_.CommandLine);
    for (int option = 0; option < kTypeOptions; ++option) {
        if (commandLine == "/" + std::to_string(option)) {
            optIllustrationType(option).SetValue(true);
            program_.CommandLineMode = 100 + option;
            program_.IllustrationType = static_cast<illustration::IllustrationType>(option);
            ChooseType();
            return;
        }
    }
}

bool frmStart::ExtractSplashPicture() {
    archive::ZipResult result = archive::ZipResult::Success;
    for (const char* member : kSplashMembers) {
        result = Extract(member);
        if (result == archive::ZipResult::Success) {
            break;
        }
    }
    if (result != archive::ZipResult::Success) {
        App().MsgBox("Critical Error Type" + ResultCode(result) + "\r\n\r\nThe required file " +
                         ArchiveName() +
                         " is damaged.\r\nPlease reinstall your software, then try again.",
                     forms::vbOKOnly + forms::vbCritical, std::string(sys::FileDescription()));
        App().End();
        return false;
    }
    for (const char* member : kSplashMembers) {
        const fs::path path = sys::ProgramFolder() / member;
        if (fs::exists(path)) {
            try {
                Picture1.LoadPictureFile(path.string());
            } catch (const runtime::RuntimeError&) {
                // A picture that does not decode leaves the window without one.
            }
            RemoveQuietly(path);
            break;
        }
    }
    return true;
}

void frmStart::LayOut() {
    // The sizes are the inside's; the window adds its frame.
    const int clientHeight =
        kMargin + Picture1.Height() + kGap + Frame1.Height() + kGap + cmdOK.Height() + kMargin;
    SetHeight(clientHeight + Height() - ScaleHeight());
    SetWidth(Picture1.Width() + 2 * kMargin + Width() - ScaleWidth());
    ElasticOne1.Move(0, 0, ScaleWidth(), ScaleHeight());
    cmdOK.SetTop(ElasticOne1.Height() - cmdOK.Height() - kMargin);
    cmdCancel.SetTop(cmdOK.Top());
    cmdOK.SetLeft(ElasticOne1.Width() - cmdOK.Width() - kMargin);
    cmdCancel.SetLeft(cmdOK.Left() - cmdCancel.Width() - kMargin);
    lblCopyright.SetCaption(std::string(sys::LegalCopyright()));
    lblCopyright.Move(kMargin, cmdOK.Top() + cmdOK.Height() - lblCopyright.Height(),
                      cmdCancel.Left() - 2 * kMargin, lblCopyright.Height());
    Frame1.Move(kMargin, cmdOK.Top() - kGap - Frame1.Height(), Picture1.Width(), Frame1.Height());
}

void frmStart::CompactOptions() {
    int top = kOptionTop;
    for (int option = 0; option < kTypeOptions; ++option) {
        forms::OptionButton& button = optIllustrationType(option);
        if (button.Visible()) {
            button.SetTop(top);
            top += kOptionStep;
            continue;
        }
        SetHeight(Height() - kOptionStep);
        ElasticOne1.SetHeight(ElasticOne1.Height() - kOptionStep);
        lblCopyright.SetTop(lblCopyright.Top() - kOptionStep);
        cmdOK.SetTop(cmdOK.Top() - kOptionStep);
        cmdCancel.SetTop(cmdOK.Top());
        Frame1.SetHeight(Frame1.Height() - kOptionStep);
    }
}

void frmStart::ReadSupportAddress() {
    if (Extract(kSupportMember) != archive::ZipResult::Success) {
        main_.mnuHelpSupport.SetVisible(false);
        return;
    }
    const std::vector<std::string> lines = ReadMemberLines(kSupportMember);
    program_.SupportUrl = lines.empty() ? std::string() : lines.front();
}

bool frmStart::ApplyInvisibleFeatures() {
    const archive::ZipResult result = Extract(kInvisibleMember);
    if (result != archive::ZipResult::Success) {
        App().MsgBox("Error Code: " + ResultCode(result) + "\r\nPlease try again.",
                     forms::vbOKOnly + forms::vbCritical,
                     std::string("Error Reading ") + kInvisibleMember);
        App().End();
        return false;
    }
    for (const std::string& line : ReadMemberLines(kInvisibleMember)) {
        HideFeature(runtime::Trim(line));
    }
    return true;
}

void frmStart::HideFeature(const std::string& name) {
    // The type options: hiding the chosen one chooses the next (Stretch has none after it).
    struct TypeFeature {
        const char* name;
        forms::Menu* newItem;
    };
    const std::array<TypeFeature, kTypeOptions> types = {{{"RMD", &main_.mnuFileNew},
                                                          {"RMBD", &main_.mnuFileNewRBD},
                                                          {"Equal", &main_.mnuFileNewEqual},
                                                          {"Stretch", &main_.mnuFileNewStretch}}};
    for (int option = 0; option < kTypeOptions; ++option) {
        if (name == types[static_cast<std::size_t>(option)].name) {
            types[static_cast<std::size_t>(option)].newItem->SetVisible(false);
            if (option + 1 < kTypeOptions && optIllustrationType(option).Value()) {
                optIllustrationType(option + 1).SetValue(true);
            }
            optIllustrationType(option).SetVisible(false);
            return;
        }
    }
    // The other features, each with the separator above its items.
    const std::array<std::pair<const char*, std::vector<forms::Menu*>>, 4> features = {{
        {"PDF", {&main_.mnuNul0, &main_.mnuFileExportPDF}},
        {"InternetUpdate", {&main_.mnuHelpUpdate}},
        {"InternetBackup",
         {&main_.mnuOptionsNul01, &main_.mnuOptionsInternetBackup,
          &main_.mnuOptionsInternetRestore}},
        {"FloppyBackup",
         {&main_.mnuOptionsNul00, &main_.mnuOptionsBackup, &main_.mnuOptionsRestore}},
    }};
    for (const auto& [feature, items] : features) {
        if (name == feature) {
            for (forms::Menu* item : items) {
                item->SetVisible(false);
            }
        }
    }
}

void frmStart::ChooseType() {
    Hide();
    for (int option = 0; option < kTypeOptions; ++option) {
        if (optIllustrationType(option).Value()) {
            program_.IllustrationType = static_cast<illustration::IllustrationType>(option);
        }
    }
    main_.SetupIllustrationType();
    main_.Show();
    RemoveQuietly(sys::ProgramFolder() / "reload.exe");
}

} // namespace ui
