// The one QApplication of a test program that drives the Qt skin: on the offscreen platform
// (unless QT_QPA_PLATFORM names another), made before the first test and gone before the program
// exits, since Qt's own globals must outlive it. A test program registers it once:
// `::testing::AddGlobalTestEnvironment(new forms::qt::testing::OffscreenQt);`
#pragma once

#include <gtest/gtest.h>

#include <memory>

class QApplication;

namespace forms::qt::testing {

class OffscreenQt : public ::testing::Environment {
public:
    OffscreenQt();
    ~OffscreenQt() override;

    void SetUp() override;
    void TearDown() override;

private:
    int argc_ = 1;
    char name_[16] = "skin_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

} // namespace forms::qt::testing
