// Device contexts: the screen's, memory contexts holding a bitmap, and printer contexts drawing
// one page at a time. A context keeps its drawing state (selected objects, colours, modes, the
// logical-to-device mapping) and a stack of saved states.
#pragma once

#include "platform/win32/src/gdi/device_geometry.h"
#include "platform/win32/src/gdi/gdi_objects.h"

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace win32 {

class PrintJob;

// What GetDeviceCaps answers for a device. Sizes are in device pixels.
struct DeviceCaps {
    int technology = DT_RASDISPLAY;
    int dpiX = 96;
    int dpiY = 96;
    int printableWidth = 1920; // HORZRES
    int printableHeight = 1080;
    int physicalWidth = 1920;
    int physicalHeight = 1080;
    int offsetX = 0;
    int offsetY = 0;
    int bitsPerPixel = kScreenBitsPerPixel;
};

DeviceCaps ScreenCaps();

enum class DeviceKind { Screen, Memory, Printer };

// The objects selected into a context; each counts the context among its holders.
struct DcObjects {
    std::uint32_t pen = 0;
    std::uint32_t brush = 0;
    std::uint32_t font = 0;
    std::uint32_t palette = 0;
    std::uint32_t bitmap = 0; // memory contexts only

    std::array<std::uint32_t, 5> All() const { return {pen, brush, font, palette, bitmap}; }
};

// The values a context draws with; the GDI calls check and set them directly.
struct DcValues {
    COLORREF textColor = 0x000000;
    COLORREF backgroundColor = 0xFFFFFF;
    int backgroundMode = OPAQUE;
    int polyFillMode = ALTERNATE;
    int stretchMode = BLACKONWHITE;
    UINT textAlign = TA_LEFT | TA_TOP;
    int mapMode = MM_TEXT;
    SIZE windowExtent{1, 1};
    SIZE viewportExtent{1, 1};
    POINT position{0, 0};
    // SetTextJustification: extra device pixels spread over a line's break characters, and the
    // pixels of extra % count still to be handed out, one each to the next breaks drawn, carried
    // from one text call to the next until the line's justification is set again.
    int justifyExtra = 0;
    int justifyCount = 0;
    int justifyRemainder = 0;
};

// What SaveDC keeps and RestoreDC brings back.
struct DcState {
    DcObjects objects;
    DcValues values;
};

class DeviceContext : public HandleObject {
public:
    static constexpr ObjectKind kKind = ObjectKind::DeviceContext;
    DeviceContext(DeviceKind device, DeviceCaps caps);
    ~DeviceContext() override;

    DeviceKind Device() const { return device_; }
    const DeviceCaps& Caps() const { return caps_; }
    std::uint32_t Handle() const { return handle_; }
    void SetHandle(std::uint32_t handle);

    // The selected objects change only through Select and Restore, which keep the holder counts
    // right; the values are free to set.
    const DcObjects& Selected() const { return state_.objects; }
    DcValues& Values() { return state_.values; }
    const DcValues& Values() const { return state_.values; }

    // Select answers the previous handle, or 0 on refusal.
    std::uint32_t Select(std::uint32_t object);
    int Save();
    bool Restore(int level);

    // The pixels drawing goes to (null: nothing to draw on, as for the screen), and where device
    // pixel (0, 0) lies on them.
    Surface* Target();
    POINT TargetOrigin() const;
    // A logical point, and a logical rectangle given by corner and size, in the target's pixels.
    DevicePoint ToTarget(POINT logical) const;
    DeviceRect ToTarget(int x, int y, int width, int height) const;
    // A logical rectangle given by two corners, ordered so that left <= right, top <= bottom.
    DeviceRect ToTarget(const RECT& logical) const;
    // Where drawing may go on the target: a printer's printable area, else everywhere.
    DeviceRect Clip() const;
    // The selected brush's colour, and whether it paints at all.
    bool HasBrush() const;
    COLORREF BrushColor() const;

    // Logical to device and back, by the mapping mode; answers beyond the 32-bit range give its
    // nearest end.
    int ToDeviceX(int x) const;
    int ToDeviceY(int y) const;
    int ToLogicalX(int x) const;
    int ToLogicalY(int y) const;
    POINT ToDevice(POINT p) const { return {ToDeviceX(p.x), ToDeviceY(p.y)}; }
    // Lengths (pen widths, font heights, text extents) keep their sign.
    int LengthToDeviceX(int length) const;
    int LengthToDeviceY(int length) const;
    int LengthToLogicalX(int length) const;
    int LengthToLogicalY(int length) const;

    // A window's context draws on the surface of its top-level window, with the window's device
    // (0, 0) at `origin` on it, and only inside `clip`.
    void DrawOnWindow(std::shared_ptr<Surface> surface, POINT origin, DeviceRect clip);
    bool OnWindow() const { return windowSurface_ != nullptr; }
    // Narrows a window's drawing to `area`, given in the window's device pixels.
    void ClipWindowTo(const RECT& area);
    void SetWindowClip(DeviceRect clip) { windowClip_ = clip; }

    // Printing: the printer a printer context was made for, the application's abort procedure,
    // and the document being printed (null outside StartDoc ... EndDoc).
    void SetPrinterName(std::string name) { printerName_ = std::move(name); }
    const std::string& PrinterName() const { return printerName_; }
    void SetAbortProc(ABORTPROC procedure) { abortProc_ = procedure; }
    ABORTPROC AbortProc() const { return abortProc_; }
    PrintJob* Job() { return job_.get(); }
    void StartJob(std::unique_ptr<PrintJob> job);
    void EndJob();

private:
    // length x numerator / denominator in MM_ANISOTROPIC; unchanged in MM_TEXT.
    std::int64_t Scale(int length, int numerator, int denominator) const;
    // A logical length in device pixels, unsaturated, along each axis.
    std::int64_t DeviceLengthX(int length) const;
    std::int64_t DeviceLengthY(int length) const;
    void Hold(std::uint32_t object);
    void Release(std::uint32_t object);

    DeviceKind device_;
    DeviceCaps caps_;
    std::uint32_t handle_ = 0;
    DcState state_;
    std::vector<DcState> saved_;
    std::shared_ptr<Surface> windowSurface_;
    POINT windowOrigin_{0, 0};
    DeviceRect windowClip_{};
    std::unique_ptr<PrintJob> job_;
    std::string printerName_;
    ABORTPROC abortProc_ = nullptr;
};

DeviceContext* LookupDc(HDC dc);
// Makes a context and enters it in the table with the stock objects selected.
HDC NewDeviceContext(DeviceKind device, DeviceCaps caps);

// Stock objects by GetStockObject index, made when first asked for; plus the 1 x 1 monochrome
// bitmap that a new memory context holds.
std::uint32_t StockObject(int index);
std::uint32_t DefaultBitmap();

// a x b / c rounded to the nearest integer, halves away from zero, in 64 bits; 0 when c is 0.
std::int64_t MulDivRoundWide(int a, int b, int c);
// The same, answered as the nearest int.
int MulDivRound(int a, int b, int c);

} // namespace win32
