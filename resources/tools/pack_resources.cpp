// Packs the resource archive when the project is built: a new archive holding each file under
// its bare name, encrypted with the resource password.
//   pack-resources <archive> <file>...
#include "platform/zip/zip_archive.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: pack-resources <archive> <file>...\n", stderr);
        return 2;
    }
    const std::filesystem::path archivePath = argv[1];
    std::error_code ignored;
    std::filesystem::remove(archivePath, ignored);
    for (int index = 2; index < argc; ++index) {
        const archive::ZipResult result =
            archive::AddFile(archivePath, argv[index], archive::kResourcePassword);
        if (result != archive::ZipResult::Success) {
            std::fprintf(stderr, "pack-resources: %s: %s\n", argv[index],
                         archive::ResultText(result).c_str());
            std::filesystem::remove(archivePath, ignored);
            return 1;
        }
    }
    return 0;
}
