// Build-time generator of the federal schedule data.
//
//   make_federal_schedules <schedules.csv> <exemptions.csv> <output.cpp>
//
// schedules.csv has the columns year,status,row,threshold,rate (status single, mfj or hoh; rows
// 1 to 6; threshold in whole dollars; rate in percent); exemptions.csv has year,amount. Every
// line is checked: each year needs all three statuses with rows 1 to 6 exactly once, row 1 at 0,
// thresholds ascending, and an exemption amount; the years must be consecutive. A file that
// breaks a rule stops the build with a message naming the file and line. The output is replaced
// atomically.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kBrackets = 6;
constexpr std::array<const char*, 3> kStatuses = {"single", "mfj", "hoh"};

struct Bracket {
    long threshold = -1;
    std::string rate; // kept as written, so that the generated constant is exactly the text
};

struct Year {
    std::array<std::array<Bracket, kBrackets>, kStatuses.size()> brackets;
    std::optional<long> exemption;
};

[[noreturn]] void Fail(const std::string& file, int line, const std::string& message) {
    throw std::runtime_error(file + ":" + std::to_string(line) + ": " + message);
}

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ',')) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
        fields.emplace_back();
    }
    return fields;
}

long ParseWhole(const std::string& text, const std::string& file, int line) {
    if (text.empty() || text.size() > 12 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        Fail(file, line, "not a whole number: \"" + text + "\"");
    }
    return std::stol(text);
}

std::string CheckRate(const std::string& text, const std::string& file, int line) {
    std::size_t used = 0;
    double rate = 0;
    try {
        rate = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() ||
        text.find_first_not_of("0123456789.") != std::string::npos || !(rate > 0 && rate < 100)) {
        Fail(file, line, "not a rate in percent: \"" + text + "\"");
    }
    return text;
}

// Reads the lines after the expected header, without line ends.
std::vector<std::string> ReadLines(const std::string& file, const std::string& header) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        Fail(file, 0, "cannot be read");
    }
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    if (lines.empty() || lines.front() != header) {
        Fail(file, 1, "header is not \"" + header + "\"");
    }
    lines.erase(lines.begin());
    return lines;
}

void ReadSchedules(const std::string& file, std::map<long, Year>& years) {
    const std::vector<std::string> lines = ReadLines(file, "year,status,row,threshold,rate");
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 2;
        if (lines[index].empty()) {
            continue;
        }
        const std::vector<std::string> fields = SplitFields(lines[index]);
        if (fields.size() != 5) {
            Fail(file, lineNumber, "expected 5 fields");
        }
        const long year = ParseWhole(fields[0], file, lineNumber);
        std::size_t status = 0;
        while (status < kStatuses.size() && fields[1] != kStatuses[status]) {
            ++status;
        }
        if (status == kStatuses.size()) {
            Fail(file, lineNumber, "unknown status \"" + fields[1] + "\"");
        }
        const long row = ParseWhole(fields[2], file, lineNumber);
        if (row < 1 || row > kBrackets) {
            Fail(file, lineNumber, "row outside 1 to 6");
        }
        Bracket& bracket = years[year].brackets[status][row - 1];
        if (bracket.threshold >= 0) {
            Fail(file, lineNumber, "row given twice");
        }
        bracket.threshold = ParseWhole(fields[3], file, lineNumber);
        bracket.rate = CheckRate(fields[4], file, lineNumber);
    }
}

void ReadExemptions(const std::string& file, std::map<long, Year>& years) {
    const std::vector<std::string> lines = ReadLines(file, "year,amount");
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 2;
        if (lines[index].empty()) {
            continue;
        }
        const std::vector<std::string> fields = SplitFields(lines[index]);
        if (fields.size() != 2) {
            Fail(file, lineNumber, "expected 2 fields");
        }
        const auto year = years.find(ParseWhole(fields[0], file, lineNumber));
        if (year == years.end()) {
            Fail(file, lineNumber, "a year without a schedule");
        }
        if (year->second.exemption) {
            Fail(file, lineNumber, "year given twice");
        }
        year->second.exemption = ParseWhole(fields[1], file, lineNumber);
    }
}

void CheckYears(const std::map<long, Year>& years, const std::string& schedulesFile,
                const std::string& exemptionsFile) {
    if (years.empty()) {
        Fail(schedulesFile, 0, "holds no schedule");
    }
    long expectedYear = years.begin()->first;
    for (const auto& [year, data] : years) {
        const std::string name = std::to_string(year);
        if (year != expectedYear++) {
            Fail(schedulesFile, 0, "the years are not consecutive at " + name);
        }
        if (!data.exemption) {
            Fail(exemptionsFile, 0, "no exemption amount for " + name);
        }
        for (std::size_t status = 0; status < kStatuses.size(); ++status) {
            const auto& brackets = data.brackets[status];
            const std::string schedule = name + " " + kStatuses[status];
            for (int row = 0; row < kBrackets; ++row) {
                if (brackets[row].threshold < 0) {
                    Fail(schedulesFile, 0, schedule + " lacks row " + std::to_string(row + 1));
                }
                if (row > 0 && brackets[row].threshold <= brackets[row - 1].threshold) {
                    Fail(schedulesFile, 0, schedule + " thresholds do not ascend");
                }
            }
            if (brackets[0].threshold != 0) {
                Fail(schedulesFile, 0, schedule + " row 1 does not start at 0");
            }
        }
    }
}

std::string Generate(const std::map<long, Year>& years, const std::string& schedulesFile,
                     const std::string& exemptionsFile) {
    std::ostringstream out;
    out << "// Generated by program/calc/tables/make_federal_schedules.cpp from\n// "
        << std::filesystem::path(schedulesFile).filename().string() << " and "
        << std::filesystem::path(exemptionsFile).filename().string() << ". Do not edit.\n"
        << "#include \"program/calc/src/federal_schedules.h\"\n\n"
           "namespace calc {\n\nnamespace {\n\n"
           "constexpr FederalSchedule kSchedules[] = {\n";
    for (const auto& [year, data] : years) {
        out << "    {" << year << ", " << *data.exemption << ", {{\n";
        for (const auto& brackets : data.brackets) {
            out << "        {{";
            for (int row = 0; row < kBrackets; ++row) {
                out << (row ? ", " : "") << "{" << brackets[row].threshold << ", "
                    << brackets[row].rate << "}";
            }
            out << "}},\n";
        }
        out << "    }}},\n";
    }
    out << "};\n\n} // namespace\n\n"
           "std::span<const FederalSchedule> FederalSchedules() { return kSchedules; }\n\n"
           "} // namespace calc\n";
    return out.str();
}

void WriteAtomically(const std::filesystem::path& path, const std::string& text) {
    const std::filesystem::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            Fail(temporary.string(), 0, "cannot be written");
        }
    }
    std::filesystem::rename(temporary, path);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr
            << "usage: make_federal_schedules <schedules.csv> <exemptions.csv> <output.cpp>\n";
        return 2;
    }
    try {
        std::map<long, Year> years;
        ReadSchedules(argv[1], years);
        ReadExemptions(argv[2], years);
        CheckYears(years, argv[1], argv[2]);
        WriteAtomically(argv[3], Generate(years, argv[1], argv[2]));
    } catch (const std::exception& error) {
        std::cerr << "make_federal_schedules: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
