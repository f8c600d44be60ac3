// The pictures of a template: a `pict` group's hexadecimal data read into a Windows metafile,
// and the metafile made into a bitmap from its stretched device-independent bitmaps. Only
// metafiles are understood; the data of other picture kinds do not form one and give no bitmap.
#pragma once

#include "family/print/src/convert/rtf_tokenizer.h"

#include "platform/win32/windows.h"

#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <type_traits>

namespace pressel {

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
// A bitmap deleted when it is not handed on.
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

// The bitmap of the metafile `bits`: for its last META_STRETCHDIB record, a bitmap compatible
// with the screen of the record's source size, into which the record is played. Null when the
// bits are no metafile or hold no such record that plays; bitmaps of earlier records are
// deleted. A record whose source has more pixels than its picture could (eight a byte of the
// record) is passed over before its bitmap is made.
OwnedBitmap MetafileBitmap(std::span<const BYTE> bits);

struct TemplatePicture {
    OwnedBitmap bitmap;
    bool groupClosed = false; // the group's closing brace (or the end of input) was read
};

// Reads a picture's data: `headerDigits`, the first word of the data, holds the metafile's
// 18-byte header in 36 hexadecimal digits, whose size field gives the metafile's length in
// 16-bit words; the rest is read from `tokenizer` as pairs of lower-case digits, line breaks
// skipped, with `progress` called after every 2048 words. A size below the header's 9 words or
// beyond what the template still holds, a closing brace, the end of input or any other
// character before the data are complete give no bitmap.
TemplatePicture ReadTemplatePicture(RtfTokenizer& tokenizer, std::string_view headerDigits,
                                    const std::function<void()>& progress);

} // namespace pressel
