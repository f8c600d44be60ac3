#include "platform/win32/src/gdi/handle_table.h"

#include "platform/win32/wingdi.h"

namespace win32 {

namespace {
constexpr std::uint32_t kIndexBits = 16;
constexpr std::uint32_t kMaxSlots = 0xFFFF;
constexpr std::uint16_t kMaxGeneration = 0x7FFF;
} // namespace

HandleTable& HandleTable::Instance() {
    // Never destroyed, as the system's own state outlives the libraries that unload before it.
    static HandleTable& table = *new HandleTable;
    return table;
}

std::uint32_t HandleTable::Insert(std::unique_ptr<HandleObject> object) {
    std::uint16_t index;
    if (!free_.empty()) {
        index = free_.back();
        free_.pop_back();
    } else {
        if (slots_.size() >= kMaxSlots) {
            return 0;
        }
        index = static_cast<std::uint16_t>(slots_.size());
        slots_.emplace_back();
    }
    Slot& slot = slots_[index];
    slot.generation = slot.generation >= kMaxGeneration ? 1 : slot.generation + 1;
    slot.object = std::move(object);
    ++live_;
    return (static_cast<std::uint32_t>(slot.generation) << kIndexBits) |
           (static_cast<std::uint32_t>(index) + 1);
}

HandleObject* HandleTable::Find(std::uint32_t handle) const {
    std::uint32_t index = (handle & 0xFFFF);
    std::uint32_t generation = handle >> kIndexBits;
    if (index == 0 || index > slots_.size()) {
        return nullptr;
    }
    const Slot& slot = slots_[index - 1];
    if (slot.generation != generation || !slot.object) {
        return nullptr;
    }
    return slot.object.get();
}

std::unique_ptr<HandleObject> HandleTable::Remove(std::uint32_t handle) {
    if (Find(handle) == nullptr) {
        return nullptr;
    }
    std::uint16_t index = static_cast<std::uint16_t>((handle & 0xFFFF) - 1);
    free_.push_back(index);
    --live_;
    return std::move(slots_[index].object);
}

std::size_t LiveObjectCount() {
    return HandleTable::Instance().LiveCount();
}

} // namespace win32
