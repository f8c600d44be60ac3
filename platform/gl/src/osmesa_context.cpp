// The bitmap context on Mesa's off-screen renderer: it draws BGRA into a buffer of its own, which
// Finish copies into the caller's 24-bit rows.
#include "platform/gl/bitmap_context.h"

#include "platform/gl/src/osmesa_library.h"

#include <cstring>
#include <new>
#include <vector>

namespace gl {

namespace {

constexpr int kBytesPerRenderedPixel = 4;

class OsMesaContext final : public BitmapContext {
public:
    OsMesaContext(const OsMesaLibrary& library, OSMesaContext context, const BitmapTarget& target,
                  std::vector<std::uint8_t> pixels)
        : library_(library), context_(context), target_(target), pixels_(std::move(pixels)) {}

    ~OsMesaContext() override {
        if (library_.GetCurrentContext() == context_) {
            library_.MakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
        }
        library_.DestroyContext(context_);
    }

    bool MakeCurrent() override {
        return library_.MakeCurrent(context_, pixels_.data(), GL_UNSIGNED_BYTE, target_.width,
                                    target_.height) == GL_TRUE;
    }

    void Finish() override {
        library_.gl.Finish();
        // OSMesa's row 0 is the bottom row, as in a bottom-up bitmap.
        const std::size_t renderedStride =
            static_cast<std::size_t>(target_.width) * kBytesPerRenderedPixel;
        for (int y = 0; y < target_.height; ++y) {
            const std::uint8_t* from = pixels_.data() + renderedStride * y;
            std::uint8_t* to = target_.bits + target_.stride * y;
            for (int x = 0; x < target_.width; ++x) {
                std::memcpy(to + 3 * x, from + kBytesPerRenderedPixel * x, 3);
            }
        }
    }

private:
    const OsMesaLibrary& library_;
    OSMesaContext context_;
    BitmapTarget target_;
    std::vector<std::uint8_t> pixels_;
};

bool TargetIsUsable(const BitmapTarget& target) {
    return target.bits != nullptr && target.width > 0 && target.height > 0 &&
           target.width <= kMaxBitmapSide && target.height <= kMaxBitmapSide &&
           target.stride >= static_cast<std::size_t>(target.width) * 3;
}

} // namespace

BitmapContextResult CreateBitmapContext(const BitmapTarget& target,
                                        const PixelFormatRequest& request) {
    BitmapContextResult result;
    // The renderer has 8 bits a channel and depth buffers of 16, 24 or 32 bits.
    if (!TargetIsUsable(target) || request.colorBits != 24 || request.depthBits <= 0 ||
        request.depthBits > 32) {
        result.fault = ContextFault::PixelFormat;
        return result;
    }
    const OsMesaLibrary* library = LoadedOsMesa();
    if (library == nullptr) {
        result.fault = ContextFault::RenderContext;
        return result;
    }
    std::vector<std::uint8_t> pixels;
    try {
        pixels.resize(static_cast<std::size_t>(target.width) * target.height *
                      kBytesPerRenderedPixel);
    } catch (const std::bad_alloc&) {
        result.fault = ContextFault::RenderContext;
        return result;
    }
    const OSMesaContext context =
        library->CreateContextExt(OSMESA_BGRA, request.depthBits, /*stencilBits*/ 0,
                                  /*accumBits*/ 0, /*sharelist*/ nullptr);
    if (context == nullptr) {
        result.fault = ContextFault::RenderContext;
        return result;
    }
    result.context = std::make_unique<OsMesaContext>(*library, context, target, std::move(pixels));
    return result;
}

} // namespace gl
