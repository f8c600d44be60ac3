#include "family/ui/src/library_state.h"

#include "family/ui/src/bitmap_resource.h"
#include "family/ui/src/message_box_templates.h"
#include "family/ui/vistel.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace vistel {

namespace {

constexpr const char* kSharedBitmapNames[kSharedBitmapCount] = {
    "Ok1",           "Ok3",           "Ok5",     "Ok7",        "Cancel1",       "Cancel3",
    "Cancel5",       "Cancel7",       "Yes1",    "Yes3",       "Yes5",          "Yes7",
    "No1",           "No3",           "No5",     "No7",        "Help1",         "Help3",
    "Help5",         "Help7",         "Add1",    "Add3",       "Add5",          "Add7",
    "Delete1",       "Delete3",       "Delete5", "Delete7",    "Edit1",         "Edit3",
    "Edit5",         "Edit7",         "Setup1",  "Setup3",     "Setup5",        "Setup7",
    "Exit1",         "Exit3",         "Exit5",   "Exit7",      "MBStop",        "MBQuestion",
    "MBExclamation", "MBInformation", "MKStop",  "MKQuestion", "MKExclamation", "MKInformation"};

constexpr UINT kClassRegistrationFailed = 1; // string: "Could not create the TabWindow class."
constexpr UINT kSystemError = 2;             // string: "System Error"
constexpr int kStringLength = 257;
constexpr int kTabFontHeight = -8;

void DeleteSharedBitmaps() {
    for (HBITMAP& bitmap : Library().sharedBitmaps) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
            bitmap = nullptr;
        }
    }
}

std::string OwnString(UINT id) {
    char text[kStringLength] = {};
    LoadStringA(Library().instance, id, text, kStringLength);
    return text;
}

int ScreenPaletteCapability() {
    const HDC screen = GetDC(nullptr);
    const int capable = (GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0 ? 1 : 0;
    ReleaseDC(nullptr, screen);
    return capable;
}

} // namespace

LibraryState& Library() {
    static LibraryState state;
    return state;
}

bool SetUpLibrary(HINSTANCE instance) {
    LibraryState& library = Library();
    library.instance = instance;
    library.ready = false;
    library.paletteCapable = ScreenPaletteCapability();
    for (int i = 0; i < kSharedBitmapCount; ++i) {
        library.sharedBitmaps[static_cast<std::size_t>(i)] =
            CreateBitmapFromResource(instance, kSharedBitmapNames[i], nullptr);
    }
    WNDCLASSA tabClass{};
    tabClass.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
    tabClass.lpfnWndProc = HuxTabWndProc;
    // The window's state pointer, where a 32-bit Windows window held it in 4 bytes.
    tabClass.cbWndExtra = sizeof(LONG_PTR);
    tabClass.hInstance = instance;
    tabClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    tabClass.lpszClassName = kTabWindowClass;
    if (RegisterClassA(&tabClass) == 0) {
        // The Linux loader cannot be told to refuse the library: the failure is reported here and
        // the exports answer as they do for a library that is not set up.
        std::fprintf(stderr, "%s: %s\n", OwnString(kSystemError).c_str(),
                     OwnString(kClassRegistrationFailed).c_str());
        DeleteSharedBitmaps();
        return false;
    }
    RegisterMessageBoxTemplates(instance);
    library.tabFont = CreateFontA(kTabFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    library.ready = true;
    return true;
}

void TearDownLibrary() {
    LibraryState& library = Library();
    DeleteSharedBitmaps();
    if (library.tabFont != nullptr) {
        DeleteObject(library.tabFont);
        library.tabFont = nullptr;
    }
    if (library.ready) {
        UnregisterClassA(kTabWindowClass, library.instance);
    }
    library.ready = false;
}

bool IsSharedBitmap(HBITMAP bitmap) {
    const auto& shared = Library().sharedBitmaps;
    return bitmap != nullptr && std::find(shared.begin(), shared.end(), bitmap) != shared.end();
}

} // namespace vistel
