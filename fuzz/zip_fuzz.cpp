// Opens arbitrary bytes as an archive, reads its first member into memory (as a restore does),
// extracts every member and then adds a file to it: the zip component must answer each with a
// result, whatever the bytes, and never crash.
#include "platform/zip/zip_archive.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

// Each input works in a temporary folder of its own, removed when the input is done.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string pattern = (fs::temp_directory_path() / "tallowmere-zip-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    const fs::path folder = pattern;
    const fs::path archivePath = folder / "Fuzz.icf";
    const fs::path extracted = folder / "extracted";
    const fs::path added = folder / "Added.flt";
    fs::create_directory(extracted);
    std::ofstream(archivePath, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::ofstream(added) << "a record to add";

    std::string contents;
    archive::ReadMember(archivePath, "*", "", contents);
    archive::ExtractMember(archivePath, "*", extracted, archive::kResourcePassword);
    archive::AddFile(archivePath, added, "");

    fs::remove_all(folder);
    return 0;
}
