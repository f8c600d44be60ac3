#include "platform/qt/application.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>

namespace qtkit {

namespace {

// Kept until the program ends: Qt's own globals are torn down after it at exit.
QApplication* gApplication = nullptr;

bool HasDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

} // namespace

QApplication& EnsureApplication(int& argc, char** argv) {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    if (!HasDisplay()) {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite*/ 0);
    }
    gApplication = new QApplication(argc, argv);
    return *gApplication;
}

void PumpEvents(int waitMilliseconds) {
    if (waitMilliseconds == 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    // A timer that does nothing but end the wait.
    QTimer limit;
    if (waitMilliseconds > 0) {
        limit.setSingleShot(true);
        limit.start(waitMilliseconds);
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace qtkit
