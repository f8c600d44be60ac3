// The one QApplication of the program's Qt tests, on the offscreen screen.
#include "platform/forms/qt/testing/offscreen_qt.h"

#include <gtest/gtest.h>

namespace {

[[maybe_unused]] ::testing::Environment* const kQt =
    ::testing::AddGlobalTestEnvironment(new forms::qt::testing::OffscreenQt);

} // namespace
