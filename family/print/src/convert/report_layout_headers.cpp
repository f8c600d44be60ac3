// Headers and footers: each page of a finished section gets the header and footer groups the
// template recorded, laid out again at the page's own numbers into the header and footer lines.
#include "family/print/src/convert/report_layout.h"

#include "family/print/src/convert/rtf_keywords.h"

namespace pressel {
namespace {

constexpr std::size_t kHeaderSlot = 0;
constexpr std::size_t kFirstHeaderSlot = 1;
constexpr std::size_t kFooterSlot = 2;
constexpr std::size_t kFirstFooterSlot = 3;

} // namespace

std::size_t ReportLayout::GroupSlot(int code) {
    switch (code) {
    case kRtfHeaderf:
        return kFirstHeaderSlot;
    case kRtfFooter:
        return kFooterSlot;
    case kRtfFooterf:
        return kFirstFooterSlot;
    default:
        return kHeaderSlot;
    }
}

void ReportLayout::LayOutGroup(const RecordedGroup& group) {
    if (group.offset < 0) {
        return;
    }
    tokenizer_.SeekTo(group.offset);
    state_.character = group.character;
    fontMadeFor_.reset();
    conditions_.Reset();
    inGroup_ = true;
    paragraphStart_ = true;
    noSpaceBefore_ = true;
    for (;;) {
        const LineEnd end = LayoutLine();
        if (end == LineEnd::kGroup || end == LineEnd::kDocument) {
            break;
        }
    }
    inGroup_ = false;
}

void ReportLayout::DecoratePages() {
    PrintFileHeader& header = target_.header;
    if (undecoratedPage_ >= header.pageCount) {
        return;
    }
    // The body's place and state come back once the groups are laid out.
    const std::int64_t bodyPosition = tokenizer_.Tell();
    const FormatState bodyState = state_;
    const ReportConditions bodyConditions = conditions_;
    std::optional<Content> bodyPending = std::move(pending_);
    pending_.reset();
    const bool bodyParagraphStart = paragraphStart_;
    const bool bodyNoSpaceBefore = noSpaceBefore_;
    const SectionFormat& section = bodyState.section;
    for (; undecoratedPage_ < header.pageCount; ++undecoratedPage_) {
        PageRecord& record = header.pages[static_cast<std::size_t>(undecoratedPage_)];
        const bool firstPage =
            (section.flags & kTitlePageFlag) != 0 && undecoratedPage_ == numbering_.Base();
        decoratingPage_ = undecoratedPage_;
        record.headerTop = section.headerY;
        record.footerBottom = static_cast<std::int16_t>(section.paperHeight - section.footerY);
        record.firstHeaderLine = static_cast<std::int16_t>(headerLine_);
        groupY_ = section.headerY;
        LayOutGroup(groups_[firstPage ? kFirstHeaderSlot : kHeaderSlot]);
        record.firstFooterLine = static_cast<std::int16_t>(headerLine_);
        groupY_ = record.footerBottom;
        LayOutGroup(groups_[firstPage ? kFirstFooterSlot : kFooterSlot]);
        state_ = bodyState;
    }
    tokenizer_.SeekTo(bodyPosition);
    conditions_ = bodyConditions;
    pending_ = std::move(bodyPending);
    paragraphStart_ = bodyParagraphStart;
    noSpaceBefore_ = bodyNoSpaceBefore;
    fontMadeFor_.reset();
}

} // namespace pressel
