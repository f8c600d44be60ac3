// Text layout: words poured into lines with wrap and justification, paragraphs, pages, and the
// in-line commands of PutText.
#include "output/canvas/canvas.h"
#include "output/canvas/src/measuring_context.h"

#include <algorithm>
#include <limits>

namespace output {

namespace {

constexpr std::int32_t kTwipsPerPoint = 20;
constexpr unsigned char kFirstKeptByte = 32;
constexpr unsigned char kLastKeptByte = 127;

// A line's height for its largest font size: 1.2 times the size, in whole points.
std::int64_t LineHeight(std::int32_t size) {
    return std::int64_t{size} * 12 / 10 * kTwipsPerPoint;
}

bool EndsSentence(const std::string& text) {
    return !text.empty() && (text.back() == '.' || text.back() == ':');
}

COLORREF ColourOf(const std::vector<std::string>& arguments) {
    auto component = [&](std::size_t i) {
        return static_cast<COLORREF>(std::clamp(ReadInteger(arguments[i]), 0, 255));
    };
    return RGB(static_cast<BYTE>(component(0)), static_cast<BYTE>(component(1)),
               static_cast<BYTE>(component(2)));
}

} // namespace

void Canvas::CloseLine(bool lastLine) {
    LineState& line = state_.line;
    auto count = static_cast<std::size_t>(std::max(line.words, 0));
    count = std::min(count, items_.words.size());
    std::int64_t slack = std::int64_t{state_.margins.rightEdge} - state_.cursorX;
    std::size_t first = items_.words.size() - count;
    for (std::size_t i = 0; i < count; ++i) {
        std::int64_t shift = 0;
        switch (state_.margins.justify) {
        case Justification::Left:
            break;
        case Justification::Centre:
            shift = slack / 2;
            break;
        case Justification::Right:
            shift = slack;
            break;
        case Justification::Full:
            if (!lastLine && count > 1) {
                shift = slack * static_cast<std::int64_t>(i) / static_cast<std::int64_t>(count - 1);
            }
            break;
        }
        WordItem& word = items_.words[first + i];
        word.x = SaturatedAdd(word.x, shift);
    }
    line = LineState{};
}

void Canvas::StartNextPage() {
    state_.pages.current = std::min(state_.pages.current + 1, kMaxCanvasPage);
}

void Canvas::NewPageStep() {
    CloseLine(/*lastLine*/ true);
    state_.cursorX = SaturatedAdd(state_.margins.left, state_.margins.indent);
    state_.cursorY = state_.margins.top;
    StartNextPage();
}

void Canvas::ParagraphStep() {
    std::int32_t size = state_.line.words > 0 ? state_.line.largestSize : state_.font.size;
    CloseLine(/*lastLine*/ true);
    state_.cursorX = SaturatedAdd(state_.margins.left, state_.margins.indent);
    state_.cursorY = SaturatedAdd(state_.cursorY, LineHeight(size));
}

void Canvas::NewParagraph() {
    if (state_.line.words == 0 && state_.cursorY > state_.margins.bottomEdge) {
        NewPageStep();
    }
    ParagraphStep();
}

void Canvas::NewPage() {
    NewPageStep();
}

void Canvas::PutText(std::string_view text) {
    // The font looked up for the words of this text, until a font command ends its reuse.
    constexpr std::size_t kNoFont = std::numeric_limits<std::size_t>::max();
    std::size_t font = kNoFont;
    std::string word;
    auto endWord = [&] {
        if (word.empty()) {
            return;
        }
        if (IsTextCommand(word)) {
            // A command whose keyword is unknown does nothing.
            if (std::optional<TextCommand> command = ParseTextCommand(word)) {
                RunCommand(*command);
                if (ChangesFont(command->keyword)) {
                    font = kNoFont;
                }
            }
        } else {
            if (font == kNoFont) {
                font = LookUpFont();
            }
            PlaceWord(font, std::move(word));
        }
        word.clear();
    };
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte == ' ') {
            endWord();
        } else if (byte > kFirstKeptByte && byte <= kLastKeptByte) {
            word += c;
        }
    }
    endWord();
}

void Canvas::PlaceWord(std::size_t fontIndex, std::string word) {
    std::replace(word.begin(), word.end(), '_', ' ');
    FontRecord& font = items_.fonts[fontIndex];
    measuring_->Select(font.deviceFont.Get());
    std::int32_t width = measuring_->MeasureTwips(word).cx;
    const std::int32_t size = font.choice.size;
    Margins& margins = state_.margins;
    LineState& line = state_.line;
    COLORREF colour = state_.colours.text;

    if (line.words > 0 && !items_.words.empty()) {
        WordItem& last = items_.words.back();
        std::int32_t blanks = EndsSentence(last.text) ? 2 : 1;
        std::int64_t gap = std::int64_t{blanks} * font.blankWidth;
        if (std::int64_t{state_.cursorX} + gap + width <= margins.rightEdge) {
            state_.cursorX = SaturatedAdd(state_.cursorX, gap);
            if (last.font == fontIndex && last.colour == colour &&
                margins.justify != Justification::Full) {
                last.text.append(static_cast<std::size_t>(blanks), ' ');
                last.text += word;
                state_.cursorX = SaturatedAdd(state_.cursorX, width);
                return;
            }
        } else {
            std::int64_t height = LineHeight(line.largestSize);
            CloseLine(/*lastLine*/ false);
            // The indent belongs to a paragraph's first line only.
            state_.cursorX = margins.left;
            state_.cursorY = SaturatedAdd(state_.cursorY, height);
            if (state_.cursorY > margins.bottomEdge) {
                state_.cursorY = margins.top;
                StartNextPage();
            }
        }
    }
    if (line.words == 0 && state_.cursorY > margins.bottomEdge) {
        state_.cursorX = margins.left;
        state_.cursorY = margins.top;
        StartNextPage();
    }
    if (size > line.largestSize) {
        std::int64_t drop = (std::int64_t{size} - line.largestSize) * kTwipsPerPoint;
        auto count = std::min(static_cast<std::size_t>(line.words), items_.words.size());
        for (std::size_t i = items_.words.size() - count; i < items_.words.size(); ++i) {
            items_.words[i].y = SaturatedAdd(items_.words[i].y, drop);
        }
        line.largestSize = size;
    }
    std::int64_t y =
        std::int64_t{state_.cursorY} + (std::int64_t{line.largestSize} - size) * kTwipsPerPoint;
    items_.words.push_back({state_.pages.current, state_.cursorX, SaturatedAdd(y, 0),
                            std::move(word), fontIndex, colour});
    ++line.words;
    FlagPage(colour);
    state_.cursorX = SaturatedAdd(state_.cursorX, width);
}

void Canvas::RunCommand(const TextCommand& command) {
    const std::vector<std::string>& arguments = command.arguments;
    if (arguments.size() < RequiredArguments(command.keyword)) {
        return;
    }
    auto number = [&](std::size_t i) { return ReadInteger(arguments[i]); };
    switch (command.keyword) {
    case TextKeyword::Image: {
        std::int32_t x = ReadRelative(arguments[0], state_.cursorX);
        std::int32_t y = ReadRelative(arguments[1], state_.cursorY);
        PutImage(x, y, number(2), number(3), arguments[4], number(5));
        break;
    }
    case TextKeyword::Polygon:
        PutPolygon(arguments[0], number(1), ReadFlag(arguments[2]), ReadFlag(arguments[3]));
        break;
    case TextKeyword::Line:
        PutLine(ReadRelative(arguments[0], state_.cursorX),
                ReadRelative(arguments[1], state_.cursorY),
                ReadRelative(arguments[2], state_.cursorX),
                ReadRelative(arguments[3], state_.cursorY), number(4));
        break;
    case TextKeyword::NewPage:
        NewPageStep();
        break;
    case TextKeyword::NewParagraph:
        NewParagraph();
        break;
    case TextKeyword::FontName:
        SetFontName(arguments[0]);
        break;
    case TextKeyword::FontType:
        SetFontType(number(0));
        break;
    case TextKeyword::FontSize:
        SetFontSize(number(0));
        break;
    case TextKeyword::FontBold:
        SetFontBold(ReadFlag(arguments[0]));
        break;
    case TextKeyword::FontUnder:
        SetFontUnder(ReadFlag(arguments[0]));
        break;
    case TextKeyword::FontItalic:
        SetFontItalic(ReadFlag(arguments[0]));
        break;
    case TextKeyword::Justify:
        SetJustify(number(0));
        break;
    case TextKeyword::MarginTop:
        SetMarginTop(number(0));
        break;
    case TextKeyword::MarginBottom:
        SetMarginBottom(number(0));
        break;
    case TextKeyword::MarginLeft:
        SetMarginLeft(number(0));
        break;
    case TextKeyword::MarginRight:
        SetMarginRight(number(0));
        break;
    case TextKeyword::MarginIndent:
        SetMarginIndent(number(0));
        break;
    case TextKeyword::CursorX:
        SetCursorX(ReadRelative(arguments[0], state_.cursorX));
        break;
    case TextKeyword::CursorY:
        SetCursorY(ReadRelative(arguments[0], state_.cursorY));
        break;
    case TextKeyword::PageNumber: {
        CloseLine(/*lastLine*/ true);
        SetPage(ReadRelative(arguments[0], state_.pages.current));
        break;
    }
    case TextKeyword::ColorOfText:
        SetColorOfText(ColourOf(arguments));
        break;
    case TextKeyword::ColorOfLine:
        SetColorOfLine(ColourOf(arguments));
        break;
    case TextKeyword::ColorOfFill:
        SetColorOfFill(ColourOf(arguments));
        break;
    case TextKeyword::Depth:
        if (std::int64_t{state_.cursorY} + number(0) > state_.margins.bottomEdge) {
            NewPageStep();
        }
        break;
    }
}

} // namespace output
