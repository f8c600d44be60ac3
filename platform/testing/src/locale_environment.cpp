// Runs the tests of a program in the locale that the environment names (LC_ALL, LANG), so that
// CTest can run them a second time under a decimal-comma locale: numbers and dates are written
// and read the same way whatever the locale. Linked into the programs that tallowmere_add_test
// registers with DECIMAL_COMMA; their second run names the folder of the compiled de_DE locale
// in TALLOWMERE_DECIMAL_COMMA_LOCALE.
#include "platform/testing/src/test_program.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>
#include <stdexcept>
#include <string>

namespace {

// Must match the TEST_PREFIX that tallowmere_add_test gives the decimal-comma run.
constexpr const char* kRunPrefix = "decimal-comma.";

class LocaleFromEnvironment : public testing::Environment {
public:
    void SetUp() override {
        const char* decimalCommaLocale = std::getenv("TALLOWMERE_DECIMAL_COMMA_LOCALE");
        if (decimalCommaLocale != nullptr) {
            setenv("LOCPATH", decimalCommaLocale, 1);
            setenv("LC_ALL", "de_DE.UTF-8", 1);
            // The sandboxes of this run are named as CTest names its tests.
            setenv("TALLOWMERE_TEST_PREFIX", (testkit::TestNamePrefix() + kRunPrefix).c_str(), 1);
        }
        // A locale the environment names but the machine lacks leaves the "C" locale; that
        // only matters when the run was meant for a particular locale.
        try {
            std::locale::global(std::locale(""));
        } catch (const std::runtime_error&) {
            std::setlocale(LC_ALL, "C");
        }
        if (decimalCommaLocale != nullptr) {
            ASSERT_STREQ(std::localeconv()->decimal_point, ",")
                << "the decimal-comma locale was not found in " << decimalCommaLocale;
        }
    }
};

const testing::Environment* const kLocaleEnvironment =
    testing::AddGlobalTestEnvironment(new LocaleFromEnvironment);

} // namespace
