#include "family/print/src/print/print_dialog_template.h"

#include "family/print/src/dialogs/dialog_style.h"

namespace pressel {
namespace {

constexpr win32::DialogItem kPrintItems[] = {
    {"Static", "", kNoId, 8, 8, 92, 28, SS_ETCHEDFRAME},
    {"Static", "Initializing printer...", kPrintStatus, 12, 20, 84, 8, SS_CENTER},
};

constexpr win32::DialogTemplate kPrintTemplate{
    kDialogStyle, 0, 0, 0, 108, 68, "Printing", kDialogFont, kDialogFontSize, kPrintItems};

} // namespace

const win32::DialogTemplate& PrintDialogTemplate() {
    return kPrintTemplate;
}

} // namespace pressel
