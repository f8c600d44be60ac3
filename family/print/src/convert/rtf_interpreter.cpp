#include "family/print/src/convert/rtf_interpreter.h"

#include "family/print/src/convert/rtf_keywords.h"

namespace pressel {
namespace {

// Buffer lengths the reader uses for what it only skips or checks.
constexpr std::size_t kSkipBufferLength = 32;
constexpr std::size_t kStarBufferLength = 4;
constexpr std::size_t kPictureBufferLength = 37;

std::int16_t Short(std::int32_t value) {
    return static_cast<std::int16_t>(value);
}

std::uint8_t Byte(std::int32_t value) {
    return static_cast<std::uint8_t>(value);
}

void SetFlag(std::uint8_t& flags, std::uint8_t flag, std::int32_t parameter) {
    flags = static_cast<std::uint8_t>((parameter & 1) != 0 ? flags | flag : flags & ~flag);
}

// A grey level from 0 (white) to 200 (black) as a colour component.
std::uint8_t Grey(std::int32_t parameter) {
    return static_cast<std::uint8_t>(255 - parameter * 255 / 200);
}

// The one-character text of a typographic keyword in the single-byte character set, or 0.
char TypographicCharacter(int code) {
    switch (code) {
    case kRtfBullet:
        return '\x95';
    case kRtfEmdash:
        return '\x97';
    case kRtfEndash:
        return '\x96';
    case kRtfLdblquote:
        return '\x93';
    case kRtfLquote:
        return '\x91';
    case kRtfRdblquote:
        return '\x94';
    case kRtfRquote:
        return '\x92';
    default:
        return 0;
    }
}

} // namespace

void RtfInterpreter::OpenGroup(const FormatState& state) {
    if (level_ < kMaxSavedGroups && unsavedGroups_ == 0) {
        saved_[level_++] = SavedGroup{state.paragraph, state.character};
    } else {
        ++unsavedGroups_;
    }
}

void RtfInterpreter::CloseGroup(FormatState& state) {
    if (unsavedGroups_ > 0) {
        --unsavedGroups_;
        return;
    }
    if (level_ > 0) {
        --level_;
        state.paragraph = saved_[level_].paragraph;
        state.character = saved_[level_].character;
    }
}

void RtfInterpreter::SkipGroup() {
    int depth = 0;
    while (depth >= 0) {
        const int code = tokenizer_.Next(kSkipBufferLength).code;
        if (code == kRtfEnd) {
            break;
        }
        depth += code == kRtfGroupOpen ? 1 : (code == kRtfGroupClose ? -1 : 0);
    }
    if (unsavedGroups_ > 0) {
        --unsavedGroups_;
    } else if (level_ > 0) {
        --level_;
    }
}

void RtfInterpreter::SkipToGroupClose() {
    for (int code = kRtfText; code != kRtfGroupClose && code != kRtfEnd;) {
        code = tokenizer_.Next(kSkipBufferLength).code;
    }
}

void RtfInterpreter::ReadPicture(FormatState& state) {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t scaleX = 100;
    std::int32_t scaleY = 100;
    state.pictureWidth = 0;
    state.pictureHeight = 0;
    picture_.reset();
    for (;;) {
        const RtfToken token = tokenizer_.Next(kPictureBufferLength);
        switch (token.code) {
        case kRtfPicwgoal:
            width = token.parameter;
            break;
        case kRtfPichgoal:
            height = token.parameter;
            break;
        case kRtfPicscalex:
            scaleX = token.parameter;
            break;
        case kRtfPicscaley:
            scaleY = token.parameter;
            break;
        case kRtfStar:
            SkipToGroupClose();
            break;
        case kRtfGroupClose:
        case kRtfEnd:
            return;
        case kRtfText: {
            if (token.text.empty()) {
                break;
            }
            state.pictureWidth = Short(static_cast<std::int64_t>(width) * scaleX / 100);
            state.pictureHeight = Short(static_cast<std::int64_t>(height) * scaleY / 100);
            TemplatePicture picture = ReadTemplatePicture(tokenizer_, token.text, pictureProgress_);
            picture_ = std::move(picture.bitmap);
            // What follows the data, up to the group's closing brace, is not read.
            if (!picture.groupClosed) {
                SkipToGroupClose();
            }
            return;
        }
        default:
            break;
        }
    }
}

int RtfInterpreter::Interpret(std::size_t bufferLength, FormatState& state, std::string& text) {
    for (;;) {
        RtfToken token = tokenizer_.Next(bufferLength);
        text = std::move(token.text);
        switch (token.code) {
        case kRtfText:
            if (!text.empty()) {
                return kRtfText;
            }
            break;
        case kRtfEnd:
            return kRtfEnd;
        case kRtfGroupOpen:
            lastGroupOpenOffset_ = tokenizer_.Tell() - 1;
            OpenGroup(state);
            break;
        case kRtfGroupClose: {
            if (level_ == 0 && unsavedGroups_ == 0) {
                state.paragraph.flags &= ~kInHeaderOrFooterFlag;
                return kRtfGroupClose;
            }
            const bool wasInHeaderOrFooter = (state.paragraph.flags & kInHeaderOrFooterFlag) != 0;
            CloseGroup(state);
            const bool leftHeaderOrFooter =
                wasInHeaderOrFooter && (state.paragraph.flags & kInHeaderOrFooterFlag) == 0;
            if (leftHeaderOrFooter || state.object.kind != 0) {
                return kRtfGroupClose;
            }
            break;
        }
        case kRtfFooter:
        case kRtfFooterf:
        case kRtfHeader:
        case kRtfHeaderf:
            state.paragraph.flags |= kInHeaderOrFooterFlag;
            return token.code;
        case kRtfMargb:
        case kRtfMargl:
        case kRtfMargr:
        case kRtfMargt:
            Apply(token, state);
            return token.code;
        case kRtfSect:
        case kRtfPar:
        case kRtfLine:
        case kRtfPage:
        case kRtfTab:
            return token.code;
        case kRtfPict:
            ReadPicture(state);
            CloseGroup(state);
            return kRtfPictureDone;
        case kRtfInfo:
        case kRtfStylesheet:
            SkipGroup();
            break;
        case kRtfStar:
            if (tokenizer_.Next(kStarBufferLength).code != kRtfDo) {
                SkipGroup();
            }
            break;
        default:
            if (const char typographic = TypographicCharacter(token.code); typographic != 0) {
                text.assign(1, typographic);
                return kRtfText;
            }
            Apply(token, state);
            break;
        }
    }
}

void RtfInterpreter::Apply(const RtfToken& token, FormatState& state) {
    const std::int32_t n = token.parameter;
    SectionFormat& section = state.section;
    ParagraphFormat& paragraph = state.paragraph;
    CharacterFormat& character = state.character;
    switch (token.code) {
    case kRtfB:
        SetFlag(character.flags, kCharacterBold, n);
        break;
    case kRtfI:
        SetFlag(character.flags, kCharacterItalic, n);
        break;
    case kRtfUl:
        SetFlag(character.flags, kCharacterUnderline, n);
        break;
    case kRtfV:
        SetFlag(character.flags, kCharacterHidden, n);
        break;
    case kRtfF:
        character.font = Byte(n);
        break;
    case kRtfFs:
        character.fontSize = Short(n);
        break;
    case kRtfCf:
        character.foreground = Byte(n);
        break;
    case kRtfCb:
        character.background = Byte(n);
        break;
    case kRtfPlain:
        character = CharacterFormat{};
        character.font = Byte(section.defaultFont);
        break;
    case kRtfPard: {
        const std::uint8_t inHeaderOrFooter = paragraph.flags & kInHeaderOrFooterFlag;
        paragraph = ParagraphFormat{};
        paragraph.flags = inHeaderOrFooter;
        break;
    }
    case kRtfQc:
    case kRtfQj:
    case kRtfQl:
    case kRtfQr:
        paragraph.alignment = static_cast<std::uint8_t>(token.code - kRtfQc);
        break;
    case kRtfFi:
        paragraph.firstIndent = Short(n);
        break;
    case kRtfLi:
        paragraph.leftIndent = Short(n);
        break;
    case kRtfRi:
        paragraph.rightIndent = Short(n);
        break;
    case kRtfSa:
        paragraph.spaceAfter = Short(n);
        break;
    case kRtfSb:
        paragraph.spaceBefore = Short(n);
        break;
    case kRtfSl:
        paragraph.lineSpacing = Short(n);
        break;
    case kRtfKeep:
        SetFlag(paragraph.flags, kKeepFlag, n);
        break;
    case kRtfKeepn:
        SetFlag(paragraph.flags, kKeepNextFlag, n);
        break;
    case kRtfNowidctlpar:
        SetFlag(paragraph.flags, kNoWidowControlFlag, n);
        break;
    case kRtfPagebb:
        SetFlag(paragraph.flags, kPageBreakBeforeFlag, n);
        break;
    case kRtfTx:
        for (TabStop& stop : paragraph.tabs) {
            if (stop.position == 0) {
                stop = TabStop{paragraph.nextTabKind, Short(n)};
                break;
            }
        }
        paragraph.nextTabKind = kTabLeft;
        break;
    case kRtfTqc:
        paragraph.nextTabKind = kTabCentred;
        break;
    case kRtfTqr:
        paragraph.nextTabKind = kTabRight;
        break;
    case kRtfDeftab:
        section.defaultTab = Short(n);
        break;
    case kRtfLandscape:
        section.flags |= kLandscapeFlag;
        break;
    case kRtfTitlepg:
        SetFlag(section.flags, kTitlePageFlag, n);
        break;
    case kRtfMargl:
    case kRtfMarglsxn:
        section.marginLeft = Short(n);
        break;
    case kRtfMargr:
    case kRtfMargrsxn:
        section.marginRight = Short(n);
        break;
    case kRtfMargt:
    case kRtfMargtsxn:
        section.marginTop = Short(n);
        break;
    case kRtfMargb:
    case kRtfMargbsxn:
        section.marginBottom = Short(n);
        break;
    case kRtfPaperw:
        section.paperWidth = Short(n);
        break;
    case kRtfPaperh:
        section.paperHeight = Short(n);
        break;
    case kRtfHeadery:
        section.headerY = Short(n);
        break;
    case kRtfFootery:
        section.footerY = Short(n);
        break;
    case kRtfSectd:
        section.columns = 1;
        section.sectionBreak = 0;
        section.flags &= ~kTitlePageFlag;
        break;
    case kRtfCols:
        section.columns = Short(n);
        break;
    case kRtfSbkcol:
        section.sectionBreak = 1;
        break;
    case kRtfSbkeven:
        section.sectionBreak = 3;
        break;
    case kRtfSbknone:
        section.sectionBreak = 0;
        break;
    case kRtfSbkodd:
        section.sectionBreak = 4;
        break;
    case kRtfSbkpage:
        section.sectionBreak = 2;
        break;
    case kRtfPgnstart:
        section.pageNumberStart = Short(n);
        break;
    case kRtfPgnx:
        section.pageNumberX = Short(n);
        break;
    case kRtfPgny:
        section.pageNumberY = Short(n);
        break;
    case kRtfPgndec:
    case kRtfPgnlcltr:
    case kRtfPgnlcrm:
    case kRtfPgnucltr:
    case kRtfPgnucrm: {
        constexpr std::uint8_t kFormats[] = {0, 1, 3, 2, 4};
        section.pageNumberFormat = kFormats[token.code - kRtfPgndec];
        break;
    }
    default:
        ApplyDrawing(token, state.object);
        break;
    }
}

void RtfInterpreter::ApplyDrawing(const RtfToken& token, DrawingObject& object) {
    const std::int32_t n = token.parameter;
    switch (token.code) {
    case kRtfDpline:
        object.kind = 1;
        break;
    case kRtfDprect:
        object.kind = 2;
        break;
    case kRtfDplinehollow:
        object.hollow = 1;
        break;
    case kRtfDplinesolid:
        object.hollow = 0;
        break;
    case kRtfDplinew:
        object.lineWidth = Short(n);
        break;
    case kRtfDpptx:
        object.points[object.pointCount][0] = n;
        break;
    case kRtfDppty:
        object.points[object.pointCount][1] = n;
        if (object.pointCount < kMaxObjectPoints) {
            ++object.pointCount;
        }
        break;
    case kRtfDpx:
        object.x = Short(n);
        break;
    case kRtfDpy:
        object.y = Short(n);
        break;
    case kRtfDpxsize:
        object.width = Short(n);
        break;
    case kRtfDpysize:
        object.height = Short(n);
        break;
    case kRtfDpfillpat:
        object.fillPattern = Short(n);
        break;
    case kRtfDplinecob:
    case kRtfDplinecog:
    case kRtfDplinecor:
        object.lineColour[token.code - kRtfDplinecob] = Byte(n);
        break;
    case kRtfDpfillbgcb:
    case kRtfDpfillbgcg:
    case kRtfDpfillbgcr:
        object.fillBackColour[token.code - kRtfDpfillbgcb] = Byte(n);
        break;
    case kRtfDpfillfgcb:
    case kRtfDpfillfgcg:
    case kRtfDpfillfgcr:
        object.fillForeColour[token.code - kRtfDpfillfgcb] = Byte(n);
        break;
    case kRtfDplinegray:
        object.lineColour.fill(Grey(n));
        break;
    case kRtfDpfillbggray:
        object.fillBackColour.fill(Grey(n));
        break;
    case kRtfDpfillfggray:
        object.fillForeColour.fill(Grey(n));
        break;
    default:
        break;
    }
}

} // namespace pressel
