// The process-wide handle table: every GDI object (and later every window) lives in one entry,
// and a handle is the entry's number together with a generation count. An unknown handle, or a
// handle whose object was deleted, finds nothing; callers refuse it instead of dereferencing it.
//
// Handle value: bits 0-15 the entry index plus one, bits 16-30 the entry's generation (1..32767),
// bit 31 zero, so that a handle is a positive 32-bit integer and never a system colour index.
// The table is used from the one user-interface thread, as the libraries use GDI.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace win32 {

// The object kinds use the OBJ_* numbers that GetObjectType answers; windows, when they come,
// take kinds of their own beyond those numbers.
enum class ObjectKind : std::uint8_t {
    Pen = 1,
    Brush = 2,
    DeviceContext = 3,
    Palette = 5,
    Font = 6,
    Bitmap = 7,
    Metafile = 9,
    Window = 32,
};

class HandleObject {
public:
    explicit HandleObject(ObjectKind kind) : kind_(kind) {}
    virtual ~HandleObject() = default;
    HandleObject(const HandleObject&) = delete;
    HandleObject& operator=(const HandleObject&) = delete;

    ObjectKind Kind() const { return kind_; }

    // Stock objects are never deleted.
    bool stock = false;
    // How many device-context states (current or saved) hold this object; a held object cannot be
    // deleted.
    int holders = 0;
    // For bitmaps: the context whose states hold it (a bitmap is in at most one context).
    std::uint32_t holderContext = 0;

private:
    ObjectKind kind_;
};

class HandleTable {
public:
    static HandleTable& Instance();

    std::uint32_t Insert(std::unique_ptr<HandleObject> object);
    HandleObject* Find(std::uint32_t handle) const;
    // Removes the entry and hands the object back; null for an unknown handle.
    std::unique_ptr<HandleObject> Remove(std::uint32_t handle);
    std::size_t LiveCount() const { return live_; }

private:
    struct Slot {
        std::unique_ptr<HandleObject> object;
        std::uint16_t generation = 0;
    };
    std::vector<Slot> slots_;
    std::vector<std::uint16_t> free_;
    std::size_t live_ = 0;
};

inline std::uint32_t HandleValue(const void* handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

template <typename Handle>
Handle MakeHandle(std::uint32_t value) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(value));
}

// The object of `handle` when it is alive and of type T (T::kKind), else null.
template <typename T>
T* Lookup(const void* handle) {
    HandleObject* object = HandleTable::Instance().Find(HandleValue(handle));
    if (object == nullptr || object->Kind() != T::kKind) {
        return nullptr;
    }
    return static_cast<T*>(object);
}

} // namespace win32
