// What replacing a file flushes (flush_count.h): a data file's content and its folder reach the
// disk before the replacement returns; an exported document's content does, once, before its
// rename; a scratch file is replaced just as whole, and nothing is flushed.
#include "platform/system/atomic_file.h"
#include "platform/system/tests/flush_count.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

TEST(Flush, DataFilesAreFlushedWithTheirFolderDocumentsOnceAndScratchFilesNot) {
    struct Case {
        const char* name;
        void (*replace)(const fs::path&, std::string_view);
        int flushes; // the file, then its folder
    } const cases[] = {
        {"data file", sys::ReplaceFileAtomically, 2},
        {"exported document", sys::WriteDocumentFile, 1},
        {"scratch file", sys::WriteScratchFile, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testkit::Sandbox sandbox;
        const fs::path target = sandbox.WriteFile("work/RMDGraph.bmp", "old");
        chmod(target.c_str(), 0640);
        const int before = sys::testing::FlushCount();
        c.replace(target, "new content");
        EXPECT_EQ(sys::testing::FlushCount() - before, c.flushes);
        EXPECT_EQ(testkit::ReadFileBytes(target), "new content");
        EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        EXPECT_EQ(
            std::distance(fs::directory_iterator(target.parent_path()), fs::directory_iterator()),
            1)
            << "no temporary file is left";
    }
}

} // namespace
