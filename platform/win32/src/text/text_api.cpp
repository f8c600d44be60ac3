// Text: fonts realized for a context, measuring, metrics and drawing of single-byte text.
#include "platform/win32/src/gdi/device_context.h"
#include "platform/win32/src/gdi/raster.h"
#include "platform/win32/src/text/font_engine.h"
#include "platform/win32/winuser.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>

using namespace win32;

namespace {

// Taller fonts are drawn at this height: glyph images grow with the square of it.
constexpr long long kMaxFontPixels = 4096;

RealizedFont* FontOf(DeviceContext& context) {
    auto* font = Lookup<Font>(MakeHandle<HFONT>(context.Selected().font));
    if (font == nullptr) {
        return nullptr;
    }
    const LOGFONTA& logical = font->logFont;
    int dpiY = context.Caps().dpiY;
    int height = logical.lfHeight;
    int pixels;
    if (height == 0) {
        // No height asked: a 12-point character height.
        pixels = -MulDivRound(12, dpiY, 72);
    } else {
        // Between 1 and kMaxFontPixels pixels, keeping the sign that tells cell from character.
        long long magnitude = std::llabs(static_cast<long long>(context.LengthToDeviceY(height)));
        pixels = static_cast<int>(std::clamp<long long>(magnitude, 1, kMaxFontPixels));
        pixels *= height < 0 ? -1 : 1;
    }
    // The font cache keeps every realized font for the life of the process.
    return RealizeFont(logical, pixels, dpiY).get();
}

// Device-pixel advance of each character: the glyph's advance, the caller's spacing when given,
// and the justification extra on break characters, each of which also takes one pixel of
// `remainder` while any is left. Drawing passes the context's remainder, so that the runs of one
// line share it out between them; measuring passes a copy.
std::vector<DeviceCoordinate> Advances(const DeviceContext& context, RealizedFont& font,
                                       std::string_view text, const INT* dx, int& remainder) {
    std::vector<DeviceCoordinate> advances(text.size());
    int extra = context.Values().justifyExtra;
    int count = context.Values().justifyCount;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        advances[i] = dx ? context.LengthToDeviceX(dx[i]) : font.GlyphFor(c).advance;
        if (count > 0 && c == font.metrics.tmBreakChar) {
            advances[i] += extra / count;
            if (remainder > 0) {
                ++advances[i];
                --remainder;
            }
        }
    }
    return advances;
}

DeviceCoordinate Sum(const std::vector<DeviceCoordinate>& values) {
    DeviceCoordinate total = 0;
    for (DeviceCoordinate v : values) {
        total += v;
    }
    return total;
}

struct TextRequest {
    int x = 0;
    int y = 0;
    UINT options = 0;
    const RECT* rect = nullptr;
    std::string_view text;
    const INT* dx = nullptr;
    UINT align = 0;
    int mnemonic = -1; // index of a character to underline, or -1
};

bool DrawTextRun(DeviceContext& context, const TextRequest& request) {
    RealizedFont* font = FontOf(context);
    if (font == nullptr) {
        return false;
    }
    Surface* surface = context.Target();
    if (surface == nullptr) {
        return true;
    }
    const TEXTMETRICA& m = font->metrics;
    std::vector<DeviceCoordinate> advances =
        Advances(context, *font, request.text, request.dx, context.Values().justifyRemainder);
    // Device coordinates from here on: each advance is below 2^32 pixels, so the width of any
    // run shorter than 2^31 characters stays inside the 64-bit range.
    DeviceCoordinate width = Sum(advances);
    DevicePoint origin = context.ToTarget(POINT{request.x, request.y});
    DeviceCoordinate left = origin.x;
    if ((request.align & TA_CENTER) == TA_CENTER) {
        left -= width / 2;
    } else if (request.align & TA_RIGHT) {
        left -= width;
    }
    DeviceCoordinate baseline = origin.y + m.tmAscent;
    if ((request.align & TA_BASELINE) == TA_BASELINE) {
        baseline = origin.y;
    } else if (request.align & TA_BOTTOM) {
        baseline = origin.y - m.tmDescent;
    }

    DeviceRect clip = context.Clip();
    if (request.rect != nullptr) {
        DeviceRect box = context.ToTarget(*request.rect);
        if (request.options & ETO_OPAQUE) {
            Raster(*surface, clip).FillRect(box, context.Values().backgroundColor);
        }
        if (request.options & ETO_CLIPPED) {
            clip = Intersect(clip, box);
        }
    }
    Raster raster(*surface, clip);
    if (context.Values().backgroundMode == OPAQUE) {
        raster.FillRect(
            DeviceRect{left, baseline - m.tmAscent, left + width, baseline + m.tmDescent},
            context.Values().backgroundColor);
    }
    COLORREF color = context.Values().textColor;
    int thickness = font->underlineThickness;
    DeviceCoordinate underline = baseline + font->underlineOffset - thickness / 2;
    DeviceCoordinate pen = left;
    for (std::size_t i = 0; i < request.text.size(); ++i) {
        const Glyph& glyph = font->GlyphFor(static_cast<unsigned char>(request.text[i]));
        raster.FillMask(pen + glyph.left, baseline - glyph.top, glyph.width, glyph.height,
                        glyph.pixels.data(), color);
        if (static_cast<int>(i) == request.mnemonic) {
            raster.FillRect(DeviceRect{pen, underline, pen + advances[i], underline + thickness},
                            color);
        }
        pen += advances[i];
    }
    if (m.tmUnderlined) {
        raster.FillRect(DeviceRect{left, underline, pen, underline + thickness}, color);
    }
    if (m.tmStruckOut) {
        DeviceCoordinate top = baseline - font->strikeoutOffset;
        raster.FillRect(DeviceRect{left, top, pen, top + font->strikeoutThickness}, color);
    }
    return true;
}

std::string_view TextOf(LPCSTR text, int length) {
    if (text == nullptr) {
        return {};
    }
    if (length < 0) {
        return std::string_view(text);
    }
    return std::string_view(text, static_cast<std::size_t>(length));
}

} // namespace

BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr || (text == nullptr && length > 0) || length < 0) {
        return FALSE;
    }
    TextRequest request;
    request.x = x;
    request.y = y;
    request.text = TextOf(text, length);
    request.align = context->Values().textAlign;
    return DrawTextRun(*context, request) ? TRUE : FALSE;
}

BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT length,
                 const INT* dx) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr || (text == nullptr && length > 0)) {
        return FALSE;
    }
    TextRequest request;
    request.x = x;
    request.y = y;
    request.options = options;
    request.rect = rect;
    request.text = TextOf(text, static_cast<int>(length));
    request.dx = dx;
    request.align = context->Values().textAlign;
    return DrawTextRun(*context, request) ? TRUE : FALSE;
}

BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, SIZE* size) {
    DeviceContext* context = LookupDc(dc);
    RealizedFont* font = context ? FontOf(*context) : nullptr;
    if (font == nullptr || size == nullptr || length < 0 || (text == nullptr && length > 0)) {
        return FALSE;
    }
    int remainder = context->Values().justifyRemainder;
    int width =
        SaturateToInt(Sum(Advances(*context, *font, TextOf(text, length), nullptr, remainder)));
    size->cx = context->LengthToLogicalX(width);
    size->cy = context->LengthToLogicalY(font->metrics.tmHeight);
    return TRUE;
}

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics) {
    DeviceContext* context = LookupDc(dc);
    RealizedFont* font = context ? FontOf(*context) : nullptr;
    if (font == nullptr || metrics == nullptr) {
        return FALSE;
    }
    *metrics = font->metrics;
    auto y = [&](LONG v) { return context->LengthToLogicalY(v); };
    auto x = [&](LONG v) { return context->LengthToLogicalX(v); };
    metrics->tmHeight = y(metrics->tmHeight);
    metrics->tmAscent = y(metrics->tmAscent);
    metrics->tmDescent = y(metrics->tmDescent);
    metrics->tmInternalLeading = y(metrics->tmInternalLeading);
    metrics->tmExternalLeading = y(metrics->tmExternalLeading);
    metrics->tmAveCharWidth = x(metrics->tmAveCharWidth);
    metrics->tmMaxCharWidth = x(metrics->tmMaxCharWidth);
    return TRUE;
}

int GetTextFaceA(HDC dc, int size, LPSTR faceName) {
    DeviceContext* context = LookupDc(dc);
    auto* font = context ? Lookup<Font>(MakeHandle<HFONT>(context->Selected().font)) : nullptr;
    if (font == nullptr) {
        return 0;
    }
    // The face asked for; without one, the face the font source chose.
    std::string name(font->logFont.lfFaceName, strnlen(font->logFont.lfFaceName, LF_FACESIZE));
    if (name.empty()) {
        RealizedFont* realized = FontOf(*context);
        name = realized ? realized->faceName : "";
    }
    if (faceName == nullptr) {
        return static_cast<int>(name.size()) + 1;
    }
    if (size <= 0) {
        return 0;
    }
    std::size_t copied = std::min(name.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(faceName, name.data(), copied);
    faceName[copied] = '\0';
    return static_cast<int>(copied) + 1;
}

BOOL SetTextJustification(HDC dc, int extra, int breakCount) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr) {
        return FALSE;
    }
    bool off = breakCount <= 0 || extra == 0;
    context->Values().justifyExtra = off ? 0 : std::max(0, context->LengthToDeviceX(extra));
    context->Values().justifyCount = off ? 0 : breakCount;
    context->Values().justifyRemainder = off ? 0 : context->Values().justifyExtra % breakCount;
    return TRUE;
}

int DrawTextA(HDC dc, LPCSTR text, int length, RECT* rect, UINT format) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr || rect == nullptr || (text == nullptr && length != 0)) {
        return 0;
    }
    std::string_view source = TextOf(text, length);
    // "&x" underlines x, "&&" is one ampersand.
    std::string shown;
    int mnemonic = -1;
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source[i] == '&' && (format & DT_NOPREFIX) == 0 && i + 1 < source.size()) {
            ++i;
            if (source[i] != '&') {
                mnemonic = static_cast<int>(shown.size());
            }
        }
        shown += source[i];
    }
    SIZE size{};
    if (!GetTextExtentPoint32A(dc, shown.data(), static_cast<int>(shown.size()), &size)) {
        return 0;
    }
    // Positions are worked out in 64 bits and answered as the nearest 32-bit coordinate.
    const std::int64_t left = rect->left, top = rect->top;
    const std::int64_t right = rect->right, bottom = rect->bottom;
    if (format & DT_CALCRECT) {
        rect->right = SaturateToInt(left + size.cx);
        rect->bottom = SaturateToInt(top + size.cy);
        return size.cy;
    }
    TextRequest request;
    request.x = rect->left;
    if (format & DT_CENTER) {
        request.x = SaturateToInt((left + right - size.cx) / 2);
    } else if (format & DT_RIGHT) {
        request.x = SaturateToInt(right - size.cx);
    }
    request.y = rect->top;
    if (format & DT_VCENTER) {
        request.y = SaturateToInt((top + bottom - size.cy) / 2);
    } else if (format & DT_BOTTOM) {
        request.y = SaturateToInt(bottom - size.cy);
    }
    request.options = (format & DT_NOCLIP) ? 0 : ETO_CLIPPED;
    request.rect = rect;
    request.text = shown;
    request.align = TA_LEFT | TA_TOP;
    request.mnemonic = mnemonic;
    DrawTextRun(*context, request);
    return size.cy;
}
