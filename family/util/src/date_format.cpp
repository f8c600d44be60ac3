#include "family/util/src/date_format.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/folders.h"
#include "platform/system/profile_file.h"

#include <cctype>
#include <cstdlib>

namespace umbrant {

namespace {

constexpr const char* kSection = "intl";
// The buffers the settings are read into, terminator included.
constexpr std::size_t kSeparatorBuffer = 3;
constexpr std::size_t kPatternBuffer = 100;
constexpr std::size_t kNumberBuffer = 32;

// A value of WIN.INI in the Windows folder, as GetProfileStringA gives it.
std::string ProfileText(const char* key, const char* defaultText, std::size_t bufferSize) {
    try {
        return sys::GetProfileString(sys::WindowsFolder() / "WIN.INI", kSection, key, defaultText,
                                     bufferSize);
    } catch (const runtime::RuntimeError&) {
        // No Windows folder can be found (no home folder): the defaults hold.
        return std::string(defaultText).substr(0, bufferSize - 1);
    }
}

// As GetProfileIntA: the leading decimal digits of the value, 0 when it starts with none.
int ProfileInteger(const char* key, int defaultValue) {
    const std::string text = ProfileText(key, "", kNumberBuffer);
    if (text.empty()) {
        return defaultValue;
    }
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

} // namespace

std::array<DateField, 3> DateFormat::Fields() const {
    switch (order) {
    case 1:
        return {DateField::Day, DateField::Month, DateField::Year};
    case 2:
        return {DateField::Year, DateField::Month, DateField::Day};
    default:
        return {DateField::Month, DateField::Day, DateField::Year};
    }
}

DateFormat& CurrentDateFormat() {
    static DateFormat format;
    return format;
}

int ReadDateFormat() {
    DateFormat& format = CurrentDateFormat();
    format.order = ProfileInteger("iDate", 0);
    format.separator = ProfileText("sDate", "/", kSeparatorBuffer);
    std::string pattern = ProfileText("sShortDate", "m/d/yy", kPatternBuffer);
    for (char& c : pattern) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    format.twoDigitDay = pattern.find("dd") != std::string::npos;
    format.twoDigitMonth = pattern.find("mm") != std::string::npos;
    format.leadingCentury = pattern.find("yyyy") != std::string::npos;
    return static_cast<int>(pattern.size());
}

} // namespace umbrant
