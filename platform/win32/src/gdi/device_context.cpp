#include "platform/win32/src/gdi/device_context.h"

#include "platform/win32/src/print/print_job.h"
#include "platform/win32/src/window/system_metrics.h"

#include <algorithm>
#include <cstdlib>

namespace win32 {

DeviceCaps ScreenCaps() {
    DeviceCaps caps;
    caps.printableWidth = caps.physicalWidth = ScreenWidth();
    caps.printableHeight = caps.physicalHeight = ScreenHeight();
    return caps;
}

std::int64_t MulDivRoundWide(int a, int b, int c) {
    if (c == 0) {
        return 0;
    }
    // |a x b| <= 2^62, so neither the product nor its magnitude overflows.
    std::int64_t product = std::int64_t{a} * b;
    std::int64_t divisor = std::llabs(std::int64_t{c});
    bool negative = (product < 0) != (c < 0);
    std::int64_t magnitude = (std::llabs(product) + divisor / 2) / divisor;
    return negative ? -magnitude : magnitude;
}

int MulDivRound(int a, int b, int c) {
    return SaturateToInt(MulDivRoundWide(a, b, c));
}

DeviceContext::DeviceContext(DeviceKind device, DeviceCaps caps)
    : HandleObject(kKind), device_(device), caps_(caps) {}

DeviceContext::~DeviceContext() {
    if (job_) {
        job_->Abort();
    }
    while (!saved_.empty()) {
        for (std::uint32_t object : saved_.back().objects.All()) {
            Release(object);
        }
        saved_.pop_back();
    }
    for (std::uint32_t object : state_.objects.All()) {
        Release(object);
    }
}

void DeviceContext::SetHandle(std::uint32_t handle) {
    handle_ = handle;
}

void DeviceContext::Hold(std::uint32_t object) {
    if (HandleObject* found = HandleTable::Instance().Find(object)) {
        ++found->holders;
        if (found->Kind() == ObjectKind::Bitmap) {
            found->holderContext = handle_;
        }
    }
}

void DeviceContext::Release(std::uint32_t object) {
    if (HandleObject* found = HandleTable::Instance().Find(object)) {
        if (--found->holders == 0) {
            found->holderContext = 0;
        }
    }
}

std::uint32_t DeviceContext::Select(std::uint32_t object) {
    HandleObject* found = HandleTable::Instance().Find(object);
    if (found == nullptr) {
        return 0;
    }
    std::uint32_t* slot = nullptr;
    switch (found->Kind()) {
    case ObjectKind::Pen:
        slot = &state_.objects.pen;
        break;
    case ObjectKind::Brush:
        slot = &state_.objects.brush;
        break;
    case ObjectKind::Font:
        slot = &state_.objects.font;
        break;
    case ObjectKind::Palette:
        slot = &state_.objects.palette;
        break;
    case ObjectKind::Bitmap:
        // A bitmap goes only into a memory context, and into one context at a time.
        if (device_ != DeviceKind::Memory) {
            return 0;
        }
        if (!found->stock && found->holders > 0 && found->holderContext != handle_) {
            return 0;
        }
        slot = &state_.objects.bitmap;
        break;
    case ObjectKind::DeviceContext:
    case ObjectKind::Metafile:
    case ObjectKind::Window:
        return 0;
    }
    std::uint32_t previous = *slot;
    Hold(object);
    Release(previous);
    *slot = object;
    return previous;
}

int DeviceContext::Save() {
    saved_.push_back(state_);
    for (std::uint32_t object : state_.objects.All()) {
        Hold(object);
    }
    return static_cast<int>(saved_.size());
}

bool DeviceContext::Restore(int level) {
    int depth = static_cast<int>(saved_.size());
    int target = level < 0 ? depth + 1 + level : level;
    if (target < 1 || target > depth) {
        return false;
    }
    for (std::uint32_t object : state_.objects.All()) {
        Release(object);
    }
    while (static_cast<int>(saved_.size()) > target) {
        for (std::uint32_t object : saved_.back().objects.All()) {
            Release(object);
        }
        saved_.pop_back();
    }
    state_ = saved_.back();
    saved_.pop_back();
    return true;
}

Surface* DeviceContext::Target() {
    if (windowSurface_) {
        return windowSurface_.get();
    }
    if (device_ == DeviceKind::Printer) {
        return job_ ? job_->Page() : nullptr;
    }
    if (device_ == DeviceKind::Memory) {
        if (auto* bitmap = Lookup<Bitmap>(MakeHandle<HBITMAP>(state_.objects.bitmap))) {
            return &bitmap->surface;
        }
    }
    return nullptr;
}

POINT DeviceContext::TargetOrigin() const {
    if (windowSurface_) {
        return windowOrigin_;
    }
    if (device_ == DeviceKind::Printer) {
        return {caps_.offsetX, caps_.offsetY};
    }
    return {0, 0};
}

DevicePoint DeviceContext::ToTarget(POINT logical) const {
    POINT origin = TargetOrigin();
    return {ToDeviceRange(DeviceLengthX(logical.x) + origin.x),
            ToDeviceRange(DeviceLengthY(logical.y) + origin.y)};
}

DeviceRect DeviceContext::ToTarget(int x, int y, int width, int height) const {
    DevicePoint corner = ToTarget(POINT{x, y});
    return DeviceRect{corner.x, corner.y, ToDeviceRange(corner.x + DeviceLengthX(width)),
                      ToDeviceRange(corner.y + DeviceLengthY(height))};
}

DeviceRect DeviceContext::ToTarget(const RECT& logical) const {
    DevicePoint a = ToTarget(POINT{logical.left, logical.top});
    DevicePoint b = ToTarget(POINT{logical.right, logical.bottom});
    return DeviceRect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                      std::max(a.y, b.y)};
}

DeviceRect DeviceContext::Clip() const {
    if (windowSurface_) {
        return windowClip_;
    }
    if (device_ == DeviceKind::Printer) {
        return DeviceRect{caps_.offsetX, caps_.offsetY,
                          std::int64_t{caps_.offsetX} + caps_.printableWidth,
                          std::int64_t{caps_.offsetY} + caps_.printableHeight};
    }
    return DeviceRect{0, 0, kMaxDeviceCoordinate, kMaxDeviceCoordinate};
}

bool DeviceContext::HasBrush() const {
    auto* brush = Lookup<Brush>(MakeHandle<HBRUSH>(state_.objects.brush));
    return brush != nullptr && !brush->isNull;
}

COLORREF DeviceContext::BrushColor() const {
    auto* brush = Lookup<Brush>(MakeHandle<HBRUSH>(state_.objects.brush));
    return brush && !brush->isNull ? brush->color : 0xFFFFFF;
}

void DeviceContext::DrawOnWindow(std::shared_ptr<Surface> surface, POINT origin, DeviceRect clip) {
    windowSurface_ = std::move(surface);
    windowOrigin_ = origin;
    windowClip_ = clip;
}

void DeviceContext::ClipWindowTo(const RECT& area) {
    windowClip_.left = std::max<DeviceCoordinate>(windowClip_.left, windowOrigin_.x + area.left);
    windowClip_.top = std::max<DeviceCoordinate>(windowClip_.top, windowOrigin_.y + area.top);
    windowClip_.right = std::min<DeviceCoordinate>(windowClip_.right, windowOrigin_.x + area.right);
    windowClip_.bottom =
        std::min<DeviceCoordinate>(windowClip_.bottom, windowOrigin_.y + area.bottom);
}

void DeviceContext::StartJob(std::unique_ptr<PrintJob> job) {
    job_ = std::move(job);
}

void DeviceContext::EndJob() {
    job_.reset();
}

int DeviceContext::ToDeviceX(int x) const {
    return LengthToDeviceX(x);
}
int DeviceContext::ToDeviceY(int y) const {
    return LengthToDeviceY(y);
}
int DeviceContext::ToLogicalX(int x) const {
    return LengthToLogicalX(x);
}
int DeviceContext::ToLogicalY(int y) const {
    return LengthToLogicalY(y);
}

std::int64_t DeviceContext::Scale(int length, int numerator, int denominator) const {
    return state_.values.mapMode == MM_TEXT ? length
                                            : MulDivRoundWide(length, numerator, denominator);
}

std::int64_t DeviceContext::DeviceLengthX(int length) const {
    return Scale(length, state_.values.viewportExtent.cx, state_.values.windowExtent.cx);
}

std::int64_t DeviceContext::DeviceLengthY(int length) const {
    return Scale(length, state_.values.viewportExtent.cy, state_.values.windowExtent.cy);
}

int DeviceContext::LengthToDeviceX(int length) const {
    return SaturateToInt(DeviceLengthX(length));
}

int DeviceContext::LengthToDeviceY(int length) const {
    return SaturateToInt(DeviceLengthY(length));
}

int DeviceContext::LengthToLogicalX(int length) const {
    return SaturateToInt(
        Scale(length, state_.values.windowExtent.cx, state_.values.viewportExtent.cx));
}

int DeviceContext::LengthToLogicalY(int length) const {
    return SaturateToInt(
        Scale(length, state_.values.windowExtent.cy, state_.values.viewportExtent.cy));
}

DeviceContext* LookupDc(HDC dc) {
    return Lookup<DeviceContext>(dc);
}

HDC NewDeviceContext(DeviceKind device, DeviceCaps caps) {
    auto context = std::make_unique<DeviceContext>(device, caps);
    DeviceContext* raw = context.get();
    std::uint32_t handle = HandleTable::Instance().Insert(std::move(context));
    if (handle == 0) {
        return nullptr;
    }
    raw->SetHandle(handle);
    raw->Select(StockObject(BLACK_PEN));
    raw->Select(StockObject(WHITE_BRUSH));
    raw->Select(StockObject(SYSTEM_FONT));
    raw->Select(StockObject(DEFAULT_PALETTE));
    if (device == DeviceKind::Memory) {
        raw->Select(DefaultBitmap());
    }
    return MakeHandle<HDC>(handle);
}

namespace {

std::uint32_t MakeStock(std::unique_ptr<HandleObject> object) {
    object->stock = true;
    return HandleTable::Instance().Insert(std::move(object));
}

LOGFONTA StockFont(int height, int weight, BYTE pitchAndFamily, const char* face) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfPitchAndFamily = pitchAndFamily;
    for (int i = 0; face[i] != '\0' && i < LF_FACESIZE - 1; ++i) {
        font.lfFaceName[i] = face[i];
    }
    return font;
}

std::unique_ptr<HandleObject> NewStock(int index) {
    switch (index) {
    case WHITE_BRUSH:
        return std::make_unique<Brush>(false, RGB(255, 255, 255));
    case LTGRAY_BRUSH:
        return std::make_unique<Brush>(false, RGB(192, 192, 192));
    case GRAY_BRUSH:
        return std::make_unique<Brush>(false, RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return std::make_unique<Brush>(false, RGB(64, 64, 64));
    case BLACK_BRUSH:
        return std::make_unique<Brush>(false, RGB(0, 0, 0));
    case NULL_BRUSH:
        return std::make_unique<Brush>(true, 0);
    case WHITE_PEN:
        return std::make_unique<Pen>(PS_SOLID, 0, RGB(255, 255, 255));
    case BLACK_PEN:
        return std::make_unique<Pen>(PS_SOLID, 0, RGB(0, 0, 0));
    case NULL_PEN:
        return std::make_unique<Pen>(PS_NULL, 0, 0);
    // The stock fonts: a fixed choice of faces and pixel heights.
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT:
        return std::make_unique<Font>(StockFont(16, FW_NORMAL, FIXED_PITCH | FF_MODERN, ""));
    case ANSI_VAR_FONT:
    case DEFAULT_GUI_FONT:
        return std::make_unique<Font>(
            StockFont(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"));
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
        return std::make_unique<Font>(StockFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, ""));
    case DEFAULT_PALETTE: {
        // The twenty static colours of the system palette.
        static const COLORREF kColors[20] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000,
                                             0x800080, 0x808000, 0xC0C0C0, 0xC0DCC0, 0xF0CAA6,
                                             0xF0FBFF, 0xA4A0A0, 0x808080, 0x0000FF, 0x00FF00,
                                             0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
        std::vector<PALETTEENTRY> entries;
        for (COLORREF c : kColors) {
            entries.push_back({GetRValue(c), GetGValue(c), GetBValue(c), 0});
        }
        return std::make_unique<Palette>(std::move(entries));
    }
    default:
        return nullptr;
    }
}

constexpr int kStockCount = DEFAULT_GUI_FONT + 1;

} // namespace

std::uint32_t StockObject(int index) {
    static std::uint32_t handles[kStockCount] = {};
    if (index < 0 || index >= kStockCount) {
        return 0;
    }
    if (handles[index] == 0) {
        if (auto object = NewStock(index)) {
            handles[index] = MakeStock(std::move(object));
        }
    }
    return handles[index];
}

std::uint32_t DefaultBitmap() {
    static std::uint32_t handle =
        MakeStock(std::make_unique<Bitmap>(Surface(1, 1, PixelFormat::Mono)));
    return handle;
}

} // namespace win32
