// The printing library's rich-text reader over arbitrary bytes: the font and colour tables, then
// the body interpreted to its end. Whatever the template holds, the tables stay within their
// sizes, the saved group levels within ten, a picture is a bitmap or none, and the reading ends.
#include "family/print/src/convert/rtf_interpreter.h"
#include "family/print/src/convert/rtf_keywords.h"
#include "family/print/src/convert/rtf_tables.h"
#include "family/print/src/convert/rtf_tokenizer.h"
#include "family/print/src/printfile/print_file_layout.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kBufferLength = 100;
    const int descriptor = ::memfd_create("template", MFD_CLOEXEC);
    Require(descriptor >= 0 && ::write(descriptor, data, size) == static_cast<ssize_t>(size));
    ::lseek(descriptor, 0, SEEK_SET);
    pressel::RtfTokenizer tokenizer(descriptor);
    const pressel::RtfFontTable fonts = pressel::ReadRtfFontTable(tokenizer);
    Require(fonts.fonts.size() <= pressel::kMaxFonts);
    for (const pressel::RtfFont& font : fonts.fonts) {
        Require(!font.record.faceName.empty() &&
                font.record.faceName.size() < pressel::kFaceNameSize);
    }
    Require(pressel::ReadRtfColourTable(tokenizer).size() <= pressel::kMaxColours);

    pressel::RtfInterpreter interpreter(tokenizer);
    pressel::FormatState state;
    std::string text;
    for (int code = interpreter.Interpret(kBufferLength, state, text); code != pressel::kRtfEnd;
         code = interpreter.Interpret(kBufferLength, state, text)) {
        if (code == pressel::kRtfPictureDone) {
            const pressel::OwnedBitmap picture = interpreter.TakePicture();
            Require(picture == nullptr || GetObjectType(picture.get()) == OBJ_BITMAP);
        }
        Require(text.size() < kBufferLength);
        Require(interpreter.Level() >= 0 && interpreter.Level() <= 10);
        Require(state.object.pointCount >= 0 && state.object.pointCount <= 4);
    }
    ::close(descriptor);
    return 0;
}
