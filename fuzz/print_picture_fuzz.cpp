// The print document's picture readers (BMP, JPEG, GIF) on arbitrary bytes: a picture is
// decoded within its limits or refused with run-time error 481, never a crash.
#include "platform/printdoc/print_document.h"
#include "platform/runtime/runtime_error.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        printdoc::Picture picture =
            printdoc::Picture::Decode(std::string_view(reinterpret_cast<const char*>(data), size));
        if (picture.Pixels().size() !=
            static_cast<std::size_t>(picture.PixelWidth()) * picture.PixelHeight()) {
            std::abort();
        }
    } catch (const runtime::RuntimeError& error) {
        if (error.Number() != static_cast<int>(runtime::ErrorNumber::InvalidPicture)) {
            std::abort();
        }
    }
    return 0;
}
