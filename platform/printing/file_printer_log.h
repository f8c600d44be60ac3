// The log of the file printer (printers.h): "print-log.txt" in the printer's folder, one line per
// event of a job:
//   job <N> start "<document name>"
//   job <N> page <M> job<N>-page<M>.png      (a page given as PNG)
//   job <N> page <M> job<N>-page<M>.pdf      (a document given as PDF, its pages in one file)
//   job <N> end <pages> pages        or        job <N> aborted
// Job numbers are 64-bit and go on across runs: a new job takes a number above every job that
// the log names and every page file in the folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace printing {

// The job number that `text` starts with: "job", blanks (perhaps none), then decimal digits; a
// number past the 64-bit range reads as the largest. Nothing when the text does not start so.
std::optional<std::uint64_t> LeadingJobNumber(std::string_view text);

// The number a new job takes after the jobs of `log`: one above the highest number that a line
// of it starts with (LeadingJobNumber), 1 when none does. Nothing when that number would pass
// the 64-bit signed range: no number is left for a new job.
std::optional<std::int64_t> NextJobAfterLog(std::string_view log);

} // namespace printing
