// One line of the layout: its content read and placed up to the right limit, then aligned,
// ended and stored.
#include "family/print/src/convert/report_layout.h"

#include "family/print/src/convert/drawing_tokens.h"
#include "family/print/src/convert/line_alignment.h"
#include "family/print/src/convert/rtf_keywords.h"
#include "family/print/src/convert/tab_stops.h"

#include <algorithm>
#include <tuple>

namespace pressel {
namespace {

constexpr std::uint8_t kStyleFlags =
    kCharacterBold | kCharacterHidden | kCharacterItalic | kCharacterUnderline;

bool AllSpaces(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

std::uint8_t Flag(std::uint8_t flags, std::uint8_t flag) {
    return (flags & flag) != 0 ? 1 : 0;
}

} // namespace

// A failed write is kept by the writer, which the converter asks at the end.
void ReportLayout::PutCode(int code) {
    target_.writer.PutByte(0);
    target_.writer.PutByte(static_cast<std::uint8_t>(code));
}

void ReportLayout::PutOperand(int code, std::span<const std::uint8_t> operand) {
    PutCode(code);
    target_.writer.PutBytes(operand);
}

void ReportLayout::PutText(const std::string& text) {
    target_.writer.PutBytes(
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool ReportLayout::Visible() const {
    return conditions_.Current() && (state_.character.flags & kCharacterHidden) == 0;
}

ReportLayout::Content ReportLayout::NextContent() {
    if (pending_) {
        Content content = std::move(*pending_);
        pending_.reset();
        return content;
    }
    Content content;
    content.code = interpreter_.Interpret(kMacroBufferLength, state_, content.text);
    return content;
}

void ReportLayout::BeginLine() {
    if (line_.begun) {
        return;
    }
    const SectionFormat& section = state_.section;
    const ParagraphFormat& paragraph = state_.paragraph;
    line_.begun = true;
    line_.layoutX =
        section.marginLeft + paragraph.leftIndent + (paragraphStart_ ? paragraph.firstIndent : 0);
    line_.printerX = line_.layoutX;
    line_.record.x = static_cast<std::int16_t>(line_.layoutX);
    line_.rightLimit = section.paperWidth - section.marginRight - paragraph.rightIndent;
    line_.record.streamOffset = static_cast<std::int32_t>(target_.writer.Tell());
    const CharacterFormat& character = state_.character;
    line_.record.style =
        RunStyle{static_cast<std::uint8_t>(character.flags & kStyleFlags), fontMap_[character.font],
                 0, colourMap_[character.foreground], colourMap_[character.background]};
    if (paragraphStart_ && !noSpaceBefore_) {
        line_.record.ascent = paragraph.spaceBefore;
        line_.printerAscent = paragraph.spaceBefore;
    }
    written_ = WrittenFormat{line_.record.style.flags, line_.record.style.font,
                             line_.record.style.textColour, line_.record.style.backgroundColour,
                             target_.devices.LogicalHeight()};
}

void ReportLayout::TakeFontHeights() {
    const LayoutDevices& devices = target_.devices;
    if (!line_.heightTaken) {
        line_.heightTaken = true;
        line_.record.style.height = devices.LogicalHeight();
    }
    // Space before and after stand outside the font heights, so they are added to the greatest.
    const std::int32_t before =
        paragraphStart_ && !noSpaceBefore_ ? state_.paragraph.spaceBefore : 0;
    line_.record.ascent = static_cast<std::int16_t>(
        std::max<std::int32_t>(line_.record.ascent, devices.LayoutHeights().ascent + before));
    line_.record.descent = static_cast<std::int16_t>(
        std::max<std::int32_t>(line_.record.descent, devices.LayoutHeights().descent));
    line_.printerAscent = std::max(line_.printerAscent, devices.PrinterHeights().ascent + before);
    line_.printerDescent = std::max(line_.printerDescent, devices.PrinterHeights().descent);
}

void ReportLayout::ApplyFormat() {
    BeginLine();
    const CharacterFormat& character = state_.character;
    const std::uint8_t textColour = colourMap_[character.foreground];
    const std::uint8_t backgroundColour = colourMap_[character.background];
    if (textColour != written_.textColour || backgroundColour != written_.backgroundColour) {
        PutOperand(kTextColour, std::array{textColour});
        PutOperand(kBackgroundColour, std::array{backgroundColour});
        target_.devices.SetColours(target_.header.colours[textColour],
                                   target_.header.colours[backgroundColour]);
        written_.textColour = textColour;
        written_.backgroundColour = backgroundColour;
    }
    for (const auto& [flag, code] :
         {std::pair{kCharacterBold, kBold}, std::pair{kCharacterItalic, kItalic},
          std::pair{kCharacterUnderline, kUnderline}}) {
        if (Flag(character.flags, flag) != Flag(written_.flags, flag)) {
            PutOperand(code, std::array{Flag(character.flags, flag)});
            written_.flags = static_cast<std::uint8_t>(written_.flags ^ flag);
        }
    }
    const std::uint8_t font = fontMap_[character.font];
    if (font != written_.font) {
        PutOperand(kFont, std::array{font});
        written_.font = font;
    }
    const auto fontOf = [](const CharacterFormat& format) {
        const int flags = format.flags & (kCharacterBold | kCharacterItalic | kCharacterUnderline);
        return std::tuple<int, int, int>(flags, format.font, format.fontSize);
    };
    if (!fontMadeFor_ || fontOf(*fontMadeFor_) != fontOf(character)) {
        target_.devices.SelectFont(character, target_.header.fonts[font]);
        fontMadeFor_ = character;
    }
    if (target_.devices.LogicalHeight() != written_.height) {
        const auto height = static_cast<std::uint16_t>(target_.devices.LogicalHeight());
        PutOperand(kFontHeight, std::array{static_cast<std::uint8_t>(height),
                                           static_cast<std::uint8_t>(height >> 8)});
        written_.height = target_.devices.LogicalHeight();
    }
    TakeFontHeights();
}

void ReportLayout::TakeBackSpaceRun() {
    if (line_.spaceRunOffset < 0) {
        return;
    }
    target_.writer.Seek(line_.spaceRunOffset, PrintFileBuffer::Origin::kStart);
    line_.layoutX -= line_.spaceRunWidths.layout;
    line_.printerX -= line_.spaceRunWidths.printer;
    line_.spaceRunOffset = -1;
}

ReportLayout::LineEnd ReportLayout::PlaceText(const std::string& text) {
    ApplyFormat();
    const TextWidths widths = target_.devices.Measure(text);
    const bool spaces = AllSpaces(text);
    const bool tabPullsBack = line_.tabPending && line_.tabKind != kTabLeft;
    if (line_.printerX + widths.printer > line_.rightLimit && !tabPullsBack) {
        if (line_.mayBreak) {
            TakeBackSpaceRun();
            if (!spaces) {
                pending_ = Content{kRtfText, text, true};
            }
            return LineEnd::kWrap;
        }
        if (spaces) {
            return LineEnd::kNone;
        }
        // A word wider than the line can never fit: it stands alone on its line.
    }
    const std::int64_t offset = target_.writer.Tell();
    PutText(text);
    if (spaces) {
        line_.spaceRunOffset = offset;
        line_.spaceRunWidths = widths;
        line_.spaceRunCount = static_cast<std::int32_t>(text.size());
    } else {
        line_.countedSpaces += (line_.spaceRunOffset >= 0 ? line_.spaceRunCount : 0) +
                               static_cast<std::int32_t>(std::count(text.begin(), text.end(), ' '));
        line_.spaceRunOffset = -1;
        line_.mayBreak = true;
    }
    line_.layoutX += widths.layout;
    line_.printerX += widths.printer;
    line_.hasContent = true;
    return LineEnd::kNone;
}

void ReportLayout::SettleTab() {
    if (!line_.tabPending) {
        return;
    }
    line_.tabPending = false;
    const std::int32_t layoutPull = TabPullBack(line_.tabKind, line_.layoutX - line_.tabX);
    const std::int32_t printerPull = TabPullBack(line_.tabKind, line_.printerX - line_.tabX);
    if (layoutPull == 0 && printerPull == 0) {
        return;
    }
    const std::int64_t end = target_.writer.Tell();
    const auto x = static_cast<std::uint16_t>(line_.tabX - layoutPull);
    target_.writer.Seek(line_.tabOffset + 2, PrintFileBuffer::Origin::kStart);
    target_.writer.PutBytes(
        std::array{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(x >> 8)});
    target_.writer.Seek(end, PrintFileBuffer::Origin::kStart);
    const std::int32_t step = line_.tabKind == kTabRight ? 1 : 0;
    line_.layoutX += step - layoutPull;
    line_.printerX += step - printerPull;
}

void ReportLayout::PlaceTab() {
    ApplyFormat();
    SettleTab();
    const std::int32_t left = state_.section.marginLeft;
    const TabMove move =
        NextTabStop(line_.layoutX - left, state_.paragraph, state_.section.defaultTab);
    line_.tabX = left + move.x;
    line_.tabKind = move.kind;
    line_.tabPending = move.kind != kTabLeft;
    line_.tabOffset = target_.writer.Tell();
    line_.record.justifyFrom = static_cast<std::int32_t>(line_.tabOffset);
    const auto x = static_cast<std::uint16_t>(line_.tabX);
    PutOperand(kMoveToX,
               std::array{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(x >> 8)});
    line_.layoutX = line_.tabX;
    line_.printerX = line_.tabX;
    line_.countedSpaces = 0;
    line_.spaceRunOffset = -1;
    line_.mayBreak = true;
    line_.hasContent = true;
}

void ReportLayout::PlacePicture(int index, std::int16_t width, std::int16_t height) {
    // Pictures, the caller's too, are placed only while the picture table has room.
    if (target_.header.pictureCount >= kMaxPictures) {
        return;
    }
    ApplyFormat();
    PutOperand(kPicture, PictureOperand(index, width, height));
    line_.record.ascent = std::max(line_.record.ascent, height);
    line_.printerAscent = std::max<std::int32_t>(line_.printerAscent, height);
    line_.layoutX += width;
    line_.printerX += width;
    // Spaces before the picture are no longer the line's trailing run.
    line_.spaceRunOffset = -1;
    line_.mayBreak = true;
    line_.hasContent = true;
}

void ReportLayout::PlaceTemplatePicture() {
    // A bitmap that finds the picture table full is deleted as it goes out of scope.
    OwnedBitmap bitmap = interpreter_.TakePicture();
    PrintFileHeader& header = target_.header;
    if (!bitmap || header.pictureCount >= kMaxPictures) {
        return;
    }
    const int index = header.pictureCount;
    PlacePicture(index, state_.pictureWidth, state_.pictureHeight);
    header.pictures[static_cast<std::size_t>(index)] =
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(bitmap.release()));
    ++header.pictureCount;
}

void ReportLayout::PlaceDrawing() {
    ApplyFormat();
    if (state_.object.kind == 1) {
        PutOperand(kLine, LineOperand(state_.object));
    } else {
        PutOperand(kRectangle, RectangleOperand(state_.object));
    }
    line_.hasContent = true;
}

void ReportLayout::SkipHeaderOrFooter(int code) {
    RecordedGroup& group = groups_[GroupSlot(code)];
    if (group.offset < 0) {
        group.offset = interpreter_.LastGroupOpenOffset();
        group.character = state_.character;
    }
    std::string text;
    while ((state_.paragraph.flags & kInHeaderOrFooterFlag) != 0) {
        if (interpreter_.Interpret(kMacroBufferLength, state_, text) == kRtfEnd) {
            return;
        }
    }
}

ReportLayout::LineEnd ReportLayout::PlaceContent(Content& content) {
    switch (content.code) {
    case kRtfText: {
        if (!content.macrosApplied) {
            switch (ApplyMacros(content.text)) {
            case MacroResult::kConsumed:
                return LineEnd::kNone;
            case MacroResult::kEndPage:
                // The line ends where it stands, stored only when it holds something.
                return LineEnd::kWrap;
            case MacroResult::kPicture:
                PlacePicture(macroPicture_->index, macroPicture_->width, macroPicture_->height);
                return LineEnd::kNone;
            case MacroResult::kText:
                break;
            }
        }
        return Visible() && !content.text.empty() ? PlaceText(content.text) : LineEnd::kNone;
    }
    case kRtfTab:
        if (Visible()) {
            PlaceTab();
        }
        return LineEnd::kNone;
    case kRtfPar:
        return Visible() ? LineEnd::kParagraph : LineEnd::kNone;
    case kRtfLine:
        return Visible() ? LineEnd::kLine : LineEnd::kNone;
    case kRtfPage:
        return Visible() ? (inGroup_ ? LineEnd::kLine : LineEnd::kPage) : LineEnd::kNone;
    case kRtfSect:
        return inGroup_ ? LineEnd::kLine : LineEnd::kSection;
    case kRtfEnd:
        return LineEnd::kDocument;
    case kRtfFooter:
    case kRtfFooterf:
    case kRtfHeader:
    case kRtfHeaderf:
        if (!inGroup_) {
            SkipHeaderOrFooter(content.code);
        }
        return LineEnd::kNone;
    case kRtfGroupClose:
        if (inGroup_ && (state_.paragraph.flags & kInHeaderOrFooterFlag) == 0) {
            return LineEnd::kGroup;
        }
        if (state_.object.kind != 0) {
            if (Visible()) {
                PlaceDrawing();
            }
            state_.object = DrawingObject{};
        }
        return LineEnd::kNone;
    case kRtfMargb:
        bottom_ = state_.section.paperHeight - state_.section.marginBottom;
        return LineEnd::kNone;
    case kRtfPictureDone:
        if (Visible()) {
            PlaceTemplatePicture();
        } else {
            // A picture in hidden text or a false condition is dropped with its bitmap.
            interpreter_.TakePicture();
        }
        return LineEnd::kNone;
    default:
        // The left, right and top margins: nothing to place.
        return LineEnd::kNone;
    }
}

ReportLayout::LineEnd ReportLayout::LayoutLine() {
    line_ = LineState{};
    for (;;) {
        Content content = NextContent();
        if (const LineEnd end = PlaceContent(content); end != LineEnd::kNone) {
            FinishLine(end);
            return end;
        }
    }
}

void ReportLayout::FinishLine(LineEnd end) {
    BeginLine();
    SettleTab();
    const bool breakStored =
        end == LineEnd::kParagraph || end == LineEnd::kLine || end == LineEnd::kPage;
    if (!line_.hasContent && breakStored) {
        TakeFontHeights();
    }
    if (end == LineEnd::kParagraph) {
        line_.record.descent =
            static_cast<std::int16_t>(line_.record.descent + state_.paragraph.spaceAfter);
        line_.printerDescent += state_.paragraph.spaceAfter;
    }
    const LineAlignment alignment =
        AlignLine(state_.paragraph.alignment, line_.rightLimit - line_.layoutX, line_.countedSpaces,
                  end == LineEnd::kParagraph);
    line_.record.x = static_cast<std::int16_t>(line_.record.x + alignment.shift);
    line_.record.breakCount = static_cast<std::int8_t>(alignment.breakCount);
    line_.record.breakExtra = static_cast<std::int16_t>(alignment.breakExtra);
    if (line_.rowsAdvanced > 0 && table_.on) {
        const PrintTable& table = target_.tables->tables[table_.index];
        const std::int16_t extra =
            table_.row < table.rows && table.rowInfo != nullptr && table.rowInfo[table_.row]
                ? table.rowInfo[table_.row][0]
                : 0;
        line_.record.ascent = static_cast<std::int16_t>(line_.record.ascent + extra);
        line_.printerAscent += extra;
    }
    paragraphStart_ = end == LineEnd::kParagraph;
    noSpaceBefore_ = false;
    if (!line_.hasContent && !breakStored) {
        target_.writer.Seek(line_.record.streamOffset, PrintFileBuffer::Origin::kStart);
        return;
    }
    PutCode(kEndOfLine);
    const std::int32_t height = line_.printerAscent + line_.printerDescent;
    if (table_.on) {
        table_.tallestLine = std::max(table_.tallestLine, height);
    }
    if (inGroup_) {
        groupY_ += height;
        // Header and footer lines past the last record are dropped.
        if (headerLine_ < kLineRecords) {
            target_.header.lines[static_cast<std::size_t>(headerLine_++)] = line_.record;
        }
        return;
    }
    target_.header.lines[static_cast<std::size_t>(bodyLine_++)] = line_.record;
    lineHeights_.push_back(height);
}

} // namespace pressel
