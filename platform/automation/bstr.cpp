#include "platform/automation/bstr.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// Layout of one allocation: [uint32 byte length][text bytes][two zero bytes].
constexpr std::size_t kPrefixSize = sizeof(std::uint32_t);
constexpr std::size_t kTerminatorSize = sizeof(OLECHAR);

char* AllocationOf(BSTR text) {
    return reinterpret_cast<char*>(text) - kPrefixSize;
}

} // namespace

BSTR SysAllocStringByteLen(const char* bytes, std::uint32_t length) {
    if (length > std::numeric_limits<std::uint32_t>::max() - kPrefixSize - kTerminatorSize) {
        return nullptr;
    }
    // Rounded up to whole OLECHARs so that an odd byte length still ends in a full terminator.
    const std::size_t size = kPrefixSize + length + kTerminatorSize + 1;
    auto* allocation = static_cast<char*>(std::calloc(1, size));
    if (allocation == nullptr) {
        return nullptr;
    }
    std::memcpy(allocation, &length, kPrefixSize);
    if (bytes != nullptr) {
        std::memcpy(allocation + kPrefixSize, bytes, length);
    }
    return reinterpret_cast<BSTR>(allocation + kPrefixSize);
}

void SysFreeString(BSTR text) {
    if (text != nullptr) {
        std::free(AllocationOf(text));
    }
}

std::uint32_t SysStringByteLen(BSTR text) {
    if (text == nullptr) {
        return 0;
    }
    std::uint32_t length = 0;
    std::memcpy(&length, AllocationOf(text), kPrefixSize);
    return length;
}

BSTR SysAllocStringLen(const OLECHAR* characters, std::uint32_t length) {
    if (length > std::numeric_limits<std::uint32_t>::max() / sizeof(OLECHAR)) {
        return nullptr;
    }
    return SysAllocStringByteLen(reinterpret_cast<const char*>(characters),
                                 length * static_cast<std::uint32_t>(sizeof(OLECHAR)));
}

BSTR SysAllocString(const OLECHAR* characters) {
    if (characters == nullptr) {
        return nullptr;
    }
    std::size_t length = 0;
    while (characters[length] != 0) {
        ++length;
    }
    if (length > std::numeric_limits<std::uint32_t>::max()) {
        return nullptr;
    }
    return SysAllocStringLen(characters, static_cast<std::uint32_t>(length));
}

std::uint32_t SysStringLen(BSTR text) {
    return SysStringByteLen(text) / sizeof(OLECHAR);
}
