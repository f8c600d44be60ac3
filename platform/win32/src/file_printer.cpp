// The file printer: each page of a job becomes "job<N>-page<M>.png" in the printer's folder, and
// "print-log.txt" there records the jobs, one line per event:
//   job <N> start "<document name>"
//   job <N> page <M> job<N>-page<M>.png
//   job <N> end <pages> pages        or        job <N> aborted
// N is the first number for which no page file exists yet.
#include "platform/win32/src/png_writer.h"
#include "platform/win32/src/print_job.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace win32 {

namespace {

namespace fs = std::filesystem;

// Writes `bytes` to a temporary file beside `path` and renames it into place.
bool WriteAtomically(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    fs::path temporary = path;
    temporary += ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.write(reinterpret_cast<const char*>(bytes.data()),
                       std::streamsize(bytes.size())) ||
            !out.flush())
            return false;
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error)
        fs::remove(temporary, error);
    return !error;
}

class FilePrinterSink : public PrintSink {
public:
    explicit FilePrinterSink(const PrinterInfo& printer)
        : folder_(printer.port), dpiX_(printer.dpiX), dpiY_(printer.dpiY) {}

    bool Start(const std::string& documentName) override {
        std::error_code error;
        fs::create_directories(folder_, error);
        job_ = 1;
        while (fs::exists(PagePath(job_, 1)))
            ++job_;
        return Log("start \"" + documentName + "\"");
    }

    bool AddPage(const Surface& page) override {
        ++pages_;
        fs::path path = PagePath(job_, pages_);
        if (!WriteAtomically(path, EncodePng(page, dpiX_, dpiY_)))
            return false;
        return Log("page " + std::to_string(pages_) + " " + path.filename().string());
    }

    bool Finish() override { return Log("end " + std::to_string(pages_) + " pages"); }
    void Cancel() override { Log("aborted"); }

private:
    fs::path PagePath(int job, int page) const {
        return folder_ / ("job" + std::to_string(job) + "-page" + std::to_string(page) + ".png");
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
