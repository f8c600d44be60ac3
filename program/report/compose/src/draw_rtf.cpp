#include "program/report/compose/draw_rtf.h"

#include "program/report/compose/src/paragraph_output.h"
#include "program/report/compose/src/rich_text_lexer.h"
#include "program/report/compose/src/rtf_group.h"

#include "platform/runtime/conversions.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/runtime_error.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace compose {

namespace {

// A font size of 12 points, which \plain sets.
constexpr std::int32_t kPlainFontSize = 24;

enum class Word {
    Paragraph,
    Page,
    FontTable,
    ColorTable,
    StyleSheet,
    Info,
    Header,
    Footer,
    Picture,
    DefaultFont,
    Font,
    FontSize,
    ParagraphDefaults,
    Plain,
    Bold,
    Italic,
    Underline,
    Hidden,
    AlignLeft,
    AlignCentre,
    AlignRight,
    Justify,
    SpaceBefore,
    SpaceAfter,
    LeftIndent,
    FirstLineIndent,
    TabPosition,
    CentreTab,
    RightTab,
    Tab,
    Bullet,
    Quote,
    MarginLeft,
    MarginRight,
    MarginTop,
    MarginBottom,
};

// The control words the interpreter carries out; every other word is ignored.
constexpr std::array<std::pair<std::string_view, Word>, 37> kWords{{
    {"par", Word::Paragraph},
    {"page", Word::Page},
    {"fonttbl", Word::FontTable},
    {"colortbl", Word::ColorTable},
    {"stylesheet", Word::StyleSheet},
    {"info", Word::Info},
    {"header", Word::Header},
    {"footer", Word::Footer},
    {"pict", Word::Picture},
    {"deff", Word::DefaultFont},
    {"f", Word::Font},
    {"fs", Word::FontSize},
    {"pard", Word::ParagraphDefaults},
    {"plain", Word::Plain},
    {"b", Word::Bold},
    {"i", Word::Italic},
    {"ul", Word::Underline},
    {"v", Word::Hidden},
    {"ql", Word::AlignLeft},
    {"qc", Word::AlignCentre},
    {"qr", Word::AlignRight},
    {"qj", Word::Justify},
    {"sb", Word::SpaceBefore},
    {"sa", Word::SpaceAfter},
    {"li", Word::LeftIndent},
    {"fi", Word::FirstLineIndent},
    {"tx", Word::TabPosition},
    {"tqc", Word::CentreTab},
    {"tqr", Word::RightTab},
    {"tab", Word::Tab},
    {"bullet", Word::Bullet},
    {"lquote", Word::Quote},
    {"rquote", Word::Quote},
    {"margl", Word::MarginLeft},
    {"margr", Word::MarginRight},
    {"margt", Word::MarginTop},
    {"margb", Word::MarginBottom},
}};

std::optional<Word> FindWord(std::string_view name) {
    const auto found = std::ranges::find(kWords, name, &std::pair<std::string_view, Word>::first);
    if (found == kWords.end()) {
        return std::nullopt;
    }
    return found->second;
}

// A word's numeric parameter: its leading number, 0 when there is none; nothing when it lies
// beyond a 32-bit integer, and the word is then ignored.
std::optional<std::int32_t> NumberOf(std::string_view parameter) {
    try {
        return runtime::ToInt32(runtime::Val(parameter));
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    }
}

// An on/off word is switched off by the parameter "0" only; "00" or "-1" switch it on.
void SwitchStyle(RTFForm& form, std::int32_t bit, std::string_view parameter) {
    if (parameter == "0") {
        form.style &= ~bit;
    } else {
        form.style |= bit;
    }
}

class Interpreter {
public:
    explicit Interpreter(RichTextSurface& surface)
        : surface_(surface), leftMargin_(surface.Margin(PageMargin::Left)),
          rightEdge_(RightEdge(surface.Margin(PageMargin::Right))) {}

    std::optional<std::string> Draw(std::string_view richText) {
        RichTextLexer lexer(richText);
        while (const std::optional<RichTextToken> token = lexer.Next()) {
            switch (token->kind) {
            case RichTextToken::Kind::ControlWord:
                CarryOut(token->word, token->parameter);
                break;
            case RichTextToken::Kind::Text:
                AddText(token->character);
                break;
            case RichTextToken::Kind::GroupOpen:
                if (enclosing_.size() >= kMaxGroupDepth) {
                    return "The report text nests its groups more than " +
                           std::to_string(kMaxGroupDepth) + " deep.";
                }
                enclosing_.push_back(group_);
                break;
            case RichTextToken::Kind::GroupClose:
                // A close without an open changes nothing.
                if (!enclosing_.empty()) {
                    group_ = std::move(enclosing_.back());
                    enclosing_.pop_back();
                }
                break;
            case RichTextToken::Kind::IgnorableDestination:
                group_.destination = Destination::Ignorable;
                break;
            }
        }
        return std::nullopt;
    }

private:
    std::int32_t RightEdge(std::int32_t rightMargin) {
        const std::int64_t edge = std::int64_t{surface_.PageWidth()} - rightMargin;
        return static_cast<std::int32_t>(
            std::clamp<std::int64_t>(edge, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()));
    }

    bool Hidden() const { return (group_.form.style & kStyleHidden) != 0; }

    // A character of text: drawn in the body, a face name in the font table (";" ends the
    // entry), dropped elsewhere, when hidden and when it is a control character (line ends and
    // tabs of the source are not text).
    void AddText(char character) {
        if (Hidden() || static_cast<unsigned char>(character) < 32) {
            return;
        }
        if (group_.destination == Destination::Body) {
            AddToParagraph(character);
        } else if (group_.destination == Destination::FontTable) {
            if (character == ';') {
                fonts_.push_back({group_.form.fontIndex, std::move(fontName_)});
                fontName_.clear();
            } else {
                fontName_ += character;
            }
        }
    }

    void AddToParagraph(char character) {
        paragraph_.text += character;
        paragraph_.forms.push_back(group_.form);
    }

    // Control words act in every destination, also where the text is dropped.
    void CarryOut(std::string_view name, std::string_view parameter) {
        const std::optional<Word> word = FindWord(name);
        if (!word) {
            return;
        }
        switch (*word) {
        case Word::Paragraph:
            WriteParagraph(surface_, paragraph_, {group_, fonts_, leftMargin_, rightEdge_});
            paragraph_ = {};
            return;
        case Word::Page:
            // The paragraph collected so far stays for the next \par, on the new page.
            surface_.NewPage();
            return;
        case Word::FontTable:
            group_.destination = Destination::FontTable;
            return;
        case Word::ColorTable:
            group_.destination = Destination::ColorTable;
            return;
        case Word::StyleSheet:
            group_.destination = Destination::StyleSheet;
            return;
        case Word::Info:
            group_.destination = Destination::Info;
            return;
        case Word::Header:
            group_.destination = Destination::Header;
            return;
        case Word::Footer:
            group_.destination = Destination::Footer;
            return;
        case Word::Picture:
            group_.destination = Destination::Picture;
            return;
        case Word::ParagraphDefaults:
            group_.alignment = TextAlignment::Left;
            group_.spaceBefore = 0;
            group_.spaceAfter = 0;
            group_.leftIndent = 0;
            group_.firstLineIndent = 0;
            group_.tabStops.clear();
            group_.nextTabKind = TabKind::Left;
            return;
        case Word::Plain:
            group_.form = {defaultFont_, kPlainFontSize, 0};
            return;
        case Word::Bold:
            SwitchStyle(group_.form, kStyleBold, parameter);
            return;
        case Word::Italic:
            SwitchStyle(group_.form, kStyleItalic, parameter);
            return;
        case Word::Underline:
            SwitchStyle(group_.form, kStyleUnderline, parameter);
            return;
        case Word::Hidden:
            SwitchStyle(group_.form, kStyleHidden, parameter);
            return;
        case Word::AlignLeft:
            group_.alignment = TextAlignment::Left;
            return;
        case Word::AlignCentre:
            group_.alignment = TextAlignment::Centre;
            return;
        case Word::AlignRight:
            group_.alignment = TextAlignment::Right;
            return;
        case Word::Justify:
            group_.alignment = TextAlignment::Justified;
            return;
        case Word::CentreTab:
            group_.nextTabKind = TabKind::Centre;
            return;
        case Word::RightTab:
            group_.nextTabKind = TabKind::Right;
            return;
        case Word::Tab:
            // A tab counts even in hidden text and in any destination.
            AddToParagraph('\t');
            return;
        case Word::Bullet:
            AddVisible('-');
            return;
        case Word::Quote:
            AddVisible('\'');
            return;
        default:
            break;
        }
        if (const std::optional<std::int32_t> number = NumberOf(parameter)) {
            CarryOutWithNumber(*word, *number);
        }
    }

    // The words that take a number.
    void CarryOutWithNumber(Word word, std::int32_t number) {
        switch (word) {
        case Word::DefaultFont:
            defaultFont_ = number;
            break;
        case Word::Font:
            group_.form.fontIndex = number;
            break;
        case Word::FontSize:
            group_.form.fontSize = number;
            break;
        case Word::SpaceBefore:
            group_.spaceBefore = number;
            break;
        case Word::SpaceAfter:
            group_.spaceAfter = number;
            break;
        case Word::LeftIndent:
            group_.leftIndent = number;
            break;
        case Word::FirstLineIndent:
            group_.firstLineIndent = number;
            break;
        case Word::TabPosition:
            if (group_.tabStops.size() < kMaxTabStops) {
                group_.tabStops.push_back({group_.nextTabKind, number});
            }
            group_.nextTabKind = TabKind::Left;
            break;
        case Word::MarginLeft:
            surface_.SetMargin(PageMargin::Left, number);
            leftMargin_ = number;
            break;
        case Word::MarginRight:
            surface_.SetMargin(PageMargin::Right, number);
            rightEdge_ = RightEdge(number);
            break;
        case Word::MarginTop:
            surface_.SetMargin(PageMargin::Top, number);
            break;
        case Word::MarginBottom:
            surface_.SetMargin(PageMargin::Bottom, number);
            break;
        default:
            break;
        }
    }

    // Bullets and quotes are drawn in any destination unless hidden.
    void AddVisible(char character) {
        if (!Hidden()) {
            AddToParagraph(character);
        }
    }

    RichTextSurface& surface_;
    std::int32_t leftMargin_;
    std::int32_t rightEdge_;
    RTFGroup group_;
    std::vector<RTFGroup> enclosing_;
    std::vector<RTFFont> fonts_;
    std::string fontName_; // the face name being collected in the font table
    std::int32_t defaultFont_ = 0;
    Paragraph paragraph_;
};

} // namespace

std::optional<std::string> DrawRTF(RichTextSurface& surface, std::string_view richText) {
    return Interpreter(surface).Draw(richText);
}

} // namespace compose
