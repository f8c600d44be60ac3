// The illustration file: "<program>.flt" in the data folder, one 1000-character record per saved
// illustration, numbered from 1 with no header. Records are never removed in place: deleting
// one sets its status character, and only compaction drops records.
//
// Numbering: a record's number is its place in the file. An opened record takes its place as its
// number, whatever its own "3-DatabaseIndex" field says (an old copy, a file joined from two can
// hold any number there), and a save writes the record at its number, so that it goes back
// where it was read. An illustration without a number (below 1) gets the number one past the
// last record when it is first written, so that nothing is ever written beyond count + 1 and an
// illustration started before the file grew never lands on another's record.
#pragma once

#include "program/store/current_illustration.h"
#include "program/store/illustration_record.h"

#include "platform/forms/message_box.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {

// "<program>.flt" in the data folder; error 68 when the data folder cannot be reached
// (StoreDir).
std::filesystem::path IllustrationFilePath();

// The number of whole records in the file; 0 when there is no file, or it cannot be reached or
// read.
std::int64_t IllustrationRecordCount();

// The file's length over the record length, rounded to a whole number as the runtime rounds
// (halves to even): the count the Options menu goes by, which counts a partial record from
// 501 bytes on. 0 when there is no file, or it cannot be reached.
std::int64_t RoundedRecordCount();

// At start: an illustration file an older version left in the program folder moves into the
// data folder. When the data folder already has one, the user's file is kept and the old one
// is renamed aside ("<program>.flt.old"), so that neither is lost. A move that fails is
// reported under "Error Moving Database" and leaves the old file where it was.
void AdoptOldIllustrationFile(forms::MessageBoxService& messages);

// The storage half of saving the current illustration: writes its record at its number (a new
// illustration takes count + 1 and keeps it in "3-DatabaseIndex") and marks it saved. A file
// error shows the file-error message titled "Error Writing to Database", leaves the file as it
// was and the illustration unsaved with its number unchanged; the answer is then false.
bool SaveIllustration(CurrentIllustration& current, const RecordControls& controls,
                      forms::MessageBoxService& messages);

// Starts an empty illustration of the current type: fields 0 to 51 emptied, the current year in
// both calculation years, "0.00%" in every percent field, "$0" in every money field, today's
// date ("MM/DD/YYYY") as the illustration date, and no record number yet. A new, untouched
// illustration counts as saved. The window then takes its design choices and sets itself up for
// the type.
void NewIllustration(CurrentIllustration& current);

// Every record of the file, in file order (the browser lists the live ones); none when there is
// no file or the data folder cannot be reached. Runtime errors reading the file reach the
// caller.
std::vector<std::string> ReadIllustrationRecords();

// Whether the file ends in a partial record, shorter than a record's length: no list shows it
// and compaction removes it. False when there is no file or it cannot be reached.
bool EndsInPartialRecord();

// Marks the record at `position` (its place in the file, from 1) deleted.
void DeleteRecord(std::int64_t position);

// The record at `position` (its place in the file, from 1); error 63 past the end.
std::string ReadRecord(std::int64_t position);

// Spreads `record`, read at `position`, over the current illustration (DecodeRecord) and
// makes `position` its number.
std::optional<RecordControls> OpenRecord(std::string_view record, std::int64_t position,
                                         CurrentIllustration& current,
                                         forms::MessageBoxService& messages);

// Appends `record` under the number count + 1, which its "3-DatabaseIndex" slot then holds;
// the answer is that number.
std::int64_t AppendCopy(std::string record, forms::MessageBoxService& messages);

// Undelete, in its two steps. The whole file as it is (empty when there is none); runtime errors
// reading it reach the caller.
std::string ReadIllustrationFile();
// Writes `file`, as ReadIllustrationFile gave it, back with every whole record marked live,
// whatever its status was; bytes past the last whole record (a partial record) stay as they
// were. The file is replaced whole; an empty `file` writes nothing.
void UndeleteRecords(std::string file);

} // namespace store
