#include "program/ui/about_form.h"

#include "platform/forms/application.h"
#include "platform/forms/message_box.h"
#include "platform/system/external_programs.h"
#include "platform/system/program_identity.h"

#include <string>

namespace ui {

namespace {

// Centres `form` over `owner` (over the screen when the form is as wide as the owner's inside),
// keeping it at least 100 twips from the screen's edges.
void CenterForm(forms::Form& form, const forms::Form& owner) {
    const forms::Screen& screen = form.App().GetScreen();
    const bool overScreen = form.Width() >= owner.ScaleWidth();
    const int areaLeft = overScreen ? 0 : owner.Left();
    const int areaTop = overScreen ? 0 : owner.Top();
    const int areaWidth = overScreen ? screen.width : owner.ScaleWidth();
    const int areaHeight = overScreen ? screen.height : owner.ScaleHeight();
    const auto place = [](int start, int room, int size, int screenSize) {
        const int at = start + (room - size) / 2;
        return (at < 100 || at + size > screenSize) ? 100 : at;
    };
    form.SetLeft(place(areaLeft, areaWidth, form.Width(), screen.width));
    form.SetTop(place(areaTop, areaHeight, form.Height(), screen.height));
}

} // namespace

frmAbout::frmAbout(forms::Application& app)
    : forms::Form(app, "frmAbout"), lblTitle(*this, "lblTitle"), lblVersion(*this, "lblVersion"),
      lblCopyright(*this, "lblCopyright"), picIcon(*this, "picIcon"), cmdOK(*this, "cmdOK"),
      cmdSysInfo(*this, "cmdSysInfo"), Line1(*this, "Line1") {
    Move(0, 0, 5745, 3900);
    lblTitle.SetCaption("Application Title");
    lblTitle.Move(950, 150, 4500, 480);
    lblVersion.SetCaption("Version");
    lblVersion.SetHeight(225);
    lblCopyright.SetCaption("");
    lblCopyright.Move(150, 0, 5300, 1300);
    picIcon.Move(240, 240, 480, 480);
    cmdOK.SetCaption("OK");
    cmdOK.Move(4200, 3000, 1260, 345);
    cmdSysInfo.SetCaption("&System Info...");
    cmdSysInfo.Move(2760, 3000, 1260, 345);
    Line1.Add(0).SetBorderColor(forms::Color::kWhite);
    Line1.Add(1).SetBorderColor(forms::Color::kGrayText);

    Load = [this] {
        if (Owner() != nullptr) {
            CenterForm(*this, *Owner());
        }
        SetCaption("About " + std::string(sys::Title()));
        lblTitle.SetCaption(std::string(sys::FileDescription()));
        lblVersion.Move(lblTitle.Left(), lblTitle.Top() + lblTitle.Height(), 4500, 225);
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

void ShowAboutBox(forms::Form& owner) {
    for (const auto& form : owner.App().Forms()) {
        if (auto* about = dynamic_cast<frmAbout*>(form.get())) {
            about->Show(forms::ShowMode::Modeless, &owner);
            return;
        }
    }
    owner.App().Create<frmAbout>().Show(forms::ShowMode::Modeless, &owner);
}

} // namespace ui
