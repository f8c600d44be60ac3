// Runs the tests of this program in the locale that the environment names (LC_ALL, LANG), so
// that CTest can run them a second time under a decimal-comma locale: the runtime writes and
// reads numbers and dates the same way whatever the locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>
#include <stdexcept>

namespace {

class LocaleFromEnvironment : public testing::Environment {
public:
    void SetUp() override {
        // A locale the environment names but the machine lacks leaves the "C" locale; that
        // only matters when the run was meant for a particular locale.
        try {
            std::locale::global(std::locale(""));
        } catch (const std::runtime_error&) {
            std::setlocale(LC_ALL, "C");
        }
        if (const char* expected = std::getenv("TALLOWMERE_EXPECT_DECIMAL_POINT")) {
            ASSERT_STREQ(std::localeconv()->decimal_point, expected)
                << "the locale of this run is not installed";
        }
    }
};

const testing::Environment* const localeEnvironment =
    testing::AddGlobalTestEnvironment(new LocaleFromEnvironment);

} // namespace
