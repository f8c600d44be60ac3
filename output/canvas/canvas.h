// The canvas: a page-layout engine that keeps every placed item in memory until output is asked
// for. A caller chooses a device, sets margins, font and colours, and pours text (with in-line
// commands, see text_command.h), lines, polygons and images onto numbered pages. Rendering a
// page to a bitmap is page_bitmap.h, the PDF file pdf_export.h.
//
// Positions and sizes are twips (1/1440 inch) from the top-left corner of the physical page;
// font sizes are points; colours are 0x00BBGGRR. Property setters never fail: out-of-range
// values are clamped or ignored. The class knows nothing of COM.
#pragma once

#include "output/canvas/canvas_items.h"
#include "output/canvas/canvas_state.h"
#include "output/canvas/device_info.h"
#include "output/error_codes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace output {

class MeasuringContext;

inline constexpr std::int32_t kMinFontSize = 8;
inline constexpr std::int32_t kMaxFontSize = 72;
inline constexpr std::int32_t kMinDrawScale = 48;
inline constexpr std::int32_t kMaxDrawScale = 192;
inline constexpr std::int32_t kMinLineWidth = 1;
inline constexpr std::int32_t kMaxLineWidth = 360;

enum class ImageSource : std::int32_t { Handle = 0, BitmapFile = 1 };

class Canvas {
public:
    // The devices are the platform's printers.
    Canvas();
    explicit Canvas(std::vector<DeviceInfo> devices);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Deletes every item and starts afresh on page 1 of device `deviceNumber` (1..n of the
    // device list; 0 the screen). Any other number: the screen, and InvalidDevice.
    CanvasError Reset(std::int32_t deviceNumber);

    const std::vector<DeviceInfo>& Devices() const { return devices_; }
    // The device names joined by ",".
    std::string DeviceList() const;
    // Null for the screen.
    const DeviceInfo* CurrentDevice() const { return device_; }

    std::int32_t PageTotal() const { return state_.pages.total; }
    std::int32_t Page() const { return state_.pages.current; }
    // Values below 1 and above kMaxCanvasPage are ignored.
    void SetPage(std::int32_t page);
    std::int32_t PageX() const { return state_.pages.width; }
    std::int32_t PageY() const { return state_.pages.height; }
    // Both setters first close the pending line as a last line.
    std::int32_t CursorX() const { return state_.cursorX; }
    void SetCursorX(std::int32_t x);
    std::int32_t CursorY() const { return state_.cursorY; }
    void SetCursorY(std::int32_t y);

    const Margins& GetMargins() const { return state_.margins; }
    // Top: the cursor follows a top margin it stands on, unless the page already holds items.
    void SetMarginTop(std::int32_t top);
    void SetMarginBottom(std::int32_t bottom);
    // Left and indent: the cursor follows when it stands at the start of an empty line.
    void SetMarginLeft(std::int32_t left);
    void SetMarginRight(std::int32_t right);
    void SetMarginIndent(std::int32_t indent);
    // 0..3; anything else is ignored.
    void SetJustify(std::int32_t justify);

    const FontChoice& Font() const { return state_.font; }
    void SetFontName(std::string name);
    void SetFontType(std::int32_t type);
    // Clamped to kMinFontSize..kMaxFontSize.
    void SetFontSize(std::int32_t size);
    void SetFontBold(bool bold);
    void SetFontUnder(bool underline);
    void SetFontItalic(bool italic);

    const CanvasColours& Colours() const { return state_.colours; }
    void SetColorOfText(COLORREF colour);
    void SetColorOfLine(COLORREF colour);
    void SetColorOfFill(COLORREF colour);

    // Pixels per inch of page bitmaps. The setter clamps to kMinDrawScale..kMaxDrawScale and
    // remakes every font's bitmap font.
    std::int32_t DrawScale() const { return scale_; }
    void SetDrawScale(std::int32_t scale);

    // The size of `text` in the current font on the device, in twips.
    SIZE Measure(std::string_view text);
    void PutText(std::string_view text);
    void PutLine(std::int32_t xFrom, std::int32_t yFrom, std::int32_t xTo, std::int32_t yTo,
                 std::int32_t wide);
    CanvasError PutPolygon(std::string_view points, std::int32_t wide, bool doLine, bool doFill);
    // `name` is a bitmap handle as a number (the canvas takes it over) or a file name without
    // its ".BMP", by `format`.
    CanvasError PutImage(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                         const std::string& name, std::int32_t format);
    void NewParagraph();
    void NewPage();

    void TransStart();
    CanvasError TransStop(bool commit);

    // Writes every page as one PDF file, `name` + ".pdf" (format 1).
    CanvasError Export(std::string_view name, std::int32_t format) const;

    const CanvasState& State() const { return state_; }
    const CanvasItems& Items() const { return items_; }

private:
    struct Snapshot {
        std::size_t images;
        std::size_t polygons;
        std::size_t lines;
        std::size_t words;
        std::size_t fonts;
        CanvasState state;
        // The words of the pending line as they were: later text may merge into the last of
        // them, closing the line moves them across, and a larger font moves them down.
        std::vector<WordItem> pendingLine;
    };

    void DeleteItems();
    void FlagPage(COLORREF colour);
    void FlagPage(std::uint8_t flag);
    OwnedFont MakeFont(const FontChoice& choice, std::int32_t pixelsPerInch) const;
    std::size_t LookUpFont();

    // Layout steps (text_layout.cpp).
    void CloseLine(bool lastLine);
    void NewPageStep();
    void ParagraphStep();
    void StartNextPage();
    void PlaceWord(std::size_t font, std::string word);
    void RunCommand(const TextCommand& command);

    std::vector<DeviceInfo> devices_;
    const DeviceInfo* device_ = nullptr;
    std::unique_ptr<MeasuringContext> measuring_;
    std::int32_t scale_ = 96;
    CanvasItems items_;
    std::vector<Snapshot> snapshots_;
    CanvasState state_;
};

} // namespace output
