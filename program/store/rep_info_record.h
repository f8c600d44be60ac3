// The representative's record, "RepInfo.flt" in the data folder: one 1000-character record of
// sixteen fixed-width fields, each left-aligned and blank-padded (longer text is cut).
//
//   positions  width  field       window control
//   1-20       20     First       txtInput(0)
//   21         1      Initial     txtInput(1)
//   22-51      30     Last        txtInput(2)
//   52-81      30     Agency      txtInput(4)
//   82-141     60     Address     txtInput(9)
//   142-171    30     City        txtInput(10)
//   172-173    2      State       cmboState
//   174-184    11     Zip         txtInput(11)
//   185-214    30     Work        txtInput(5)
//   215-244    30     Home        txtInput(6)
//   245-274    30     Fax         txtInput(7)
//   275-334    60     EMail       txtInput(8)
//   335-354    20     RepNumber   txtInput(3)
//   355-374    20     RunDate     txtInput(12)
//   375-389    15     reserved    txtInput(13), hidden: carried unchanged from load to save
//   390-1000   611    blanks
//
// Before the record exists, the representative's details come from the section "Agent
// Information" of the shared profile "Hux.INI". A record is checked as it is read: one that is
// not 1000 characters long, has a character in a field that is not a printable Windows-1252
// character, or anything but blanks after its last field, is damaged and not used; the details
// then come from "Hux.INI" as before the record existed, and the damaged file is kept beside the
// next record written as "RepInfo.flt.damaged", never written over.
#pragma once

#include "platform/forms/message_box.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace store {

// The texts of the representative window's fields.
struct RepInfoFields {
    std::array<std::string, 14> txtInput{}; // 0 to 12 as the window numbers them, 13 reserved
    std::string state{};                    // cmboState's text

    friend bool operator==(const RepInfoFields&, const RepInfoFields&) = default;
};

// "RepInfo.flt" in the data folder; error 68 when the data folder cannot be reached (StoreDir).
std::filesystem::path RepInfoFilePath();

// The record of the fields: each text trimmed (the reserved field as it is) into its slot.
std::string RepFormToRecord(const RepInfoFields& fields);

// The fields of a record, each trimmed. A record shorter than 1000 characters reads as if
// blanks filled it up.
RepInfoFields RepRecordToForm(std::string_view record);

// Whether `bytes`, the content of "RepInfo.flt", is a record the program wrote: exactly 1000
// characters, its fields only printable Windows-1252 characters (the blank included), and only
// blanks (or the NULs of a record never filled) after its last field.
bool IsSoundRepInfoRecord(std::string_view bytes);

// Where a damaged "RepInfo.flt" at `path` is kept: "RepInfo.flt.damaged" beside it, or when that
// name is taken by an earlier one, "RepInfo.flt.damaged.2", ".3" and so on.
std::filesystem::path DamagedRepInfoPath(const std::filesystem::path& path);

// The state code of a state index text ("5" gives "CO"): the window's state table lookup.
using StateCodeOfIndex = std::function<std::string(const std::string& indexText)>;

struct LoadedRepInfo {
    RepInfoFields fields{};
    // The damaged record that was not used (its fields are those of "Hux.INI"), and where it
    // will be kept when the next record is written; empty when the record was sound or absent.
    std::filesystem::path damagedRecord{};
    std::filesystem::path keptAs{};
};

// The representative's details: from "RepInfo.flt" when it exists and is sound, else from
// "Hux.INI" (each value cut at 63 characters and trimmed; the "State" key holds a state index,
// which `stateCodeOf` turns into its code, "XX" meaning none). A data folder that cannot be
// reached holds no record. Runtime errors reading the record reach the caller.
LoadedRepInfo LoadRepInfo(const StateCodeOfIndex& stateCodeOf);

// Writes the record to `path` (nothing for an empty path), replacing the file whole; a damaged
// record there is first renamed to DamagedRepInfoPath. A failure is reported with its error and
// the path under "Error in RepWriteFlat", and the program goes on; the answer is then false.
bool RepWriteFlat(const std::filesystem::path& path, const RepInfoFields& fields,
                  forms::MessageBoxService& messages);

// Writes the record as "RepInfo.flt" in the data folder, as RepWriteFlat does; a data folder
// that cannot be reached is reported in the same way, naming the file as the folder is named.
bool SaveRepInfo(const RepInfoFields& fields, forms::MessageBoxService& messages);

} // namespace store
