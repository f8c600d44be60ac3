#include "program/ui/support/src/web_links.h"

#include "platform/system/external_programs.h"
#include "platform/system/folders.h"
#include "platform/system/program_identity.h"
#include "platform/zip/zip_archive.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

namespace ui {

namespace {

// An address is one line; a longer first line is no address the program stored.
constexpr std::size_t kMaxAddressLength = 2048;

// The first line of `file` without its line end; empty when the file cannot be read.
std::string FirstLine(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    char c = 0;
    while (line.size() <= kMaxAddressLength && in.get(c) && c != '\n') {
        line += c;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line.size() > kMaxAddressLength ? std::string() : line;
}

} // namespace

bool OpenWebAddress(std::string_view address) {
    std::string scheme(address.substr(0, address.find(':')));
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool web = (scheme == "http" || scheme == "https") &&
                     address.substr(scheme.size()).starts_with("://") &&
                     address.size() > scheme.size() + 3;
    return web && sys::OpenUrlInBrowser(std::string(address));
}

void OpenArchivedUrl(std::string_view memberName) {
    try {
        const std::filesystem::path archivePath =
            sys::InstallFolder() / (std::string(sys::ExecutableBaseName()) + ".icf");
        const std::filesystem::path folder = sys::ProgramFolder();
        if (archive::ExtractMember(archivePath, memberName, folder, archive::kResourcePassword,
                                   sys::Durability::Scratch) != archive::ZipResult::Success) {
            return;
        }
        const std::filesystem::path extracted = folder / memberName;
        const std::string address = FirstLine(extracted);
        std::error_code ignored;
        std::filesystem::remove(extracted, ignored);
        OpenWebAddress(address);
    } catch (const std::exception&) {
        return; // no folder to extract into, or no home: nothing opens
    }
}

} // namespace ui
