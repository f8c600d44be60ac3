// libplotwen.so: bar, area and line graphs drawn into a new bitmap with plain GDI calls, and
// saved as "GRAPH.BMP" on request.
//
// A host describes the chart in a GraphRecord and calls _DOGRAPHDRAWX, or passes flat arguments
// to _DOGRAPHBASIC, which builds the record itself. Positions and sizes are per mille of the
// bitmap's width or height, so one description draws at any size. Colours are Windows RGB values
// (red in the low byte). The library keeps no state between calls; the bitmap handed back
// belongs to the host.
#pragma once

#include "platform/win32/windef.h"

#include <cstdint>

extern "C" {

// The records are packed, each field directly after the previous one. Pointers and handles take
// the width of the platform's pointers.
#pragma pack(push, 1)

struct GraphSeries {
    char name[19];       // NUL-terminated
    std::uint8_t flags;  // kGraphSeriesStacked: stacked on the series before it
    const float* values; // 100 values, one per category number 0-99; null: no series
    std::int32_t colour;
};

struct GraphCategoryMark {
    std::int32_t category; // 0-99; other numbers are ignored
    char label[13];        // "#": the number itself; empty: mark not in use
    std::int32_t colour;   // colour of the label
};

struct GraphValueMark {
    float value;         // -1.0: the largest value of the chart
    char label[13];      // "#": the value itself; empty: mark not in use
    std::int32_t colour; // colour of the label and the value line
};

struct GraphFont {
    std::int32_t size;           // per mille of the bitmap height; 0: font not in use
    std::int32_t weight;         // 400 normal, 700 bold, 900 heavy
    std::uint8_t style;          // bit 0 italic, bit 1 underline
    std::uint8_t pitchAndFamily; // as LOGFONT's lfPitchAndFamily
};

struct GraphText {
    char text[41];                    // empty: not in use
    std::int32_t x;                   // per mille of the width
    std::int32_t y;                   // per mille of the height
    std::int16_t horizontalAlignment; // 0 left of x, 1 centred, 2 right of x
    std::int16_t verticalAlignment;   // 0 top at y, 1 middle, 2 bottom
    std::int8_t font; // 0-7 into the fonts; -1 (or any other): the default label font
    std::int32_t colour;
};

struct GraphRecord {
    std::int16_t graphType;  // 0 no chart, 1 bars, 2 areas, 3 lines drawn as ribbons
    std::int16_t frame;      // 1: a black frame 2 pixels wide around the bitmap
    std::int16_t background; // 0 solid start colour; 1 vertical stripes; 2 horizontal stripes
    std::int32_t gradientStart;
    std::int32_t gradientEnd;
    std::int16_t wallpaperMode; // 0 centred, 1 tiled
    HBITMAP wallpaper;          // null: none
    std::int16_t floorStyle;    // 3-D layout: 0 floor; 1 floor and back rail; other: neither
    std::int32_t floorColour;
    std::int32_t legendX; // per mille of the width; 0: no legend
    std::int32_t legendY; // per mille of the height; 0: no legend
    GraphSeries series[16];
    GraphCategoryMark categoryMarks[16];
    GraphValueMark valueMarks[16];
    GraphFont fonts[8];
    GraphText texts[16];
};

// The optional last argument of _DOGRAPHDRAWX; read only when size is 4 or more.
struct GraphOptions {
    std::int16_t size;
    std::uint8_t unused;
    std::uint8_t flags; // kGraphOption* below
};

#pragma pack(pop)

// GraphSeries flags.
inline constexpr std::uint8_t kGraphSeriesStacked = 0x02;

// GraphOptions flags.
inline constexpr std::uint8_t kGraphOptionSave = 0x01;       // save as "GRAPH.BMP" in the
                                                             // current folder
inline constexpr std::uint8_t kGraphOptionDollar = 0x04;     // "$" before value labels
inline constexpr std::uint8_t kGraphOptionLabelsLeft = 0x08; // value labels on the left (3-D)
inline constexpr std::uint8_t kGraphOptionFlat = 0x10;       // two-dimensional, no depth

using GraphProgress = void (*)(int percent);

// Writes "98.00" into `buffer` (at least 6 bytes) when one is given; returns 0x6200.
__attribute__((visibility("default"))) int _GRAPHVERSION(char* buffer);

// Draws the chart into a new bitmap compatible with `reference` of width x height pixels. A
// bitmap found in *bitmap is deleted first; the new one is stored there (null when it cannot be
// created). `progress` (or null) hears 0 to 100; `options` may be null.
__attribute__((visibility("default"))) void _DOGRAPHDRAWX(HDC reference, int width, int height,
                                                          const GraphRecord* record,
                                                          HBITMAP* bitmap, GraphProgress progress,
                                                          const GraphOptions* options);

// _DOGRAPHDRAWX without options.
__attribute__((visibility("default"))) void _DOGRAPHDRAW(HDC reference, int width, int height,
                                                         const GraphRecord* record, HBITMAP* bitmap,
                                                         GraphProgress progress);

// Builds a record from flat arguments and draws it without progress; the new bitmap, or null.
//   style: low byte the graph type, high byte the option flags
//   seriesNames: 16 x 20 characters, an empty name leaves the series out
//   seriesColours, stackFlags: 16 each; values: 1,600 floats, 100 per series
//   legend: 1 places the legend at 650 and 800 per mille
//   title: drawn centred at the top when not empty
//   categories: 16 numbers, 0 = none; valueLines: 16 values, 0 = none (negative taken as 0)
__attribute__((visibility("default"))) HBITMAP
_DOGRAPHBASIC(HDC reference, std::int16_t width, std::int16_t height, std::int16_t style,
              std::int16_t background, std::int32_t gradientStart, std::int32_t gradientEnd,
              std::int16_t wallpaperMode, HBITMAP wallpaper, std::int32_t floorColour,
              const char* seriesNames, const std::int32_t* seriesColours,
              const std::int16_t* stackFlags, const float* values, std::int16_t legend,
              const char* title, std::int32_t titleColour, const std::int16_t* categories,
              std::int32_t categoryColour, const float* valueLines,
              const std::int32_t* valueLineColours);

// The library's entry procedure: answers 1 for every reason.
__attribute__((visibility("default"))) BOOL DllMain(HINSTANCE instance, DWORD reason,
                                                    LPVOID reserved);

} // extern "C"

static_assert(sizeof(GraphRecord) == 2162 + 17 * (sizeof(void*) - 4));
static_assert(sizeof(GraphOptions) == 4);
