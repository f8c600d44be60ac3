// A template's own picture for the tests: a `pict` group holding a Windows metafile of one red
// pixel, placed at 300 x 200 twips; and a whole template of a word, the picture and a word.
#pragma once

#include "platform/win32/tests/metafile_bytes.h"

#include <string>

namespace pressel_test {

inline std::string RedPixelPicture() {
    return R"({\pict\wmetafile8\picwgoal300\pichgoal200 )" +
           metafile_bytes::Hex(metafile_bytes::Metafile({metafile_bytes::StretchDibRecord(
               metafile_bytes::Dib24({{RGB(255, 0, 0)}}), 1, 1)})) +
           "}";
}

inline std::string TemplateWithPicture() {
    return R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}}\pard a)" + RedPixelPicture() +
           R"(b\par})";
}

} // namespace pressel_test
