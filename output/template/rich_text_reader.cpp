#include "output/template/rich_text_reader.h"

#include <algorithm>
#include <array>
#include <limits>

namespace output {

namespace {

// Deeper groups share the formatting of the deepest saved one: no document needs more, and a
// copy per level of a hostile nesting would only take memory.
constexpr std::size_t kMaxGroupDepth = 256;
// Tab stops beyond this many in one paragraph are ignored, for the same reason.
constexpr std::size_t kMaxTabStops = 64;

enum class Destination {
    Body,
    Header,
    Footer,
    FontTable,
    ColourTable,
    StyleSheet,
    Picture,
    Information,
};

enum StyleBit : std::uint8_t {
    kBold = 1,
    kUnderline = 2,
    kItalic = 4,
    kHidden = 8,
};

// The font-table families: "\fnil", "\froman", "\fswiss", "\fmodern", "\fscript".
enum class FontTableFamily : std::int32_t {
    Nil = 0,
    Roman = 0x10,
    Swiss = 0x20,
    Modern = 0x30,
    Script = 0x40,
};

// The look of one character as the document gives it, before the tables are applied.
struct CharacterFormat {
    std::uint16_t font = 0;
    std::uint8_t size = 0; // points
    std::uint8_t styles = 0;
    std::array<std::uint8_t, 3> colour{}; // red, green, blue

    friend bool operator==(const CharacterFormat&, const CharacterFormat&) = default;
};

// What "{" saves and "}" restores.
struct GroupState {
    CharacterFormat format;
    std::int32_t alignment = 0;
    std::int32_t spaceBefore = 0;
    std::int32_t spaceAfter = 0;
    bool keep = false;
    bool keepWithNext = false;
    TabKind pendingTab = TabKind::Left;
    std::vector<TabStop> tabs;
    Destination destination = Destination::Body;
    DrawingObject drawing;
};

struct FontEntry {
    std::uint16_t number = 0;
    std::string name;
    FontTableFamily family = FontTableFamily::Nil;
};

struct ControlWord {
    std::string_view name;
    bool hasParameter = false;
    std::int32_t parameter = 0;
};

bool IsLetter(char byte) {
    return byte >= 'a' && byte <= 'z';
}

bool IsDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

int HexValue(char byte) {
    if (IsDigit(byte)) {
        return byte - '0';
    }
    if (byte >= 'a' && byte <= 'f') {
        return byte - 'a' + 10;
    }
    if (byte >= 'A' && byte <= 'F') {
        return byte - 'A' + 10;
    }
    return -1;
}

std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::uint32_t ColourOf(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red + green * 0x100u + blue * 0x10000u;
}

std::uint8_t LowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

// A body text byte as the canvas will show it: the Windows-1252 quotes, bullet and dashes
// become the plain characters their control words stand for; other bytes above 127 are dropped,
// as the canvas drops them.
std::optional<char> PlainCharacter(unsigned char byte) {
    switch (byte) {
    case 0x91:
    case 0x92:
        return '\'';
    case 0x93:
    case 0x94:
        return '"';
    case 0x95:
    case 0x96:
    case 0x97:
        return '-';
    default:
        if (byte > 127) {
            return std::nullopt;
        }
        return static_cast<char>(byte);
    }
}

// The destinations a "\*" group may name and still be read.
bool IsKnownDestination(std::string_view word) {
    constexpr std::string_view kNown[] = {"fonttbl", "colortbl", "stylesheet", "info",
                                          "header",  "footer",   "pict",       "do"};
    return std::find(std::begin(kNown), std::end(kNown), word) != std::end(kNown);
}

class Reader {
public:
    Reader(std::string_view document, const PageGeometry& page, RichTextTarget& target)
        : document_(document), target_(target), pageWidth_(page.width), pageLeft_(page.marginLeft),
          pageRight_(page.marginRight) {}

    void Read() {
        while (position_ < document_.size()) {
            const char byte = document_[position_++];
            const bool groupStart = groupJustOpened_;
            groupJustOpened_ = false;
            switch (byte) {
            case '\\':
                Backslash(groupStart);
                break;
            case '{':
                OpenGroup();
                groupJustOpened_ = true;
                break;
            case '}':
                CloseGroup();
                break;
            default:
                if (static_cast<unsigned char>(byte) >= 32) {
                    TextByte(static_cast<unsigned char>(byte), /*fromHex*/ false);
                }
                break;
            }
        }
        // A last paragraph without its "\par" is laid out all the same.
        if (!characters_.empty()) {
            EndParagraph();
        }
    }

private:
    bool InBody() const { return state_.destination == Destination::Body; }

    void Backslash(bool groupStart) {
        if (position_ >= document_.size()) {
            return;
        }
        const char next = document_[position_];
        if (IsLetter(next)) {
            const ControlWord word = ReadControlWord();
            Apply(word);
            return;
        }
        ++position_;
        if (next == '\'') {
            HexByte();
        } else if (next == '*' && groupStart) {
            IgnorableDestination();
        }
    }

    // Letters, then "-" and digits, then one optional blank.
    ControlWord ReadControlWord() {
        const std::size_t start = position_;
        while (position_ < document_.size() && IsLetter(document_[position_])) {
            ++position_;
        }
        ControlWord word;
        word.name = document_.substr(start, position_ - start);
        bool negative = false;
        if (position_ < document_.size() && document_[position_] == '-') {
            negative = true;
            ++position_;
        }
        std::int64_t value = 0;
        while (position_ < document_.size() && IsDigit(document_[position_])) {
            word.hasParameter = true;
            value = std::min<std::int64_t>(value * 10 + (document_[position_] - '0'),
                                           std::int64_t{1} << 32);
            ++position_;
        }
        word.parameter = Saturate(negative ? -value : value);
        if (position_ < document_.size() && document_[position_] == ' ') {
            ++position_;
        }
        return word;
    }

    // "\'hh": the byte in hex is text. A brace written so stays out of the text: the canvas
    // would read a word in braces as one of its commands.
    void HexByte() {
        if (document_.size() - position_ < 2) {
            return;
        }
        const int high = HexValue(document_[position_]);
        const int low = HexValue(document_[position_ + 1]);
        if (high < 0 || low < 0) {
            return;
        }
        position_ += 2;
        const auto byte = static_cast<unsigned char>(high * 16 + low);
        if (byte >= 32 && byte != '{' && byte != '}') {
            TextByte(byte, /*fromHex*/ true);
        }
    }

    // "{\*\word": a destination this reader does not know is skipped to its closing brace.
    void IgnorableDestination() {
        std::size_t word = position_;
        if (word < document_.size() && document_[word] == '\\') {
            ++word;
        }
        std::size_t end = word;
        while (end < document_.size() && IsLetter(document_[end])) {
            ++end;
        }
        if (IsKnownDestination(document_.substr(word, end - word))) {
            return;
        }
        int depth = 1;
        while (position_ < document_.size() && depth > 0) {
            const char byte = document_[position_++];
            if (byte == '\\') {
                ++position_;
            } else if (byte == '{') {
                ++depth;
            } else if (byte == '}') {
                --depth;
            }
        }
        position_ = std::min(position_, document_.size());
        if (depth == 0) {
            CloseGroup();
        }
    }

    void OpenGroup() {
        if (saved_.size() >= kMaxGroupDepth) {
            ++excessDepth_;
            return;
        }
        saved_.push_back(state_);
        state_.drawing = DrawingObject{};
    }

    void CloseGroup() {
        if (excessDepth_ > 0) {
            --excessDepth_;
            return;
        }
        if (saved_.empty()) {
            return;
        }
        if (state_.drawing.kind != DrawingKind::None && InBody()) {
            target_.Draw(state_.drawing);
        }
        state_ = std::move(saved_.back());
        saved_.pop_back();
    }

    void TextByte(unsigned char byte, bool fromHex) {
        if ((state_.format.styles & kHidden) != 0) {
            return;
        }
        switch (state_.destination) {
        case Destination::Body:
            if (const auto character = PlainCharacter(byte)) {
                AddCharacter(*character);
            }
            return;
        case Destination::FontTable:
            if (byte == ';' && !fromHex) {
                fonts_.push_back(defining_);
                defining_.name.clear();
                defining_.family = FontTableFamily::Nil;
            } else {
                defining_.name += static_cast<char>(byte);
            }
            return;
        case Destination::ColourTable:
            if (byte == ';' && !fromHex) {
                colours_.push_back(ColourOf(red_, green_, blue_));
            }
            return;
        default:
            return;
        }
    }

    void AddCharacter(char character) {
        if (!InBody() || (state_.format.styles & kHidden) != 0) {
            return;
        }
        characters_ += character;
        formats_.push_back(state_.format);
    }

    void SetStyle(StyleBit bit, const ControlWord& word) {
        if (word.hasParameter && word.parameter == 0) {
            state_.format.styles &= static_cast<std::uint8_t>(~bit);
        } else {
            state_.format.styles |= bit;
        }
    }

    void PutMargin(PageMargin margin, std::int64_t value) {
        if (InBody()) {
            target_.SetMargin(margin, Saturate(value));
        }
    }

    // The control words of the subset; any other is ignored.
    void Apply(const ControlWord& word) {
        const std::string_view name = word.name;
        const std::int32_t n = word.parameter;
        GroupState& s = state_;
        DrawingObject& d = s.drawing;
        if (name == "par") {
            if (InBody()) {
                EndParagraph();
            }
        } else if (name == "page") {
            if (InBody()) {
                target_.NewPage();
            }
        } else if (name == "fonttbl") {
            s.destination = Destination::FontTable;
        } else if (name == "colortbl") {
            s.destination = Destination::ColourTable;
        } else if (name == "stylesheet") {
            s.destination = Destination::StyleSheet;
        } else if (name == "info") {
            s.destination = Destination::Information;
        } else if (name == "header") {
            s.destination = Destination::Header;
        } else if (name == "footer") {
            s.destination = Destination::Footer;
        } else if (name == "pict") {
            s.destination = Destination::Picture;
        } else if (name == "deff") {
            defaultFont_ = static_cast<std::uint16_t>(n);
        } else if (name == "f") {
            if (s.destination == Destination::FontTable) {
                defining_.number = static_cast<std::uint16_t>(n);
            } else {
                s.format.font = static_cast<std::uint16_t>(n);
            }
        } else if (name == "fs") {
            s.format.size = static_cast<std::uint8_t>(std::clamp(n / 2, 0, 255));
        } else if (name == "fnil") {
            defining_.family = FontTableFamily::Nil;
        } else if (name == "froman") {
            defining_.family = FontTableFamily::Roman;
        } else if (name == "fswiss") {
            defining_.family = FontTableFamily::Swiss;
        } else if (name == "fmodern") {
            defining_.family = FontTableFamily::Modern;
        } else if (name == "fscript") {
            defining_.family = FontTableFamily::Script;
        } else if (name == "pard") {
            ParagraphDefaults();
        } else if (name == "plain") {
            s.format = CharacterFormat{defaultFont_, 12, 0, {}};
        } else if (name == "b") {
            SetStyle(kBold, word);
        } else if (name == "i") {
            SetStyle(kItalic, word);
        } else if (name == "ul") {
            SetStyle(kUnderline, word);
        } else if (name == "v") {
            SetStyle(kHidden, word);
        } else if (name == "ql") {
            s.alignment = 0;
        } else if (name == "qc") {
            s.alignment = 1;
        } else if (name == "qr") {
            s.alignment = 2;
        } else if (name == "qj") {
            s.alignment = 3;
        } else if (name == "sb") {
            s.spaceBefore = n;
        } else if (name == "sa") {
            s.spaceAfter = n;
        } else if (name == "keep") {
            s.keep = true;
        } else if (name == "keepn") {
            s.keepWithNext = true;
        } else if (name == "tqc") {
            s.pendingTab = TabKind::Centred;
        } else if (name == "tqr") {
            s.pendingTab = TabKind::Right;
        } else if (name == "tx") {
            if (s.tabs.size() < kMaxTabStops) {
                s.tabs.push_back({n, s.pendingTab});
            }
            s.pendingTab = TabKind::Left;
        } else if (name == "margl") {
            if (InBody()) {
                pageLeft_ = n;
                PutMargin(PageMargin::Left, std::int64_t{n} + leftIndent_);
            }
        } else if (name == "margr") {
            if (InBody()) {
                pageRight_ = n;
                PutMargin(PageMargin::Right, std::int64_t{n} + rightIndent_);
            }
        } else if (name == "margt") {
            PutMargin(PageMargin::Top, n);
        } else if (name == "margb") {
            PutMargin(PageMargin::Bottom, n);
        } else if (name == "fi") {
            PutMargin(PageMargin::Indent, n);
        } else if (name == "li") {
            if (InBody()) {
                leftIndent_ = n;
                PutMargin(PageMargin::Left, std::int64_t{pageLeft_} + n);
            }
        } else if (name == "ri") {
            if (InBody()) {
                rightIndent_ = n;
                PutMargin(PageMargin::Right, std::int64_t{pageRight_} + n);
            }
        } else if (name == "red") {
            red_ = LowByte(n);
        } else if (name == "green") {
            green_ = LowByte(n);
        } else if (name == "blue") {
            blue_ = LowByte(n);
        } else if (name == "cf") {
            // An index past the table gives the default colour.
            const std::uint32_t colour = n >= 0 && static_cast<std::size_t>(n) < colours_.size()
                                             ? colours_[static_cast<std::size_t>(n)]
                                             : 0;
            s.format.colour = {LowByte(colour), LowByte(colour >> 8), LowByte(colour >> 16)};
        } else if (name == "tab") {
            AddCharacter('\t');
        } else if (name == "bullet" || name == "endash" || name == "emdash") {
            AddCharacter('-');
        } else if (name == "lquote" || name == "rquote") {
            AddCharacter('\'');
        } else if (name == "ldblquote" || name == "rdblquote") {
            AddCharacter('"');
        } else if (name == "dpline") {
            d.kind = DrawingKind::Line;
        } else if (name == "dprect") {
            d.kind = DrawingKind::Rectangle;
        } else if (name == "dpptx") {
            d.pointsRead = std::min(d.pointsRead + 1, 3);
            if (d.pointsRead == 1) {
                d.first.x = n;
            } else if (d.pointsRead == 2) {
                d.second.x = n;
            }
        } else if (name == "dppty") {
            if (d.pointsRead == 1) {
                d.first.y = n;
            } else if (d.pointsRead == 2) {
                d.second.y = n;
            }
        } else if (name == "dpx") {
            d.x = n;
        } else if (name == "dpy") {
            d.y = n;
        } else if (name == "dpxsize") {
            d.width = n;
        } else if (name == "dpysize") {
            d.height = n;
        } else if (name == "dplinew") {
            d.lineWidth = n;
        } else if (name == "dpastarthol" || name == "dpastartsol") {
            d.startArrow = true;
            d.startArrowSolid = name == "dpastartsol";
        } else if (name == "dpaendhol" || name == "dpaendsol") {
            d.endArrow = true;
            d.endArrowSolid = name == "dpaendsol";
        } else if (name == "dpfillpat") {
            d.fill = n != 0;
        } else if (name == "dpfillbgcr") {
            d.fillColour = (d.fillColour & 0xFFFF00u) | LowByte(n);
        } else if (name == "dpfillbgcg") {
            d.fillColour = (d.fillColour & 0xFF00FFu) | (LowByte(n) * 0x100u);
        } else if (name == "dpfillbgcb") {
            d.fillColour = (d.fillColour & 0x00FFFFu) | (LowByte(n) * 0x10000u);
        } else if (name == "dplinecor") {
            d.lineColour = (d.lineColour & 0xFFFF00u) | LowByte(n);
        } else if (name == "dplinecog") {
            d.lineColour = (d.lineColour & 0xFF00FFu) | (LowByte(n) * 0x100u);
        } else if (name == "dplinecob") {
            d.lineColour = (d.lineColour & 0x00FFFFu) | (LowByte(n) * 0x10000u);
        }
    }

    void ParagraphDefaults() {
        state_.alignment = 0;
        state_.spaceBefore = 0;
        state_.spaceAfter = 0;
        state_.keep = false;
        state_.keepWithNext = false;
        state_.pendingTab = TabKind::Left;
        state_.tabs.clear();
        if (InBody()) {
            leftIndent_ = 0;
            rightIndent_ = 0;
            PutMargin(PageMargin::Indent, 0);
            PutMargin(PageMargin::Left, pageLeft_);
            PutMargin(PageMargin::Right, pageRight_);
        }
    }

    RunFormat Resolve(const CharacterFormat& format) const {
        RunFormat run;
        // The last entry of a number wins.
        const auto entry = std::find_if(fonts_.rbegin(), fonts_.rend(), [&](const FontEntry& f) {
            return f.number == format.font;
        });
        if (entry != fonts_.rend()) {
            run.fontName = entry->name;
            switch (entry->family) {
            case FontTableFamily::Swiss:
                run.family = RichTextFamily::SansSerif;
                break;
            case FontTableFamily::Modern:
                run.family = RichTextFamily::FixedPitch;
                break;
            default:
                run.family = RichTextFamily::Serif;
                break;
            }
        }
        run.size = format.size;
        run.bold = (format.styles & kBold) != 0;
        run.italic = (format.styles & kItalic) != 0;
        run.underline = (format.styles & kUnderline) != 0;
        run.colour = ColourOf(format.colour[0], format.colour[1], format.colour[2]);
        return run;
    }

    // The paragraph's text cut into runs at every tab and every change of format.
    void EndParagraph() {
        if ((state_.format.styles & kHidden) == 0) {
            RichTextParagraph paragraph;
            paragraph.alignment = state_.alignment;
            paragraph.spaceBefore = state_.spaceBefore;
            paragraph.spaceAfter = state_.spaceAfter;
            paragraph.keep = state_.keep;
            paragraph.keepWithNext = state_.keepWithNext;
            paragraph.tabs = state_.tabs;
            paragraph.tabOrigin = pageLeft_;
            paragraph.tabLimit = Saturate(std::int64_t{pageWidth_} - pageRight_ - rightIndent_);
            for (std::size_t i = 0; i < characters_.size(); ++i) {
                const bool tab = characters_[i] == '\t';
                const bool sameRun =
                    i > 0 && !tab && characters_[i - 1] != '\t' && formats_[i] == formats_[i - 1];
                if (!sameRun) {
                    paragraph.runs.push_back({tab, {}, Resolve(formats_[i])});
                }
                if (!tab) {
                    paragraph.runs.back().text += characters_[i];
                }
            }
            target_.LayOutParagraph(paragraph);
        }
        characters_.clear();
        formats_.clear();
    }

    std::string_view document_;
    std::size_t position_ = 0;
    bool groupJustOpened_ = false;
    RichTextTarget& target_;

    GroupState state_;
    std::vector<GroupState> saved_;
    std::size_t excessDepth_ = 0;

    std::vector<FontEntry> fonts_;
    FontEntry defining_;
    std::uint16_t defaultFont_ = 0;
    std::vector<std::uint32_t> colours_;
    std::uint8_t red_ = 0;
    std::uint8_t green_ = 0;
    std::uint8_t blue_ = 0;

    std::int32_t pageWidth_;
    std::int32_t pageLeft_;
    std::int32_t pageRight_;
    std::int32_t leftIndent_ = 0;
    std::int32_t rightIndent_ = 0;

    // The paragraph so far: its characters and the format of each.
    std::string characters_;
    std::vector<CharacterFormat> formats_;
};

} // namespace

void ReadRichText(std::string_view document, const PageGeometry& page, RichTextTarget& target) {
    Reader(document, page, target).Read();
}

} // namespace output
