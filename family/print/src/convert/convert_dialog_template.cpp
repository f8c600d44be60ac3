#include "family/print/src/convert/convert_dialog_template.h"

#include "family/print/src/dialogs/dialog_style.h"

namespace pressel {
namespace {

constexpr win32::DialogItem kConvertItems[] = {
    {"Static", "", kNoId, 8, 8, 148, 20, SS_ETCHEDFRAME},
    {"Button", "", kProgressButton, 12, 16, 140, 8, BS_PUSHBUTTON | WS_DISABLED},
};

constexpr win32::DialogTemplate kConvertTemplate{
    kDialogStyle, 0, 0, 0, 164, 60, "Creating Document", kDialogFont, kDialogFontSize,
    kConvertItems};

} // namespace

const win32::DialogTemplate& ConvertDialogTemplate() {
    return kConvertTemplate;
}

} // namespace pressel
