// Picture headers from arbitrary bytes: a size or a refusal, never a read past the end.
#include "platform/forms/picture.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture =
        forms::Picture::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
    if (picture && (picture->WidthPixels() <= 0 || picture->HeightPixels() <= 0)) {
        __builtin_trap();
    }
    return 0;
}
