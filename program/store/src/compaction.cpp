#include "program/store/compaction.h"

#include "program/store/illustration_file.h"
#include "program/store/illustration_record.h"
#include "program/store/src/messages.h"

#include "platform/runtime/date_parse.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/system/files.h"

#include <algorithm>
#include <string>
#include <vector>

namespace store {

namespace {

constexpr const char* kErrorTitle = "Error Reading Database";

struct Compacted {
    // The new number of each old record (index 0 is record 1); 0 for a dropped record.
    std::vector<std::int64_t> newNumbers;
    std::int64_t written = 0;
    // Live records without a date, records whose status is neither live nor deleted, and a
    // partial record at the end of the file.
    std::int64_t damaged = 0;
};

// The file as compaction sees it: its whole records, and whether a partial one follows them
// (the end of a write that was cut short). The partial one counts as a record, a damaged one,
// so that the counts of the two messages add up.
struct FileRecords {
    std::vector<std::string> records;
    bool partialRecord = false;

    std::int64_t Count() const {
        return static_cast<std::int64_t>(records.size()) + (partialRecord ? 1 : 0);
    }
};

FileRecords ReadFileRecords() {
    const std::string file = sys::ReadWholeFile(IllustrationFilePath());
    FileRecords read;
    for (std::size_t offset = 0; offset + kRecordLength <= file.size(); offset += kRecordLength) {
        read.records.push_back(file.substr(offset, kRecordLength));
    }
    read.partialRecord = file.size() % kRecordLength != 0;
    return read;
}

std::string Slice(const std::string& record, const RecordSlot& slot) {
    return record.substr(static_cast<std::size_t>(slot.position - 1),
                         static_cast<std::size_t>(slot.width));
}

bool ConfirmCompaction(forms::MessageBoxService& messages, std::int64_t count,
                       std::int64_t deleted) {
    const std::string prompt = "Your database has" + runtime::Str(count) +
                               " saved illustrations of which" + runtime::Str(deleted) + kNewLine +
                               "have been deleted. Compacting your database will:" + kNewLine +
                               " - permanently remove the deleted illustrations" + kNewLine +
                               " - verify the integrity of your data" + kNewLine + kNewLine +
                               "Do you wish to proceed?";
    return ShowMessage(messages, prompt, forms::vbYesNo + forms::vbQuestion, "Compact Database") ==
           forms::vbYes;
}

void ReportCompaction(forms::MessageBoxService& messages, const Compacted& compacted,
                      std::int64_t deleted) {
    const std::string prompt =
        "Your database now has" + runtime::Str(compacted.written) + " saved illustrations." +
        kNewLine + runtime::Str(deleted) + " deleted illustrations were permanently removed." +
        kNewLine + runtime::Str(compacted.damaged) + " damaged illustrations were also removed." +
        kNewLine + kNewLine + "Reminder: Now is an excellent time to backup your data.";
    ShowMessage(messages, prompt, forms::vbInformation, "Compact Database Complete");
}

// Writes the kept records, renumbered, as the new illustration file.
Compacted WriteCompactedFile(FileRecords& read, forms::MessageBoxService& messages) {
    const RecordSlot date = *DataFindPointers("6-IllustrationDate", messages);
    const RecordSlot index = *DataFindPointers("3-DatabaseIndex", messages);
    Compacted compacted;
    compacted.newNumbers.assign(read.records.size(), 0);
    compacted.damaged = read.partialRecord ? 1 : 0;
    sys::AtomicFile file(IllustrationFilePath());
    for (std::size_t position = 0; position < read.records.size(); ++position) {
        std::string& record = read.records[position];
        if (record[0] == kDeletedRecord) {
            continue;
        }
        if (record[0] != kLiveRecord) {
            ++compacted.damaged;
            continue;
        }
        if (!runtime::IsDate(Slice(record, date))) {
            ++compacted.damaged;
            continue;
        }
        compacted.newNumbers[position] = ++compacted.written;
        std::string number = std::to_string(compacted.written);
        number.resize(static_cast<std::size_t>(index.width), ' ');
        record.replace(static_cast<std::size_t>(index.position - 1), number.size(), number);
        file.Write(record);
    }
    file.Commit();
    return compacted;
}

void RemapCurrentIllustration(CurrentIllustration& current, const Compacted& compacted) {
    const std::int64_t number = RecordNumber(current.fields);
    if (number < 1) {
        return;
    }
    const auto position = static_cast<std::size_t>(number - 1);
    if (position >= compacted.newNumbers.size() || compacted.newNumbers[position] == 0) {
        MakeIllustrationNew(current);
        return;
    }
    current.fields.SetText(kDatabaseIndexField, std::to_string(compacted.newNumbers[position]));
}

} // namespace

void CompactDatabase(CurrentIllustration& current, forms::MessageBoxService& messages) {
    FileRecords read;
    try {
        read = ReadFileRecords();
    } catch (const runtime::RuntimeError& error) {
        ShowFileError(messages, error.Number(), kErrorTitle);
        return;
    }
    const auto deleted =
        std::count_if(read.records.begin(), read.records.end(),
                      [](const auto& record) { return record[0] == kDeletedRecord; });
    if (!ConfirmCompaction(messages, read.Count(), deleted)) {
        return;
    }
    Compacted compacted;
    try {
        compacted = WriteCompactedFile(read, messages);
    } catch (const runtime::RuntimeError& error) {
        ShowFileError(messages, error.Number(), kErrorTitle);
        return;
    }
    RemapCurrentIllustration(current, compacted);
    ReportCompaction(messages, compacted, deleted);
}

} // namespace store
