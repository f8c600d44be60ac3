// The print file's readers over arbitrary bytes: the validator, which reads the header and every
// line it names, and the drawing-token loop over the whole stream with a short text buffer. They
// must end and stay within their buffers whatever the file holds.
#include "family/print/src/printfile/print_file_buffer.h"
#include "family/print/src/printfile/print_file_layout.h"
#include "family/print/src/printfile/print_file_validator.h"
#include "family/print/src/printfile/print_token_reader.h"

#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int descriptor = ::memfd_create("print-file", MFD_CLOEXEC);
    if (descriptor < 0 || ::write(descriptor, data, size) != static_cast<ssize_t>(size)) {
        std::abort();
    }
    pressel::ValidatePrintFile("/proc/self/fd/" + std::to_string(descriptor));

    const pressel::PrintFileHeader header =
        pressel::DecodePrintFileHeader(std::span<const std::uint8_t>(data, size));
    pressel::PrintFileBuffer buffer(descriptor);
    buffer.Seek(pressel::kPrintFileHeaderSize, pressel::PrintFileBuffer::Origin::kStart);
    pressel::RunStyle style = header.lines[0].style;
    std::array<char, pressel::kRectangleOperandSize> text{};
    std::int32_t operand = 0;
    while (pressel::NextDrawToken(buffer, text, style, operand) != pressel::kEndOfData) {
    }
    ::close(descriptor);
    return 0;
}
