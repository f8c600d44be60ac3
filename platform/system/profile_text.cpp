#include "platform/system/profile_text.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/src/ascii_case.h"
#include "platform/system/src/trim.h"

#include <optional>
#include <vector>

namespace sys {

namespace {

// What a UTF-8 editor may put at the start of a file. It belongs to no line: it is skipped when
// the lines are read and kept where it stands when the text is edited.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Where the text's first line begins.
std::size_t FirstLineStart(std::string_view text) {
    return text.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
}

enum class LineKind { Other, Section, Key };

// One line of a profile text; offsets and views point into the text.
struct Line {
    std::size_t begin = 0;   // the line's first byte
    std::size_t end = 0;     // just past its line ending
    std::string_view ending; // "\r\n", "\n", "\r", or empty for a last line without one
    LineKind kind = LineKind::Other;
    std::string_view name;  // section name or key, trimmed
    std::string_view value; // key lines only, untrimmed
};

// Walks a text line by line, keeping nothing of the lines already passed, so that a text of
// millions of lines costs a scan and no memory. A line ends with LF, CR LF or a lone CR.
class LineScanner {
public:
    explicit LineScanner(std::string_view text) : text_(text), next_(FirstLineStart(text)) {}

    // Reads the next line into `line`; false at the end of the text.
    bool Next(Line& line) {
        if (next_ >= text_.size()) {
            return false;
        }
        line = Line{};
        line.begin = next_;
        const std::size_t breakAt = LineBreakFrom(next_);
        line.end = breakAt;
        if (breakAt < text_.size()) {
            line.end = text_.compare(breakAt, 2, "\r\n") == 0 ? breakAt + 2 : breakAt + 1;
        }
        line.ending = text_.substr(breakAt, line.end - breakAt);
        Classify(text_.substr(line.begin, breakAt - line.begin), line);
        next_ = line.end;
        return true;
    }

private:
    // Where the line that starts at `from` ends: its first CR or LF, or the end of the text.
    // Profile lines are short, so a plain loop beats library searches, which pay a call per
    // line (memchr) or test every byte against each character of a set (find_first_of).
    std::size_t LineBreakFrom(std::size_t from) const {
        std::size_t at = from;
        while (at < text_.size() && text_[at] != '\n' && text_[at] != '\r') {
            ++at;
        }
        return at;
    }

    static void Classify(std::string_view raw, Line& line) {
        const std::string_view content = Trim(raw, kProfileBlanks);
        if (content.starts_with('[')) {
            line.kind = LineKind::Section;
            line.name = Trim(content.substr(1, content.find(']') - 1), kProfileBlanks);
        } else if (!content.empty() && !content.starts_with(';')) {
            if (const auto equals = content.find('='); equals != std::string_view::npos) {
                line.kind = LineKind::Key;
                line.name = Trim(content.substr(0, equals), kProfileBlanks);
                line.value = content.substr(equals + 1);
            }
        }
    }

    std::string_view text_;
    std::size_t next_;
};

// The line ending new lines get: the first one the text uses, LF for a text without one.
std::string_view LineEndingOf(std::string_view text) {
    const auto breakAt = text.find_first_of("\r\n");
    if (breakAt == std::string_view::npos || text[breakAt] == '\n') {
        return "\n";
    }
    return text.substr(breakAt, 2) == "\r\n" ? "\r\n" : "\r";
}

// Ends the text's last line, so that another line can follow it. A text whose lines end in
// CR LF and that stops after a CR lacks only the LF of its last ending.
void EndLastLine(std::string& text, std::string_view ending) {
    if (text.ends_with('\n') || (text.ends_with('\r') && ending != "\r\n")) {
        return;
    }
    text.append(text.ends_with('\r') ? std::string_view("\n") : ending);
}

// The value as a lookup answers it: trimmed, without one pair of matching quotes.
std::string_view Unquoted(std::string_view value) {
    value = Trim(value, kProfileBlanks);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

// Where an edit of a key goes, found by one scan of the text.
struct KeyPlace {
    std::optional<Line> keyLine; // the line the lookup finds
    // Where a new key goes: after the last key line of the section's first occurrence (or its
    // header), so that blank lines and comments that lead into the next section stay with it.
    std::optional<std::size_t> insertAt;
};

KeyPlace FindKeyPlace(std::string_view text, std::string_view section, std::string_view key) {
    KeyPlace place;
    bool inSection = false;
    bool inFirstOccurrence = false;
    LineScanner lines(text);
    Line line;
    while (lines.Next(line)) {
        if (line.kind == LineKind::Section) {
            inSection = SameNameIgnoringCase(line.name, section);
            inFirstOccurrence = inSection && !place.insertAt;
            if (inFirstOccurrence) {
                place.insertAt = line.end;
            }
        } else if (inSection && line.kind == LineKind::Key) {
            if (SameNameIgnoringCase(line.name, key)) {
                place.keyLine = line;
                return place;
            }
            if (inFirstOccurrence) {
                place.insertAt = line.end;
            }
        }
    }
    return place;
}

// The names a caller gives, as lines hold them: trimmed.
struct Names {
    std::string_view section;
    std::string_view key;
};

Names TrimNames(std::string_view section, std::string_view key) {
    return {Trim(section, kProfileBlanks), Trim(key, kProfileBlanks)};
}

void Refuse(const std::string& what) {
    throw runtime::RuntimeError(runtime::ErrorNumber::BadFileNameOrNumber,
                                "a profile cannot hold " + what);
}

// Adds `name` to `names` unless a name equal to it without regard to case stands there.
void AddOnce(std::vector<std::string>& names, std::string_view name) {
    for (const std::string& known : names) {
        if (SameNameIgnoringCase(known, name)) {
            return;
        }
    }
    names.emplace_back(name);
}

} // namespace

void CheckProfileWritable(std::string_view section, std::string_view key, std::string_view value) {
    constexpr std::string_view kLineBreaks = "\r\n";
    const Names names = TrimNames(section, key);
    if (names.section.find_first_of(kLineBreaks) != std::string_view::npos ||
        names.section.find(']') != std::string_view::npos) {
        Refuse("the section name \"" + std::string(names.section) + "\"");
    }
    if (names.key.empty() || names.key.find('=') != std::string_view::npos ||
        names.key.starts_with('[') || names.key.starts_with(';') ||
        names.key.find_first_of(kLineBreaks) != std::string_view::npos) {
        Refuse("the key \"" + std::string(names.key) + "\"");
    }
    if (value.find_first_of(kLineBreaks) != std::string_view::npos) {
        Refuse("a value with a line break");
    }
}

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
    const Names names = TrimNames(section, key);
    bool inSection = false;
    LineScanner lines(text);
    Line line;
    while (lines.Next(line)) {
        if (line.kind == LineKind::Section) {
            inSection = SameNameIgnoringCase(line.name, names.section);
        } else if (inSection && line.kind == LineKind::Key &&
                   SameNameIgnoringCase(line.name, names.key)) {
            return std::string(Unquoted(line.value));
        }
    }
    return std::nullopt;
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
    CheckProfileWritable(section, key, value);
    const Names names = TrimNames(section, key);
    const std::string_view ending = LineEndingOf(text);
    const KeyPlace place = FindKeyPlace(text, names.section, names.key);

    std::string result;
    if (place.keyLine) {
        const Line& line = *place.keyLine;
        result.append(text.substr(0, line.begin)).append(line.name).append("=").append(value);
        result.append(line.ending.empty() ? ending : line.ending).append(text.substr(line.end));
        return result;
    }
    const std::string keyLine =
        std::string(names.key) + "=" + std::string(value) + std::string(ending);
    if (place.insertAt) {
        result.append(text.substr(0, *place.insertAt));
        if (*place.insertAt == text.size()) {
            EndLastLine(result, ending);
        }
        return result.append(keyLine).append(text.substr(*place.insertAt));
    }
    // A new section goes at the end, after a blank line when lines stand before it.
    result.append(text);
    if (text.size() > FirstLineStart(text)) {
        EndLastLine(result, ending);
        result.append(ending);
    }
    return result.append("[").append(names.section).append("]").append(ending).append(keyLine);
}

std::string RemoveProfileKey(std::string_view text, std::string_view section,
                             std::string_view key) {
    const Names names = TrimNames(section, key);
    std::string result;
    std::size_t keptUpTo = 0;
    bool inSection = false;
    LineScanner lines(text);
    Line line;
    while (lines.Next(line)) {
        if (line.kind == LineKind::Section) {
            inSection = SameNameIgnoringCase(line.name, names.section);
        } else if (inSection && line.kind == LineKind::Key &&
                   SameNameIgnoringCase(line.name, names.key)) {
            result.append(text.substr(keptUpTo, line.begin - keptUpTo));
            keptUpTo = line.end;
        }
    }
    return result.append(text.substr(keptUpTo));
}

std::vector<std::string> ListProfileSections(std::string_view text) {
    std::vector<std::string> sections;
    LineScanner lines(text);
    Line line;
    while (lines.Next(line)) {
        if (line.kind == LineKind::Section) {
            AddOnce(sections, line.name);
        }
    }
    return sections;
}

std::vector<std::string> ListProfileKeys(std::string_view text, std::string_view section) {
    const std::string_view wanted = Trim(section, kProfileBlanks);
    std::vector<std::string> keys;
    bool inSection = false;
    LineScanner lines(text);
    Line line;
    while (lines.Next(line)) {
        if (line.kind == LineKind::Section) {
            inSection = SameNameIgnoringCase(line.name, wanted);
        } else if (inSection && line.kind == LineKind::Key) {
            AddOnce(keys, line.name);
        }
    }
    return keys;
}

std::string RemoveProfileSection(std::string_view text, std::string_view section) {
    const std::string_view wanted = Trim(section, kProfileBlanks);
    std::string result(text.substr(0, FirstLineStart(text)));
    bool inSection = false;
    LineScanner lines(text);
    Line line;
    while (lines.Next(line)) {
        if (line.kind == LineKind::Section) {
            inSection = SameNameIgnoringCase(line.name, wanted);
        }
        if (!inSection) {
            result.append(text.substr(line.begin, line.end - line.begin));
        }
    }
    return result;
}

} // namespace sys
