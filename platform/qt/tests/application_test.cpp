// The shared application and its event pump.
#include "platform/qt/application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <chrono>

namespace {

using namespace qtkit;

int gArgc = 1;
char gName[] = "platform_qt_tests";
char* gArgv[] = {gName, nullptr};

TEST(ApplicationTest, OneApplicationWhoseWaitEndsWithAnEventOrItsLimit) {
    QApplication& application = EnsureApplication(gArgc, gArgv);
    EXPECT_EQ(&EnsureApplication(gArgc, gArgv), &application);

    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    PumpEvents(-1);
    EXPECT_TRUE(ran) << "the wait ended with the timer's event, delivered";

    auto start = std::chrono::steady_clock::now();
    PumpEvents(40);
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(35));
    EXPECT_LT(waited, std::chrono::seconds(5));
}

} // namespace
