// The converter over arbitrary templates, laid out with fixed-metrics fonts on a memory device
// context for a job with fields, a table and a picture of the host's: every print file it
// answers 0 for must pass the print file validator, the conversion must end within its buffers,
// and it must leave no object alive but the pictures it hands over. The markers go to a profile
// in a temporary folder.
#include "family/print/src/convert/report_converter.h"
#include "family/print/src/printfile/print_file_validator.h"

#include "platform/win32/font_provider.h"
#include "platform/win32/windows.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

const PrintField kFields[] = {{"$A", "1"}, {"$Long", "a value of several words"}};
const PrintFieldTable kFieldTable{2, kFields};
const char* const kCells[] = {"a1", "b1", "a2", "b2"};
const std::int16_t kRowPlain[8] = {0};
const std::int16_t kRowTaller[8] = {120};
const std::int16_t* const kRowInfo[] = {kRowPlain, kRowTaller};
const PrintTable kTables[] = {{2, 2, kCells, kRowInfo}};
const PrintTableList kTableList{1, kTables};

int MemoryFile(const char* name) {
    const int descriptor = ::memfd_create(name, MFD_CLOEXEC);
    if (descriptor < 0) {
        std::abort();
    }
    return descriptor;
}

// One conversion of a template into a memory file, which stays open.
struct Conversion {
    pressel::ConvertedDocument converted;
    int printFile = -1;
};

Conversion Convert(const PrintJob& job, std::string_view rtf) {
    const int templateFile = MemoryFile("template");
    if (::write(templateFile, rtf.data(), rtf.size()) != static_cast<ssize_t>(rtf.size())) {
        std::abort();
    }
    ::lseek(templateFile, 0, SEEK_SET);
    Conversion conversion;
    conversion.printFile = MemoryFile("print-file");
    const HDC dc = CreateCompatibleDC(nullptr);
    conversion.converted = pressel::ConvertDocument(templateFile, conversion.printFile, dc,
                                                    job.fields, nullptr, nullptr, &job);
    DeleteDC(dc);
    ::close(templateFile);
    return conversion;
}

void Release(const Conversion& conversion) {
    for (const HBITMAP picture : conversion.converted.pictures) {
        DeleteObject(picture);
    }
    ::close(conversion.printFile);
}

// The profile's folder, in memory where there is one (it is written once a conversion), removed
// when the run ends.
class ProfileFolder {
public:
    ProfileFolder() {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        std::string folder = (base / "pressel-convert-fuzz-XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr) {
            std::abort();
        }
        path_ = folder;
        ::setenv("TALLOWMERE_WINDOWS_DIR", folder.c_str(), 1);
    }
    ~ProfileFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ProfileFolder(const ProfileFolder&) = delete;
    ProfileFolder& operator=(const ProfileFolder&) = delete;

private:
    std::filesystem::path path_;
};

// The job and the profile's folder, made once for the whole run.
const PrintJob& Job() {
    static const ProfileFolder kProfileFolder;
    static const PrintJob kJob = [] {
        win32::UseFontSource(win32::FontSource::FixedMetrics);
        PrintJob made{};
        made.fields = &kFieldTable;
        made.tables = &kTableList;
        made.pictureCount = 1;
        made.pictures[0] = CreateBitmap(4, 4, 1, 1, nullptr);
        // The first conversions make what lives on: the stock objects, and the message box's
        // windows and bitmaps for a template without a font table. Made here, so that the
        // count of live objects sees only what a conversion leaves.
        for (const std::string_view rtf : {"", R"({\rtf1\deff0{\fonttbl{\f0 Arial;}}a\par})"}) {
            Release(Convert(made, rtf));
        }
        return made;
    }();
    return kJob;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PrintJob& job = Job();
    const std::size_t live = win32::LiveObjectCount();
    const Conversion conversion =
        Convert(job, std::string_view(reinterpret_cast<const char*>(data), size));
    if (conversion.converted.result == 0) {
        const std::vector<std::string> faults =
            pressel::ValidatePrintFile("/proc/self/fd/" + std::to_string(conversion.printFile));
        for (const std::string& fault : faults) {
            std::fprintf(stderr, "print file fault: %s\n", fault.c_str());
        }
        if (!faults.empty()) {
            std::abort();
        }
    }
    Release(conversion);
    if (win32::LiveObjectCount() != live) {
        std::fprintf(stderr, "the conversion left %zu objects\n", win32::LiveObjectCount() - live);
        std::abort();
    }
    return 0;
}
