// Removing what a conversion left behind: the bitmaps the converter made for the template's
// pictures and the print file. Which bitmaps those are the library kept itself when it
// converted the file; the handles the file names are not looked at, so that a stale or damaged
// file cannot have the host's own bitmaps, or anything else, deleted.
#include "family/print/pressel.h"
#include "family/print/src/convert/converted_pictures.h"
#include "family/print/src/job/print_job.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

int _PrintDelete(HWND /*owner*/, PrintJob* job) {
    using namespace pressel;
    if (job == nullptr) {
        return 0;
    }
    const std::string path = PrintFilePathOfJob(*job);
    // Without their file the pictures serve nothing, so they go even when it is missing.
    DeleteConvertedPictures(path);
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return 0;
    }
    ::close(descriptor);
    std::error_code error;
    std::filesystem::remove(path, error);
    return 0;
}
