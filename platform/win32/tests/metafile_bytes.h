// Windows metafiles built by hand for tests: a header, records, and the stretched-DIB record
// with small device-independent bitmaps of 24 and 1 bits per pixel.
#pragma once

#include "platform/win32/windows.h"

#include <cstdint>
#include <string>
#include <vector>

namespace metafile_bytes {

using Bytes = std::vector<std::uint8_t>;

inline void PutU16(Bytes& bytes, unsigned value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void PutU32(Bytes& bytes, std::uint32_t value) {
    PutU16(bytes, value & 0xFFFF);
    PutU16(bytes, value >> 16);
}

// The 40-byte BITMAPINFOHEADER of a bottom-up, uncompressed picture.
inline Bytes DibHeader(int width, int height, int bitCount) {
    Bytes bytes;
    PutU32(bytes, 40);
    PutU32(bytes, static_cast<std::uint32_t>(width));
    PutU32(bytes, static_cast<std::uint32_t>(height));
    PutU16(bytes, 1);
    PutU16(bytes, static_cast<unsigned>(bitCount));
    bytes.resize(40, 0);
    return bytes;
}

// A 24-bit picture of `rows` (top row first) of colours.
inline Bytes Dib24(const std::vector<std::vector<COLORREF>>& rows) {
    const int width = static_cast<int>(rows.front().size());
    Bytes bytes = DibHeader(width, static_cast<int>(rows.size()), 24);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        const std::size_t start = bytes.size();
        for (const COLORREF colour : *row) {
            bytes.insert(bytes.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour)});
        }
        bytes.resize(start + (bytes.size() - start + 3) / 4 * 4, 0);
    }
    return bytes;
}

// A 1-bit picture of `rows` (top row first; '1' takes `one`, anything else `zero`).
inline Bytes Dib1(const std::vector<std::string>& rows, COLORREF zero, COLORREF one) {
    const int width = static_cast<int>(rows.front().size());
    Bytes bytes = DibHeader(width, static_cast<int>(rows.size()), 1);
    for (const COLORREF colour : {zero, one}) {
        bytes.insert(bytes.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0});
    }
    const std::size_t stride = static_cast<std::size_t>((width + 31) / 32 * 4);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        Bytes bits(stride, 0);
        for (std::size_t x = 0; x < row->size(); ++x) {
            if ((*row)[x] == '1') {
                bits[x / 8] = static_cast<std::uint8_t>(bits[x / 8] | (0x80 >> (x % 8)));
            }
        }
        bytes.insert(bytes.end(), bits.begin(), bits.end());
    }
    return bytes;
}

// A record of `function` with its parameters; its size counts the six bytes before them.
inline Bytes Record(unsigned function, const Bytes& parameters) {
    Bytes bytes;
    PutU32(bytes, static_cast<std::uint32_t>(3 + (parameters.size() + 1) / 2));
    PutU16(bytes, function);
    bytes.insert(bytes.end(), parameters.begin(), parameters.end());
    bytes.resize(bytes.size() + bytes.size() % 2, 0);
    return bytes;
}

// META_STRETCHDIB drawing the whole `width` x `height` picture `dib` at (0, 0), unscaled.
inline Bytes StretchDibRecord(const Bytes& dib, int width, int height) {
    Bytes parameters;
    PutU32(parameters, SRCCOPY);
    PutU16(parameters, DIB_RGB_COLORS);
    for (const int value : {height, width, 0, 0, height, width, 0, 0}) {
        PutU16(parameters, static_cast<unsigned>(value));
    }
    parameters.insert(parameters.end(), dib.begin(), dib.end());
    return Record(META_STRETCHDIB, parameters);
}

// A memory metafile of the records and an end record; its size field counts them all.
inline Bytes Metafile(const std::vector<Bytes>& records) {
    Bytes body;
    for (const Bytes& record : records) {
        body.insert(body.end(), record.begin(), record.end());
    }
    const Bytes end = Record(META_EOF, {});
    body.insert(body.end(), end.begin(), end.end());
    Bytes bytes;
    PutU16(bytes, 1);      // memory metafile
    PutU16(bytes, 9);      // header words
    PutU16(bytes, 0x0300); // version
    PutU32(bytes, static_cast<std::uint32_t>(9 + body.size() / 2));
    PutU16(bytes, 0); // objects
    PutU32(bytes, 0); // largest record
    PutU16(bytes, 0);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

// Two lower-case hexadecimal digits a byte, as rich text carries picture data.
inline std::string Hex(const Bytes& bytes) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

} // namespace metafile_bytes
