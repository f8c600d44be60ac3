#include "family/print/src/job/print_job.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pressel {
namespace {

// A text field up to its NUL or its end.
template <std::size_t Size>
std::string FieldText(const char (&field)[Size]) {
    return std::string(field, strnlen(field, Size));
}

constexpr int kHostPictureSlots = sizeof PrintJob::pictures / sizeof(HBITMAP);
constexpr std::size_t kHandleSize = sizeof(std::uint32_t);
static_assert(sizeof(std::int32_t) + kMaxPageBitmaps * kHandleSize <=
              sizeof(PrintJob::templatePath));

} // namespace

PrinterNames PrinterOfJob(const PrintJob& job) {
    if (job.chosenDriver[0] != '\0') {
        return {FieldText(job.chosenDriver), FieldText(job.chosenDevice),
                FieldText(job.chosenPort)};
    }
    return {FieldText(job.defaultDriver), FieldText(job.defaultDevice), FieldText(job.defaultPort)};
}

std::string PrintFilePathOfJob(const PrintJob& job) {
    const std::size_t length = strnlen(job.printFilePath, sizeof job.printFilePath);
    return length == sizeof job.printFilePath ? std::string()
                                              : std::string(job.printFilePath, length);
}

bool StorePrintFileCrc(PrintJob& job, std::uint16_t crc) {
    const std::size_t length = strnlen(job.printFilePath, sizeof job.printFilePath);
    if (length + 3 > sizeof job.printFilePath) {
        return false;
    }
    job.printFilePath[length + 1] = static_cast<char>(crc & 0xFF);
    job.printFilePath[length + 2] = static_cast<char>(crc >> 8);
    return true;
}

std::vector<HBITMAP> HostPicturesOfJob(const PrintJob& job) {
    // The handles lie unaligned in the record: each is read by value, never through a pointer or
    // a reference.
    const int count = std::clamp<int>(job.pictureCount, 0, kHostPictureSlots);
    std::vector<HBITMAP> pictures;
    pictures.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const HBITMAP picture = job.pictures[i];
        pictures.push_back(picture);
    }
    return pictures;
}

bool StorePageBitmaps(PrintJob& job, std::span<const HBITMAP> bitmaps) {
    if (bitmaps.size() > static_cast<std::size_t>(kMaxPageBitmaps)) {
        return false;
    }
    const auto count = static_cast<std::int32_t>(bitmaps.size());
    char* field = job.templatePath;
    std::memcpy(field, &count, sizeof count);
    field += sizeof count;
    // Handles are numbers of the process's handle table, which 32 bits carry whole.
    for (const HBITMAP bitmap : bitmaps) {
        const auto number = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(bitmap));
        std::memcpy(field, &number, kHandleSize);
        field += kHandleSize;
    }
    return true;
}

} // namespace pressel
