#include "program/store/rep_info_record.h"

#include "program/store/illustration_record.h"
#include "program/store/src/messages.h"
#include "program/store/user_info.h"

#include "platform/runtime/number_text.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/text.h"
#include "platform/system/atomic_file.h"
#include "platform/system/files.h"
#include "platform/system/folders.h"
#include "platform/system/profile_file.h"

#include <algorithm>
#include <optional>

namespace store {

namespace fs = std::filesystem;

namespace {

constexpr int kStateField = -1;    // the field kept in cmboState rather than in a txtInput
constexpr int kReservedField = 13; // the hidden txtInput that carries the reserved field

struct RepSlot {
    int control; // txtInput index, or kStateField
    std::size_t offset;
    std::size_t width;
};

// The record's fields in record order.
constexpr RepSlot kSlots[] = {
    {0, 0, 20},
    {1, 20, 1},
    {2, 21, 30},
    {4, 51, 30},
    {9, 81, 60},
    {10, 141, 30},
    {kStateField, 171, 2},
    {11, 173, 11},
    {5, 184, 30},
    {6, 214, 30},
    {7, 244, 30},
    {8, 274, 60},
    {3, 334, 20},
    {12, 354, 20},
    {kReservedField, 374, 15},
};

// The profile keys of txtInput 0 to 12 and of the state, in the window's order.
constexpr const char* kProfileKeys[] = {"First", "Initial", "Last",   "RepNumber", "Agency",
                                        "Work",  "Home",    "Fax",    "EMail",     "Address",
                                        "City",  "Zip",     "RunDate"};
constexpr const char* kStateKey = "State";
constexpr const char* kProfileSection = "Agent Information";
constexpr const char* kRepInfoFile = "RepInfo.flt";
constexpr std::size_t kProfileBuffer = 64; // values are cut at 63 characters
// The record's fields end before its filler.
constexpr std::size_t kFieldsEnd = 389;
// The names a damaged record is kept under before ".damaged.<n>" is given up.
constexpr int kMostDamagedNames = 1000;

void ShowWriteFailure(forms::MessageBoxService& messages, int errorNumber,
                      const std::string& pathText) {
    const std::string prompt = "Error type: " + runtime::Str(errorNumber) + kNewLine +
                               "Error description: \"" + runtime::ErrorText(errorNumber) + "\"" +
                               kNewLine + kNewLine + "File Path and Name: \"" + pathText + "\"";
    ShowMessage(messages, prompt, forms::vbCritical, "Error in RepWriteFlat");
}

fs::path SharedProfile() {
    return sys::WindowsFolder() / "Hux.INI";
}

std::string ProfileValue(const char* key) {
    return runtime::Trim(
        sys::GetProfileString(SharedProfile(), kProfileSection, key, "", kProfileBuffer));
}

RepInfoFields FieldsFromProfile(const StateCodeOfIndex& stateCodeOf) {
    RepInfoFields fields;
    for (std::size_t control = 0; control < std::size(kProfileKeys); ++control) {
        fields.txtInput[control] = ProfileValue(kProfileKeys[control]);
    }
    const std::string index = ProfileValue(kStateKey);
    const std::string code = stateCodeOf(index.empty() ? "0" : index);
    fields.state = code == "XX" ? "" : code;
    return fields;
}

// A character that Windows-1252 prints: the blank and the graphic characters, not the control
// characters nor the five codes it leaves undefined.
bool IsPrintable(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x20 || code == 0x7F) {
        return false;
    }
    return code != 0x81 && code != 0x8D && code != 0x8F && code != 0x90 && code != 0x9D;
}

// The bytes of the file at `path` when there is one; none of them (an empty text, which is no
// record) when its length is not a record's, so that a file of any size is never read whole.
std::optional<std::string> ExistingRecordBytes(const fs::path& path) {
    if (!sys::FileExists(path)) {
        return std::nullopt;
    }
    if (sys::FileLength(path) != kRecordLength) {
        return std::string();
    }
    return sys::ReadWholeFile(path);
}

// Before a record is written over a damaged one, the damaged one is renamed aside.
void KeepDamagedRecordAside(const fs::path& path) {
    if (const std::optional<std::string> bytes = ExistingRecordBytes(path);
        bytes && !IsSoundRepInfoRecord(*bytes)) {
        sys::RenameFile(path, DamagedRepInfoPath(path));
    }
}

} // namespace

fs::path RepInfoFilePath() {
    return StoreDir() / kRepInfoFile;
}

std::string RepFormToRecord(const RepInfoFields& fields) {
    std::string record(kRecordLength, ' ');
    for (const RepSlot& slot : kSlots) {
        const auto index = static_cast<std::size_t>(slot.control);
        const std::string text = slot.control == kStateField ? runtime::Trim(fields.state)
                                 : slot.control == kReservedField
                                     ? fields.txtInput[index]
                                     : runtime::Trim(fields.txtInput[index]);
        record.replace(slot.offset, std::min(text.size(), slot.width), text.substr(0, slot.width));
    }
    return record;
}

RepInfoFields RepRecordToForm(std::string_view record) {
    std::string whole(record.substr(0, kRecordLength));
    whole.resize(kRecordLength, ' ');
    RepInfoFields fields;
    for (const RepSlot& slot : kSlots) {
        std::string text = runtime::Trim(std::string_view{whole}.substr(slot.offset, slot.width));
        if (slot.control == kStateField) {
            fields.state = std::move(text);
        } else {
            fields.txtInput[static_cast<std::size_t>(slot.control)] = std::move(text);
        }
    }
    return fields;
}

bool IsSoundRepInfoRecord(std::string_view bytes) {
    if (bytes.size() != kRecordLength) {
        return false;
    }
    const std::string_view fields = bytes.substr(0, kFieldsEnd);
    const std::string_view filler = bytes.substr(kFieldsEnd);
    return std::all_of(fields.begin(), fields.end(), IsPrintable) &&
           std::all_of(filler.begin(), filler.end(), [](char c) { return c == ' ' || c == '\0'; });
}

fs::path DamagedRepInfoPath(const fs::path& path) {
    const std::string name = path.filename().string() + ".damaged";
    fs::path kept = path.parent_path() / name;
    for (int number = 2; number <= kMostDamagedNames; ++number) {
        std::error_code error;
        if (!fs::exists(fs::symlink_status(kept, error))) {
            break;
        }
        kept = path.parent_path() / (name + "." + std::to_string(number));
    }
    return kept;
}

LoadedRepInfo LoadRepInfo(const StateCodeOfIndex& stateCodeOf) {
    fs::path path;
    try {
        path = RepInfoFilePath();
    } catch (const runtime::RuntimeError&) {
        return {FieldsFromProfile(stateCodeOf)}; // no record on a drive that is not there
    }
    const std::optional<std::string> record = ExistingRecordBytes(path);
    if (!record) {
        return {FieldsFromProfile(stateCodeOf)};
    }
    if (!IsSoundRepInfoRecord(*record)) {
        return {FieldsFromProfile(stateCodeOf), path, DamagedRepInfoPath(path)};
    }
    return {RepRecordToForm(*record)};
}

bool RepWriteFlat(const fs::path& path, const RepInfoFields& fields,
                  forms::MessageBoxService& messages) {
    if (path.empty()) {
        return true;
    }
    try {
        KeepDamagedRecordAside(path);
        sys::ReplaceFileAtomically(path, RepFormToRecord(fields));
    } catch (const runtime::RuntimeError& error) {
        ShowWriteFailure(messages, error.Number(), path.string());
        return false;
    }
    return true;
}

bool SaveRepInfo(const RepInfoFields& fields, forms::MessageBoxService& messages) {
    fs::path path;
    try {
        path = RepInfoFilePath();
    } catch (const runtime::RuntimeError& error) {
        ShowWriteFailure(messages, error.Number(), StoreFileName(kRepInfoFile));
        return false;
    }
    return RepWriteFlat(path, fields, messages);
}

} // namespace store
