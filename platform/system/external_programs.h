// Programs the system starts on the user's behalf: the web browser, the desktop's program for a
// file, and the system-information tool, which this platform does not have.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace sys {

// Opens `url` in the user's browser: "xdg-open", found on PATH, is started with the address
// as its one argument, directly and never through a shell, so no character of the address is
// interpreted. The program does not wait for the browser. False when xdg-open could not be
// found or started.
bool OpenUrlInBrowser(const std::string& url);

// Hands a file to the desktop, which opens it in the user's program for files of its kind:
// xdg-open, as for the browser, with the file's absolute path as its one argument. False when
// xdg-open could not be found or started.
bool OpenOnDesktop(const std::filesystem::path& file);

// While a ScopedBrowser lives, OpenUrlInBrowser hands the address to `browser` instead and
// answers what it answers; the browser it replaced comes back when it ends.
class ScopedBrowser {
public:
    explicit ScopedBrowser(std::function<bool(const std::string&)> browser);
    ~ScopedBrowser();
    ScopedBrowser(const ScopedBrowser&) = delete;
    ScopedBrowser& operator=(const ScopedBrowser&) = delete;

private:
    std::function<bool(const std::string&)> replaced_;
};

// The system-information tool to start from the about box: none on this platform, so the
// program reports it unavailable.
std::optional<std::filesystem::path> SystemInformationTool();

} // namespace sys
