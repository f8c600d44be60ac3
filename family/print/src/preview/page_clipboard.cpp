#include "family/print/src/preview/page_clipboard.h"

namespace pressel {
namespace {

HBITMAP CopyOf(HWND dialog, HBITMAP page) {
    BITMAP size{};
    GetObject(page, sizeof size, &size);
    const HDC dialogDc = GetDC(dialog);
    const HBITMAP copy = CreateCompatibleBitmap(dialogDc, size.bmWidth, size.bmHeight);
    const HDC from = CreateCompatibleDC(dialogDc);
    const HDC to = CreateCompatibleDC(dialogDc);
    const HGDIOBJ previousFrom = SelectObject(from, page);
    const HGDIOBJ previousTo = SelectObject(to, copy);
    BitBlt(to, 0, 0, size.bmWidth, size.bmHeight, from, 0, 0, SRCCOPY);
    SelectObject(to, previousTo);
    SelectObject(from, previousFrom);
    DeleteDC(to);
    DeleteDC(from);
    ReleaseDC(dialog, dialogDc);
    return copy;
}

} // namespace

bool CopyPageToClipboard(HWND dialog, HBITMAP page) {
    const HBITMAP copy = CopyOf(dialog, page);
    if (!OpenClipboard(dialog)) {
        DeleteObject(copy);
        return false;
    }
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, copy);
    CloseClipboard();
    return true;
}

} // namespace pressel
