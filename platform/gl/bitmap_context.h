// An OpenGL 1.1 rendering context that draws into a memory bitmap: what a drawing-to-bitmap
// pixel format and its rendering context give a Windows program, without a window system.
//
// The target is a 24-bit bottom-up bitmap (rows of blue, green, red bytes, each row padded to
// 4 bytes, the bottom row first), as a 24-bit DIB section holds it. The renderer draws into
// 32-bit BGRA pixels of its own, because it cannot write padded 24-bit rows; Finish copies them
// into the target and drops alpha. Rows run bottom-up in both, as OpenGL counts them.
//
// How the context is made stays behind this interface, so that another off-screen renderer can
// take the place of the present one without touching its callers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace gl {

struct BitmapTarget {
    std::uint8_t* bits = nullptr; // the bottom row first
    int width = 0;
    int height = 0;
    std::size_t stride = 0; // bytes per row, at least 3 x width
};

// What the caller asks of the context, as a Windows pixel format descriptor would say it.
struct PixelFormatRequest {
    int colorBits = 24; // 8 red, 8 green, 8 blue
    int depthBits = 32;
};

enum class ContextFault {
    None,
    PixelFormat,   // no format of the renderer matches the request, or the target is unusable
    RenderContext, // the renderer could not make a context
};

class BitmapContext {
public:
    virtual ~BitmapContext() = default;

    // Makes the context current on the calling thread; the functions of gl_functions.h then draw
    // into it.
    virtual bool MakeCurrent() = 0;

    // Waits for the drawing to end and copies the rendered pixels into the target.
    virtual void Finish() = 0;
};

struct BitmapContextResult {
    std::unique_ptr<BitmapContext> context; // null on failure
    ContextFault fault = ContextFault::None;
};

// The largest width and height the renderer draws.
inline constexpr int kMaxBitmapSide = 16384;

// A context that renders into `target`, which must outlive it.
BitmapContextResult CreateBitmapContext(const BitmapTarget& target,
                                        const PixelFormatRequest& request = {});

} // namespace gl
