// Holding interfaces of objects: a pointer that owns one reference on an interface and releases
// it when it is dropped, and creating an object of a registered class into one.
#pragma once

#include "platform/automation/creation.h"
#include "platform/automation/interfaces.h"

#include <cstddef>
#include <utility>

namespace automation {

template <class Interface>
class InterfacePointer {
public:
    InterfacePointer() = default;
    InterfacePointer(const InterfacePointer& other) : object_(other.object_) {
        if (object_ != nullptr) {
            object_->AddRef();
        }
    }
    InterfacePointer(InterfacePointer&& other) noexcept
        : object_(std::exchange(other.object_, nullptr)) {}
    InterfacePointer& operator=(InterfacePointer other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~InterfacePointer() { Reset(); }

    // Takes over a reference the caller holds, such as the one QueryInterface hands out.
    static InterfacePointer Adopt(Interface* object) {
        InterfacePointer held;
        held.object_ = object;
        return held;
    }

    Interface* Get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    bool operator==(std::nullptr_t) const { return object_ == nullptr; }

    // Releases the reference held, if any.
    void Reset() {
        if (Interface* object = std::exchange(object_, nullptr)) {
            object->Release();
        }
    }

    // Where a function that hands out a new reference (CoCreateInstance, QueryInterface) puts
    // it; the reference held before is released first.
    void** Receive() {
        Reset();
        return reinterpret_cast<void**>(&object_);
    }

    // The same object's interface `iid`, as `Other`; null when the object lacks it.
    template <class Other>
    InterfacePointer<Other> As(REFIID iid) const {
        InterfacePointer<Other> other;
        if (object_ != nullptr) {
            object_->QueryInterface(iid, other.Receive());
        }
        return other;
    }

private:
    Interface* object_ = nullptr;
};

// A new object of class `classId`, held as its interface `iid`, in `object`; the outcome of
// CoCreateInstance, `object` staying null when it failed.
template <class Interface>
HRESULT CreateObject(REFCLSID classId, REFIID iid, InterfacePointer<Interface>& object) {
    return CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, iid, object.Receive());
}

} // namespace automation
