// The file printer: each page of a job becomes "job<N>-page<M>.png" in the printer's folder, and
// "print-log.txt" there records the jobs, one line per event:
//   job <N> start "<document name>"
//   job <N> page <M> job<N>-page<M>.png
//   job <N> end <pages> pages        or        job <N> aborted
// N is one more than the highest job number the log holds, so numbers go on across runs.
#include "platform/system/atomic_file.h"
#include "platform/win32/src/png_writer.h"
#include "platform/win32/src/print_job.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>

namespace win32 {

namespace {

namespace fs = std::filesystem;

// Writes a page file whole or not at all.
bool WritePage(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    try {
        sys::ReplaceFileAtomically(
            path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

class FilePrinterSink : public PrintSink {
public:
    explicit FilePrinterSink(const PrinterInfo& printer)
        : folder_(printer.port), dpiX_(printer.dpiX), dpiY_(printer.dpiY) {}

    bool Start(const std::string& documentName) override {
        std::error_code error;
        fs::create_directories(folder_, error);
        job_ = LastLoggedJob() + 1;
        // One line per event: control characters of the name become blanks.
        std::string name = documentName;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 32; },
            ' ');
        return Log("start \"" + name + "\"");
    }

    bool AddPage(const Surface& page) override {
        ++pages_;
        fs::path path = PagePath(job_, pages_);
        if (!WritePage(path, EncodePng(page, dpiX_, dpiY_)))
            return false;
        return Log("page " + std::to_string(pages_) + " " + path.filename().string());
    }

    bool Finish() override { return Log("end " + std::to_string(pages_) + " pages"); }
    void Cancel() override { Log("aborted"); }

private:
    fs::path PagePath(int job, int page) const {
        return folder_ / ("job" + std::to_string(job) + "-page" + std::to_string(page) + ".png");
    }

    int LastLoggedJob() const {
        std::ifstream log(folder_ / kFilePrinterLog);
        std::string word;
        int number = 0;
        int last = 0;
        while (log >> word) {
            if (word == "job" && log >> number)
                last = std::max(last, number);
            log.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            log.clear();
        }
        return last;
    }

    bool Log(const std::string& event) {
        std::ofstream log(folder_ / kFilePrinterLog, std::ios::app);
        log << "job " << job_ << " " << event << "\n";
        return bool(log.flush());
    }

    fs::path folder_;
    int dpiX_;
    int dpiY_;
    int job_ = 0;
    int pages_ = 0;
};

} // namespace

std::unique_ptr<PrintSink> OpenFilePrinterSink(const PrinterInfo& printer) {
    return std::make_unique<FilePrinterSink>(printer);
}

} // namespace win32
