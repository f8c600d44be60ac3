// Removing what a conversion left behind: the bitmaps the converter made for the pictures and
// the print file. The host's own pictures, which lead the picture table, stay the host's.
#include "family/print/pressel.h"
#include "family/print/src/converter_feedback.h"
#include "family/print/src/loaded_print_file.h"
#include "family/print/src/modal_dialog.h"
#include "family/print/src/print_job.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kDeleteOutOfMemoryText = 4003;
constexpr int kDeleteOutOfMemoryCaption = 4002;

} // namespace

int _PrintDelete(HWND owner, PrintJob* job) {
    using namespace pressel;
    if (job == nullptr) {
        return 0;
    }
    const std::string path = PrintFilePathOfJob(*job);
    LoadResult loaded = LoadPrintFile(path);
    if (loaded.fault == LoadFault::kCannotOpen) {
        return 0;
    }
    if (loaded.fault == LoadFault::kOutOfMemory) {
        ShowLibraryMessage(owner, kDeleteOutOfMemoryCaption, kDeleteOutOfMemoryText);
        return 1;
    }
    const PrintFileHeader& header = loaded.file->header;
    const auto first = static_cast<int>(HostPicturesOfJob(*job).size());
    const int end = std::clamp<int>(header.pictureCount, 0, kMaxPictures);
    for (int index = first; index < end; ++index) {
        DeleteObject(reinterpret_cast<HBITMAP>(
            static_cast<std::uintptr_t>(header.pictures[static_cast<std::size_t>(index)])));
    }
    loaded.file.reset();
    std::error_code error;
    std::filesystem::remove(path, error);
    return 0;
}
