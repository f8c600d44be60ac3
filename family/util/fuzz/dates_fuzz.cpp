// Date parsing of the utility library on arbitrary text in arbitrary formats: a valid answer is a
// real date in range, written back and parsed again it is the same date, and nothing is written
// outside the date. Input: a format byte (order in bits 0-1, leading century in bit 2, two-digit
// day and month in bits 3-4), two separator bytes, then the text.
#include "family/util/src/date_format.h"
#include "family/util/umbrant.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    umbrant::DateFormat& format = umbrant::CurrentDateFormat();
    format.order = data[0] & 3;
    format.leadingCentury = (data[0] & 4) != 0;
    format.twoDigitDay = (data[0] & 8) != 0;
    format.twoDigitMonth = (data[0] & 16) != 0;
    // The separator as WIN.INI gives it: up to two characters, no NUL.
    format.separator = std::string(reinterpret_cast<const char*>(data + 1), 2);
    format.separator = format.separator.substr(0, format.separator.find('\0'));
    const std::string text(reinterpret_cast<const char*>(data + 3), size - 3);

    UtilDate date{};
    if (_UtilString2Date(&date, text.c_str(), nullptr) != 0) {
        return 0;
    }
    if (date.year < 1800 || date.year > 2200 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > 31) {
        __builtin_trap();
    }
    // The short text has only two digits of the year without the leading century, and a
    // separator made of digits, signs or blanks can join with the numbers.
    char written[32];
    _UtilDate2String(written, &date);
    UtilDate again{};
    const bool plainSeparator =
        format.separator.find_first_of("0123456789+- \t\n\v\f\r") == std::string::npos &&
        !format.separator.empty();
    if (format.leadingCentury && plainSeparator &&
        (_UtilString2Date(&again, written, nullptr) != 0 || _UtilDateCmp(&again, &date) != 0)) {
        __builtin_trap();
    }
    char longText[64];
    _UtilDate2StringLong(longText, &date);
    const UtilDate origin{1800, 1, 1};
    if (_UtilDaysBetweenDates(&origin, &date) < 0) {
        __builtin_trap();
    }
    return 0;
}
