#include "factors/tables/published_table.h"

#include "factors/life_tables.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace factors::tables {

namespace {

// The largest table file is a few hundred kilobytes; anything far larger is not a table.
constexpr std::uintmax_t kLargestFileSize = 4 * 1024 * 1024;

[[noreturn]] void Refuse(const std::filesystem::path& file, int line, const std::string& why) {
    std::ostringstream message;
    message << file.string();
    if (line > 0) {
        message << ':' << line;
    }
    message << ": " << why;
    throw TableError(message.str());
}

std::string ReadWholeFile(const std::filesystem::path& file) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error) {
        Refuse(file, 0, "cannot be read: " + error.message());
    }
    if (size > kLargestFileSize) {
        Refuse(file, 0, "is too large for a table");
    }
    std::ifstream stream(file, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (!stream) {
        Refuse(file, 0, "cannot be read");
    }
    return text;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t comma = line.find(','); comma != std::string_view::npos;
         comma = line.find(',', start)) {
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A whole number of at most three digits, or -1 when the field is anything else.
int ReadAge(std::string_view field) {
    if (!AllDigits(field) || field.size() > 3) {
        return -1;
    }
    int age = 0;
    std::from_chars(field.data(), field.data() + field.size(), age);
    return age;
}

// "27", "27.4" or "1.0": one or two whole digits and an optional single decimal. Returns 0 when
// the field has any other form.
float ReadValue(std::string_view field) {
    const auto point = field.find('.');
    const auto whole = field.substr(0, point);
    const bool wellFormed = AllDigits(whole) && whole.size() <= 2 &&
                            (point == std::string_view::npos || AllDigits(field.substr(point + 1)));
    if (!wellFormed || (point != std::string_view::npos && field.size() - point - 1 != 1)) {
        return 0.0f;
    }
    float value = 0.0f;
    std::from_chars(field.data(), field.data() + field.size(), value);
    return value;
}

} // namespace

std::vector<TableRow> ReadPublishedTable(const std::filesystem::path& file,
                                         const TableShape& shape) {
    const std::string text = ReadWholeFile(file);
    if (text.empty()) {
        Refuse(file, 1, "the header is missing");
    }
    const int fieldCount = shape.ageColumns + 1;

    std::vector<TableRow> rows;
    std::vector<bool> seen(kAgeCount * kAgeCount, false);
    std::size_t start = 0;
    for (int lineNumber = 1; start < text.size(); ++lineNumber) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }

        if (lineNumber == 1) {
            if (line != shape.header) {
                Refuse(file, lineNumber, "the header is not \"" + std::string(shape.header) + '"');
            }
            continue;
        }
        if (line.empty()) {
            Refuse(file, lineNumber, "empty line");
        }
        const auto fields = SplitFields(line);
        if (static_cast<int>(fields.size()) != fieldCount) {
            Refuse(file, lineNumber, "expected " + std::to_string(fieldCount) + " fields");
        }

        TableRow row{};
        row.age = ReadAge(fields[0]);
        row.olderAge = shape.ageColumns == 2 ? ReadAge(fields[1]) : row.age;
        row.value = ReadValue(fields.back());
        for (const int age : {row.age, row.olderAge}) {
            if (age < shape.lowestAge || age > kHighestAge) {
                Refuse(file, lineNumber,
                       "an age is not a whole number from " + std::to_string(shape.lowestAge) +
                           " to " + std::to_string(kHighestAge));
            }
        }
        if (row.age > row.olderAge) {
            Refuse(file, lineNumber, "the first age is above the second");
        }
        if (row.value <= 0.0f) {
            Refuse(file, lineNumber, "the value is not a positive number with one decimal");
        }
        const auto key = static_cast<std::size_t>(row.olderAge * kAgeCount + row.age);
        if (seen[key]) {
            Refuse(file, lineNumber, "this age is given twice");
        }
        seen[key] = true;
        rows.push_back(row);
    }
    if (shape.complete) {
        const int ages = kHighestAge - shape.lowestAge + 1;
        const std::size_t expected =
            shape.ageColumns == 2 ? static_cast<std::size_t>(ages * (ages + 1) / 2) : ages;
        if (rows.size() != expected) {
            Refuse(file, 0,
                   "has " + std::to_string(rows.size()) + " rows where the complete table has " +
                       std::to_string(expected));
        }
    }
    return rows;
}

} // namespace factors::tables
