// The library's entry procedure.
#include "family/data/dorrick.h"
#include "family/data/src/dialog_templates.h"
#include "family/data/src/library_instance.h"
#include "family/data/src/slots.h"

BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == dorrick::kProcessAttach) {
        dorrick::KeepLibraryInstance(instance);
        dorrick::RegisterDialogTemplates(instance);
    } else if (reason == dorrick::kProcessDetach) {
        dorrick::CloseAllHandles();
    }
    return TRUE;
}
