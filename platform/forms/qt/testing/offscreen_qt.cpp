#include "platform/forms/qt/testing/offscreen_qt.h"

#include <QApplication>

#include <cstdlib>

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
