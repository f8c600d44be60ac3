#include "platform/system/profile_text.h"

#include "platform/runtime/runtime_error.h"

#include <vector>

namespace sys {

namespace {

enum class LineKind { Other, Section, Key };

struct Line {
    std::string_view raw;   // without its line ending
    std::string_view ended; // with its line ending, as it stands in the text
    LineKind kind = LineKind::Other;
    std::string_view name;  // section name or key
    std::string_view value; // key lines only, untrimmed
};

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char FoldCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

Line ParseLine(std::string_view ended) {
    Line line;
    line.ended = ended;
    line.raw = ended;
    if (line.raw.ends_with('\n'))
        line.raw.remove_suffix(1);
    if (line.raw.ends_with('\r'))
        line.raw.remove_suffix(1);
    const std::string_view content = Trim(line.raw);
    if (content.starts_with('[')) {
        line.kind = LineKind::Section;
        line.name = Trim(content.substr(1, content.find(']') - 1));
    } else if (!content.empty() && !content.starts_with(';')) {
        if (const auto equals = content.find('='); equals != std::string_view::npos) {
            line.kind = LineKind::Key;
            line.name = Trim(content.substr(0, equals));
            line.value = content.substr(equals + 1);
        }
    }
    return line;
}

std::vector<Line> ParseLines(std::string_view text) {
    std::vector<Line> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(ParseLine(text.substr(0, length)));
        text.remove_prefix(length);
    }
    return lines;
}

// Index of the first header of the section, or lines.size().
std::size_t FindSectionLine(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].kind == LineKind::Section && SameName(lines[i].name, section))
            return i;
    return lines.size();
}

// Index of the first key line the lookup finds, or lines.size().
std::size_t FindKeyLine(const std::vector<Line>& lines, std::string_view section,
                        std::string_view key) {
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section)
            inSection = SameName(lines[i].name, section);
        else if (inSection && lines[i].kind == LineKind::Key && SameName(lines[i].name, key))
            return i;
    }
    return lines.size();
}

std::string_view LineEndingOf(std::string_view text) {
    return text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
}

void Refuse(std::string_view what) {
    throw runtime::RuntimeError(runtime::ErrorNumber::BadFileNameOrNumber,
                                "a profile cannot hold " + std::string(what));
}

void CheckWritable(std::string_view section, std::string_view key, std::string_view value) {
    constexpr std::string_view lineBreaks = "\r\n";
    if (section.find_first_of(lineBreaks) != std::string_view::npos ||
        section.find(']') != std::string_view::npos)
        Refuse("the section name \"" + std::string(section) + "\"");
    if (key.empty() || key != Trim(key) || key.find('=') != std::string_view::npos ||
        key.starts_with('[') || key.starts_with(';') ||
        key.find_first_of(lineBreaks) != std::string_view::npos)
        Refuse("the key \"" + std::string(key) + "\"");
    if (value.find_first_of(lineBreaks) != std::string_view::npos)
        Refuse("a value with a line break");
}

std::string Join(const std::vector<Line>& lines) {
    std::string text;
    for (const Line& line : lines)
        text.append(line.ended);
    return text;
}

} // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
    const std::vector<Line> lines = ParseLines(text);
    const std::size_t found = FindKeyLine(lines, section, key);
    if (found == lines.size())
        return std::nullopt;
    std::string_view value = Trim(lines[found].value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
    CheckWritable(section, key, value);
    const std::string_view ending = LineEndingOf(text);
    std::vector<Line> lines = ParseLines(text);
    // Every line must end before anything is added after it. A last line that already ends in a
    // lone carriage return needs only the line feed: another whole ending would leave the return
    // inside the line, where it would become part of a section name.
    std::string lastLine;
    if (!lines.empty() && !lines.back().ended.ends_with('\n')) {
        lastLine = std::string(lines.back().ended);
        lastLine += lastLine.ends_with('\r') ? std::string_view("\n") : ending;
        lines.back().ended = lastLine;
    }

    const std::size_t found = FindKeyLine(lines, section, key);
    std::string keyLine;
    if (found != lines.size()) {
        keyLine = std::string(lines[found].name) + "=" + std::string(value) + std::string(ending);
        lines[found].ended = keyLine;
        return Join(lines);
    }

    keyLine = std::string(key) + "=" + std::string(value) + std::string(ending);
    const std::size_t sectionAt = FindSectionLine(lines, section);
    if (sectionAt == lines.size()) {
        std::string result = Join(lines);
        if (!result.empty())
            result.append(ending);
        result.append("[").append(section).append("]").append(ending).append(keyLine);
        return result;
    }
    // The key goes after the section's last key line (or its header), so that blank lines and
    // comments that lead into the next section stay with that section.
    std::size_t insertAt = sectionAt + 1;
    for (std::size_t i = sectionAt + 1; i < lines.size() && lines[i].kind != LineKind::Section; ++i)
        if (lines[i].kind == LineKind::Key)
            insertAt = i + 1;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), Line{});
    lines[insertAt].ended = keyLine;
    return Join(lines);
}

std::string RemoveProfileKey(std::string_view text, std::string_view section,
                             std::string_view key) {
    std::string result;
    bool inSection = false;
    for (const Line& line : ParseLines(text)) {
        if (line.kind == LineKind::Section)
            inSection = SameName(line.name, section);
        else if (inSection && line.kind == LineKind::Key && SameName(line.name, key))
            continue;
        result.append(line.ended);
    }
    return result;
}

} // namespace sys
