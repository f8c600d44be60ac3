#include "platform/win32/testing/stored_image.h"

#include "platform/system/atomic_file.h"
#include "platform/testing/sandbox.h"
#include "platform/testing/stored_file.h"
#include "platform/win32/bmp_file.h"
#include "platform/win32/testing/pixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace win32::testing {

namespace {

void WriteBmp(HBITMAP bitmap, const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = EncodeBmp(bitmap);
    std::filesystem::create_directories(file.parent_path());
    sys::ReplaceFileAtomically(
        file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace

void ExpectMatchesStoredImage(HBITMAP rendering, const std::filesystem::path& stored) {
    WriteBmp(rendering, testkit::SandboxFolderOfRunningTest() / stored.filename());
    if (testkit::RegeneratingStoredFiles()) {
        WriteBmp(rendering, stored);
        GTEST_SKIP() << "regenerated " << stored;
    }
    const BmpReadResult read = ReadBmpFile(stored);
    ASSERT_NE(read.bitmap, nullptr)
        << stored << ": " << read.error << "; " << testkit::kRegenerateAdvice;
    const OwnedBitmap expected(read.bitmap);
    EXPECT_TRUE(SamePixels(PixelsOf(expected.get()), PixelsOf(rendering)))
        << "the rendering differs from " << stored << "; it is kept in "
        << testkit::SandboxFolderOfRunningTest();
}

} // namespace win32::testing
