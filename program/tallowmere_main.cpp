// The program: the start-up window and the main window over the forms runtime, shown through
// the Qt skin, with the saved illustrations in the data folder and the reports composed on the
// print document. The start-up window chooses the illustration type, or the command line's
// start-up switch ("/0" to "/3") does.
#include "program/report/compose/report_composer.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/report_service.h"
#include "program/ui/saved_illustrations.h"
#include "program/ui/windows/start/start_form.h"

#include "platform/forms/application.h"
#include "platform/forms/qt/skin.h"
#include "platform/system/folders.h"
#include "platform/system/freed_memory.h"
#include "platform/system/program_identity.h"

#include <QApplication>

#include <exception>
#include <iostream>
#include <string>

namespace {
// The Report tab's page images: one image pixel for each pixel of the screen.
constexpr double kScreenDotsPerInch = 96;
} // namespace

int main(int argc, char** argv) {
    sys::KeepFreedMemory();
    QApplication qtApplication(argc, argv);
    try {
        sys::EnterProgramFolder();
    } catch (const std::exception& error) {
        std::cerr << "tallowmere: cannot use the program folder: " << error.what() << '\n';
        return 1;
    }
    forms::Application app((std::string(sys::Title())));
    forms::qt::Skin skin(app);

    ui::ProgramState program;
    for (int argument = 1; argument < argc; ++argument) {
        program.CommandLine += (argument > 1 ? " " : "") + std::string(argv[argument]);
    }
    ui::SavedIllustrations store(app, program);
    ui::frmMain& main = app.Create<ui::frmMain>(program);
    compose::ReportComposer composer;
    ui::ReportService reports(app, composer, ui::ProgramReportLocations(), [&composer](int page) {
        printdoc::PageImage image = composer.PageImage(page, kScreenDotsPerInch);
        return forms::Image(image.width, image.height, std::move(image.pixels));
    });
    main.SetServices(reports, store);
    app.Create<ui::frmStart>(program, main).Start();
    if (app.Ended()) {
        return 1;
    }
    const int status = QApplication::exec();
    // A run that an untrapped error ended fails, after its run-time error box.
    return app.EndedByError() ? 1 : status;
}
