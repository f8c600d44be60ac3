#include "family/ui/src/button_properties.h"

#include "family/ui/src/library_state.h"

#include <strings.h>

#include <algorithm>
#include <cstdint>

namespace vistel {

namespace {

constexpr const char* kBitmapProperties[4] = {"Hux_Bitmap1", "Hux_Bitmap2", "Hux_Bitmap3",
                                              "Hux_Bitmap4"};
constexpr char kPaletteProperty[] = "Hux_Palette";
// The previous procedure in two halves; with 64-bit addresses each half holds 32 bits.
constexpr char kProcedureHigh[] = "Hux_ProcHi";
constexpr char kProcedureLow[] = "Hux_ProcLo";
constexpr int kHalfBits = 32;
constexpr std::uintptr_t kLowHalf = 0xFFFFFFFFu;
constexpr int kClassNameLength = 16;

LONG ButtonType(HWND window) {
    char name[kClassNameLength] = {};
    if (GetClassNameA(window, name, kClassNameLength) == 0 || strcasecmp(name, "button") != 0) {
        return -1;
    }
    return GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
}

} // namespace

bool IsPushButton(HWND window) {
    const LONG type = ButtonType(window);
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool IsDefaultPushButton(HWND window) {
    return ButtonType(window) == BS_DEFPUSHBUTTON;
}

bool IsSubclassed(HWND button) {
    return GetPropA(button, kProcedureHigh) != nullptr ||
           GetPropA(button, kProcedureLow) != nullptr;
}

WNDPROC PreviousProcedure(HWND button) {
    const auto high = reinterpret_cast<std::uintptr_t>(GetPropA(button, kProcedureHigh));
    const auto low = reinterpret_cast<std::uintptr_t>(GetPropA(button, kProcedureLow));
    return reinterpret_cast<WNDPROC>((high << kHalfBits) | low);
}

void StorePreviousProcedure(HWND button, WNDPROC procedure) {
    const auto address = reinterpret_cast<std::uintptr_t>(procedure);
    SetPropA(button, kProcedureHigh, reinterpret_cast<HANDLE>(address >> kHalfBits));
    SetPropA(button, kProcedureLow, reinterpret_cast<HANDLE>(address & kLowHalf));
}

void RemovePreviousProcedure(HWND button) {
    RemovePropA(button, kProcedureHigh);
    RemovePropA(button, kProcedureLow);
}

ButtonBitmaps StoredBitmaps(HWND button) {
    ButtonBitmaps bitmaps;
    for (std::size_t i = 0; i < bitmaps.states.size(); ++i) {
        bitmaps.states[i] = static_cast<HBITMAP>(GetPropA(button, kBitmapProperties[i]));
    }
    bitmaps.palette = static_cast<HPALETTE>(GetPropA(button, kPaletteProperty));
    return bitmaps;
}

void StoreBitmaps(HWND button, const ButtonBitmaps& bitmaps) {
    for (std::size_t i = 0; i < bitmaps.states.size(); ++i) {
        SetPropA(button, kBitmapProperties[i], bitmaps.states[i]);
    }
    SetPropA(button, kPaletteProperty, bitmaps.palette);
}

void RemoveBitmaps(HWND button) {
    for (const char* name : kBitmapProperties) {
        RemovePropA(button, name);
    }
    RemovePropA(button, kPaletteProperty);
}

void DeleteReleasedObjects(const ButtonBitmaps& old, const ButtonBitmaps& kept) {
    for (std::size_t i = 0; i < old.states.size(); ++i) {
        const HBITMAP bitmap = old.states[i];
        const auto earlier = old.states.begin() + static_cast<std::ptrdiff_t>(i);
        const bool seenBefore = std::find(old.states.begin(), earlier, bitmap) != earlier;
        const bool storedAgain =
            std::find(kept.states.begin(), kept.states.end(), bitmap) != kept.states.end();
        if (bitmap != nullptr && !seenBefore && !storedAgain && !IsSharedBitmap(bitmap)) {
            DeleteObject(bitmap);
        }
    }
    if (old.palette != nullptr && old.palette != kept.palette) {
        DeleteObject(old.palette);
    }
}

} // namespace vistel
