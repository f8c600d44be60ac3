#include "family/print/src/convert/report_layout.h"

#include "family/print/src/convert/rtf_keywords.h"
#include "family/print/src/dialogs/converter_feedback.h"

#include <numeric>

namespace pressel {

ReportLayout::ReportLayout(RtfTokenizer& tokenizer, const LayoutTarget& target,
                           const FormatState& defaults,
                           const std::array<std::uint8_t, 256>& fontMap,
                           const std::array<std::uint8_t, 256>& colourMap)
    : tokenizer_(tokenizer), interpreter_(tokenizer), target_(target), state_(defaults),
      fontMap_(fontMap), colourMap_(colourMap) {}

int ReportLayout::Run(std::int64_t fileSize) {
    fileSize_ = fileSize;
    // A long picture reports its progress as it is read, and may be asked to stop like a line.
    interpreter_.SetPictureProgress([this] { ReportLineProgress(); });
    // The first interpretation reads the document's settings up to its first content, which is
    // laid out first; progress counts from there.
    Content first;
    first.code = interpreter_.Interpret(kMacroBufferLength, state_, first.text);
    pending_ = std::move(first);
    bodyStart_ = tokenizer_.Tell();
    LayoutBody();
    if (result_ == 0) {
        DecoratePages();
    }
    // The record after the last page marks where its body, header and footer lines end.
    PrintFileHeader& header = target_.header;
    PageRecord& end = header.pages[static_cast<std::size_t>(header.pageCount)];
    end = PageRecord{};
    end.firstBodyLine = static_cast<std::int16_t>(pageFirstLine_);
    end.firstHeaderLine = static_cast<std::int16_t>(headerLine_);
    end.firstFooterLine = static_cast<std::int16_t>(headerLine_);
    ResolveMarks();
    return result_;
}

void ReportLayout::StartPageAt(int firstLine) {
    pageFirstLine_ = firstLine;
    bottom_ = state_.section.paperHeight - state_.section.marginBottom;
    y_ = std::accumulate(lineHeights_.begin() + firstLine, lineHeights_.end(),
                         static_cast<std::int32_t>(state_.section.marginTop));
}

void ReportLayout::ClosePage(int nextFirstLine) {
    PrintFileHeader& header = target_.header;
    PageRecord& record = header.pages[static_cast<std::size_t>(header.pageCount)];
    record.firstBodyLine = static_cast<std::int16_t>(pageFirstLine_);
    record.xOrigin = state_.section.marginLeft;
    record.bodyTop = state_.section.marginTop;
    record.width = state_.section.paperWidth;
    // No header or footer lines until the page is decorated.
    record.firstHeaderLine = static_cast<std::int16_t>(headerLine_);
    record.firstFooterLine = static_cast<std::int16_t>(headerLine_);
    if (nextFirstLine > pageFirstLine_) {
        ++header.pageCount;
    }
    if (table_.on) {
        ClosePageInTable();
    }
    StartPageAt(nextFirstLine);
    if (header.pageCount >= kMaxPages) {
        stop_ = true;
    }
}

void ReportLayout::ReportLineProgress() {
    const int percent = ProgressPercent(tokenizer_.Tell(), bodyStart_, fileSize_);
    if (const LRESULT answer = ReportProgress(target_.dialog, percent); answer != 0) {
        result_ = static_cast<int>(answer);
        stop_ = true;
    }
}

void ReportLayout::LayoutBody() {
    StartPageAt(0);
    while (!stop_) {
        const int before = bodyLine_;
        const LineEnd end = LayoutLine();
        const std::uint8_t paragraphFlags = state_.paragraph.flags;
        const bool stored = bodyLine_ > before;
        ReportLineProgress();
        const std::int32_t height = stored ? lineHeights_.back() : 0;
        const bool endsPage = end == LineEnd::kPage || end == LineEnd::kSection ||
                              end == LineEnd::kDocument || line_.endPageAfter;
        const bool keeping = (paragraphFlags & kKeepFlag) != 0 || afterKeepNextParagraph_;
        if (endsPage || stop_ || bodyLine_ >= kFirstHeaderFooterLine) {
            ClosePage(bodyLine_);
            if (end == LineEnd::kPage || end == LineEnd::kSection || line_.endPageAfter) {
                paragraphStart_ = true;
                noSpaceBefore_ = true;
            }
            if (end == LineEnd::kSection) {
                DecoratePages();
            }
            if (end == LineEnd::kDocument || bodyLine_ >= kFirstHeaderFooterLine) {
                stop_ = true;
            }
        } else if (stored && y_ + height > bottom_) {
            const int carried = keeping && keepStart_ > pageFirstLine_ && keepStart_ < bodyLine_
                                    ? keepStart_
                                    : before;
            ClosePage(carried);
        } else {
            y_ += height;
        }
        if (stored) {
            const bool kept = (paragraphFlags & (kKeepFlag | kKeepNextFlag)) != 0;
            if (!kept || (end == LineEnd::kParagraph && (paragraphFlags & kKeepNextFlag) == 0)) {
                keepStart_ = bodyLine_;
            }
            afterKeepNextParagraph_ =
                end == LineEnd::kParagraph && (paragraphFlags & kKeepNextFlag) != 0;
        }
    }
}

} // namespace pressel
