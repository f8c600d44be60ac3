#include "program/store/illustration_file.h"

#include "program/store/src/messages.h"
#include "program/store/user_info.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/system/clock.h"
#include "platform/system/files.h"
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

// Writes the record at `number`. An append that fails takes the file back to its old length,
// so that no partial record is left at its end.
void WriteRecord(const fs::path& path, std::int64_t number, std::int64_t count,
                 const std::string& record) {
    sys::RecordFile file(path, kRecordLength, sys::RecordAccess::ReadWrite);
    try {
        file.Write(number, record);
        file.Close();
    } catch (const runtime::RuntimeError&) {
        if (number > count) {
            std::error_code ignored;
            fs::resize_file(path, static_cast<std::uintmax_t>(count) * kRecordLength, ignored);
        }
        throw;
    }
}

} // namespace

fs::path IllustrationFilePath() {
    return StoreDir() / (std::string(sys::ExecutableBaseName()) + ".flt");
}

std::int64_t IllustrationRecordCount() {
    const fs::path path = IllustrationFilePath();
    if (!sys::FileExists(path)) {
        return 0;
    }
    return sys::RecordFile(path, kRecordLength, sys::RecordAccess::Read).RecordCount();
}

bool SaveIllustration(CurrentIllustration& current, const RecordControls& controls,
                      forms::MessageBoxService& messages) {
    const std::string previousNumber = current.fields.Text(kDatabaseIndexField);
    try {
        const fs::path path = IllustrationFilePath();
        const std::int64_t count = IllustrationRecordCount();
        std::int64_t number = RecordNumber(current.fields);
        if (number < 1 || number > count + 1) {
            number = count + 1;
            current.fields.SetText(kDatabaseIndexField, std::to_string(number));
        }
        WriteRecord(path, number, count,
                    BuildRecordFromForm(current.type, current.fields, controls));
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
    const fs::path path = IllustrationFilePath();
    std::vector<std::string> records;
    if (!sys::FileExists(path)) {
        return records;
    }
    const sys::RecordFile file(path, kRecordLength, sys::RecordAccess::Read);
    const std::int64_t count = file.RecordCount();
    records.reserve(static_cast<std::size_t>(count));
    for (std::int64_t number = 1; number <= count; ++number) {
        records.push_back(file.Read(number));
    }
    return records;
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

std::optional<LoadedControls> OpenRecord(std::string_view record, std::int64_t position,
                                         CurrentIllustration& current, const RecordLists& lists,
                                         forms::MessageBoxService& messages) {
    std::optional<LoadedControls> loaded = LoadRecordIntoForm(record, current, lists, messages);
    if (loaded) {
        current.fields.SetText(kDatabaseIndexField, std::to_string(position));
    }
    return loaded;
}

std::int64_t AppendCopy(std::string record) {
    const fs::path path = IllustrationFilePath();
    const std::int64_t count = IllustrationRecordCount();
    const std::int64_t number = count + 1;
    const std::optional<RecordSlot> slot = DataFindPointers(kDatabaseIndexTag);
    const auto width = static_cast<std::size_t>(slot->width);
    std::string digits = std::to_string(number);
    digits.resize(width, ' ');
    record.resize(kRecordLength, ' ');
    record.replace(static_cast<std::size_t>(slot->position - 1), width, digits);
    WriteRecord(path, number, count, record);
    return number;
}

void UndeleteRecords() {
    std::vector<std::string> records = ReadIllustrationRecords();
    if (records.empty()) {
        return;
    }
    sys::AtomicFile file(IllustrationFilePath());
    for (std::string& record : records) {
        record[0] = kLiveRecord;
        file.Write(record);
    }
    file.Commit();
}

} // namespace store
