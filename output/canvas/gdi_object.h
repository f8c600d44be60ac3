// Ownership of one GDI object handle: deleted with DeleteObject when the owner ends, unless it
// was given away with Release.
#pragma once

#include "platform/win32/wingdi.h"

#include <utility>

namespace output {

template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Gives the handle away; the caller deletes it.
    Handle Release() { return std::exchange(handle_, nullptr); }
    void Reset() {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
            handle_ = nullptr;
        }
    }

private:
    Handle handle_ = nullptr;
};

using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedFont = GdiObject<HFONT>;
using OwnedPen = GdiObject<HPEN>;
using OwnedBrush = GdiObject<HBRUSH>;

} // namespace output
