#include "family/print/src/preview/page_view.h"

#include "family/print/pressel.h"

#include <cstdint>

namespace pressel {
namespace {

// The previous procedure in two halves; with 64-bit addresses each half holds 32 bits.
constexpr char kProcedureHigh[] = "ProcHi";
constexpr char kProcedureLow[] = "ProcLo";
constexpr int kHalfBits = 32;
constexpr std::uintptr_t kLowHalf = 0xFFFFFFFFu;

WNDPROC PreviousProcedure(HWND view) {
    const auto high = reinterpret_cast<std::uintptr_t>(GetPropA(view, kProcedureHigh));
    const auto low = reinterpret_cast<std::uintptr_t>(GetPropA(view, kProcedureLow));
    return reinterpret_cast<WNDPROC>((high << kHalfBits) | low);
}

int ScrollPosition(HWND dialog, int bar) {
    return GetScrollPos(GetDlgItem(dialog, bar), SB_CTL);
}

// The page bitmap from the scroll positions, at the view's top left.
void PaintPage(HWND view) {
    PAINTSTRUCT paint{};
    const HDC target = BeginPaint(view, &paint);
    const HWND dialog = GetParent(view);
    const auto page = static_cast<HBITMAP>(GetPropA(dialog, kPageBitmapProperty));
    if (page != nullptr) {
        BITMAP size{};
        GetObject(page, sizeof size, &size);
        const HDC source = CreateCompatibleDC(target);
        const HGDIOBJ previous = SelectObject(source, page);
        BitBlt(target, 0, 0, size.bmWidth, size.bmHeight, source,
               ScrollPosition(dialog, kHorizontalScrollBar),
               ScrollPosition(dialog, kVerticalScrollBar), SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    }
    EndPaint(view, &paint);
}

} // namespace

void SubclassPageView(HWND view) {
    const auto address = static_cast<std::uintptr_t>(GetWindowLongPtrA(view, GWLP_WNDPROC));
    SetPropA(view, kProcedureHigh, reinterpret_cast<HANDLE>(address >> kHalfBits));
    SetPropA(view, kProcedureLow, reinterpret_cast<HANDLE>(address & kLowHalf));
    SetWindowLongPtrA(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PreviewTXWndProc));
}

} // namespace pressel

LRESULT PreviewTXWndProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
    using namespace pressel;
    switch (message) {
    case WM_PAINT:
        PaintPage(view);
        return 0;
    case WM_DESTROY:
        RemovePropA(view, kProcedureLow);
        RemovePropA(view, kProcedureHigh);
        return 0;
    default: {
        const WNDPROC previous = PreviousProcedure(view);
        return previous == nullptr ? 0 : CallWindowProcA(previous, view, message, wParam, lParam);
    }
    }
}
