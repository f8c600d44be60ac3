// A rendering compared with the image stored for it in the source tree, pixel for pixel. The
// rendering is kept in the running test's sandbox folder under the stored file's name, for people
// to look at; with TALLOWMERE_REGENERATE=1 set it replaces the stored image instead and the test
// is skipped.
#pragma once

#include "platform/win32/windows.h"

#include <filesystem>

namespace win32::testing {

// `stored` is a BMP file; a missing or unreadable one fails the test and says how to make it.
void ExpectMatchesStoredImage(HBITMAP rendering, const std::filesystem::path& stored);

} // namespace win32::testing
