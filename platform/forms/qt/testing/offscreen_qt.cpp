#include "platform/forms/qt/testing/offscreen_qt.h"

#include <QApplication>

#include <cstdlib>

// Fontconfig keeps what it parsed of its configuration files until the process ends and Qt
// never asks it to free them, so LeakSanitizer reports them at exit. The sanitizer runtime finds
// this hook by its exported name; a test program links at most one such hook.
extern "C" [[gnu::used, gnu::visibility("default")]] const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace forms::qt::testing {

OffscreenQt::OffscreenQt() = default;
OffscreenQt::~OffscreenQt() = default;

void OffscreenQt::SetUp() {
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite*/ 0);
    app_ = std::make_unique<QApplication>(argc_, argv_);
}

void OffscreenQt::TearDown() {
    app_.reset();
}

} // namespace forms::qt::testing
