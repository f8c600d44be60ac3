// The expander of the compressed-file container on arbitrary bytes: every stream ends with a
// result, never a crash, an overrun or an endless loop. A stream that expands is compressed again
// and must come back unchanged.
#include "family/util/src/explode.h"

#include "family/util/src/implode.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

umbrant::ReadBytes ReaderOf(const std::uint8_t* data, std::size_t size, std::size_t& offset) {
    return [data, size, &offset](std::uint8_t* buffer, std::size_t wanted) {
        const std::size_t count = std::min(wanted, size - offset);
        std::copy_n(data + offset, count, buffer);
        offset += count;
        return count;
    };
}

umbrant::WriteBytes WriterTo(std::vector<std::uint8_t>& out) {
    return [&out](const std::uint8_t* data, std::size_t size) {
        out.insert(out.end(), data, data + size);
    };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t offset = 0;
    std::vector<std::uint8_t> expanded;
    if (umbrant::Explode(ReaderOf(data, size, offset), WriterTo(expanded)) !=
        umbrant::ExplodeResult::Done) {
        return 0;
    }
    std::vector<std::uint8_t> stream;
    std::size_t readBack = 0;
    const unsigned dictionary = 1024U << (size % 3);
    umbrant::Implode(ReaderOf(expanded.data(), expanded.size(), readBack), WriterTo(stream),
                     static_cast<int>(size % 2), dictionary);
    std::vector<std::uint8_t> again;
    std::size_t streamOffset = 0;
    if (umbrant::Explode(ReaderOf(stream.data(), stream.size(), streamOffset), WriterTo(again)) !=
            umbrant::ExplodeResult::Done ||
        again != expanded) {
        __builtin_trap();
    }
    return 0;
}
