// Movable memory blocks. A handle is the address of its block's record, known to a registry of
// live blocks so that a stale or foreign handle is refused rather than followed.
#include "platform/win32/winbase.h"

#include <map>
#include <memory>
#include <new>
#include <vector>

namespace {

struct Block {
    std::vector<std::byte> bytes;
    int locks = 0;
};

std::map<HGLOBAL, std::unique_ptr<Block>>& Blocks() {
    // Never destroyed, as the system's own state outlives the libraries that unload before it.
    static std::map<HGLOBAL, std::unique_ptr<Block>>& blocks =
        *new std::map<HGLOBAL, std::unique_ptr<Block>>;
    return blocks;
}

Block* Find(HGLOBAL memory) {
    auto found = Blocks().find(memory);
    return found == Blocks().end() ? nullptr : found->second.get();
}

} // namespace

HGLOBAL GlobalAlloc(UINT, SIZE_T bytes) {
    auto block = std::make_unique<Block>();
    try {
        block->bytes.resize(bytes == 0 ? 1 : bytes);
    } catch (const std::bad_alloc&) {
        return nullptr;
    } catch (const std::length_error&) {
        return nullptr;
    }
    HGLOBAL handle = block.get();
    Blocks().emplace(handle, std::move(block));
    return handle;
}

LPVOID GlobalLock(HGLOBAL memory) {
    Block* block = Find(memory);
    if (block == nullptr) {
        return nullptr;
    }
    ++block->locks;
    return block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL memory) {
    Block* block = Find(memory);
    if (block == nullptr || block->locks == 0) {
        return FALSE;
    }
    --block->locks;
    return block->locks > 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
    return Blocks().erase(memory) == 1 ? nullptr : memory;
}

SIZE_T GlobalSize(HGLOBAL memory) {
    Block* block = Find(memory);
    return block == nullptr ? 0 : block->bytes.size();
}
