#include "program/ui/windows/about/src/about_form.h"

#include "program/ui/support/src/center_form.h"

#include "platform/forms/application.h"
#include "platform/forms/message_box.h"
#include "platform/system/external_programs.h"
#include "platform/system/program_identity.h"

#include <string>

namespace ui {

frmAbout::frmAbout(forms::Application& app, forms::Form& main)
    : forms::Form(app, "frmAbout"), lblTitle(*this, "lblTitle"), lblVersion(*this, "lblVersion"),
      lblCopyright(*this, "lblCopyright"), picIcon(*this, "picIcon"), cmdOK(*this, "cmdOK"),
      cmdSysInfo(*this, "cmdSysInfo"), Line1(*this, "Line1"), main_(main) {
    DesignWindow();
    Line1(0).SetBorderColor(forms::Color::kWhite);
    Line1(1).SetBorderColor(forms::Color::kGrayText);

    Load = [this] {
        CenterForm(*this, main_);
        SetCaption("About " + std::string(sys::Title()));
        lblTitle.SetCaption(std::string(sys::FileDescription()));
        // The icon the main window carries.
        picIcon.SetPicture(main_.Icon());
        lblVersion.Move(lblTitle.Left(), lblTitle.Top() + lblTitle.Height(), lblVersion.Width(),
                        lblVersion.Height());
        const sys::ProgramVersion version = sys::Version();
        lblVersion.SetCaption("Version " + std::to_string(version.major) + "." +
                              std::to_string(version.minor) + "." +
                              std::to_string(version.revision));
        const int separatorY = lblVersion.Top() + lblVersion.Height() + 200;
        for (const int line : {0, 1}) {
            Line1(line).SetX1(60);
            Line1(line).SetX2(Width() - 500);
            Line1(line).SetY1(separatorY + (line == 1 ? -2 : 0));
            Line1(line).SetY2(separatorY + (line == 1 ? -2 : 0));
        }
        lblCopyright.SetCaption(std::string(sys::LegalCopyright()) + "\r\n" +
                                std::string(sys::Comments()));
        lblCopyright.Move(150, separatorY + 150, lblCopyright.Width(), lblCopyright.Height());
    };
    cmdOK.Click = [this] { forms::UnloadForm(*this); };
    // This platform has no system-information tool to start.
    cmdSysInfo.Click = [this] {
        if (!sys::SystemInformationTool()) {
            App().MsgBox("System Information Is Unavailable At This Time", forms::vbOKOnly,
                         std::string(sys::Title()));
        }
    };
}

void ShowAboutBox(forms::Form& main) {
    for (const auto& form : main.App().Forms()) {
        if (auto* about = dynamic_cast<frmAbout*>(form.get())) {
            about->Show(forms::ShowMode::Modeless, &main);
            return;
        }
    }
    main.App().Create<frmAbout>(main).Show(forms::ShowMode::Modeless, &main);
}

} // namespace ui
