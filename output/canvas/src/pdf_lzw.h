// LZW compression as the PDF LZWDecode filter reads it with its default early change: codes of
// 9 to 12 bits, most significant bit first, 256 clears the table, 257 ends the data.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace output {

std::string PdfLzwEncode(std::span<const std::uint8_t> data);

} // namespace output
