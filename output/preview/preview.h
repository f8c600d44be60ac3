// The Preview class's engine: the page list and the window that shows it, either as a child of a
// caller's window (Open) or as a modal top-level window with a "Close" button (Dialog). Pages are
// handed over as bitmap handles (format 0) or read from BMP files (format 1); the preview owns
// them from then on.
#pragma once

#include "output/error_codes.h"
#include "output/preview/preview_images.h"

#include "platform/win32/windows.h"

#include <cstdint>
#include <string>

namespace output {

// Control ids of the window's children.
inline constexpr int kPreviewCloseButtonId = 101;
inline constexpr int kPreviewVerticalBarId = 201;
inline constexpr int kPreviewHorizontalBarId = 211;

// The smallest window a caller or a user's resizing gets.
inline constexpr int kPreviewMinimumWidth = 128;
inline constexpr int kPreviewMinimumHeight = 196;

// Where a page comes from: format 0 hands over the bitmap `handle`, format 1 reads the file
// `name` + ".BMP"; other formats are refused.
struct PreviewSource {
    std::int32_t format = 0;
    HBITMAP handle = nullptr;
    std::string name;
};

// The screen rectangle of a dialog: given on the way in, the window's last one on the way out.
struct PreviewPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class Preview {
public:
    Preview();
    ~Preview();
    Preview(const Preview&) = delete;
    Preview& operator=(const Preview&) = delete;

    void Reset();
    PreviewError Add(const PreviewSource& source);
    PreviewError Get(std::int32_t index, HBITMAP& bitmap) const;
    PreviewError Set(std::int32_t index, const PreviewSource& source);
    PreviewError Insert(std::int32_t index, const PreviewSource& source);
    PreviewError Delete(std::int32_t index);
    std::int32_t Count() const { return images_.Count(); }

    PreviewError Open(HWND parent);
    PreviewError Refresh(std::int32_t index);
    void Resize();
    int SizeX() const { return viewWidth_ - 2 * kPreviewMargin; }
    int SizeY() const { return viewHeight_ - 2 * kPreviewMargin; }
    void Close();
    // Runs the window's own message loop until the window is gone; `placement` is left alone on
    // an error.
    PreviewError Dialog(HWND parent, const std::string& caption, PreviewPlacement& placement);

    HWND Window() const { return window_; }
    int ScrollX() const { return scrollX_; }
    int ScrollY() const { return scrollY_; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    bool InView(std::int32_t index) const;
    void CreateControls();
    void LayOut();
    void Scroll(bool vertical, int request, int thumb);
    // Clamps the scroll position, updates the bars and repaints when asked or when it moved.
    void AfterChange(bool repaint);
    void UpdateBars();
    void Paint();

    PreviewImages images_;
    HWND window_ = nullptr;
    HWND parent_ = nullptr;
    bool dialogMode_ = false;
    PreviewPlacement lastPlacement_;
    int viewLeft_ = 0;
    int viewTop_ = 0;
    int viewWidth_ = 0;
    int viewHeight_ = 0;
    int scrollX_ = 0;
    int scrollY_ = 0;
};

} // namespace output
