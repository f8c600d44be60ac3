// What the store's tests share: a folder of their own under the build folder with every folder
// the program uses moved into it (and drive A: mapped there), the current illustration as the
// main window would hold it, and a driver that answers message boxes from the test's script.
#pragma once

#include "program/illustration/illustration_fields.h"
#include "program/illustration/illustration_type.h"
#include "program/store/current_illustration.h"

#include "platform/forms/application.h"
#include "platform/forms/testing/driver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace store::testing {

class StoreTest : public ::testing::Test {
protected:
    StoreTest();
    ~StoreTest() override;

    // Folders of the test: install (shipped files), program (current folder), data, documents,
    // windows (shared profile), floppy (drive A:), home/ann (the user's profile).
    std::filesystem::path Folder(std::string_view name) const { return root_ / name; }
    std::filesystem::path DataFile() const;

    CurrentIllustration Current() { return {type, fields, saved}; }

    illustration::IllustrationType type = illustration::IllustrationType::PlanholderRmd;
    illustration::IllustrationFields fields;
    bool saved = false;

    forms::Application app;
    forms::testing::Driver driver{app};

private:
    void SetEnvironment(const std::string& name, const std::string& value);

    std::filesystem::path root_;
    std::filesystem::path previousFolder_;
    std::map<std::string, std::optional<std::string>> savedEnvironment_;
};

// While it lives, no file of the process may grow beyond `bytes`: a write past that fails as
// on a full disk.
class DiskFullAfter {
public:
    explicit DiskFullAfter(std::uintmax_t bytes);
    ~DiskFullAfter();
    DiskFullAfter(const DiskFullAfter&) = delete;
    DiskFullAfter& operator=(const DiskFullAfter&) = delete;

private:
    std::uintmax_t previousLimit_;
    void (*previousHandler_)(int);
};

// The exit code of "unzip -tq" on the archive (0: every member reads back whole); -1 when it
// could not run. The tool is started with an argument vector, never through a shell.
int UnzipTest(const std::filesystem::path& archivePath);

void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
// The whole content of a file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

// A record of `count` characters: `text` followed by blanks.
std::string Padded(std::string_view text, std::size_t count);

} // namespace store::testing
