// The bitmap context on Mesa's off-screen renderer: it draws BGRA into a buffer of its own, which
// Finish copies into the caller's 24-bit rows.
//
// Renderer contexts are kept for reuse, one for each size and depth asked for, because making
// one costs more than drawing a graph: the renderer starts its rasteriser threads and compiles
// the shaders of the fixed-function state anew for every context. A BitmapContext is a lease on
// a kept context; it goes back to the pool when the lease ends, with its outline fonts. The
// pixels a context draws into are the lease's own, given back with it, so that an idle context
// holds no picture's memory. The pool keeps the contexts of the last few sizes only, and lives
// until the process ends (the renderer is never unloaded).
#include "platform/gl/bitmap_context.h"
#include "platform/gl/src/osmesa_library.h"

#include <algorithm>
#include <cstring>
#include <list>
#include <map>
#include <memory>
#include <new>
#include <tuple>
#include <vector>

namespace gl {

namespace {

constexpr int kBytesPerRenderedPixel = 4;
// Idle contexts kept: the graph page's size, the report's size and a few the window was
// resized to.
constexpr std::size_t kKeptIdleContexts = 4;
constexpr GLenum kMatrixModes[] = {GL_PROJECTION, GL_MODELVIEW, GL_TEXTURE};

// A renderer context with the outline fonts built in it, and its pixels while it is leased.
class RendererContext {
public:
    RendererContext(const OsMesaLibrary& library, OSMesaContext context, int width, int height,
                    int depthBits)
        : library_(library), context_(context), width_(width), height_(height),
          depthBits_(depthBits) {}

    ~RendererContext() {
        // The fonts' lists are freed in their own context, made current for that on a pixel of
        // its own when the context is idle.
        std::uint8_t pixel[kBytesPerRenderedPixel];
        if (!fonts_.empty() &&
            library_.MakeCurrent(context_, pixels_ ? pixels_.get() : pixel, GL_UNSIGNED_BYTE,
                                 pixels_ ? width_ : 1, pixels_ ? height_ : 1) == GL_TRUE) {
            fonts_.clear();
        }
        if (library_.GetCurrentContext() == context_) {
            library_.MakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
        }
        library_.DestroyContext(context_);
    }
    RendererContext(const RendererContext&) = delete;
    RendererContext& operator=(const RendererContext&) = delete;

    bool Fits(int width, int height, int depthBits) const {
        return width_ == width && height_ == height && depthBits_ == depthBits;
    }

    // The pixels drawn into while the context is leased; false when there is no memory for
    // them. Every drawing clears them first.
    bool TakePixels() {
        pixels_.reset(new (std::nothrow) std::uint8_t[PixelBytes()]);
        return pixels_ != nullptr;
    }
    void GivePixels() { pixels_.reset(); }

    bool MakeCurrent() {
        return pixels_ != nullptr && library_.MakeCurrent(context_, pixels_.get(), GL_UNSIGNED_BYTE,
                                                          width_, height_) == GL_TRUE;
    }

    // A kept context starts each lease with the state of a new one: the state and the matrices
    // are pushed when the lease first makes it current and popped when the lease ends.
    void SaveState() {
        library_.gl.PushAttrib(GL_ALL_ATTRIB_BITS);
        for (const GLenum mode : kMatrixModes) {
            library_.gl.MatrixMode(mode);
            library_.gl.PushMatrix();
        }
        library_.gl.MatrixMode(GL_MODELVIEW);
    }
    void RestoreState() {
        for (const GLenum mode : kMatrixModes) {
            library_.gl.MatrixMode(mode);
            library_.gl.PopMatrix();
        }
        library_.gl.PopAttrib();
    }

    void ReleaseCurrent() {
        if (library_.GetCurrentContext() == context_) {
            library_.MakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
        }
    }

    // OSMesa's row 0 is the bottom row, as in a bottom-up bitmap.
    void CopyInto(const BitmapTarget& target) {
        library_.gl.Finish();
        const std::size_t renderedStride =
            static_cast<std::size_t>(width_) * kBytesPerRenderedPixel;
        for (int y = 0; y < height_; ++y) {
            const std::uint8_t* from = pixels_.get() + renderedStride * y;
            std::uint8_t* to = target.bits + target.stride * y;
            for (int x = 0; x < width_; ++x) {
                std::memcpy(to + 3 * x, from + kBytesPerRenderedPixel * x, 3);
            }
        }
    }

    const OutlineFont* Font(const OutlineFontRequest& request, std::string& error) {
        const auto key =
            std::make_tuple(request.file, request.first, request.count, request.extrusion);
        if (const auto found = fonts_.find(key); found != fonts_.end()) {
            return found->second.get();
        }
        auto font = std::make_unique<OutlineFont>();
        if (!font->Build(request.file, request.first, request.count, request.extrusion, error)) {
            return nullptr;
        }
        return fonts_.emplace(key, std::move(font)).first->second.get();
    }

private:
    std::size_t PixelBytes() const {
        return static_cast<std::size_t>(width_) * height_ * kBytesPerRenderedPixel;
    }

    const OsMesaLibrary& library_;
    OSMesaContext context_;
    int width_;
    int height_;
    int depthBits_;
    std::unique_ptr<std::uint8_t[]> pixels_;
    std::map<std::tuple<std::filesystem::path, unsigned, unsigned, float>,
             std::unique_ptr<OutlineFont>>
        fonts_;
};

// The kept contexts, the idle ones in the order they were last used (the latest last). One
// thread draws, as everything in the program's apartment does. A context beyond the kept few is
// destroyed only while no lease is out, because destroying it makes it current for a moment.
class ContextPool {
public:
    // A kept context of that size and depth, or null when none is idle; either way one more
    // lease is out until Give.
    std::unique_ptr<RendererContext> Take(int width, int height, int depthBits) {
        ++leases_;
        const auto kept = std::find_if(idle_.rbegin(), idle_.rend(), [&](const auto& context) {
            return context->Fits(width, height, depthBits);
        });
        if (kept == idle_.rend()) {
            return nullptr;
        }
        std::unique_ptr<RendererContext> context = std::move(*kept);
        idle_.erase(std::next(kept).base());
        return context;
    }

    // Ends a lease; `context` may be null when none could be made.
    void Give(std::unique_ptr<RendererContext> context) {
        --leases_;
        if (context != nullptr) {
            context->ReleaseCurrent();
            context->GivePixels();
            idle_.push_back(std::move(context));
        }
        while (leases_ == 0 && idle_.size() > kKeptIdleContexts) {
            idle_.pop_front();
        }
    }

private:
    std::list<std::unique_ptr<RendererContext>> idle_;
    int leases_ = 0;
};

ContextPool& Pool() {
    // Never destroyed: the renderer's own clean-up at exit may already have run by then.
    static auto* pool = new ContextPool;
    return *pool;
}

class PooledContext final : public BitmapContext {
public:
    PooledContext(std::unique_ptr<RendererContext> context, const BitmapTarget& target)
        : context_(std::move(context)), target_(target) {}
    ~PooledContext() override {
        if (stateSaved_ && context_->MakeCurrent()) {
            context_->RestoreState();
        }
        Pool().Give(std::move(context_));
    }

    bool MakeCurrent() override {
        if (!context_->MakeCurrent()) {
            return false;
        }
        if (!stateSaved_) {
            context_->SaveState();
            stateSaved_ = true;
        }
        return true;
    }
    void Finish() override { context_->CopyInto(target_); }
    const OutlineFont* Font(const OutlineFontRequest& request, std::string& error) override {
        return context_->Font(request, error);
    }

private:
    std::unique_ptr<RendererContext> context_;
    BitmapTarget target_;
    bool stateSaved_ = false;
};

bool TargetIsUsable(const BitmapTarget& target) {
    return target.bits != nullptr && target.width > 0 && target.height > 0 &&
           target.width <= kMaxBitmapSide && target.height <= kMaxBitmapSide &&
           target.stride >= static_cast<std::size_t>(target.width) * 3;
}

std::unique_ptr<RendererContext> NewContext(const BitmapTarget& target, int depthBits) {
    const OsMesaLibrary* library = LoadedOsMesa();
    if (library == nullptr) {
        return nullptr;
    }
    const OSMesaContext context =
        library->CreateContextExt(OSMESA_BGRA, depthBits, /*stencilBits*/ 0,
                                  /*accumBits*/ 0, /*sharelist*/ nullptr);
    if (context == nullptr) {
        return nullptr;
    }
    return std::make_unique<RendererContext>(*library, context, target.width, target.height,
                                             depthBits);
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
    std::unique_ptr<RendererContext> context =
        Pool().Take(target.width, target.height, request.depthBits);
    if (context == nullptr) {
        context = NewContext(target, request.depthBits);
    }
    // Without memory for the pixels the context goes back idle.
    if (context == nullptr || !context->TakePixels()) {
        Pool().Give(std::move(context));
        result.fault = ContextFault::RenderContext;
        return result;
    }
    result.context = std::make_unique<PooledContext>(std::move(context), target);
    return result;
}

} // namespace gl
