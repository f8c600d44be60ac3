// The profile functions over the platform's profile files: Windows' buffer rules on top of the
// locked read-modify-replace of platform/system, and WIN.INI's [Devices] from the printer list.
#include "platform/printing/printers.h"
#include "platform/system/folders.h"
#include "platform/system/profile_file.h"
#include "platform/win32/winbase.h"

#include <strings.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kSharedProfileName = "Hux.INI";
constexpr const char* kWindowsProfileName = "WIN.INI";
constexpr const char* kDevicesSection = "Devices";
// Room for any 32-bit integer as text, as GetPrivateProfileInt reads it.
constexpr DWORD kIntegerTextSize = 32;

bool SameName(std::string_view a, const char* b) {
    return a.size() == std::strlen(b) && strncasecmp(a.data(), b, a.size()) == 0;
}

// The file a caller's name stands for: "\" separates folders, a name without a folder lies in
// the Windows folder, and the shared profile there is "Hux.INI" whatever case the caller wrote.
fs::path ProfilePath(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    if (name.find('/') != std::string::npos) {
        return fs::path(name);
    }
    return sys::WindowsFolder() / (SameName(name, kSharedProfileName) ? kSharedProfileName : name);
}

fs::path WindowsProfilePath() {
    return sys::WindowsFolder() / kWindowsProfileName;
}

std::string_view WithoutTrailingBlanks(const char* text) {
    std::string_view view = text == nullptr ? "" : text;
    while (!view.empty() && (view.back() == ' ' || view.back() == '\t')) {
        view.remove_suffix(1);
    }
    return view;
}

// Copies a value into the caller's buffer, cut to size - 1 characters, and answers its length.
DWORD CopyValue(std::string_view value, LPSTR buffer, DWORD size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const std::size_t length = std::min<std::size_t>(value.size(), size - 1);
    std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return static_cast<DWORD>(length);
}

// Copies names into the caller's buffer, each NUL-terminated and the list ended by a second NUL.
// A list that does not fit is cut and ends with two NULs; the answer is then size - 2.
DWORD CopyList(const std::vector<std::string>& names, LPSTR buffer, DWORD size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    std::string list;
    for (const std::string& name : names) {
        list.append(name).push_back('\0');
    }
    if (list.size() + 1 <= size) {
        std::memcpy(buffer, list.data(), list.size());
        buffer[list.size()] = '\0';
        if (list.empty() && size >= 2) {
            buffer[1] = '\0';
        }
        return static_cast<DWORD>(list.size());
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::memcpy(buffer, list.data(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}

DWORD GetFileProfileString(const fs::path& file, LPCSTR section, LPCSTR key, LPCSTR defaultText,
                           LPSTR buffer, DWORD size) {
    if (section == nullptr) {
        return CopyList(sys::ReadProfileSections(file), buffer, size);
    }
    if (key == nullptr) {
        return CopyList(sys::ReadProfileKeys(file, section), buffer, size);
    }
    const std::string value =
        sys::GetProfileString(file, section, key, defaultText == nullptr ? "" : defaultText, size);
    return CopyValue(value, buffer, size);
}

// WIN.INI's [Devices], answered from the printers of the platform.
DWORD GetDevicesString(LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size) {
    const std::vector<printing::DeviceEntry> devices = printing::DevicesSection();
    if (key == nullptr) {
        std::vector<std::string> names;
        for (const printing::DeviceEntry& device : devices) {
            names.push_back(device.name);
        }
        return CopyList(names, buffer, size);
    }
    for (const printing::DeviceEntry& device : devices) {
        if (SameName(device.name, key)) {
            return CopyValue(device.value, buffer, size);
        }
    }
    return CopyValue(WithoutTrailingBlanks(defaultText), buffer, size);
}

// The leading decimal integer of a value: blanks, a sign, digits; 0 when no digit follows, and
// the nearest limit of the 32-bit range for a number beyond it.
INT LeadingInteger(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    constexpr long long kBeyondRange = std::int64_t{std::numeric_limits<INT>::max()} + 1;
    long long magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        magnitude = std::min(magnitude * 10 + (c - '0'), kBeyondRange);
    }
    return static_cast<INT>(negative ? -magnitude : std::min(magnitude, kBeyondRange - 1));
}

// Reads an integer through a profile string function; an empty or missing value answers the
// default.
template <typename ReadString>
UINT ReadInteger(INT defaultValue, ReadString read) {
    char text[kIntegerTextSize];
    if (read(text, kIntegerTextSize) == 0) {
        return static_cast<UINT>(defaultValue);
    }
    return static_cast<UINT>(LeadingInteger(text));
}

// Writes to the profile file that `fileOf` names: a null value deletes the key, a null key the
// section. A null section (the flush call among them) writes nothing. FALSE when nothing was
// written or the edit failed (a file that cannot be written, names the format cannot hold, no
// Windows folder).
template <typename FileOf>
BOOL WriteProfile(FileOf fileOf, LPCSTR section, LPCSTR key, LPCSTR value) {
    if (section == nullptr) {
        return FALSE;
    }
    try {
        const fs::path file = fileOf();
        if (key == nullptr) {
            sys::DeleteProfileSection(file, section);
        } else if (value == nullptr) {
            sys::DeleteProfileKey(file, section, key);
        } else {
            sys::WriteProfileString(file, section, key, value);
        }
        return TRUE;
    } catch (const std::exception&) {
        return FALSE;
    }
}

} // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer,
                               DWORD size, LPCSTR fileName) {
    if (fileName == nullptr || *fileName == '\0') {
        return CopyValue(WithoutTrailingBlanks(defaultText), buffer, size);
    }
    try {
        return GetFileProfileString(ProfilePath(fileName), section, key, defaultText, buffer, size);
    } catch (const std::exception&) {
        return CopyValue(WithoutTrailingBlanks(defaultText), buffer, size);
    }
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName) {
    return ReadInteger(defaultValue, [&](LPSTR text, DWORD size) {
        return GetPrivateProfileStringA(section, key, "", text, size, fileName);
    });
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName) {
    if (fileName == nullptr || *fileName == '\0') {
        return FALSE;
    }
    return WriteProfile([&] { return ProfilePath(fileName); }, section, key, value);
}

DWORD GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size) {
    try {
        if (section != nullptr && SameName(section, kDevicesSection)) {
            return GetDevicesString(key, defaultText, buffer, size);
        }
        return GetFileProfileString(WindowsProfilePath(), section, key, defaultText, buffer, size);
    } catch (const std::exception&) {
        return CopyValue(WithoutTrailingBlanks(defaultText), buffer, size);
    }
}

UINT GetProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue) {
    return ReadInteger(defaultValue, [&](LPSTR text, DWORD size) {
        return GetProfileStringA(section, key, "", text, size);
    });
}

BOOL WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value) {
    return WriteProfile(WindowsProfilePath, section, key, value);
}
