// Compaction of the illustration file (CompactDatabase, the Options menu's Compact): only live
// records whose illustration date is a date are kept, renumbered 1, 2, 3, ... in file order.
// Every record dropped is counted in the closing message by its reason: deleted (status "0"),
// or damaged (live without a date, a status neither live nor deleted, or a partial record at
// the end of the file, which also counts among the records the question names).
//
// The compacted copy is written to a temporary file in the data folder, flushed, and renamed
// over the illustration file, so that the file is at every moment either the old one whole or
// the new one whole; on any error the temporary file is removed and the old file stays as it
// was. Temporary files are created under names no other file has, so a file left by an earlier
// interrupted run is never overwritten.
#pragma once

#include "program/store/current_illustration.h"

#include "platform/forms/message_box.h"

namespace store {

// Asks first ("Compact Database"); No changes nothing. Afterwards the current illustration's
// record number names the same record under its new number, or, when that record was
// dropped, the illustration has no number and is not saved. Reports the counts when done and
// any file error under "Error Reading Database".
void CompactDatabase(CurrentIllustration& current, forms::MessageBoxService& messages);

} // namespace store
