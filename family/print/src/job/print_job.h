// What the library reads from the caller's job record: the printer the job names, and the room
// after the print file's path where its CRC-16 is kept.
#pragma once

#include "family/print/pressel.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pressel {

struct PrinterNames {
    std::string driver;
    std::string device;
    std::string port;
};

// The chosen driver, device and port when a driver was chosen, else the default ones.
PrinterNames PrinterOfJob(const PrintJob& job);

// The print file's path; empty when the field holds no NUL.
std::string PrintFilePathOfJob(const PrintJob& job);

// Stores the CRC-16 in the two bytes after the path's NUL, little-endian. False, with nothing
// written, when the path leaves no room for them.
bool StorePrintFileCrc(PrintJob& job, std::uint16_t crc);

// The host's own pictures: at most 50, none for a negative count.
std::vector<HBITMAP> HostPicturesOfJob(const PrintJob& job);

// The page bitmaps a job can take over the start of its template path: a 32-bit count, then
// the handles as 32-bit numbers, all within the field's 256 bytes.
inline constexpr int kMaxPageBitmaps = 63;

// Writes the count and the handles over the template path. False, with nothing written, for
// more than kMaxPageBitmaps bitmaps.
bool StorePageBitmaps(PrintJob& job, std::span<const HBITMAP> bitmaps);

} // namespace pressel
