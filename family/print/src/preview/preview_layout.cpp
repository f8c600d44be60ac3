#include "family/print/src/preview/preview_layout.h"

#include "family/print/src/preview/page_view.h"

namespace pressel {
namespace {

constexpr int kMargin = 16;
// The label stands a little higher than the controls beside it, level with their text.
constexpr int kLabelBottomMargin = 20;
// Between the scroll bars and the frame around the view, and between frame and view.
constexpr int kFrameGap = 4;
constexpr int kViewInset = 2;

SIZE SizeOf(HWND dialog, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void Place(HWND dialog, int id, int x, int y, SIZE size) {
    SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void LayOutPreview(HWND dialog, int width, int height) {
    const SIZE label = SizeOf(dialog, kPageLabel);
    Place(dialog, kPageLabel, kMargin, height - kLabelBottomMargin - label.cy, label);
    const SIZE list = SizeOf(dialog, kPageListBox);
    const int listX = kMargin + label.cx + kMargin;
    Place(dialog, kPageListBox, listX, height - kMargin - list.cy, list);
    const SIZE clipboard = SizeOf(dialog, kClipboardButton);
    Place(dialog, kClipboardButton, listX + list.cx + kMargin, height - kMargin - clipboard.cy,
          clipboard);

    const SIZE help = SizeOf(dialog, kHelpButton);
    const int helpX = width - kMargin - help.cx;
    Place(dialog, kHelpButton, helpX, height - kMargin - help.cy, help);
    const SIZE ok = SizeOf(dialog, IDOK);
    const int okTop = height - kMargin - ok.cy;
    Place(dialog, IDOK, helpX - kMargin - ok.cx, okTop, ok);

    const int pageBottom = okTop - kMargin;
    const SIZE vertical = SizeOf(dialog, kVerticalScrollBar);
    const SIZE horizontal = SizeOf(dialog, kHorizontalScrollBar);
    const int verticalX = width - kMargin - vertical.cx;
    Place(dialog, kVerticalScrollBar, verticalX, kMargin,
          {vertical.cx, pageBottom - horizontal.cy - kMargin});
    const int horizontalY = pageBottom - horizontal.cy;
    Place(dialog, kHorizontalScrollBar, kMargin, horizontalY, {verticalX - kMargin, horizontal.cy});

    const int frameRight = verticalX - kFrameGap;
    const int frameBottom = horizontalY - kFrameGap;
    Place(dialog, kPageFrame, kMargin, kMargin, {frameRight - kMargin, frameBottom - kMargin});
    const int viewOrigin = kMargin + kViewInset;
    Place(dialog, kPageView, viewOrigin, viewOrigin,
          {frameRight - kMargin - 2 * kViewInset, frameBottom - kMargin - 2 * kViewInset});
}

} // namespace pressel
