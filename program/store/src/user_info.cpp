#include "program/store/user_info.h"

#include "platform/runtime/runtime_error.h"
#include "platform/runtime/text.h"
#include "platform/system/drives.h"
#include "platform/system/files.h"
#include "platform/system/folders.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace store {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDataLocationFile = "dataloc.txt";

// The folder "dataloc.txt" names, as it names it, if it names one. A file that cannot be read
// names none.
std::optional<std::string> DataLocationOverride() {
    const fs::path file = sys::InstallFolder() / kDataLocationFile;
    if (!sys::FileExists(file)) {
        return std::nullopt;
    }
    std::string line;
    try {
        line = sys::ReadFirstLine(file);
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    }
    if (runtime::Trim(line).empty()) {
        return std::nullopt;
    }
    return line;
}

// A folder as Windows writes it: its folders parted by backslashes.
std::string WindowsForm(const fs::path& folder) {
    std::string text = folder.string();
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

} // namespace

std::string TimeClockDir() {
    constexpr std::string_view kPayroll = "DropBox\\Payroll";
    constexpr std::string_view kRoaming = "\\AppData\\Roaming";
    std::string folder;
    try {
        folder = WindowsForm(sys::DataFolder().parent_path());
    } catch (const std::exception&) {
        folder.clear();
    }
    std::string text = folder + "\\" + std::string(kPayroll);
    if (text.find("\\owner\\") != std::string::npos) {
        text = "c:\\documents and settings\\owner\\my documents\\" + std::string(kPayroll);
    }
    if (const std::size_t roaming = text.find(kRoaming); roaming != std::string::npos) {
        text = text.substr(0, roaming + 1) + std::string(kPayroll);
    }
    return text;
}

fs::path StoreDir() {
    if (auto named = DataLocationOverride()) {
        return sys::ResolvePath(*named);
    }
    const fs::path folder = sys::DataFolder();
    sys::EnsureFolder(folder);
    return folder;
}

std::string StoreFileName(std::string_view file) {
    if (auto named = DataLocationOverride()) {
        return *named + "\\" + std::string(file);
    }
    return (sys::DataFolder() / file).string();
}

fs::path PDFDir() {
    const fs::path folder = sys::DocumentsFolder() / "PDF";
    sys::EnsureFolder(folder);
    return folder;
}

std::string UserName() {
    std::string name;
    try {
        name = sys::UserProfileFolder().filename().string();
    } catch (const std::exception&) {
        name.clear();
    }
    return name.empty() ? std::string("Init") : name;
}

} // namespace store
