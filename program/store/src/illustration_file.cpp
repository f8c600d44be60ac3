#include "program/store/illustration_file.h"

#include "program/store/src/messages.h"
#include "program/store/user_info.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/system/clock.h"
#include "platform/system/files.h"
#include "platform/system/folders.h"
#include "platform/system/program_identity.h"
#include "platform/system/record_file.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <system_error>

namespace store {

namespace fs = std::filesystem;

namespace {

constexpr int kCalculationYearFields[] = {8, 16}; // "3-Year0", "3-Year1"
constexpr int kIllustrationDateField = 19;        // "6-IllustrationDate"
constexpr std::string_view kDatabaseIndexTag = "3-DatabaseIndex";

std::string TodayText() {
    const auto today = sys::Today();
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", static_cast<unsigned>(today.month()),
                  static_cast<unsigned>(today.day()), static_cast<int>(today.year()));
    return text;
}

// Writes `record` at `number` of the file open at `path`. A write or flush that fails leaves
// the file as long as it was, so that an append leaves no partial record behind it.
void WriteRecord(sys::RecordFile& file, const fs::path& path, std::int64_t number,
                 const std::string& record) {
    std::error_code noLength;
    const std::uintmax_t length = fs::file_size(path, noLength);
    try {
        file.Write(number, record);
        file.Close();
    } catch (const runtime::RuntimeError&) {
        std::error_code ignored;
        if (!noLength && fs::file_size(path, ignored) > length) {
            fs::resize_file(path, length, ignored);
        }
        throw;
    }
}

// The illustration file when it exists; a data folder that cannot be reached holds none.
std::optional<fs::path> ExistingIllustrationFile() {
    try {
        fs::path path = IllustrationFilePath();
        return sys::FileExists(path) ? std::optional(std::move(path)) : std::nullopt;
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    }
}

} // namespace

fs::path IllustrationFilePath() {
    return StoreDir() / (std::string(sys::ExecutableBaseName()) + ".flt");
}

std::int64_t IllustrationRecordCount() {
    try {
        const std::optional<fs::path> path = ExistingIllustrationFile();
        return path ? sys::RecordFile(*path, kRecordLength, sys::RecordAccess::Read).RecordCount()
                    : 0;
    } catch (const runtime::RuntimeError&) {
        return 0;
    }
}

std::int64_t RoundedRecordCount() {
    const std::optional<fs::path> path = ExistingIllustrationFile();
    std::error_code error;
    const std::uintmax_t length = path ? fs::file_size(*path, error) : 0;
    if (error) {
        return 0;
    }
    const std::uintmax_t whole = length / kRecordLength;
    const std::uintmax_t rest = length % kRecordLength;
    // Halves go to the even number, as the runtime rounds.
    const bool up = rest > kRecordLength / 2 || (rest == kRecordLength / 2 && whole % 2 == 1);
    return static_cast<std::int64_t>(whole + (up ? 1 : 0));
}

bool SaveIllustration(CurrentIllustration& current, const RecordControls& controls,
                      forms::MessageBoxService& messages) {
    const std::string previousNumber = current.fields.Text(kDatabaseIndexField);
    try {
        const fs::path path = IllustrationFilePath();
        sys::RecordFile file(path, kRecordLength, sys::RecordAccess::ReadWrite);
        const std::int64_t count = file.RecordCount();
        std::int64_t number = RecordNumber(current.fields);
        if (number < 1 || number > count + 1) {
            number = count + 1;
            current.fields.SetText(kDatabaseIndexField, std::to_string(number));
        }
        WriteRecord(file, path, number, EncodeRecord(current.type, current.fields, controls));
    } catch (const runtime::RuntimeError& error) {
        if (current.fields.Text(kDatabaseIndexField) != previousNumber) {
            current.fields.SetText(kDatabaseIndexField, previousNumber);
        }
        ShowFileError(messages, error.Number(), "Error Writing to Database");
        return false;
    }
    current.saved = true;
    return true;
}

void AdoptOldIllustrationFile(forms::MessageBoxService& messages) {
    const std::string name = std::string(sys::ExecutableBaseName()) + ".flt";
    const fs::path old = sys::ProgramFolder() / name;
    if (!sys::FileExists(old)) {
        return;
    }
    try {
        const fs::path target = StoreDir() / name;
        std::error_code error;
        if (fs::exists(target, error)) {
            sys::RenameFile(old, sys::ProgramFolder() / (name + ".old"));
            return;
        }
        sys::FileCopy(old, target);
        sys::RemoveFile(old);
    } catch (const runtime::RuntimeError& error) {
        ShowFileError(messages, error.Number(), "Error Moving Database");
    }
}

void NewIllustration(CurrentIllustration& current) {
    for (const auto& field :
         illustration::FieldDefinitions().first(illustration::kInputEndMarker)) {
        std::string text;
        if (field.tag.starts_with('1')) {
            text = "0.00%";
        } else if (field.tag.starts_with('6')) {
            text = "$0";
        }
        current.fields.SetText(field.index, text);
    }
    const std::string year = std::to_string(static_cast<int>(sys::Today().year()));
    for (const int field : kCalculationYearFields) {
        current.fields.SetText(field, year);
    }
    current.fields.SetText(kIllustrationDateField, TodayText());
    current.fields.SetText(kDatabaseIndexField, "0");
    current.saved = true;
}

std::vector<std::string> ReadIllustrationRecords() {
    std::vector<std::string> records;
    const std::optional<fs::path> path = ExistingIllustrationFile();
    if (!path) {
        return records;
    }
    const sys::RecordFile file(*path, kRecordLength, sys::RecordAccess::Read);
    const std::int64_t count = file.RecordCount();
    records.reserve(static_cast<std::size_t>(count));
    for (std::int64_t number = 1; number <= count; ++number) {
        records.push_back(file.Read(number));
    }
    return records;
}

bool EndsInPartialRecord() {
    const std::optional<fs::path> path = ExistingIllustrationFile();
    std::error_code error;
    const std::uintmax_t length = path ? fs::file_size(*path, error) : 0;
    return !error && length % kRecordLength != 0;
}

void DeleteRecord(std::int64_t position) {
    const fs::path path = IllustrationFilePath();
    // Opening for writing would make an empty file where none is.
    if (!sys::FileExists(path)) {
        throw runtime::RuntimeError(runtime::ErrorNumber::FileNotFound, path.string());
    }
    sys::RecordFile file(path, kRecordLength, sys::RecordAccess::ReadWrite);
    if (position > file.RecordCount()) {
        throw runtime::RuntimeError(runtime::ErrorNumber::BadRecordNumber, path.string());
    }
    std::string record = file.Read(position);
    record[0] = kDeletedRecord;
    file.Write(position, record);
    file.Close();
}

std::string ReadRecord(std::int64_t position) {
    const fs::path path = IllustrationFilePath();
    const sys::RecordFile file(path, kRecordLength, sys::RecordAccess::Read);
    if (position < 1 || position > file.RecordCount()) {
        throw runtime::RuntimeError(runtime::ErrorNumber::BadRecordNumber, path.string());
    }
    return file.Read(position);
}

std::optional<RecordControls> OpenRecord(std::string_view record, std::int64_t position,
                                         CurrentIllustration& current,
                                         forms::MessageBoxService& messages) {
    std::optional<RecordControls> loaded = DecodeRecord(record, current, messages);
    if (loaded) {
        current.fields.SetText(kDatabaseIndexField, std::to_string(position));
    }
    return loaded;
}

std::int64_t AppendCopy(std::string record, forms::MessageBoxService& messages) {
    const fs::path path = IllustrationFilePath();
    sys::RecordFile file(path, kRecordLength, sys::RecordAccess::ReadWrite);
    const std::int64_t number = file.RecordCount() + 1;
    const std::optional<RecordSlot> slot = DataFindPointers(kDatabaseIndexTag, messages);
    const auto width = static_cast<std::size_t>(slot->width);
    std::string digits = std::to_string(number);
    digits.resize(width, ' ');
    record.resize(kRecordLength, ' ');
    record.replace(static_cast<std::size_t>(slot->position - 1), width, digits);
    WriteRecord(file, path, number, record);
    return number;
}

std::string ReadIllustrationFile() {
    const std::optional<fs::path> path = ExistingIllustrationFile();
    return path ? sys::ReadWholeFile(*path) : std::string();
}

void UndeleteRecords(std::string file) {
    if (file.empty()) {
        return;
    }
    for (std::size_t status = 0; status + kRecordLength <= file.size(); status += kRecordLength) {
        file[status] = kLiveRecord;
    }
    sys::ReplaceFileAtomically(IllustrationFilePath(), file);
}

} // namespace store
