#include "output/preview/preview.h"

#include "output/bitmap_file.h"
#include "output/image/caller_path.h"

#include <algorithm>
#include <utility>

namespace output {

namespace {

constexpr char kClassName[] = "TallowmerePreview";
constexpr int kLineStep = 16;
constexpr int kShadowOffset = 6;
constexpr int kDialogSpacing = 10;
constexpr COLORREF kViewColour = RGB(0x90, 0x90, 0x90);
constexpr COLORREF kShadowColour = RGB(0x60, 0x60, 0x60);
constexpr COLORREF kPaperColour = RGB(0xFF, 0xFF, 0xFF);

// The bitmap a source yields: empty (and OK) for a handle of 0, one that is not a bitmap, or one
// the list already owns, which must not be owned twice.
PreviewError LoadSource(const PreviewImages& images, const PreviewSource& source,
                        OwnedBitmap& bitmap) {
    switch (source.format) {
    case 0: {
        BITMAP info{};
        if (source.handle != nullptr && !images.Holds(source.handle) &&
            GetObjectA(source.handle, sizeof info, &info) != 0) {
            bitmap = OwnedBitmap(source.handle);
        }
        return PreviewError::OK;
    }
    case 1: {
        HBITMAP loaded = nullptr;
        if (!LoadBitmapFile(CallerBitmapPath(source.name).string(), loaded)) {
            return PreviewError::CannotAccessFile;
        }
        bitmap = OwnedBitmap(loaded);
        return PreviewError::OK;
    }
    default:
        return PreviewError::InvalidFormat;
    }
}

bool Overlaps(int left, int top, int width, int height, int otherLeft, int otherTop, int otherWidth,
              int otherHeight) {
    return left < otherLeft + otherWidth && otherLeft < left + width &&
           top < otherTop + otherHeight && otherTop < top + height;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

RECT RectOf(int left, int top, int width, int height) {
    return RECT{left, top, left + width, top + height};
}

// A memory context holding a bitmap, both released at the end of the scope.
class MemoryCanvas {
public:
    MemoryCanvas(HDC reference, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(reference)), previous_(SelectObject(dc_, bitmap)) {}
    ~MemoryCanvas() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC Get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace

Preview::Preview() {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.lpszClassName = kClassName;
    // A second object finds the class already registered, which serves it as well.
    RegisterClassA(&windowClass);
}

Preview::~Preview() {
    Close();
}

void Preview::Reset() {
    images_.Reset();
    scrollX_ = 0;
    scrollY_ = 0;
    AfterChange(true);
}

PreviewError Preview::Add(const PreviewSource& source) {
    return Insert(images_.Count(), source);
}

PreviewError Preview::Get(std::int32_t index, HBITMAP& bitmap) const {
    if (index < 0 || index >= images_.Count()) {
        return PreviewError::InvalidImageIndex;
    }
    bitmap = images_.At(index).bitmap.Get();
    return PreviewError::OK;
}

PreviewError Preview::Set(std::int32_t index, const PreviewSource& source) {
    if (index < 0 || index >= images_.Count()) {
        return PreviewError::InvalidImageIndex;
    }
    OwnedBitmap bitmap;
    const PreviewError outcome = LoadSource(images_, source, bitmap);
    if (outcome != PreviewError::OK || !bitmap) {
        return outcome;
    }
    const PreviewImage& old = images_.At(index);
    const int oldHeight = old.height;
    const int oldTop = old.top;
    const bool inView = InView(index);
    images_.Replace(index, std::move(bitmap));
    const int newHeight = images_.At(index).height;
    if (scrollY_ > oldTop) {
        const int past = scrollY_ - oldTop;
        if (inView && past <= oldHeight) {
            // Keep the same fraction of the page above the view's top.
            scrollY_ += newHeight * past / oldHeight - past;
        } else {
            scrollY_ += newHeight - oldHeight;
        }
    }
    AfterChange(true);
    return PreviewError::OK;
}

PreviewError Preview::Insert(std::int32_t index, const PreviewSource& source) {
    if (index < 0 || index > images_.Count()) {
        return PreviewError::InvalidImageIndex;
    }
    OwnedBitmap bitmap;
    const PreviewError outcome = LoadSource(images_, source, bitmap);
    if (outcome != PreviewError::OK || !bitmap) {
        return outcome;
    }
    if (index == images_.Count()) {
        const bool viewWasShort = images_.ContentHeight() < viewHeight_;
        images_.Insert(index, std::move(bitmap));
        AfterChange(viewWasShort);
        return PreviewError::OK;
    }
    const int oldTop = images_.At(index).top;
    const bool inView = InView(index);
    images_.Insert(index, std::move(bitmap));
    const int shift = images_.At(index).height + kPreviewMargin;
    if (scrollY_ > oldTop || (inView && oldTop - scrollY_ < kPreviewMargin)) {
        scrollY_ += shift;
    }
    AfterChange(inView);
    return PreviewError::OK;
}

PreviewError Preview::Delete(std::int32_t index) {
    if (index < 0 || index >= images_.Count()) {
        return PreviewError::InvalidImageIndex;
    }
    const PreviewImage& old = images_.At(index);
    const int oldTop = old.top;
    const int oldHeight = old.height;
    const bool inView = InView(index);
    images_.Remove(index);
    if (scrollY_ > oldTop) {
        scrollY_ = inView ? oldTop : scrollY_ - (oldHeight + kPreviewMargin);
    }
    AfterChange(inView);
    return PreviewError::OK;
}

PreviewError Preview::Open(HWND parent) {
    Close();
    if (parent == nullptr || !IsWindow(parent)) {
        return PreviewError::InvalidParentWindow;
    }
    RECT client{};
    GetClientRect(parent, &client);
    dialogMode_ = false;
    scrollX_ = 0;
    scrollY_ = 0;
    CreateWindowExA(WS_EX_WINDOWEDGE, kClassName, "Preview",
                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER, 0, 0,
                    std::max<int>(kPreviewMinimumWidth, client.right - client.left),
                    std::max<int>(kPreviewMinimumHeight, client.bottom - client.top), parent,
                    nullptr, nullptr, this);
    return PreviewError::OK;
}

PreviewError Preview::Refresh(std::int32_t index) {
    if (index < 0 || index >= images_.Count()) {
        return PreviewError::InvalidImageIndex;
    }
    if (window_ != nullptr && InView(index)) {
        InvalidateRect(window_, nullptr, FALSE);
    }
    return PreviewError::OK;
}

void Preview::Resize() {
    if (window_ == nullptr || dialogMode_) {
        return;
    }
    RECT client{};
    GetClientRect(GetParent(window_), &client);
    MoveWindow(window_, 0, 0, std::max<int>(kPreviewMinimumWidth, client.right - client.left),
               std::max<int>(kPreviewMinimumHeight, client.bottom - client.top), TRUE);
    InvalidateRect(window_, nullptr, FALSE);
}

void Preview::Close() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

PreviewError Preview::Dialog(HWND parent, const std::string& caption, PreviewPlacement& placement) {
    Close();
    if (parent != nullptr && !IsWindow(parent)) {
        return PreviewError::InvalidParentWindow;
    }
    dialogMode_ = true;
    scrollX_ = 0;
    scrollY_ = 0;
    const HWND dialog = CreateWindowExA(
        0, kClassName, caption.c_str(),
        WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE | WS_CLIPCHILDREN, placement.x,
        placement.y, std::max(kPreviewMinimumWidth, placement.width),
        std::max(kPreviewMinimumHeight, placement.height), parent, nullptr, nullptr, this);
    // Without an owner there is nothing to disable: the desktop stays as it is.
    const bool disabledParent = parent != nullptr && EnableWindow(parent, FALSE) == FALSE;
    while (IsWindow(dialog)) {
        MSG message{};
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            // A quit request (or a queue that can never fill) ends the dialog; the quit is
            // passed on to the loop outside.
            DestroyWindow(dialog);
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));
            }
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (disabledParent) {
        EnableWindow(parent, TRUE);
        SetActiveWindow(parent);
    }
    placement = lastPlacement_;
    return PreviewError::OK;
}

LRESULT CALLBACK Preview::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* preview =
            static_cast<Preview*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(preview));
        preview->window_ = window;
    }
    auto* preview = reinterpret_cast<Preview*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (preview == nullptr || preview->window_ != window) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return preview->Handle(message, wParam, lParam);
}

LRESULT Preview::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateControls();
        LayOut();
        return 0;
    case WM_SIZE:
        LayOut();
        return 0;
    case WM_GETMINMAXINFO: {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = POINT{kPreviewMinimumWidth, kPreviewMinimumHeight};
        return 0;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
        Scroll(message == WM_VSCROLL, LOWORD(static_cast<DWORD>(wParam)),
               HIWORD(static_cast<DWORD>(wParam)));
        return 0;
    case WM_COMMAND:
        if (LOWORD(static_cast<DWORD>(wParam)) == kPreviewCloseButtonId) {
            DestroyWindow(window_);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_DESTROY: {
        RECT frame{};
        GetWindowRect(window_, &frame);
        lastPlacement_ = PreviewPlacement{frame.left, frame.top, frame.right - frame.left,
                                          frame.bottom - frame.top};
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        return 0;
    }
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

bool Preview::InView(std::int32_t index) const {
    const PreviewImage& image = images_.At(index);
    return Overlaps(image.left - kPreviewMargin, image.top - kPreviewMargin,
                    image.width + 4 * kPreviewMargin, image.height + 4 * kPreviewMargin, scrollX_,
                    scrollY_, viewWidth_, viewHeight_);
}

void Preview::CreateControls() {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    const auto make = [this, font](LPCSTR className, LPCSTR text, DWORD style, int id) {
        const HWND control =
            CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        SendMessageA(control, WM_SETFONT, font, FALSE);
    };
    make("ScrollBar", "", SBS_VERT, kPreviewVerticalBarId);
    make("ScrollBar", "", SBS_HORZ, kPreviewHorizontalBarId);
    if (dialogMode_) {
        make("Button", "Close", BS_PUSHBUTTON, kPreviewCloseButtonId);
    }
}

void Preview::LayOut() {
    RECT client{};
    GetClientRect(window_, &client);
    const int clientWidth = client.right - client.left;
    const int clientHeight = client.bottom - client.top;
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    if (dialogMode_) {
        const int buttonHeight = GetSystemMetrics(SM_CYMENU) + 2 * GetSystemMetrics(SM_CYEDGE);
        const int buttonWidth = buttonHeight * 80 / 24;
        MoveWindow(GetDlgItem(window_, kPreviewCloseButtonId), (clientWidth - buttonWidth) / 2,
                   clientHeight - kDialogSpacing - buttonHeight, buttonWidth, buttonHeight, TRUE);
        viewLeft_ = kDialogSpacing;
        viewTop_ = kDialogSpacing;
        viewWidth_ = clientWidth - 2 * kDialogSpacing - barWidth;
        viewHeight_ = clientHeight - 3 * kDialogSpacing - buttonHeight - barHeight;
    } else {
        viewLeft_ = 0;
        viewTop_ = 0;
        viewWidth_ = clientWidth - barWidth;
        viewHeight_ = clientHeight - barHeight;
    }
    viewWidth_ = std::max(0, viewWidth_);
    viewHeight_ = std::max(0, viewHeight_);
    MoveWindow(GetDlgItem(window_, kPreviewVerticalBarId), viewLeft_ + viewWidth_, viewTop_,
               barWidth, viewHeight_, TRUE);
    MoveWindow(GetDlgItem(window_, kPreviewHorizontalBarId), viewLeft_, viewTop_ + viewHeight_,
               viewWidth_, barHeight, TRUE);
    AfterChange(false);
}

void Preview::Scroll(bool vertical, int request, int thumb) {
    int& position = vertical ? scrollY_ : scrollX_;
    const int content = vertical ? images_.ContentHeight() : images_.ContentWidth();
    const int view = vertical ? viewHeight_ : viewWidth_;
    const int last = std::max(0, content - view);
    switch (request) {
    case SB_LINEUP:
        position = std::max(0, position - kLineStep);
        break;
    case SB_LINEDOWN:
        position = std::min(last, position + kLineStep);
        break;
    case SB_PAGEUP:
        position = std::max(0, position - view);
        break;
    case SB_PAGEDOWN:
        position = std::min(last, position + view);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The 16-bit thumb of the message cannot carry a long document's position.
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        const HWND bar =
            GetDlgItem(window_, vertical ? kPreviewVerticalBarId : kPreviewHorizontalBarId);
        position = GetScrollInfo(bar, SB_CTL, &info) != FALSE ? info.nTrackPos : thumb;
        break;
    }
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = last;
        break;
    default:
        return;
    }
    AfterChange(true);
}

void Preview::AfterChange(bool repaint) {
    if (window_ == nullptr) {
        return;
    }
    const int clampedX = std::clamp(scrollX_, 0, std::max(0, images_.ContentWidth() - viewWidth_));
    const int clampedY =
        std::clamp(scrollY_, 0, std::max(0, images_.ContentHeight() - viewHeight_));
    const bool moved = clampedX != scrollX_ || clampedY != scrollY_;
    scrollX_ = clampedX;
    scrollY_ = clampedY;
    UpdateBars();
    if (repaint || moved) {
        InvalidateRect(window_, nullptr, FALSE);
    }
}

void Preview::UpdateBars() {
    const auto update = [this](int id, int content, int view, int position) {
        const HWND bar = GetDlgItem(window_, id);
        if (content <= view) {
            EnableWindow(bar, FALSE);
            return;
        }
        EnableWindow(bar, TRUE);
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = content - 1;
        info.nPage = static_cast<UINT>(view);
        info.nPos = position;
        SetScrollInfo(bar, SB_CTL, &info, TRUE);
    };
    update(kPreviewVerticalBarId, images_.ContentHeight(), viewHeight_, scrollY_);
    update(kPreviewHorizontalBarId, images_.ContentWidth(), viewWidth_, scrollX_);
}

void Preview::Paint() {
    PAINTSTRUCT paint{};
    const HDC windowDc = BeginPaint(window_, &paint);
    RECT client{};
    GetClientRect(window_, &client);
    const int clientWidth = client.right - client.left;
    const int clientHeight = client.bottom - client.top;
    if (clientWidth > 0 && clientHeight > 0) {
        OwnedBitmap clientBitmap(CreateCompatibleBitmap(windowDc, clientWidth, clientHeight));
        MemoryCanvas clientCanvas(windowDc, clientBitmap.Get());
        FillRect(clientCanvas.Get(), &client, GetSysColorBrush(COLOR_BTNFACE));
        if (viewWidth_ > 0 && viewHeight_ > 0) {
            OwnedBitmap viewBitmap(CreateCompatibleBitmap(windowDc, viewWidth_, viewHeight_));
            {
                MemoryCanvas view(windowDc, viewBitmap.Get());
                FillSolid(view.Get(), RectOf(0, 0, viewWidth_, viewHeight_), kViewColour);
                for (std::int32_t index = 0; index < images_.Count(); ++index) {
                    if (!InView(index)) {
                        continue;
                    }
                    const PreviewImage& image = images_.At(index);
                    const int x = image.left - scrollX_;
                    const int y = image.top - scrollY_;
                    FillSolid(
                        view.Get(),
                        RectOf(x + kShadowOffset, y + kShadowOffset, image.width, image.height),
                        kShadowColour);
                    FillSolid(view.Get(), RectOf(x, y, image.width, image.height), kPaperColour);
                    MemoryCanvas page(windowDc, image.bitmap.Get());
                    BitBlt(view.Get(), x, y, image.width, image.height, page.Get(), 0, 0, SRCCOPY);
                    const RECT frame = RectOf(x - 1, y - 1, image.width + 2, image.height + 2);
                    FrameRect(view.Get(), &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
                }
                BitBlt(clientCanvas.Get(), viewLeft_, viewTop_, viewWidth_, viewHeight_, view.Get(),
                       0, 0, SRCCOPY);
            }
        }
        BitBlt(windowDc, 0, 0, clientWidth, clientHeight, clientCanvas.Get(), 0, 0, SRCCOPY);
    }
    EndPaint(window_, &paint);
}

} // namespace output
