// The canvas model: devices, properties, fonts, page flags, items other than text, and
// transactions. Text layout is text_layout.cpp.
#include "output/canvas/canvas.h"

#include "output/bitmap_file.h"
#include "output/canvas/pdf_export.h"
#include "output/canvas/src/measuring_context.h"
#include "output/image/caller_path.h"

#include <algorithm>
#include <cstdint>

namespace output {

namespace {

constexpr std::int32_t kTwipsPerInch = 1440;
constexpr std::int32_t kTwipsPerPoint = 20;
constexpr std::int32_t kDefaultPageWidth = 12240;  // 8.5 inches
constexpr std::int32_t kDefaultPageHeight = 15840; // 11 inches
constexpr std::int32_t kDefaultScale = 96;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

std::int32_t ClampLineWidth(std::int32_t wide) {
    return std::clamp(wide, kMinLineWidth, kMaxLineWidth);
}

// A device's paper size in twips, or the default letter size when it could not be measured.
std::int32_t PaperTwips(std::int32_t hundredths, std::int32_t fallback) {
    return hundredths > 0 ? static_cast<std::int32_t>(std::int64_t{hundredths} * 1440 / 100)
                          : fallback;
}

} // namespace

Canvas::Canvas() : Canvas(ListCanvasDevices()) {}

Canvas::Canvas(std::vector<DeviceInfo> devices) : devices_(std::move(devices)) {
    Reset(0);
}

Canvas::~Canvas() {
    DeleteItems();
}

void Canvas::DeleteItems() {
    if (measuring_) {
        measuring_->DeselectFont();
    }
    items_ = CanvasItems{};
    snapshots_.clear();
}

CanvasError Canvas::Reset(std::int32_t deviceNumber) {
    DeleteItems();
    CanvasError result = CanvasError::OK;
    device_ = nullptr;
    if (deviceNumber >= 1 && static_cast<std::size_t>(deviceNumber) <= devices_.size()) {
        device_ = &devices_[static_cast<std::size_t>(deviceNumber) - 1];
    } else if (deviceNumber != 0) {
        result = CanvasError::InvalidDevice;
    }
    measuring_.reset();
    measuring_ = std::make_unique<MeasuringContext>(device_);

    state_ = CanvasState{};
    state_.pages.width = device_ ? PaperTwips(device_->physicalWidthHundredths, kDefaultPageWidth)
                                 : kDefaultPageWidth;
    state_.pages.height = device_
                              ? PaperTwips(device_->physicalHeightHundredths, kDefaultPageHeight)
                              : kDefaultPageHeight;
    state_.margins.rightEdge = state_.pages.width - state_.margins.right;
    state_.margins.bottomEdge = state_.pages.height - state_.margins.bottom;
    scale_ = kDefaultScale;
    NewPageStep();
    return result;
}

std::string Canvas::DeviceList() const {
    std::string list;
    for (const DeviceInfo& device : devices_) {
        if (!list.empty()) {
            list += ',';
        }
        list += device.deviceName;
    }
    return list;
}

void Canvas::SetPage(std::int32_t page) {
    if (page >= 1 && page <= kMaxCanvasPage) {
        state_.pages.current = page;
    }
}

void Canvas::SetCursorX(std::int32_t x) {
    CloseLine(/*lastLine*/ true);
    state_.cursorX = x;
}

void Canvas::SetCursorY(std::int32_t y) {
    CloseLine(/*lastLine*/ true);
    state_.cursorY = y;
}

void Canvas::SetMarginTop(std::int32_t top) {
    const PageSet& pages = state_.pages;
    bool pageHoldsItems = pages.current >= 1 && pages.current <= pages.total &&
                          pages.flags[static_cast<std::size_t>(pages.current) - 1] != 0;
    if (!pageHoldsItems && state_.cursorY == state_.margins.top) {
        state_.cursorY = top;
    }
    state_.margins.top = top;
}

void Canvas::SetMarginBottom(std::int32_t bottom) {
    state_.margins.bottom = bottom;
    state_.margins.bottomEdge = SaturatedAdd(state_.pages.height, -std::int64_t{bottom});
}

void Canvas::SetMarginLeft(std::int32_t left) {
    Margins& margins = state_.margins;
    if (state_.line.words == 0 && state_.cursorX == SaturatedAdd(margins.left, margins.indent)) {
        state_.cursorX = SaturatedAdd(left, margins.indent);
    }
    margins.left = left;
}

void Canvas::SetMarginRight(std::int32_t right) {
    state_.margins.right = right;
    state_.margins.rightEdge = SaturatedAdd(state_.pages.width, -std::int64_t{right});
}

void Canvas::SetMarginIndent(std::int32_t indent) {
    Margins& margins = state_.margins;
    if (state_.line.words == 0 && state_.cursorX == SaturatedAdd(margins.left, margins.indent)) {
        state_.cursorX = SaturatedAdd(margins.left, indent);
    }
    margins.indent = indent;
}

void Canvas::SetJustify(std::int32_t justify) {
    if (justify >= 0 && justify <= 3) {
        state_.margins.justify = static_cast<Justification>(justify);
    }
}

void Canvas::SetFontName(std::string name) {
    state_.font.name = std::move(name);
}

void Canvas::SetFontType(std::int32_t type) {
    state_.font.type = type;
}

void Canvas::SetFontSize(std::int32_t size) {
    state_.font.size = std::clamp(size, kMinFontSize, kMaxFontSize);
}

void Canvas::SetFontBold(bool bold) {
    state_.font.bold = bold;
}

void Canvas::SetFontUnder(bool underline) {
    state_.font.underline = underline;
}

void Canvas::SetFontItalic(bool italic) {
    state_.font.italic = italic;
}

void Canvas::SetColorOfText(COLORREF colour) {
    state_.colours.text = colour;
}

void Canvas::SetColorOfLine(COLORREF colour) {
    state_.colours.line = colour;
}

void Canvas::SetColorOfFill(COLORREF colour) {
    state_.colours.fill = colour;
}

void Canvas::SetDrawScale(std::int32_t scale) {
    scale_ = std::clamp(scale, kMinDrawScale, kMaxDrawScale);
    for (FontRecord& font : items_.fonts) {
        font.scaleFont = MakeFont(font.choice, scale_);
    }
}

void Canvas::FlagPage(std::uint8_t flag) {
    PageSet& pages = state_.pages;
    if (pages.current > pages.total) {
        pages.total = pages.current;
        pages.flags.resize(static_cast<std::size_t>(pages.total), 0);
    }
    pages.flags[static_cast<std::size_t>(pages.current) - 1] |= flag;
}

void Canvas::FlagPage(COLORREF colour) {
    FlagPage(colour == kBlack || colour == kWhite ? kPageHasBlackOrWhite : kPageHasColour);
}

OwnedFont Canvas::MakeFont(const FontChoice& choice, std::int32_t pixelsPerInch) const {
    // A character height (negative) of the point size at this resolution.
    int height = -(choice.size * kTwipsPerPoint * pixelsPerInch / kTwipsPerInch);
    return OwnedFont(CreateFontA(height, 0, 0, 0, choice.bold ? FW_BOLD : FW_NORMAL,
                                 choice.italic ? 1 : 0, choice.underline ? 1 : 0, 0, 0, 0, 0, 0, 0,
                                 choice.name.c_str()));
}

std::size_t Canvas::LookUpFont() {
    const FontChoice& wanted = state_.font;
    // The first record that matches wins; the type is not compared.
    for (std::size_t i = 0; i < items_.fonts.size(); ++i) {
        const FontChoice& have = items_.fonts[i].choice;
        if (SameName(have.name, wanted.name) && have.size == wanted.size &&
            have.bold == wanted.bold && have.underline == wanted.underline &&
            have.italic == wanted.italic) {
            measuring_->Select(items_.fonts[i].deviceFont.Get());
            return i;
        }
    }
    FontRecord record;
    record.choice = wanted;
    record.deviceFont = MakeFont(wanted, measuring_->PixelsPerInchY());
    record.scaleFont = MakeFont(wanted, scale_);
    measuring_->Select(record.deviceFont.Get());
    record.blankWidth = measuring_->MeasureTwips(" ").cx;
    record.ascent = measuring_->AscentTwips();
    items_.fonts.push_back(std::move(record));
    return items_.fonts.size() - 1;
}

SIZE Canvas::Measure(std::string_view text) {
    LookUpFont();
    return measuring_->MeasureTwips(text);
}

void Canvas::PutLine(std::int32_t xFrom, std::int32_t yFrom, std::int32_t xTo, std::int32_t yTo,
                     std::int32_t wide) {
    COLORREF colour = state_.colours.line;
    items_.lines.push_back(
        {state_.pages.current, xFrom, yFrom, xTo, yTo, ClampLineWidth(wide), colour});
    FlagPage(colour);
}

CanvasError Canvas::PutPolygon(std::string_view points, std::int32_t wide, bool doLine,
                               bool doFill) {
    if (!doLine && !doFill) {
        return CanvasError::OK;
    }
    std::vector<CanvasPoint> corners = ReadPointList(points);
    if (corners.size() < 3) {
        return CanvasError::PolygonError;
    }
    items_.polygons.push_back({state_.pages.current, std::move(corners), ClampLineWidth(wide),
                               doLine, doFill, state_.colours.line, state_.colours.fill});
    if (doLine) {
        FlagPage(state_.colours.line);
    }
    if (doFill) {
        FlagPage(state_.colours.fill);
    }
    return CanvasError::OK;
}

CanvasError Canvas::PutImage(std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height, const std::string& name, std::int32_t format) {
    OwnedBitmap bitmap;
    if (format == static_cast<std::int32_t>(ImageSource::Handle)) {
        // Handles travel as 32-bit numbers; only a bitmap is taken over.
        auto number = static_cast<std::uint32_t>(ReadInteger(name));
        auto handle = reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(number));
        if (number != 0 && GetObjectType(handle) == OBJ_BITMAP) {
            bitmap = OwnedBitmap(handle);
        }
    } else if (format == static_cast<std::int32_t>(ImageSource::BitmapFile)) {
        HBITMAP loaded = nullptr;
        if (!LoadBitmapFile(CallerBitmapPath(name).string(), loaded)) {
            return CanvasError::CannotAccessFile;
        }
        bitmap = OwnedBitmap(loaded);
    } else {
        return CanvasError::InvalidFormat;
    }
    if (!bitmap) {
        return CanvasError::OK;
    }
    BITMAP info{};
    GetObjectA(bitmap.Get(), sizeof info, &info);
    ImageItem item;
    item.page = state_.pages.current;
    item.x = x != 0 ? x : state_.cursorX;
    item.y = y != 0 ? y : state_.cursorY;
    item.width = width != 0 ? width
                            : static_cast<std::int32_t>(std::int64_t{info.bmWidth} * kTwipsPerInch /
                                                        measuring_->PixelsPerInchX());
    item.height = height != 0
                      ? height
                      : static_cast<std::int32_t>(std::int64_t{info.bmHeight} * kTwipsPerInch /
                                                  measuring_->PixelsPerInchY());
    item.bitmap = std::move(bitmap);
    item.pixelWidth = info.bmWidth;
    item.pixelHeight = info.bmHeight;
    items_.images.push_back(std::move(item));
    FlagPage(kPageHasColour);
    return CanvasError::OK;
}

void Canvas::TransStart() {
    const std::size_t pending =
        std::min(static_cast<std::size_t>(std::max(state_.line.words, 0)), items_.words.size());
    snapshots_.push_back(
        {items_.images.size(), items_.polygons.size(), items_.lines.size(), items_.words.size(),
         items_.fonts.size(), state_,
         std::vector<WordItem>(items_.words.end() - static_cast<std::ptrdiff_t>(pending),
                               items_.words.end())});
}

CanvasError Canvas::TransStop(bool commit) {
    if (snapshots_.empty()) {
        return CanvasError::TransactionError;
    }
    Snapshot& snapshot = snapshots_.back();
    if (!commit) {
        state_ = snapshot.state;
        measuring_->DeselectFont();
        items_.fonts.resize(std::min(items_.fonts.size(), snapshot.fonts));
        items_.words.resize(std::min(items_.words.size(), snapshot.words));
        std::copy(snapshot.pendingLine.begin(), snapshot.pendingLine.end(),
                  items_.words.end() - static_cast<std::ptrdiff_t>(snapshot.pendingLine.size()));
        items_.lines.resize(std::min(items_.lines.size(), snapshot.lines));
        items_.polygons.resize(std::min(items_.polygons.size(), snapshot.polygons));
        items_.images.resize(std::min(items_.images.size(), snapshot.images));
    }
    snapshots_.pop_back();
    return CanvasError::OK;
}

CanvasError Canvas::Export(std::string_view name, std::int32_t format) const {
    if (state_.pages.total == 0) {
        return CanvasError::CanvasEmpty;
    }
    if (format != 1) {
        return CanvasError::InvalidFormat;
    }
    return WritePdf(*this, name);
}

} // namespace output
