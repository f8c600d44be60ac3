// The file printer: each document of a job becomes "job<N>-page<M>.png" (or ".pdf") in the
// printer's folder, and "print-log.txt" there records the jobs (file_printer_log.h). A job whose
// document could not be written writes no further documents and ends as aborted.
#include "platform/printing/file_printer_log.h"
#include "platform/printing/src/print_sinks.h"
#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/system/files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>

namespace printing {

namespace {

namespace fs = std::filesystem;

// Writes a page file whole or not at all.
bool WritePage(const fs::path& path, std::string_view bytes) {
    try {
        sys::ReplaceFileAtomically(path, bytes);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The number for a new job in `folder`: above every job of the log and of the page files, so
// that no page file is ever overwritten. Nothing when the log cannot be read (a missing log is
// an empty one) or no number is left.
std::optional<std::int64_t> NextJob(const fs::path& folder) {
    std::string log;
    try {
        log = sys::ReadWholeFile(folder / kFilePrinterLog);
    } catch (const runtime::RuntimeError& error) {
        if (error.Number() != static_cast<int>(runtime::ErrorNumber::FileNotFound)) {
            return std::nullopt;
        }
    }
    std::optional<std::int64_t> next = NextJobAfterLog(log);
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; next && !error && entry != end;
         entry.increment(error)) {
        std::optional<std::uint64_t> pageJob = LeadingJobNumber(entry->path().filename().string());
        if (!pageJob || *pageJob < static_cast<std::uint64_t>(*next)) {
            continue;
        }
        if (*pageJob >= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return std::nullopt;
        }
        next = static_cast<std::int64_t>(*pageJob + 1);
    }
    if (error) {
        return std::nullopt;
    }
    return next;
}

class FilePrinterJob : public PrintJob {
public:
    explicit FilePrinterJob(const PrinterInfo& printer) : folder_(printer.port) {}

    bool Start(const std::string& documentName) {
        std::error_code error;
        fs::create_directories(folder_, error);
        std::optional<std::int64_t> job = NextJob(folder_);
        if (!job) {
            return false;
        }
        job_ = *job;
        // One line per event: control characters of the name become blanks.
        std::string name = documentName;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 32; },
            ' ');
        return Log("start \"" + name + "\"");
    }

    bool AddDocument(std::string_view bytes, DocumentFormat format) override {
        if (failed_) {
            return false;
        }
        fs::path path = PagePath(pages_ + 1, format == DocumentFormat::Pdf ? ".pdf" : ".png");
        failed_ = !WritePage(path, bytes) ||
                  !Log("page " + std::to_string(pages_ + 1) + " " + path.filename().string());
        if (!failed_) {
            ++pages_;
        }
        return !failed_;
    }

    bool Finish() override {
        if (failed_) {
            Log("aborted");
            return false;
        }
        return Log("end " + std::to_string(pages_) + " pages");
    }

    void Cancel() override { Log("aborted"); }

private:
    fs::path PagePath(std::int64_t page, const char* extension) const {
        return folder_ /
               ("job" + std::to_string(job_) + "-page" + std::to_string(page) + extension);
    }

    bool Log(const std::string& event) {
        std::ofstream log(folder_ / kFilePrinterLog, std::ios::app);
        log << "job " << job_ << " " << event << "\n";
        return static_cast<bool>(log.flush());
    }

    fs::path folder_;
    std::int64_t job_ = 0;
    std::int64_t pages_ = 0;
    bool failed_ = false; // a page could not be written
};

} // namespace

std::unique_ptr<PrintJob> StartFilePrinterJob(const PrinterInfo& printer,
                                              const std::string& documentName) {
    auto job = std::make_unique<FilePrinterJob>(printer);
    if (!job->Start(documentName)) {
        return nullptr;
    }
    return job;
}

} // namespace printing
