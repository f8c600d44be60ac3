// GDI on memory bitmaps and printers: device contexts, bitmaps, pens, brushes, fonts, text,
// palettes and print jobs, with the structures, constants and functions as Windows names them.
//
// Drawing follows GDI's pixel rules with raster code of our own and no anti-aliasing. What is
// not here (regions, paths, pattern and hatch brushes, dashed pens, arcs, world transforms, and
// of metafiles all but reading one from memory and playing its stretched DIBs) is not used by
// the libraries built on this layer.
#pragma once

#include "platform/win32/windef.h"

#include <cstddef>

// ---- Structures -----------------------------------------------------------------------------

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

struct DIBSECTION {
    BITMAP dsBm;
    BITMAPINFOHEADER dsBmih;
    DWORD dsBitfields[3];
    HANDLE dshSection;
    DWORD dsOffset;
};

struct LOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
};

struct LOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    std::uintptr_t lbHatch;
};

#define LF_FACESIZE 32
struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
};

struct TEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};

struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[1];
};

// A Windows metafile record: its size in 16-bit words (the six bytes of size and function
// included), its function and its parameters, which run on past the one declared here.
struct METARECORD {
    DWORD rdSize;
    WORD rdFunction;
    WORD rdParm[1];
};

// The objects a metafile creates while it is played, one slot for each of its header's objects.
struct HANDLETABLE {
    HGDIOBJ objectHandle[1];
};

struct DOCINFOA {
    int cbSize;
    LPCSTR lpszDocName;
    LPCSTR lpszOutput;
    LPCSTR lpszDatatype;
    DWORD fwType;
};

// Printer settings are not modelled; CreateDCA accepts only a null pointer here.
struct DEVMODEA;

using ABORTPROC = BOOL (*)(HDC, int);

struct HMETAFILE__;
using HMETAFILE = HMETAFILE__*;
// Called for each record of a metafile; answers 0 to stop the enumeration.
using MFENUMPROC = int (*)(HDC, HANDLETABLE*, METARECORD*, int, LPARAM);

// ---- Constants ------------------------------------------------------------------------------

// Raster operations (the ternary code is in bits 16-23).
#define SRCCOPY 0x00CC0020u
#define SRCPAINT 0x00EE0086u
#define SRCAND 0x008800C6u
#define SRCINVERT 0x00660046u
#define SRCERASE 0x00440328u
#define NOTSRCCOPY 0x00330008u
#define NOTSRCERASE 0x001100A6u
#define MERGECOPY 0x00C000CAu
#define MERGEPAINT 0x00BB0226u
#define PATCOPY 0x00F00021u
#define PATPAINT 0x00FB0A09u
#define PATINVERT 0x005A0049u
#define DSTINVERT 0x00550009u
#define BLACKNESS 0x00000042u
#define WHITENESS 0x00FF0062u

#define BI_RGB 0
#define BI_RLE8 1
#define BI_RLE4 2
#define BI_BITFIELDS 3

#define DIB_RGB_COLORS 0
#define DIB_PAL_COLORS 1
#define CBM_INIT 0x04

#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_DC 3
#define OBJ_PAL 5
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_METAFILE 9
#define OBJ_MEMDC 10

// Metafile record functions.
#define META_EOF 0x0000
#define META_STRETCHDIB 0x0F43

#define TRANSPARENT 1
#define OPAQUE 2

#define ALTERNATE 1
#define WINDING 2

#define BLACKONWHITE 1
#define WHITEONBLACK 2
#define COLORONCOLOR 3
#define HALFTONE 4
#define STRETCH_ANDSCANS BLACKONWHITE
#define STRETCH_ORSCANS WHITEONBLACK
#define STRETCH_DELETESCANS COLORONCOLOR
#define STRETCH_HALFTONE HALFTONE

#define MM_TEXT 1
#define MM_ISOTROPIC 7
#define MM_ANISOTROPIC 8

#define TA_NOUPDATECP 0
#define TA_LEFT 0
#define TA_RIGHT 2
#define TA_CENTER 6
#define TA_TOP 0
#define TA_BOTTOM 8
#define TA_BASELINE 24

#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004

#define FW_DONTCARE 0
#define FW_NORMAL 400
#define FW_BOLD 700
#define FW_HEAVY 900

#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define SYMBOL_CHARSET 2
#define OEM_CHARSET 255
#define OUT_DEFAULT_PRECIS 0
#define OUT_TT_ONLY_PRECIS 7
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0

#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20
#define FF_MODERN 0x30
#define FF_SCRIPT 0x40
#define FF_DECORATIVE 0x50

// tmPitchAndFamily bits; TMPF_FIXED_PITCH is set for a font of variable pitch, as in GDI.
#define TMPF_FIXED_PITCH 0x01
#define TMPF_VECTOR 0x02
#define TMPF_TRUETYPE 0x04
#define TMPF_DEVICE 0x08

#define PS_SOLID 0
#define PS_NULL 5
#define PS_INSIDEFRAME 6
#define BS_SOLID 0
#define BS_NULL 1
#define BS_HOLLOW BS_NULL

#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define OEM_FIXED_FONT 10
#define ANSI_FIXED_FONT 11
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEVICE_DEFAULT_FONT 14
#define DEFAULT_PALETTE 15
#define SYSTEM_FIXED_FONT 16
#define DEFAULT_GUI_FONT 17

#define PC_RESERVED 0x01
#define PC_EXPLICIT 0x02
#define PC_NOCOLLAPSE 0x04

// GetDeviceCaps indexes and answers.
#define DRIVERVERSION 0
#define TECHNOLOGY 2
#define HORZSIZE 4
#define VERTSIZE 6
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define NUMBRUSHES 16
#define NUMPENS 18
#define NUMFONTS 22
#define NUMCOLORS 24
#define RASTERCAPS 38
#define LOGPIXELSX 88
#define LOGPIXELSY 90
#define SIZEPALETTE 104
#define NUMRESERVED 106
#define COLORRES 108
#define PHYSICALWIDTH 110
#define PHYSICALHEIGHT 111
#define PHYSICALOFFSETX 112
#define PHYSICALOFFSETY 113

#define DT_RASDISPLAY 1
#define DT_RASPRINTER 2

#define RC_BITBLT 0x0001
#define RC_BANDING 0x0002
#define RC_SCALING 0x0004
#define RC_BITMAP64 0x0008
#define RC_DI_BITMAP 0x0080
#define RC_PALETTE 0x0100
#define RC_DIBTODEV 0x0200
#define RC_STRETCHBLT 0x0800
#define RC_STRETCHDIB 0x2000

// Printer escapes.
#define GETPHYSPAGESIZE 12
#define GETPRINTINGOFFSET 13
#define GETSETPRINTORIENT 30

#define SP_ERROR (-1)
#define SP_APPABORT (-2)
#define SP_USERABORT (-3)
#define SP_OUTOFDISK (-4)

#define CLR_INVALID 0xFFFFFFFFu
#define GDI_ERROR 0xFFFFFFFFu
#define HGDI_ERROR ((HGDIOBJ)(std::intptr_t)-1)

// ---- Device contexts ------------------------------------------------------------------------

// A printer context for a printer of the printer list (driver and port are not compared), or the
// screen for the driver "DISPLAY". `devMode` must be null.
WIN32API HDC CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR port, const DEVMODEA* devMode);
WIN32API HDC CreateCompatibleDC(HDC dc);
WIN32API BOOL DeleteDC(HDC dc);
WIN32API int SaveDC(HDC dc);
WIN32API BOOL RestoreDC(HDC dc, int savedDc);
WIN32API int GetDeviceCaps(HDC dc, int index);
WIN32API HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
WIN32API HGDIOBJ GetCurrentObject(HDC dc, UINT type);

WIN32API int SetMapMode(HDC dc, int mode);
WIN32API int GetMapMode(HDC dc);
WIN32API BOOL SetWindowExtEx(HDC dc, int x, int y, SIZE* previous);
WIN32API BOOL SetViewportExtEx(HDC dc, int x, int y, SIZE* previous);
WIN32API BOOL DPtoLP(HDC dc, POINT* points, int count);
WIN32API BOOL LPtoDP(HDC dc, POINT* points, int count);

WIN32API COLORREF SetTextColor(HDC dc, COLORREF color);
WIN32API COLORREF GetTextColor(HDC dc);
WIN32API COLORREF SetBkColor(HDC dc, COLORREF color);
WIN32API COLORREF GetBkColor(HDC dc);
WIN32API int SetBkMode(HDC dc, int mode);
WIN32API int GetBkMode(HDC dc);
WIN32API int SetPolyFillMode(HDC dc, int mode);
WIN32API int SetStretchBltMode(HDC dc, int mode);
WIN32API UINT SetTextAlign(HDC dc, UINT align);
WIN32API UINT GetTextAlign(HDC dc);

// ---- Objects --------------------------------------------------------------------------------

WIN32API HGDIOBJ GetStockObject(int index);
// Refused (FALSE) for an unknown or deleted handle and for an object selected into a context,
// also one held by a saved state of a context; stock objects are never deleted.
WIN32API BOOL DeleteObject(HGDIOBJ object);
WIN32API int GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
WIN32API DWORD GetObjectType(HGDIOBJ object);

WIN32API HPEN CreatePen(int style, int width, COLORREF color);
WIN32API HBRUSH CreateSolidBrush(COLORREF color);

WIN32API HPALETTE CreatePalette(const LOGPALETTE* palette);
WIN32API HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground);
WIN32API UINT RealizePalette(HDC dc);

// ---- Bitmaps --------------------------------------------------------------------------------

WIN32API HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, LPCVOID bits);
WIN32API HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
WIN32API HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, LPCVOID bits,
                                const BITMAPINFO* info, UINT usage);
WIN32API HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                                  HANDLE section, DWORD offset);
WIN32API int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits,
                       BITMAPINFO* info, UINT usage);
WIN32API int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, LPCVOID bits,
                       const BITMAPINFO* info, UINT usage);
WIN32API COLORREF GetPixel(HDC dc, int x, int y);
WIN32API COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
WIN32API BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                     int sourceY, DWORD rop);
WIN32API BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source,
                         int sourceX, int sourceY, int sourceWidth, int sourceHeight, DWORD rop);
WIN32API int StretchDIBits(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY,
                           int sourceWidth, int sourceHeight, LPCVOID bits, const BITMAPINFO* info,
                           UINT usage, DWORD rop);

// ---- Metafiles ------------------------------------------------------------------------------

// A metafile of the `size` bytes at `bits`, copied: null unless they begin with an 18-byte
// header (memory or disk type, header size 9 words) whose total size fits in `size` and is
// tiled by records of at least 3 words each, up to the end or an end record.
WIN32API HMETAFILE SetMetaFileBitsEx(UINT size, const BYTE* bits);
// Calls `callback` with each record in turn, the end record excepted, each record aligned in
// memory of its own; FALSE for an unknown metafile or when the callback stopped.
WIN32API BOOL EnumMetaFile(HDC dc, HMETAFILE metafile, MFENUMPROC callback, LPARAM data);
// Plays META_STRETCHDIB through StretchDIBits into `dc`; FALSE when the record's picture does
// not fit in the record or cannot be drawn. Other records are passed over (TRUE).
WIN32API BOOL PlayMetaFileRecord(HDC dc, HANDLETABLE* handles, const METARECORD* record,
                                 UINT objects);
WIN32API BOOL DeleteMetaFile(HMETAFILE metafile);

// ---- Lines and shapes -----------------------------------------------------------------------

WIN32API BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
WIN32API BOOL LineTo(HDC dc, int x, int y);
WIN32API BOOL Polyline(HDC dc, const POINT* points, int count);
WIN32API BOOL Polygon(HDC dc, const POINT* points, int count);
WIN32API BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);

// ---- Fonts and text -------------------------------------------------------------------------

WIN32API HFONT CreateFontIndirectA(const LOGFONTA* font);
WIN32API HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                           DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                           DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                           DWORD pitchAndFamily, LPCSTR faceName);
WIN32API BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length);
WIN32API BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text,
                          UINT length, const INT* dx);
WIN32API BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, SIZE* size);
WIN32API BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);
WIN32API int GetTextFaceA(HDC dc, int size, LPSTR faceName);
WIN32API BOOL SetTextJustification(HDC dc, int extra, int breakCount);

// ---- Printing -------------------------------------------------------------------------------

WIN32API int Escape(HDC dc, int escape, int inputSize, LPCSTR input, LPVOID output);
WIN32API int StartDocA(HDC dc, const DOCINFOA* document);
WIN32API int StartPage(HDC dc);
WIN32API int EndPage(HDC dc);
WIN32API int EndDoc(HDC dc);
WIN32API int AbortDoc(HDC dc);
WIN32API int SetAbortProc(HDC dc, ABORTPROC procedure);

// The names without the character-set suffix, as the libraries call them.
inline HDC CreateDC(LPCSTR driver, LPCSTR device, LPCSTR port, const DEVMODEA* devMode) {
    return CreateDCA(driver, device, port, devMode);
}
inline int GetObject(HGDIOBJ object, int size, LPVOID buffer) {
    return GetObjectA(object, size, buffer);
}
inline HFONT CreateFontIndirect(const LOGFONTA* font) {
    return CreateFontIndirectA(font);
}
inline HFONT CreateFont(int height, int width, int escapement, int orientation, int weight,
                        DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                        DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                        DWORD pitchAndFamily, LPCSTR faceName) {
    return CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                       charSet, outPrecision, clipPrecision, quality, pitchAndFamily, faceName);
}
inline BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int length) {
    return TextOutA(dc, x, y, text, length);
}
inline BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text,
                       UINT length, const INT* dx) {
    return ExtTextOutA(dc, x, y, options, rect, text, length, dx);
}
inline BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int length, SIZE* size) {
    return GetTextExtentPoint32A(dc, text, length, size);
}
inline BOOL GetTextMetrics(HDC dc, TEXTMETRICA* metrics) {
    return GetTextMetricsA(dc, metrics);
}
inline int GetTextFace(HDC dc, int size, LPSTR faceName) {
    return GetTextFaceA(dc, size, faceName);
}
inline int StartDoc(HDC dc, const DOCINFOA* document) {
    return StartDocA(dc, document);
}
using LOGFONT = LOGFONTA;
using TEXTMETRIC = TEXTMETRICA;
using DOCINFO = DOCINFOA;

namespace win32 {
// The objects alive in the handle table (GDI objects, device contexts, metafiles and windows),
// which tests compare before and after a call to find what it left unreleased.
WIN32_EXPORT std::size_t LiveObjectCount();
} // namespace win32
