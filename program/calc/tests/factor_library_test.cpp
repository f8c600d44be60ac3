#include "program/calc/factor_library.h"

#include "platform/runtime/runtime_error.h"
#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

namespace {

using namespace calc;

// Built beside the tests: exports CALCULATEAGE and CALCDATEHALFAGE only.
constexpr const char* kPartialLibrary = "libtallowmere-partial-factors.so";

TEST(FactorLibraryTest, CallsTheExportsOfTheLibraryItLoads) {
    FactorLibrary library(kPartialLibrary);
    EXPECT_EQ(library.CALCULATEAGE("01/02/1950", "12/31/2010", AgeMode{3}), 23);
    // The text result is copied out of the library's string, which the binder frees.
    EXPECT_EQ(library.CALCDATEHALFAGE("07/15/1950", 70), "07/15/1950");
    EXPECT_EQ(library.CALCDATEHALFAGE("07/15/1950", 71), "00/00/0000");
}

TEST(FactorLibraryTest, AMissingExportRaisesTheEntryPointErrorEachTime) {
    FactorLibrary library(kPartialLibrary);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto error = testkit::RuntimeErrorOf(
            [&] { library.RMDSINGLEFACTOR(SingleFactorMode::StartAgeLessYearsElapsed, 70, 70); });
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->Number(), 453);
        EXPECT_NE(std::string(error->what()).find("RMDSINGLEFACTOR"), std::string::npos);
    }
    // The exports that exist still answer.
    EXPECT_EQ(library.CALCULATEAGE("", "", AgeMode{5}), 5);
}

TEST(FactorLibraryTest, AMissingLibraryRaisesFileNotFoundOnEveryCall) {
    FactorLibrary library("libtallowmere-no-such-library.so");
    struct Call {
        const char* name;
        void (*call)(FactorLibrary&);
    };
    const Call calls[] = {
        {"CALCDATEHALFAGE", [](FactorLibrary& l) { l.CALCDATEHALFAGE("01/01/1950", 70); }},
        {"CALCULATEAGE",
         [](FactorLibrary& l) {
             l.CALCULATEAGE("01/01/1950", "12/31/2010", AgeMode::LastBirthday);
         }},
        {"RMDJOINTFACTOR",
         [](FactorLibrary& l) { l.RMDJOINTFACTOR(70, 70, JointFactorMode::TenYearsYounger); }},
        {"RMDJOINTFACTOR2001",
         [](FactorLibrary& l) { l.RMDJOINTFACTOR2001(70, 70, JointFactorMode::TenYearsYounger); }},
        {"RMDSINGLEFACTOR",
         [](FactorLibrary& l) {
             l.RMDSINGLEFACTOR(SingleFactorMode::StartAgeLessYearsElapsed, 70, 70);
         }},
        {"RMDSINGLEFACTOR2001",
         [](FactorLibrary& l) {
             l.RMDSINGLEFACTOR2001(SingleFactorMode::StartAgeLessYearsElapsed, 70, 70);
         }},
    };
    for (const Call& c : calls) {
        SCOPED_TRACE(c.name);
        const auto error = testkit::RuntimeErrorOf([&] { c.call(library); });
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->Number(), static_cast<int>(runtime::ErrorNumber::FileNotFound));
        EXPECT_NE(std::string(error->what()).find("libtallowmere-no-such-library.so"),
                  std::string::npos);
    }
}

} // namespace
