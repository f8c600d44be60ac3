// Words come from pdftotext's XHTML with boxes; pictures from qpdf: --show-pages --with-images
// names each page's image objects and its content streams, --filtered-stream-data decodes a
// stream, and the content's operators are replayed just far enough to follow the drawing
// matrix ("q", "Q", "cm") to each image drawn ("Do" of an image, or an inline image). Numbers
// are read with std::from_chars, so the reading does not depend on the locale.
#include "platform/testing/pdf_layout.h"

#include "platform/testing/outside_tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>
#include <set>
#include <sstream>
#include <string_view>
#include <utility>

namespace testkit {

namespace {

std::optional<double> Number(std::string_view text) {
    double value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (!text.empty() && text.front() == '+') {
        ++begin;
    }
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// The value of `name="..."` in an XHTML tag.
double Attribute(std::string_view tag, std::string_view name) {
    const std::string key = " " + std::string(name) + "=\"";
    const std::size_t at = tag.find(key);
    if (at == std::string_view::npos) {
        ADD_FAILURE() << "no " << name << " in " << tag;
        return 0;
    }
    const std::size_t start = at + key.size();
    return Number(tag.substr(start, tag.find('"', start) - start)).value_or(0);
}

std::string Unescape(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, char>, 6> kEntities = {
        {{"&amp;", '&'},
         {"&lt;", '<'},
         {"&gt;", '>'},
         {"&quot;", '"'},
         {"&apos;", '\''},
         {"&#39;", '\''}}};
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool replaced = false;
        for (const auto& [entity, character] : kEntities) {
            if (text.substr(i, entity.size()) == entity) {
                plain += character;
                i += entity.size() - 1;
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            plain += text[i];
        }
    }
    return plain;
}

// The pages with their words; nothing when pdftotext cannot read the file.
std::optional<std::vector<PdfPage>> ReadWords(const std::filesystem::path& pdf) {
    const ToolRun run = RunTool({"pdftotext", "-bbox", pdf.string(), "-"});
    if (run.exitStatus != 0) {
        ADD_FAILURE() << "pdftotext cannot read " << pdf << ": " << run.errors;
        return std::nullopt;
    }
    std::vector<PdfPage> pages;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        const std::string_view text = line;
        if (text.find("<page ") != std::string_view::npos) {
            pages.push_back({Attribute(text, "width"), Attribute(text, "height"), {}, {}});
        } else if (const std::size_t open = text.find("<word "); open != std::string_view::npos) {
            const std::size_t close = text.find('>', open);
            const std::size_t end = text.find("</word>", close);
            if (pages.empty() || close == std::string_view::npos || end == std::string_view::npos) {
                ADD_FAILURE() << "a word outside a page: " << line;
                continue;
            }
            const std::string_view tag = text.substr(open, close - open);
            pages.back().words.push_back({Unescape(text.substr(close + 1, end - close - 1)),
                                          {Attribute(tag, "xMin"), Attribute(tag, "yMin"),
                                           Attribute(tag, "xMax"), Attribute(tag, "yMax")}});
        }
    }
    return pages;
}

// What qpdf --show-pages --with-images says of one page.
struct PageObjects {
    std::set<std::string> images;      // the names the page's resources give its images ("/x9")
    std::vector<std::string> contents; // object numbers of the content streams
};

std::vector<PageObjects> ReadPageObjects(const std::filesystem::path& pdf) {
    const ToolRun run = RunTool({"qpdf", "--show-pages", "--with-images", pdf.string()});
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    std::vector<PageObjects> pages;
    enum class Section { None, Images, Content } section = Section::None;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("page ", 0) == 0) {
            pages.emplace_back();
            section = Section::None;
        } else if (line == "  images:") {
            section = Section::Images;
        } else if (line == "  content:") {
            section = Section::Content;
        } else if (!pages.empty() && line.rfind("    ", 0) == 0) {
            std::istringstream words(line);
            std::string first;
            words >> first;
            if (section == Section::Images) {
                pages.back().images.insert(first.substr(0, first.find(':')));
            } else if (section == Section::Content) {
                pages.back().contents.push_back(first);
            }
        }
    }
    return pages;
}

// A drawing matrix [a b c d e f]: x' = a x + c y + e, y' = b x + d y + f.
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    // This matrix applied first, then `outer` (the effect of "cm" on the current matrix).
    Matrix Then(const Matrix& outer) const {
        return {a * outer.a + b * outer.c,           a * outer.b + b * outer.d,
                c * outer.a + d * outer.c,           c * outer.b + d * outer.d,
                e * outer.a + f * outer.c + outer.e, e * outer.b + f * outer.d + outer.f};
    }
};

// The unit square an image is drawn into, under `m`, as a box from the top of a page `height`
// points high.
PdfBox ImageBox(const Matrix& m, double height) {
    double left = 1e300, right = -1e300, low = 1e300, high = -1e300;
    for (const auto& [x, y] : {std::pair{0.0, 0.0}, {1.0, 0.0}, {0.0, 1.0}, {1.0, 1.0}}) {
        const double px = m.a * x + m.c * y + m.e;
        const double py = m.b * x + m.d * y + m.f;
        left = std::min(left, px);
        right = std::max(right, px);
        low = std::min(low, py);
        high = std::max(high, py);
    }
    return {left, height - high, right, height - low};
}

bool IsSpace(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool IsDelimiter(char c) {
    return IsSpace(c) || std::strchr("()<>[]{}/%", c) != nullptr;
}

// Replays one content stream's matrices and reports each image drawn.
class ContentReader {
public:
    ContentReader(const std::set<std::string>& images, double height, std::vector<PdfBox>& boxes)
        : images_(images), height_(height), boxes_(boxes) {}

    void Read(std::string_view content) {
        std::size_t i = 0;
        while (i < content.size()) {
            const char c = content[i];
            if (IsSpace(c)) {
                ++i;
            } else if (c == '%') {
                i = content.find('\n', i);
                i = i == std::string_view::npos ? content.size() : i;
            } else if (c == '(') {
                i = SkipString(content, i);
                operands_.clear();
            } else if (c == '<' && i + 1 < content.size() && content[i + 1] != '<') {
                i = content.find('>', i);
                i = i == std::string_view::npos ? content.size() : i + 1;
                operands_.clear();
            } else if (std::strchr("<>[]{}", c) != nullptr) {
                ++i;
            } else {
                std::size_t end = i + 1;
                while (end < content.size() && !IsDelimiter(content[end])) {
                    ++end;
                }
                i = Token(content, content.substr(i, end - i), end);
            }
        }
    }

private:
    static std::size_t SkipString(std::string_view content, std::size_t open) {
        int depth = 0;
        for (std::size_t i = open; i < content.size(); ++i) {
            if (content[i] == '\\') {
                ++i;
            } else if (content[i] == '(') {
                ++depth;
            } else if (content[i] == ')' && --depth == 0) {
                return i + 1;
            }
        }
        return content.size();
    }

    // Handles one token ending at `end`; answers where reading goes on.
    std::size_t Token(std::string_view content, std::string_view token, std::size_t end) {
        if (token.front() == '/') {
            name_ = std::string(token);
            return end;
        }
        if (const std::optional<double> number = Number(token)) {
            operands_.push_back(*number);
            return end;
        }
        if (token == "q") {
            saved_.push_back(current_);
        } else if (token == "Q" && !saved_.empty()) {
            current_ = saved_.back();
            saved_.pop_back();
        } else if (token == "cm" && operands_.size() >= 6) {
            const double* m = &operands_[operands_.size() - 6];
            current_ = Matrix{m[0], m[1], m[2], m[3], m[4], m[5]}.Then(current_);
        } else if (token == "Do" && images_.count(name_) != 0) {
            boxes_.push_back(ImageBox(current_, height_));
        } else if (token == "ID") {
            // An inline image: its data run to "EI" standing alone.
            boxes_.push_back(ImageBox(current_, height_));
            for (std::size_t at = content.find("EI", end); at != std::string_view::npos;
                 at = content.find("EI", at + 1)) {
                if (IsSpace(content[at - 1]) &&
                    (at + 2 == content.size() || IsDelimiter(content[at + 2]))) {
                    end = at + 2;
                    break;
                }
            }
        }
        operands_.clear();
        return end;
    }

    const std::set<std::string>& images_;
    double height_;
    std::vector<PdfBox>& boxes_;
    Matrix current_;
    std::vector<Matrix> saved_;
    std::vector<double> operands_;
    std::string name_;
};

} // namespace

bool PdfBox::Overlaps(const PdfBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
}

bool PdfBox::Inside(const PdfBox& area) const {
    return left >= area.left && right <= area.right && top >= area.top && bottom <= area.bottom;
}

std::vector<PdfPage> ReadPdfLayout(const std::filesystem::path& pdf) {
    std::optional<std::vector<PdfPage>> read = ReadWords(pdf);
    if (!read) {
        return {};
    }
    std::vector<PdfPage> pages = std::move(*read);
    const std::vector<PageObjects> objects = ReadPageObjects(pdf);
    if (objects.size() != pages.size()) {
        ADD_FAILURE() << pdf << ": pdftotext reads " << pages.size() << " pages, qpdf "
                      << objects.size();
        return {};
    }
    for (std::size_t page = 0; page < pages.size(); ++page) {
        ContentReader reader(objects[page].images, pages[page].height, pages[page].pictures);
        for (const std::string& content : objects[page].contents) {
            const ToolRun run = RunTool(
                {"qpdf", "--show-object=" + content, "--filtered-stream-data", pdf.string()});
            EXPECT_EQ(run.exitStatus, 0) << run.errors;
            reader.Read(run.output);
        }
    }
    return pages;
}

} // namespace testkit
