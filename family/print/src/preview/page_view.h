// The preview's page view: a static control whose painting is taken over to show the dialog's
// page bitmap from the scroll bars' positions. Its own procedure is kept in two window
// properties, "ProcHi" and "ProcLo", and every message the view does not take goes to it.
#pragma once

#include "platform/win32/windows.h"

namespace pressel {

// The dialog's page bitmap, which it owns ("hBitmap"); null when none is shown.
inline constexpr char kPageBitmapProperty[] = "hBitmap";

// The scroll bars beside and below the view.
inline constexpr int kVerticalScrollBar = 202;
inline constexpr int kHorizontalScrollBar = 203;

// Keeps the view's procedure and puts PreviewTXWndProc in its place.
void SubclassPageView(HWND view);

} // namespace pressel
